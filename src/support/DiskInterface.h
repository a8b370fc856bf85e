// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

class Failure;

// The file-system operations whose failures matter to the caller, behind one interface so that
// tests can make them fail (as root, permissions alone cannot).
class DiskInterface {
public:
    // How a whole-file write ended.
    enum class WriteResult { Written, DiskFull, NotPermitted, Failed };

    virtual ~DiskInterface();
    // Whether anything (a file, a folder) exists at `path`.
    virtual bool exists(const QString& path) = 0;
    // Reads the whole file; false when it cannot be read (a missing file included).
    virtual bool readFile(const QString& path, QByteArray* contents) = 0;
    // Replaces the file with `contents` whole: written beside it, every write checked, synced
    // and its size checked, then renamed over it. On any failure the file is as it was and
    // nothing is left beside it.
    virtual WriteResult writeWhole(const QString& path, const QByteArray& contents) = 0;

    bool writeFileAtomically(const QString& path, const QByteArray& contents) {
        return writeWhole(path, contents) == WriteResult::Written;
    }
    // Writes as writeWhole does; a failure is thrown as the run-time failure that says why.
    void writeOrThrow(const QString& path, const QByteArray& contents);
    // The failure for a write of `path` that ended with `result` (which is not Written): 61
    // for a full disk, 70 for a file or folder the user may not write, 75 otherwise.
    static Failure failureOf(WriteResult result, const QString& path);
};

// The real disk.
class RealDiskInterface : public DiskInterface {
public:
    bool exists(const QString& path) override;
    bool readFile(const QString& path, QByteArray* contents) override;
    WriteResult writeWhole(const QString& path, const QByteArray& contents) override;

    // Whether the user may replace `path` (the file when it exists, and its folder), judged by
    // owner, group and mode alone: root is refused another user's read-only file as anyone
    // else would be. NotPermitted or Written.
    static WriteResult mayReplace(const QString& path);

    static RealDiskInterface& instance();

protected:
    // One write(2). A test overrides it to make the n-th write fail as on a full disk.
    virtual ssize_t writeSome(int fd, const char* data, size_t size);
};
