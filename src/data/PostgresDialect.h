// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QVariant>

// What PostgreSQL reads differently from the Jet dialect, bridged just before a statement runs
// on a server and just after its values come back. Bare names stay bare, as the server folds
// them to the lower case its tables are made with; [bracketed] names become quoted lower-case
// names; "..." strings become '...' strings; date literals (#3/5/2024#, #14:30#) become
// timestamp strings. The server's own '2024-03-05' literals pass unchanged. Ordered rows keep
// Jet's place for nulls: first when ascending, last when descending.
namespace PostgresDialect {

// The statement as the server reads it. A malformed date literal throws Failure naming it.
QString toPostgreSQL(const QString& sql);

// A value the server gave back, in the form the Jet engine gives: timestamps, dates and times
// as date values (days since 1899-12-30), yes/no values as -1 and 0, nulls as plain nulls.
QVariant toJetValue(const QVariant& value);

// The column type on the server of a column of the file schema: REAL columns hold date values.
QString columnType(const QString& fileType);

} // namespace PostgresDialect
