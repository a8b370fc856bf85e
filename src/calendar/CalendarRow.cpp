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
    // The data layer gives numbers as doubles and 64-bit integers, and SQL NULL as a plain null
    // value of no type: read those numbers without a conversion or a look for null.
    bool ok = true;
    double result = 0;
    const int type = value.typeId();
    if (type == QMetaType::Double) {
        result = *static_cast<const double*>(value.constData());
    } else if (type == QMetaType::LongLong) {
        result = double(*static_cast<const qlonglong*>(value.constData()));
    } else {
        if (value.isNull())
            throw Failure::invalidUseOfNull(QString::fromLatin1(column));
        result = value.toDouble(&ok);
    }
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
    // A colour code is stored as an integer: taken as it is when it is one of the table's.
    if (code.typeId() == QMetaType::LongLong) {
        const qlonglong index = *static_cast<const qlonglong*>(code.constData());
        if (index >= 0 && index < qlonglong(colors.size()))
            return colors[size_t(index)];
    }
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
