// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QDateTime>

// Date values as the databases and the component carry them: days since 1899-12-30 as a double,
// the fraction the time of day. Conversions round to the nearest second, never truncate.
namespace OleDate {

// Whether `value` is a date value at all: finite and from 0100-01-01 to 9999-12-31 23:59:59,
// the range of date values. Any other number converts to an invalid date or time.
bool inRange(double value);

double fromDate(const QDate& date);
double fromDateTime(const QDateTime& dateTime);
// The civil date of a date value (its time of day rounded to the second first).
QDate toDate(double value);
QDateTime toDateTime(double value);
QTime toTime(double value);

} // namespace OleDate
