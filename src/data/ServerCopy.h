// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Schema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Moves databases of the component onto a PostgreSQL server: the tables and indexes of a kind of
// database in the server's types (date values as timestamps), and the rows of its data files
// (SQLite files, or users' Access files through their cached SQLite copies).
namespace ServerCopy {

// The statements that create the tables and indexes of `kind` on the server, in order.
QStringList schemaStatements(Schema::Kind kind);

// A database to copy: its kind and its data file as a host names it.
struct Source {
    Schema::Kind kind = Schema::Kind::Liturgy;
    QString dataFile;
};

// The liturgy, plan and service databases that the INI file names in its section "Files"
// ("LiturgyFile", "PlanFile", "ServiceFile"), in that order. False with `error` set when the
// file does not exist or names none of them.
bool sourcesOf(const QString& iniFile, QList<Source>* sources, QString* error);

// The rows of one table in its data file and on the server after the copy.
struct TableCount {
    QString table;
    qint64 source = 0;
    qint64 server = 0;
};

struct Options {
    // The kinds of database whose tables are made on the server.
    QList<Schema::Kind> kinds{Schema::Kind::Liturgy, Schema::Kind::Plan, Schema::Kind::Service};
    // Replace tables that the server database holds already; without it they make the copy fail.
    bool replace = false;
    // Told the rows copied so far and the rows to copy in all, after every row.
    std::function<void(qint64 done, qint64 total)> progress;
};

// Creates the tables of `options.kinds` on the server that `connectionString` names and copies
// every row of `sources` into them, then compares the row count of every table with its source;
// all in one transaction: on failure (a mismatch included) the server is as it was and `error`
// (when given) says why, never with the password. `counts` gets every table made, in order.
bool copy(const QList<Source>& sources, const QString& connectionString, const Options& options,
          QList<TableCount>* counts = nullptr, QString* error = nullptr);

// Creates the tables of `kind` and copies the SQLite or Access file `dataFile` into them.
bool copy(const QString& dataFile, Schema::Kind kind, const QString& connectionString,
          QString* error = nullptr);

} // namespace ServerCopy
