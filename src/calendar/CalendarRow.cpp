// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarRow.h"

#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/SystemFormats.h"

#include <cmath>

namespace {

double number(const QVariant& value, const char* column) {
    if (value.isNull())
        throw Failure::invalidUseOfNull(QString::fromLatin1(column));
    // The engine gives numbers as doubles and 64-bit integers: read those without a conversion.
    bool ok = true;
    double result = 0;
    if (value.typeId() == QMetaType::Double)
        result = *static_cast<const double*>(value.constData());
    else if (value.typeId() == QMetaType::LongLong)
        result = double(*static_cast<const qlonglong*>(value.constData()));
    else
        result = value.toDouble(&ok);
    if (!ok || !std::isfinite(result))
        throw Failure::typeMismatch(QString::fromLatin1(column));
    return result;
}

// A date or time value; a number outside the range of date values cannot be one.
double dateValue(const QVariant& value, const char* column) {
    const double result = number(value, column);
    if (!OleDate::inRange(result))
        throw Failure::typeMismatch(QString::fromLatin1(column));
    return result;
}

} // namespace

namespace CalendarRow {

QDate civilDate(const QVariant& value, const char* column) {
    return OleDate::toDate(dateValue(value, column));
}

qint32 color(const cLiturgicalColors::Table& colors, const QVariant& code) {
    const double value = number(code, "Day_Color");
    if (value < 0 || value >= double(colors.size()) || value != std::floor(value))
        throw Failure::subscriptOutOfRange(QStringLiteral("Day_Color %1").arg(value));
    return colors[size_t(value)];
}

QString text(const QVariant& value) {
    // The engine gives texts as strings: taken as they are, without a conversion.
    if (value.typeId() == QMetaType::QString)
        return *static_cast<const QString*>(value.constData());
    return value.isNull() ? QString() : value.toString();
}

QTime timeOfDay(const QVariant& value, const char* column) {
    return OleDate::toTime(dateValue(value, column));
}

QString shortTime(const QVariant& value) {
    if (value.isNull())
        return {};
    return SystemFormats::shortTime(timeOfDay(value, "Time"));
}

} // namespace CalendarRow
