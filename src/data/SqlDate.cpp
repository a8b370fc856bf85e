// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/SqlDate.h"

#include "support/Failure.h"
#include "support/OleDate.h"

#include <cstdio>

QString getSQLDate(double date, qint16 month, qint16 day, qint16 year, qint16 sqlMode) {
    // Every calendar statement carries these: written without a pattern to read.
    char text[32];
    if (date == 0) {
        const int size = std::snprintf(text, sizeof text, "#%d/%d/%d#", month, day, year);
        return QString::fromLatin1(text, size);
    }
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
    const int size = std::snprintf(text, sizeof text, "#%02d/%d/%d#", d.month(), d.day(), d.year());
    return QString::fromLatin1(text, size);
}
