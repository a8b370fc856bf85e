// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/DiskInterface.h"

#include "support/Failure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

using WriteResult = DiskInterface::WriteResult;

WriteResult resultOfErrno(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return WriteResult::DiskFull;
    case EACCES:
    case EPERM:
    case EROFS:
        return WriteResult::NotPermitted;
    default:
        return WriteResult::Failed;
    }
}

// Whether the effective user may do `access` (a mix of S_IWOTH, S_IXOTH) on what `st`
// describes, by the owner, group and other bits alone.
bool permitted(const struct stat& st, mode_t access) {
    mode_t bits = access;
    if (st.st_uid == geteuid()) {
        bits = access << 6;
    } else {
        bool inGroup = st.st_gid == getegid();
        const int count = getgroups(0, nullptr);
        if (!inGroup && count > 0) {
            std::vector<gid_t> groups(static_cast<size_t>(count));
            const int got = getgroups(count, groups.data());
            for (int i = 0; i < got && !inGroup; ++i)
                inGroup = groups[static_cast<size_t>(i)] == st.st_gid;
        }
        if (inGroup)
            bits = access << 3;
    }
    return (st.st_mode & bits) == bits;
}

// The mode a new file gets: 0666 less the process's file-creation mask, read without
// changing it (umask() can only be read by setting it, which would race other threads).
mode_t newFileMode() {
    QFile status(QStringLiteral("/proc/self/status"));
    mode_t mask = 022;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.startsWith("Umask:")) {
                bool ok = false;
                const uint value = line.mid(6).trimmed().toUInt(&ok, 8);
                if (ok)
                    mask = static_cast<mode_t>(value);
            }
        }
    }
    return 0666 & ~mask;
}

// Removes the file beside the target unless it was renamed into place.
class PartialFile {
public:
    explicit PartialFile(QByteArray path) : m_path(std::move(path)) {}
    ~PartialFile() {
        if (m_fd >= 0)
            ::close(m_fd);
        if (!m_path.isEmpty())
            ::unlink(m_path.constData());
    }
    PartialFile(const PartialFile&) = delete;
    PartialFile& operator=(const PartialFile&) = delete;
    char* path() { return m_path.data(); }
    int& fd() { return m_fd; }
    void published() { m_path.clear(); }

private:
    QByteArray m_path;
    int m_fd = -1;
};

QString targetOf(const QString& path) {
    const QFileInfo info(path);
    // Through a link, the file it points to is replaced, not the link.
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

} // namespace

DiskInterface::~DiskInterface() = default;

void DiskInterface::writeOrThrow(const QString& path, const QByteArray& contents) {
    const WriteResult result = writeWhole(path, contents);
    if (result != WriteResult::Written)
        throw failureOf(result, path);
}

Failure DiskInterface::failureOf(WriteResult result, const QString& path) {
    switch (result) {
    case WriteResult::DiskFull:
        return {61, QStringLiteral("Disk full: the disk is full, so '%1' was not written and "
                                   "is as it was")
                        .arg(path)};
    case WriteResult::NotPermitted:
        return {
            70,
            QStringLiteral("Permission denied: '%1' or its folder may not be written").arg(path)};
    case WriteResult::Written:
    case WriteResult::Failed:
        break;
    }
    return Failure::pathFileAccess(path);
}

bool RealDiskInterface::exists(const QString& path) {
    return QFileInfo::exists(path);
}

bool RealDiskInterface::readFile(const QString& path, QByteArray* contents) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *contents = file.readAll();
    return file.error() == QFileDevice::NoError;
}

DiskInterface::WriteResult RealDiskInterface::mayReplace(const QString& path) {
    const QString target = targetOf(path);
    struct stat st {};
    const QByteArray encoded = QFile::encodeName(target);
    if (::stat(encoded.constData(), &st) == 0 && !permitted(st, S_IWOTH))
        return WriteResult::NotPermitted;
    const QByteArray folder = QFile::encodeName(QFileInfo(target).absolutePath());
    if (::stat(folder.constData(), &st) == 0 && !permitted(st, S_IWOTH | S_IXOTH))
        return WriteResult::NotPermitted;
    return WriteResult::Written;
}

DiskInterface::WriteResult RealDiskInterface::writeWhole(const QString& path,
                                                         const QByteArray& contents) {
    if (path.isEmpty())
        return WriteResult::Failed;
    const QString target = targetOf(path);
    const QByteArray encoded = QFile::encodeName(target);
    struct stat old {};
    const bool replacing = ::stat(encoded.constData(), &old) == 0;
    if (replacing && !S_ISREG(old.st_mode))
        return WriteResult::Failed;
    if (mayReplace(target) != WriteResult::Written)
        return WriteResult::NotPermitted;

    const QFileInfo info(target);
    PartialFile partial(QFile::encodeName(info.absolutePath() + QStringLiteral("/.") +
                                          info.fileName() + QStringLiteral(".XXXXXX")));
    partial.fd() = ::mkostemp(partial.path(), O_CLOEXEC);
    if (partial.fd() < 0) {
        const int error = errno;
        partial.published(); // nothing was created
        return resultOfErrno(error);
    }
    const int fd = partial.fd();
    // The new file keeps the old one's owner and mode; a new one gets what creat() would give.
    if (replacing) {
        if ((old.st_uid != geteuid() || old.st_gid != getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0 && old.st_gid != getegid())
            (void)::fchown(fd, static_cast<uid_t>(-1), old.st_gid);
        if (::fchmod(fd, old.st_mode & 07777) != 0)
            return resultOfErrno(errno);
    } else if (::fchmod(fd, newFileMode()) != 0) {
        return resultOfErrno(errno);
    }
    const char* data = contents.constData();
    size_t left = static_cast<size_t>(contents.size());
    while (left > 0) {
        const ssize_t n = writeSome(fd, data, left);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return n == 0 ? WriteResult::DiskFull : resultOfErrno(errno);
        data += n;
        left -= static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0)
        return resultOfErrno(errno);
    struct stat written {};
    if (::fstat(fd, &written) != 0 || written.st_size != contents.size())
        return WriteResult::Failed;
    partial.fd() = -1;
    if (::close(fd) != 0)
        return resultOfErrno(errno);
    if (::rename(partial.path(), encoded.constData()) != 0)
        return resultOfErrno(errno);
    partial.published();
    // The rename itself reaches the disk with the folder.
    const int folder = ::open(QFile::encodeName(info.absolutePath()).constData(),
                              O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return WriteResult::Written;
}

ssize_t RealDiskInterface::writeSome(int fd, const char* data, size_t size) {
    // Pieces of at most 1 MiB, so that a test can fail a write part-way through a file.
    constexpr size_t kPiece = 1 << 20;
    return ::write(fd, data, size < kPiece ? size : kPiece);
}

RealDiskInterface& RealDiskInterface::instance() {
    static RealDiskInterface disk;
    return disk;
}
