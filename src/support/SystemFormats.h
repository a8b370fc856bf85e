// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTime>

// "The system's" date and time forms, from the default locale (QLocale()), which a process
// leaves as the system's and tests set explicitly; or those of the locale given, such as the
// edition's language.
namespace SystemFormats {

QString shortDate(const QDate& date, const QLocale& locale = QLocale());
QString longDate(const QDate& date, const QLocale& locale = QLocale());
// The time form (hours, minutes, seconds), without a time zone.
QString time(const QTime& time);
QString shortTime(const QTime& time);
// The format of shortTime, for QLocale::toString.
QString shortTimeFormat();
// The general date-and-time form: short date and time.
QString generalDateTime(const QDateTime& dateTime);

} // namespace SystemFormats
