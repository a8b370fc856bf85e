// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/SystemFormats.h"

#include <QLocale>

namespace SystemFormats {

QString shortDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::ShortFormat);
}

QString longDate(const QDate& date, const QLocale& locale) {
    return locale.toString(date, QLocale::LongFormat);
}

QString time(const QTime& time) {
    // The long time form, less the time zone that some locales append.
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale().toString(time, format.trimmed());
}

QString shortTimeFormat() {
    // Hours and minutes: the short form of some locales, the C locale's among them, carries
    // the seconds too. Each run of 's' goes with the ':' or '.' just before it; read without a
    // pattern, as every month fill asks.
    const QString format = QLocale().timeFormat(QLocale::ShortFormat);
    QString result;
    result.reserve(format.size());
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format.at(i);
        const bool separator = c == QLatin1Char(':') || c == QLatin1Char('.');
        if (c == QLatin1Char('s') ||
            (separator && i + 1 < format.size() && format.at(i + 1) == QLatin1Char('s')))
            continue;
        result += c;
    }
    return result.trimmed();
}

QString shortTime(const QTime& time) {
    return QLocale().toString(time, shortTimeFormat());
}

QString generalDateTime(const QDateTime& dateTime) {
    return shortDate(dateTime.date()) + QLatin1Char(' ') + SystemFormats::time(dateTime.time());
}

} // namespace SystemFormats
