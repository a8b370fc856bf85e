// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/OleDate.h"

#include <cmath>

namespace {

constexpr qint64 kSecondsPerDay = 86400;

// The Julian day of 1899-12-30, day 0: no calendar arithmetic for every date converted.
constexpr qint64 kEpochJulianDay = 2415019;

QDate epoch() {
    return QDate::fromJulianDay(kEpochJulianDay);
}

// Splits a date value into its day number and the seconds of its time of day. The time of day
// of a negative value counts forward from its day like that of a positive one (-1.25 is
// 1899-12-29 06:00).
void split(double value, qint64* day, qint64* seconds) {
    double whole = 0;
    const double fraction = std::fabs(std::modf(value, &whole));
    *day = qint64(whole);
    *seconds = std::llround(fraction * double(kSecondsPerDay));
    if (*seconds >= kSecondsPerDay) {
        *seconds -= kSecondsPerDay;
        *day += 1;
    }
}

// split() of a date value; false for a number that is none (converting it to a day number
// would overflow).
bool parts(double value, qint64* day, qint64* seconds) {
    if (!OleDate::inRange(value))
        return false;
    split(value, day, seconds);
    return true;
}

} // namespace

namespace OleDate {

bool inRange(double value) {
    // 0100-01-01 is day -657434, 9999-12-31 day 2958465.
    return std::isfinite(value) && value > -657435.0 && value < 2958466.0;
}

double fromDate(const QDate& date) {
    // As QDate::daysTo: 0 for an invalid date.
    return date.isValid() ? double(date.toJulianDay() - kEpochJulianDay) : 0.0;
}

double fromDateTime(const QDateTime& dateTime) {
    const double day = fromDate(dateTime.date());
    const double fraction = double(dateTime.time().msecsSinceStartOfDay()) / 86400000.0;
    return day < 0 ? day - fraction : day + fraction;
}

// The date and the time of day are taken from the value itself, not through a local date and
// time, which consults the time zone on every call: the calendar fills convert every row.
QDate toDate(double value) {
    qint64 day = 0;
    qint64 seconds = 0;
    return parts(value, &day, &seconds) ? QDate::fromJulianDay(kEpochJulianDay + day) : QDate();
}

QDateTime toDateTime(double value) {
    qint64 day = 0;
    qint64 seconds = 0;
    if (!parts(value, &day, &seconds))
        return {};
    return QDateTime(epoch().addDays(day), QTime(0, 0).addSecs(int(seconds)));
}

QTime toTime(double value) {
    qint64 day = 0;
    qint64 seconds = 0;
    return parts(value, &day, &seconds) ? QTime(0, 0).addSecs(int(seconds)) : QTime();
}

} // namespace OleDate
