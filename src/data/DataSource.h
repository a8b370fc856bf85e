// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/FileIdentity.h"

#include <QMap>
#include <QString>

// What a connection string names and which file serves it.
namespace DataSource {

struct Target {
    enum class Kind { None, JetFile, Server };
    Kind kind = Kind::None;
    QString provider;   // the provider that serves the data ("Data Provider" behind a shape)
    QString dataSource; // the data file of a Jet string, the server of another
    QMap<QString, QString> keys; // every key (upper case) and its value
};

// Splits a connection string of "key=value;" pairs (keys without regard to letter case,
// values optionally quoted). A Jet or ACE provider makes a JetFile target.
Target parse(const QString& connectionString);

// Whether the target is a PostgreSQL server ("Provider=PostgreSQL;Server=...;Database=...;", or
// "service=NAME" for a service of libpq's service file).
bool isPostgreSQL(const Target& target);

// The connection string with the values of its password keys ("Password", "Pwd") replaced by
// "********", for messages and the log.
QString masked(const QString& connectionString);

// The SQLite file that serves the data file `dataFile` (found without regard to letter case):
// the file itself when it is an SQLite database, its cached SQLite copy when it is an Access
// file (Jet 3, Jet 4 or ACE), imported first when needed. Throws Failure naming the file when
// it is missing, cannot be imported, or is neither.
QString sqliteFileFor(const QString& dataFile);

// The SQLite file of `dataFile` as sqliteFileFor finds it, with its identity when it was read.
struct SqliteFile {
    QString path;
    FileIdentity identity;
};
SqliteFile checkedSqliteFile(const QString& dataFile);

// Where `dataFile` is when it exists as written (separators made '/', made absolute), without
// looking at the disk: the path sqliteFileFor gives for such a file.
QString pathAsWritten(const QString& dataFile);

// Whether `dataFile` is a user's Access file, which is read through its copy and never
// written. Writers check this first and refuse with accessWriteRefused.
bool isAccessFile(const QString& dataFile);
// The message that refuses a write to the Access file `dataFile` and says how to convert it.
QString accessWriteRefused(const QString& dataFile);

} // namespace DataSource
