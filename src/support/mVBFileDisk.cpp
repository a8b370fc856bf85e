#include "support/mVBFileDisk.h"

#include "support/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

QString normalised(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

} // namespace

namespace mVBFileDisk {

bool fileExists(const QString& path) {
    if (path.isEmpty())
        return false;
    // One look when the name is written as on disk, the usual case.
    const QString p = normalised(path);
    if (const std::optional<FileIdentity> identity = FileIdentity::of(p))
        return identity->regularFile;
    return QFileInfo(resolveLetterCase(p)).isFile();
}

bool deleteFile(const QString& path) {
    if (!path.isEmpty())
        QFile::remove(resolveLetterCase(path));
    return true;
}

QString readTextFile(const QString& path) {
    if (path.isEmpty())
        return {};
    QFile file(resolveLetterCase(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

bool AppendToTextFile(const QString& path, const QString& text) {
    QFile file(normalised(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append))
        return false;
    const QByteArray bytes = text.toUtf8() + "\r\n";
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

QString fileExtension(const QString& path) {
    const qsizetype n = path.size();
    if (n >= 4 && path.at(n - 4) == QLatin1Char('.'))
        return path.right(3);
    const QString tail = path.right(3);
    const qsizetype dot = tail.indexOf(QLatin1Char('.'));
    // A point as the first or second of the last three characters.
    if (dot == 0 || dot == 1)
        return tail.mid(dot + 1);
    return {};
}

QString fileNamePart(const QString& path) {
    return path.mid(lastSeparator(path) + 1);
}

QString folderPart(const QString& path) {
    const qsizetype sep = lastSeparator(path);
    return sep < 0 ? QString() : path.left(sep + 1);
}

QString resolveLetterCase(const QString& path) {
    const QString p = normalised(path);
    if (p.isEmpty() || QFileInfo::exists(p))
        return p;
    // Walk from the root, matching each missing part without regard to case.
    const bool absolute = p.startsWith(QLatin1Char('/'));
    const QStringList parts = p.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString current = absolute ? QStringLiteral("/") : QString();
    for (const QString& part : parts) {
        const QString candidate = current.isEmpty() ? part : current + part;
        if (QFileInfo::exists(candidate)) {
            current = candidate + QLatin1Char('/');
            continue;
        }
        const QDir dir(current.isEmpty() ? QStringLiteral(".") : current);
        const QStringList entries = dir.entryList(
            QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
        QString match;
        for (const QString& entry : entries) {
            if (entry.compare(part, Qt::CaseInsensitive) == 0) {
                match = entry;
                break;
            }
        }
        if (match.isEmpty())
            return p;
        current += match + QLatin1Char('/');
    }
    current.chop(1);
    return current;
}

} // namespace mVBFileDisk
