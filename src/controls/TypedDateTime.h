// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QTime>

// Dates and times as a person types them into a field: the date in the form the field shows
// (the locale's short form with a four-digit year), in ISO form or as bare digits; the time as
// "19:30", "19.30", "1930" or "9". Widget-free, so that the fields and the tests share it.
class TypedDateTime {
public:
    // The form a date field shows: the locale's short date form with the year in four digits.
    static QString dateFormat(const QLocale& locale);
    // The date `text` names, read in the order of `dateFormat(locale)`; a text whose first
    // number has four digits is read as year, month, day. Bare digits are read in the field's
    // order (ddMMyyyy, MMddyyyy...) and, when that gives no date, as yyyyMMdd. A two-digit
    // year is a year of this century's first hundred (26 is 2026). Invalid when no date.
    static QDate parseDate(const QString& text, const QLocale& locale);
    // The time `text` names: hours and minutes with ':' or '.' between them or none ("1930",
    // "930"), or hours alone. Invalid when no time.
    static QTime parseTime(const QString& text);
    // How a time field shows a time.
    static QString timeText(const QTime& time);
};
