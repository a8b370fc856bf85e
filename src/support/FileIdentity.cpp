// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/FileIdentity.h"

#include <QFile>
#include <sys/stat.h>
#include <time.h>

std::optional<FileIdentity> FileIdentity::of(const QString& file) {
    if (file.isEmpty())
        return std::nullopt;
    return ofEncoded(QFile::encodeName(file));
}

std::optional<FileIdentity> FileIdentity::ofEncoded(const QByteArray& file) {
    struct stat st {};
    if (file.isEmpty() || ::stat(file.constData(), &st) != 0)
        return std::nullopt;
    FileIdentity id;
    id.device = quint64(st.st_dev);
    id.inode = quint64(st.st_ino);
    id.size = qint64(st.st_size);
    id.modified = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    id.changed = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    id.regularFile = S_ISREG(st.st_mode);
    return id;
}

qint64 FileIdentity::stampClock() {
    // The kernel stamps files from its coarse clock; a finer reading could lie ahead of the
    // stamp of a change made after it.
    timespec ts{};
    clock_gettime(CLOCK_REALTIME_COARSE, &ts);
    return qint64(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}
