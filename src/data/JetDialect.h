// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QString>

// What SQLite does not understand of the Jet dialect, translated just before a statement runs:
// date literals (#3/5/2024#, #03/05/2024 14:30#, #3/5/2024 2:30:15 PM#, #2024-03-05#,
// #14:30#) become date values (days since 1899-12-30 as numbers), so that they compare as
// numbers with the REAL date columns. Text inside '...' and "..." strings and [bracketed]
// names is left alone, and so is everything else.
namespace JetDialect {

// A statement ready for the engine: its text, and the values of its date literals in order
// when they were turned into parameters ('?').
struct Translation {
    QString text;
    QList<double> dates;
};

// The statement with its date literals replaced. A malformed or unterminated literal throws
// Failure naming it; it is never turned into some other date.
QString toSQLite(const QString& sql);
// The same translation with each date literal made a parameter, so that statements that differ
// only in their dates share one prepared statement. Fails like toSQLite.
Translation toSQLiteWithParameters(const QString& sql);

// The date value of the text between the two '#' of a literal; false when it is not a date.
bool parseDateLiteral(const QString& text, double* value);

} // namespace JetDialect
