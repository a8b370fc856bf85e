// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"
#include "data/ConnectionPool.h"
#include "data/DataSource.h"
#include "support/SharedState.h"

#include <QHash>
#include <QString>
#include <vector>

// The open connections of this thread, in the order they were opened, without keys. A
// connection belongs to a data file when the data file's path, upper-cased, occurs whole in its
// upper-cased connection string. Released with the shared state; a connection closes when its
// last reference goes. It also owns the thread's pool of idle databases, which goes with it.
class ConnectionCache : public ConnectionCacheBase {
public:
    ~ConnectionCache() override;

    // This thread's cache, created empty when absent.
    static ConnectionCache& instance();
    // This thread's cache when it exists; null otherwise.
    static ConnectionCache* existing();

    bool isEmpty() const { return m_connections.empty(); }
    int count() const { return int(m_connections.size()); }
    const std::vector<ConnectionPtr>& connections() const { return m_connections; }
    // The position (from 0) of the first connection of `dataFile` at or after `from`; -1 when
    // none. An empty data file belongs to no connection.
    int indexOf(const QString& dataFile, int from = 0) const;
    // The position of the first connection opened with exactly `connectionString`; -1 when none.
    int indexOfConnectionString(const QString& connectionString) const;
    void append(ConnectionPtr connection) { m_connections.push_back(std::move(connection)); }
    void removeAt(int index);
    ConnectionPool& pool() { return m_pool; }
    // Whether the upper-cased connection string names the upper-cased data file: as a whole
    // value, or for a relative path also as the end of one.
    static bool mentions(const QString& upperConnectionString, const QString& upperFile);
    // `text` in upper case. Connections are looked up by the same few files and strings over
    // and over: each is upper-cased once.
    QString upperCase(const QString& text) const;
    // DataSource::pathAsWritten of `dataFile`. The fills open the same files again for every
    // month; an absolute path's does not depend on the working folder, so each is worked out
    // once.
    QString pathAsWritten(const QString& dataFile) const;
    // What `connectionString` names, as DataSource::parse reads it. The fills open the same few
    // strings again for every month: each is read once.
    const DataSource::Target& parsed(const QString& connectionString) const;

private:
    // Declared first so that it goes last, after the connections.
    ConnectionPool m_pool;
    std::vector<ConnectionPtr> m_connections;
    // Texts upper-cased before, and their upper case.
    mutable QHash<QString, QString> m_upperCase;
    mutable QHash<QString, DataSource::Target> m_parsed;
    mutable QHash<QString, QString> m_absolutePaths;
};
