// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/modLog.h"

#include "support/ComponentInfo.h"
#include "support/SharedState.h"
#include "support/SystemFormats.h"
#include "support/cResolveFolders.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

// Writers of every process and thread take turns on the log: the size test, the rotation and
// the append are one step, so no record is lost between them. The lock is on the folder.
class LogLock {
public:
    explicit LogLock(const QString& folder)
        : m_fd(::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
        if (m_fd >= 0)
            ::flock(m_fd, LOCK_EX);
    }
    ~LogLock() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    LogLock(const LogLock&) = delete;
    LogLock& operator=(const LogLock&) = delete;

private:
    int m_fd;
};

const char kLogName[] = "Cendra Liturgy Calendar LOG.TXT";
const char kAsterisks[] = "************************************************************";

bool appendBytes(const QString& path, const QByteArray& bytes, QIODevice::OpenMode mode) {
    QFile file(path);
    if (!file.open(mode))
        return false;
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

QString itemText(const QVariant& item) {
    if (item.typeId() == QMetaType::Double)
        return QString::number(item.toDouble(), 'g', 15);
    return item.toString();
}

} // namespace

namespace modLog {

QString versionText() {
    QString text = QStringLiteral("Build %1.%2.%3")
                       .arg(ComponentInfo::major())
                       .arg(ComponentInfo::minor(), 2, 10, QLatin1Char('0'))
                       .arg(ComponentInfo::revision(), 4, 10, QLatin1Char('0'));
    const QFileInfo module(ComponentInfo::folder() + ComponentInfo::moduleName() +
                           QStringLiteral(".EXE"));
    if (module.isFile())
        text += QStringLiteral(" - ") + SystemFormats::shortDate(module.lastModified().date());
    return text;
}

QString logFilePath() {
    return cResolveFolders().getLogPath() + QLatin1String(kLogName);
}

QString backupFilePath(const QString& logFile) {
    return logFile.left(logFile.size() - 3) + QStringLiteral("bck");
}

bool createLogFile(const QString& path) {
    const QByteArray stars(kAsterisks);
    const QByteArray banner = stars + "\r\n" + "*****   Brekka Data AS  -  Generated loggfile " +
                              SystemFormats::shortDate(now().date()).toUtf8() + "    *****\r\n" +
                              stars + "\r\n" + "\r\r\n";
    appendBytes(path, banner, QIODevice::WriteOnly | QIODevice::Truncate);
    return true;
}

bool writeRecord(const QVariantList& record) {
    const QString version = versionText();
    const QString logFile = logFilePath();
    const LogLock lock(QFileInfo(logFile).absolutePath());
    const QFileInfo info(logFile);
    if (!info.exists()) {
        createLogFile(logFile);
    } else if (info.size() > kMaxLogSize) {
        // One rename replaces the older backup.
        if (::rename(QFile::encodeName(logFile).constData(),
                     QFile::encodeName(backupFilePath(logFile)).constData()) != 0)
            return false;
        createLogFile(logFile);
    }
    QString joined;
    for (const QVariant& item : record)
        joined += QLatin1Char('\t') + itemText(item);
    const QDateTime stamp = now();
    const QString line = version + QLatin1Char(' ') + SystemFormats::shortDate(stamp.date()) +
                         QLatin1Char(' ') + SystemFormats::time(stamp.time()) +
                         QStringLiteral(" Error: ") + joined;
    return appendBytes(logFile, line.toUtf8() + "\r\n", QIODevice::WriteOnly | QIODevice::Append);
}

} // namespace modLog
