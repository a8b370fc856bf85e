// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariant>

// Liturgy and plan databases for the calendar tests, made by the schema module and filled with
// the rows a test names. Null values are null QVariants.
namespace CalendarTestData {

// The default colours by name (0x00BBGGRR).
constexpr qint32 kWhite = 0xFFFFFF;
constexpr qint32 kViolet = 0xD777B3;
constexpr qint32 kGreen = 0x009100;
constexpr qint32 kRed = 0x0000C6;
constexpr qint32 kBlack = 0x404040;
constexpr qint32 kBlue = 0x9B3399;
constexpr qint32 kScarlet = 0x0080FF;

struct DayRow {
    qint64 id;
    QVariant date; // a date value (double) or null
    QVariant feastRef;
    QVariant dayColor;
    QVariant shortName;
};

struct ServiceRow {
    QVariant date;
    QVariant time;
    QVariant servType;
    QVariant location;
};

// The date value of a date and time of day.
double ole(const QDate& date, const QTime& time = QTime(0, 0));
// The value of a time of day alone, as the plan's Time column holds it.
double timeOfDay(int hour, int minute);

// Create a liturgy or a plan database holding `rows`; each fails the test and returns false
// when it cannot.
bool createLiturgy(const QString& path, const QList<DayRow>& rows);
bool createPlan(const QString& path, const QList<ServiceRow>& rows);

// The text of an INI file naming the two database files (CR LF lines).
QByteArray iniText(const QString& liturgyFile, const QString& planFile);

// The plan's services as a person reads them, "YYYY-MM-DD HH:mm kind place", by date and time.
QStringList plannedServices(const QString& planFile);
// The plan's rows as stored, "date|time|kind|place" with the values at full precision, in the
// order they were written; the engine's own check of the file goes to `integrity`.
QStringList storedPlanRows(const QString& planFile, QString* integrity = nullptr);

} // namespace CalendarTestData
