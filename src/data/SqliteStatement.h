// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/RowTable.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

// A statement prepared once on the SQLite handle of an open database file and run again with new
// values bound: its rows are read straight from the engine, each value in the type it is stored
// in (INTEGER as a 64-bit integer, REAL as a double, TEXT as text from its UTF-8, BLOB as bytes,
// NULL as a null value), which is what QtSql's driver gives, without its row cache and its UTF-16
// copies. The handle stays the driver's: it opens, locks (busy timeout included) and closes the
// file. A statement must be destroyed before its handle is closed; the engine refuses to close a
// handle with live statements and would keep the file open.
class SqliteStatement {
public:
    ~SqliteStatement();
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    // `sql` prepared on `db`; null, with the engine's reason in `error`, when it cannot be.
    static std::unique_ptr<SqliteStatement> prepare(sqlite3* db, const QString& sql,
                                                    QString* error);

    // The names of the result columns, as QtSql's driver gives them.
    const QStringList& columnNames() const { return m_names; }
    // Binds `values` to the parameters in order and steps the statement, appending up to
    // `maxRows` rows to `rows` (every row when negative; none when 0, the statement still runs
    // once). The statement is reset after, also when it fails; false with the engine's reason
    // in `error` then.
    bool read(const QList<double>& values, RowTable* rows, int maxRows, QString* error);

private:
    SqliteStatement(sqlite3* db, sqlite3_stmt* statement);
    QString engineError() const;

    sqlite3* m_db;
    sqlite3_stmt* m_statement; // null for a text that holds no statement
    QStringList m_names;
};
