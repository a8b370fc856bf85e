// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <optional>

// What tells one file on disk from another at the same path: a file that was replaced,
// rewritten or removed has another identity (or none).
struct FileIdentity {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modified = 0; // nanoseconds
    qint64 changed = 0;  // nanoseconds, status change
    bool regularFile = false;
    bool operator==(const FileIdentity&) const = default;

    // The identity of `file` now; nothing when it cannot be read (no such file).
    static std::optional<FileIdentity> of(const QString& file);
    // The same for a path already in the file system's encoding.
    static std::optional<FileIdentity> ofEncoded(const QByteArray& file);

    // The clock the file system stamps its changes with, in nanoseconds.
    static qint64 stampClock();
    // Whether the file may still change without a new identity: its last change fell in the
    // clock tick of `since` (a stampClock() reading taken before the identity) or later, so a
    // change in that same tick would carry the same stamps. What was read of such a file must be
    // read again next time.
    bool mayChangeUnseen(qint64 since) const { return modified >= since || changed >= since; }
};
