// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/COSInfo.h"

#include "support/ProcScope.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// The private temporary folder of this user under the system's: created with mode 0700 and
// refused when it belongs to someone else or others may write in it, so that no other user
// can predict or plant the component's temporary files.
namespace {

// Whether `path` is a folder (not a link) of this user's alone, made now when it is missing.
bool privateFolder(const QString& path) {
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    if (lstat(native.constData(), &st) != 0 &&
        (mkdir(native.constData(), 0700) != 0 || lstat(native.constData(), &st) != 0))
        return false;
    return S_ISDIR(st.st_mode) && st.st_uid == getuid() && (st.st_mode & 0077) == 0;
}

} // namespace

QString COSInfo::privateTempFolder() {
    const QString base = QDir::tempPath();
    // Qt gives an empty path when TMPDIR names no folder; never fall back to the root.
    if (base.isEmpty() || !QFileInfo(base).isDir())
        throw Failure::pathNotFound(base.isEmpty() ? qEnvironmentVariable("TMPDIR") : base);
    const QString path =
        base + QStringLiteral("/liturgy-calendar-") + QString::number(qulonglong(getuid()));
    if (privateFolder(path))
        return path + QLatin1Char('/');
    // Another user took the name first. The session's runtime folder is this user's alone;
    // without one, the next free name of a short series, found again the same way later.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir() &&
        privateFolder(runtime + QStringLiteral("/liturgy-calendar")))
        return runtime + QStringLiteral("/liturgy-calendar/");
    for (int n = 1; n <= 64; ++n) {
        const QString other = path + QLatin1Char('.') + QString::number(n);
        if (privateFolder(other))
            return other + QLatin1Char('/');
    }
    throw Failure::pathFileAccess(path + QStringLiteral(" (not private to this user)"));
}

QString COSInfo::TempPath() {
    ProcScope scope("COSInfo.TempPath");
    QString result;
    scope.run([&] { result = privateTempFolder(); });
    return result;
}

QString COSInfo::TempFile(QString& prefix) {
    ProcScope scope("COSInfo.TempFile");
    QString result;
    scope.run([&] {
        const QString folder = privateTempFolder();
        const QString stem = folder + prefix.left(3);
        quint32 number = QRandomGenerator::global()->bounded(0x10000u);
        for (int attempt = 0; attempt < 0x10000; ++attempt, number = (number + 1) & 0xFFFF) {
            const QString candidate =
                stem + QString::number(number, 16).toUpper() + QStringLiteral(".TMP");
            const int fd = open(QFile::encodeName(candidate).constData(),
                                O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
            if (fd >= 0) {
                close(fd);
                result = candidate;
                return;
            }
            if (errno != EEXIST)
                throw Failure::pathFileAccess(candidate);
        }
        throw Failure::pathFileAccess(stem + QStringLiteral("*.TMP"));
    });
    return result;
}
