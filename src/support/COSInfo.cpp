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

namespace {

// The private temporary folder of this user under the system's: created with mode 0700 and
// refused when it belongs to someone else or others may write in it, so that no other user
// can predict or plant the component's temporary files.
QString privateTempFolder() {
    const QString base = QDir::tempPath();
    const QString path =
        base + QStringLiteral("/liturgy-calendar-") + QString::number(qulonglong(getuid()));
    const QByteArray native = QFile::encodeName(path);
    struct stat st {};
    const auto isPrivate = [&] { return st.st_uid == getuid() && (st.st_mode & 0077) == 0; };
    // Made before: one look that it is still a folder of this user's alone.
    if (!base.isEmpty() && lstat(native.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
        isPrivate())
        return path + QLatin1Char('/');
    // Qt gives an empty path when TMPDIR names no folder; never fall back to the root.
    if (base.isEmpty() || !QFileInfo(base).isDir())
        throw Failure::pathNotFound(base.isEmpty() ? qEnvironmentVariable("TMPDIR") : base);
    if (mkdir(native.constData(), 0700) != 0 && errno != EEXIST)
        throw Failure::pathNotFound(path);
    if (lstat(native.constData(), &st) != 0 || !S_ISDIR(st.st_mode))
        throw Failure::pathFileAccess(path);
    if (!isPrivate())
        throw Failure::pathFileAccess(path + QStringLiteral(" (not private to this user)"));
    return path + QLatin1Char('/');
}

} // namespace

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
