// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/SqlDate.h"

#include "support/Failure.h"
#include "support/OleDate.h"

namespace {

void appendNumber(QString* text, int number) {
    if (number < 0)
        *text += QLatin1Char('-');
    unsigned rest = number < 0 ? 0u - unsigned(number) : unsigned(number);
    char digits[10];
    int count = 0;
    do {
        digits[count++] = char('0' + rest % 10);
        rest /= 10;
    } while (rest > 0);
    while (count > 0)
        *text += QLatin1Char(digits[--count]);
}

// "#month/day/year#", the month with two digits when `twoDigitMonth`. Every calendar statement
// carries these: written without a format to read.
QString jetDate(int month, int day, int year, bool twoDigitMonth) {
    QString text;
    text.reserve(24);
    text += QLatin1Char('#');
    if (twoDigitMonth && month >= 0 && month < 10)
        text += QLatin1Char('0');
    appendNumber(&text, month);
    text += QLatin1Char('/');
    appendNumber(&text, day);
    text += QLatin1Char('/');
    appendNumber(&text, year);
    text += QLatin1Char('#');
    return text;
}

} // namespace

QString getSQLDate(double date, qint16 month, qint16 day, qint16 year, qint16 sqlMode) {
    if (date == 0)
        return jetDate(month, day, year, false);
    if (sqlMode != -1 && sqlMode != 0)
        return {};
    const QDate d = OleDate::toDate(date);
    // An impossible date value must not become some other date in a statement.
    if (!d.isValid())
        throw Failure::invalidCall(QStringLiteral("date value %1").arg(date));
    if (sqlMode == -1)
        return QStringLiteral("'%1-%2-%3'")
            .arg(d.year(), 4, 10, QLatin1Char('0'))
            .arg(d.month(), 2, 10, QLatin1Char('0'))
            .arg(d.day(), 2, 10, QLatin1Char('0'));
    return jetDate(d.month(), d.day(), d.year(), true);
}
