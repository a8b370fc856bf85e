// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"
#include "support/FileIdentity.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <memory>
#include <optional>
#include <vector>

// The idle open database handles of this thread, with the statements prepared on them, so that
// a data file that is closed and opened again in a row (the calendar fills close theirs after
// every fill) does not pay for opening, checking and preparing again. A handle is kept for the
// file it was opened on, as that file was on disk then; a handle whose file has since been
// replaced, rewritten or removed is never given out again. Owned by the connection cache and
// released with it; at most kMaxIdle handles wait, the one idle longest goes first.
class ConnectionPool {
public:
    static constexpr int kMaxIdle = 8;

    // An open read-only database and what was prepared on it.
    struct Handle {
        QString connectionName; // the name the database is registered under
        QSqlDatabase db;
        QString file; // the database file that was opened
        FileIdentity identity;
        QHash<QString, std::shared_ptr<Connection::Statement>> statements;
    };

    ConnectionPool() = default;
    ~ConnectionPool();
    ConnectionPool(const ConnectionPool&) = delete;
    ConnectionPool& operator=(const ConnectionPool&) = delete;

    // Keeps `handle` idle; the handle idle longest is closed when more than kMaxIdle wait.
    void put(Handle handle);
    // The idle handle opened on `file` with `identity` (the file as it is now), taken out of the
    // pool; nothing when there is none. The handles of `file` opened on an earlier state of it
    // are dropped.
    std::optional<Handle> take(const QString& file, const FileIdentity& identity);
    int idleCount() const { return int(m_idle.size()); }
    // Closes the idle handles whose file is no longer the one they opened (changed, replaced
    // or removed), so that none keeps a removed file or is given out for its replacement.
    void dropChanged();
    // Closes every idle handle.
    void clear();

    // Closes the database of `handle` and forgets its registration.
    static void close(Handle& handle);

private:
    std::vector<Handle> m_idle; // the handle idle longest first
};
