#pragma once

#include "data/Schema.h"

#include <QString>
#include <QStringList>

// Moves databases of the component onto a PostgreSQL server: the tables and indexes of a kind of
// database in the server's types (date values as timestamps), and the rows of an SQLite file.
namespace ServerCopy {

// The statements that create the tables and indexes of `kind` on the server, in order.
QStringList schemaStatements(Schema::Kind kind);

// Creates the tables of `kind` on the server that `connectionString` names and copies every row
// of the SQLite database `sqliteFile` into them, all in one transaction: on failure nothing is
// left on the server and `error` (when given) says why, without the password.
bool copy(const QString& sqliteFile, Schema::Kind kind, const QString& connectionString,
          QString* error = nullptr);

} // namespace ServerCopy
