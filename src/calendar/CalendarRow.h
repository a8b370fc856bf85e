// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "calendar/cLiturgicalColors.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <QVariant>

// Reading the values of calendar and plan rows as the fills use them. A value that cannot be
// used fails like the run-time conversion it stands for: null with invalid use of null, a
// value of the wrong kind with type mismatch, a colour code outside the table with subscript
// out of range.
namespace CalendarRow {

// The civil date of a date value; its time of day is rounded to the second, not truncated, so
// a row belongs to the date it names.
QDate civilDate(const QVariant& value, const char* column);
// The colour of a Day_Color code.
qint32 color(const cLiturgicalColors::Table& colors, const QVariant& code);
// A text column; null reads as empty.
QString text(const QVariant& value);
// The time of day of a date value; a null value fails like any other that is no date.
QTime timeOfDay(const QVariant& value, const char* column);
// The time of day of a date value in the system's short time form; null reads as empty.
QString shortTime(const QVariant& value);

} // namespace CalendarRow
