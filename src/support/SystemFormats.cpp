// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/SystemFormats.h"

#include <QLocale>
#include <QRegularExpression>

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
    // the seconds too. The pattern is compiled once, not for every time a fill shows.
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+"));
    QString format = QLocale().timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return format.trimmed();
}

QString shortTime(const QTime& time) {
    return QLocale().toString(time, shortTimeFormat());
}

QString generalDateTime(const QDateTime& dateTime) {
    return shortDate(dateTime.date()) + QLatin1Char(' ') + SystemFormats::time(dateTime.time());
}

} // namespace SystemFormats
