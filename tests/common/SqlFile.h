// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Schema.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

// An SQLite file read and written straight through QtSql, outside the component's data layer:
// the tests' own changes to their data and their look at what the component wrote. Each call
// opens and closes a connection of its own; a statement that fails is a test failure.
namespace SqlFile {

// Creates a database of `kind` through the schema module; a test failure, naming the file and
// the reason, when it cannot.
bool create(const QString& file, Schema::Kind kind);
// Runs `statements` in order, in one transaction.
bool exec(const QString& file, const QStringList& statements);
// Runs `sql` once per row of `rows`, the row's values bound in order, in one transaction.
bool insert(const QString& file, const QString& sql, const QList<QVariantList>& rows);
// The rows of `sql`, each the list of its values.
QList<QVariantList> rows(const QString& file, const QString& sql);
// The first value of the first row of `sql`; invalid when there is none.
QVariant value(const QString& file, const QString& sql);

} // namespace SqlFile
