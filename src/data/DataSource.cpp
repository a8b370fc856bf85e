// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/DataSource.h"

#include "data/AccessCache.h"
#include "support/Failure.h"
#include "support/mVBFileDisk.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <algorithm>

namespace {

// The number the engine gives when it cannot open a data file.
constexpr qint32 kCannotOpen = -2147467259;

// Whether a ';' at `pos` ends an unquoted value: what follows is nothing or another "key=".
// Paths with a semicolon then stay whole, as the Jet string writes them unquoted.
bool endsValue(const QString& text, qsizetype pos) {
    const QStringView rest = QStringView(text).mid(pos + 1);
    qsizetype i = 0;
    while (i < rest.size() && rest[i].isSpace())
        ++i;
    if (i == rest.size())
        return true;
    const auto letter = [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
               (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
    };
    // A key: a letter, then letters, digits, spaces, '_' or '.', up to its '='.
    if (!letter(rest[i]))
        return false;
    for (++i; i < rest.size(); ++i) {
        const QChar c = rest[i];
        if (c == QLatin1Char('='))
            return true;
        if (!letter(c) && !(c >= QLatin1Char('0') && c <= QLatin1Char('9')) &&
            c != QLatin1Char(' ') && c != QLatin1Char('_') && c != QLatin1Char('.'))
            return false;
    }
    return false;
}

bool isJetProvider(const QString& provider) {
    return provider.startsWith(QLatin1String("Microsoft.Jet.OLEDB"), Qt::CaseInsensitive) ||
           provider.startsWith(QLatin1String("Microsoft.ACE.OLEDB"), Qt::CaseInsensitive);
}

enum class FileFormat { SQLite, Access, Unknown };

FileFormat formatOf(const QByteArray& head) {
    if (head.startsWith(QByteArray("SQLite format 3\0", 16)))
        return FileFormat::SQLite;
    const QByteArray magic("\x00\x01\x00\x00", 4);
    if (head.startsWith(magic + "Standard Jet DB") || head.startsWith(magic + "Standard ACE DB"))
        return FileFormat::Access;
    return FileFormat::Unknown;
}

// The file at `path` as it was found for `dataFile`, or a Failure naming `dataFile`.
QString existingFile(const QString& dataFile) {
    if (dataFile.trimmed().isEmpty())
        throw Failure(kCannotOpen,
                      QCoreApplication::translate("DataSource", "No data file is named."));
    QString path = dataFile;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    path = mVBFileDisk::resolveLetterCase(path);
    const QFileInfo info(path);
    if (!info.isFile())
        throw Failure(
            kCannotOpen,
            QCoreApplication::translate("DataSource", "Could not find file '%1'.").arg(dataFile));
    return info.absoluteFilePath();
}

QByteArray headOf(const QString& path, const QString& dataFile) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(kCannotOpen,
                      QCoreApplication::translate("DataSource", "Cannot open the file '%1': %2")
                          .arg(dataFile, file.errorString()));
    return file.read(100);
}

} // namespace

namespace DataSource {

Target parse(const QString& connectionString) {
    Target target;
    const QString& s = connectionString;
    const qsizetype n = s.size();
    qsizetype i = 0;
    while (i < n) {
        while (i < n && (s.at(i) == QLatin1Char(';') || s.at(i).isSpace()))
            ++i;
        const qsizetype eq = s.indexOf(QLatin1Char('='), i);
        if (i >= n || eq < 0)
            break;
        const QString key = s.mid(i, eq - i).simplified().toUpper();
        i = eq + 1;
        while (i < n && s.at(i) == QLatin1Char(' '))
            ++i;
        QString value;
        if (i < n && (s.at(i) == QLatin1Char('"') || s.at(i) == QLatin1Char('\''))) {
            const QChar quote = s.at(i++);
            while (i < n) {
                if (s.at(i) == quote) {
                    if (i + 1 < n && s.at(i + 1) == quote) {
                        value += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += s.at(i++);
            }
            while (i < n && s.at(i) != QLatin1Char(';'))
                ++i;
        } else {
            qsizetype end = i;
            while (end < n && !(s.at(end) == QLatin1Char(';') && endsValue(s, end)))
                ++end;
            value = s.mid(i, end - i).trimmed();
            i = end;
        }
        if (!key.isEmpty())
            target.keys.insert(key, value);
    }
    if (target.keys.isEmpty())
        return target;
    target.provider = target.keys.value(QStringLiteral("DATA PROVIDER"),
                                        target.keys.value(QStringLiteral("PROVIDER")));
    // "service=NAME" alone names a PostgreSQL service of libpq's service file.
    if (target.provider.isEmpty() && target.keys.contains(QStringLiteral("SERVICE")))
        target.provider = QStringLiteral("PostgreSQL");
    target.dataSource = target.keys.value(QStringLiteral("DATA SOURCE"));
    target.kind = isJetProvider(target.provider) ? Target::Kind::JetFile : Target::Kind::Server;
    return target;
}

QString pathAsWritten(const QString& dataFile) {
    QString path = dataFile;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QFileInfo(path).absoluteFilePath();
}

bool isPostgreSQL(const Target& target) {
    return target.kind == Target::Kind::Server &&
           (target.provider.compare(QLatin1String("PostgreSQL"), Qt::CaseInsensitive) == 0 ||
            target.provider.compare(QLatin1String("QPSQL"), Qt::CaseInsensitive) == 0);
}

QString masked(const QString& connectionString) {
    // Up to the end of the value as parse() reads it: a quoted value to its closing quote.
    static const QRegularExpression password(
        QStringLiteral(
            "((?:^|;)\\s*(?:Password|Pwd)\\s*=\\s*)(\"(?:[^\"]|\"\")*\"?|'(?:[^']|'')*'?|"
            "(?:[^;]|;(?!\\s*[A-Za-z][A-Za-z0-9 _.]*=|\\s*$))*)"),
        QRegularExpression::CaseInsensitiveOption);
    QString result = connectionString;
    result.replace(password, QStringLiteral("\\1********"));
    return result;
}

QString sqliteFileFor(const QString& dataFile) {
    return checkedSqliteFile(dataFile).path;
}

SqliteFile checkedSqliteFile(const QString& dataFile) {
    const QString path = existingFile(dataFile);
    // Taken before the head is read: a file replaced in between only costs a fresh open later.
    const FileIdentity identity = FileIdentity::of(path).value_or(FileIdentity());
    switch (formatOf(headOf(path, dataFile))) {
    case FileFormat::SQLite:
        return {path, identity};
    case FileFormat::Access: {
        const QString copy = AccessCache::copyFor(path, dataFile);
        return {copy, FileIdentity::of(copy).value_or(FileIdentity())};
    }
    case FileFormat::Unknown:
        break;
    }
    throw Failure(kCannotOpen,
                  QCoreApplication::translate("DataSource", "Unrecognized database format '%1'.")
                      .arg(dataFile));
}

bool isAccessFile(const QString& dataFile) {
    try {
        const QString path = existingFile(dataFile);
        return formatOf(headOf(path, dataFile)) == FileFormat::Access;
    } catch (const Failure&) {
        return false;
    }
}

QString accessWriteRefused(const QString& dataFile) {
    // The same path with the extension ".sqlite" in place of the file's own.
    const qsizetype folderEnd =
        std::max(dataFile.lastIndexOf(QLatin1Char('/')), dataFile.lastIndexOf(QLatin1Char('\\')));
    const qsizetype dot = dataFile.lastIndexOf(QLatin1Char('.'));
    const QString converted =
        (dot > folderEnd + 1 ? dataFile.left(dot) : dataFile) + QStringLiteral(".sqlite");
    return QStringLiteral("The database '%1' is an Access file, which is only read and never "
                          "written. Convert it once with \"liturgy-calendar import %1 --out %2\" "
                          "and name '%2' in the INI file instead.")
        .arg(dataFile, converted);
}

} // namespace DataSource
