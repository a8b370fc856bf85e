#pragma once

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
    bool operator==(const FileIdentity&) const = default;

    // The identity of `file` now; nothing when it cannot be read (no such file).
    static std::optional<FileIdentity> of(const QString& file);
};
