// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/mVBFileDisk.h"

#include "support/FileIdentity.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>

namespace {

qsizetype lastSeparator(const QString& path) {
    return std::max(path.lastIndexOf(QLatin1Char('/')), path.lastIndexOf(QLatin1Char('\\')));
}

QString normalised(const QString& path) {
    QString p = path;
    p.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return p;
}

// Walks `p` from the root, matching each missing part without regard to case; `p` itself when a
// part matches nothing.
QString walk(const QString& p) {
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

// A name that is not on disk as written (missing, or there in other letter case), as it was
// looked up in its folder. Its answer holds while that folder is unchanged: no file can have
// been added, removed or renamed in it.
struct Resolution {
    QString result;
    QByteArray folder;
    FileIdentity folderIdentity;
    bool isFile = false;
};

constexpr qsizetype kMaxResolutions = 64;

QHash<QString, Resolution>& resolutions() {
    thread_local QHash<QString, Resolution> known;
    return known;
}

const Resolution* remembered(const QString& p) {
    QHash<QString, Resolution>& known = resolutions();
    const auto it = known.constFind(p);
    if (it == known.constEnd())
        return nullptr;
    if (FileIdentity::ofEncoded(it->folder) != std::optional<FileIdentity>(it->folderIdentity)) {
        known.erase(it);
        return nullptr;
    }
    return &*it;
}

// Remembers the lookup of the absolute `p` when its folder exists and was last changed before
// `since` (a stamp clock reading taken before the lookup).
void remember(const QString& p, const QString& result, qint64 since) {
    const QString folder = mVBFileDisk::folderPart(result);
    if (!p.startsWith(QLatin1Char('/')) || folder.isEmpty())
        return;
    const QByteArray encoded = QFile::encodeName(folder);
    const std::optional<FileIdentity> identity = FileIdentity::ofEncoded(encoded);
    if (!identity || identity->mayChangeUnseen(since))
        return;
    const std::optional<FileIdentity> file = FileIdentity::of(result);
    QHash<QString, Resolution>& known = resolutions();
    if (known.size() >= kMaxResolutions)
        known.clear();
    known.insert(p, {result, encoded, *identity, file && file->regularFile});
}

} // namespace

namespace mVBFileDisk {

bool fileExists(const QString& path, std::optional<FileIdentity>* seen) {
    if (path.isEmpty())
        return false;
    // One look when the name is written as on disk, the usual case, or when it was looked up
    // before in a folder that has not changed since.
    const QString p = normalised(path);
    if (const Resolution* known = remembered(p))
        return known->isFile;
    if (const std::optional<FileIdentity> identity = FileIdentity::of(p)) {
        if (seen && identity->regularFile)
            *seen = identity;
        return identity->regularFile;
    }
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
    if (p.isEmpty())
        return p;
    if (const Resolution* known = remembered(p))
        return known->result;
    if (QFileInfo::exists(p))
        return p;
    const qint64 since = FileIdentity::stampClock();
    const QString result = walk(p);
    remember(p, result, since);
    return result;
}

QString freeFileName(const QString& folder, const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot < 0 ? name : name.left(dot);
    const QString extension = dot < 0 ? QString() : name.mid(dot);
    QString candidate = folder + name;
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = folder + stem + QStringLiteral(" (%1)").arg(n) + extension;
    return candidate;
}

} // namespace mVBFileDisk
