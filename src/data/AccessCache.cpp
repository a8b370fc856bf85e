// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/AccessCache.h"

#include "data/AccessImport.h"
#include "support/Failure.h"
#include "support/FileIdentity.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr qint32 kCannotOpen = -2147467259;

// The part of a copy's name that all copies of one Access file share.
QString pathKey(const QString& canonicalPath) {
    return QString::fromLatin1(
        QCryptographicHash::hash(canonicalPath.toUtf8(), QCryptographicHash::Sha1)
            .toHex()
            .left(20));
}

} // namespace

namespace AccessCache {

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
           QStringLiteral("/Brekka Data as/AccessCopies/");
}

QString copyName(const QString& accessFile) {
    const QString canonical = QFileInfo(accessFile).canonicalFilePath();
    const std::optional<FileIdentity> id = FileIdentity::of(canonical);
    if (canonical.isEmpty() || !id)
        return {};
    return QStringLiteral("%1-%2-%3.sqlite")
        .arg(pathKey(canonical))
        .arg(id->size)
        .arg(id->modified);
}

QString copyFor(const QString& accessFile, const QString& shownName) {
    const QString name = copyName(accessFile);
    if (name.isEmpty())
        throw Failure(
            kCannotOpen,
            QCoreApplication::translate("DataSource", "Could not find file '%1'.").arg(shownName));
    const QString dir = folder();
    const QString copy = dir + name;
    if (QFileInfo(copy).isFile())
        return copy;
    if (!QDir().mkpath(dir))
        throw Failure(kCannotOpen,
                      QCoreApplication::translate(
                          "AccessCache", "Cannot open the Access database '%1': the cache folder "
                                         "'%2' cannot be made")
                          .arg(shownName, dir));
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    AccessImport::copy(accessFile, copy, shownName, true);
    QFile::setPermissions(copy, QFile::ReadOwner | QFile::ReadUser);
    // The copies of the file's earlier states are of no further use.
    const QString key = name.section(QLatin1Char('-'), 0, 0);
    const QStringList stale =
        QDir(dir).entryList({key + QStringLiteral("-*.sqlite")}, QDir::Files | QDir::Hidden);
    for (const QString& old : stale) {
        if (old != name)
            QFile::remove(dir + old);
    }
    return copy;
}

} // namespace AccessCache
