// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/JsonOutput.h"

#include "controls/MonthCalendarModel.h"
#include "controls/WeekCalendarModel.h"

#include <QStringList>

namespace JsonOutput {

namespace {

QString isoDate(const QDate& date) {
    return quote(date.toString(Qt::ISODate));
}

QString member(const char* key, const QString& value) {
    return quote(QString::fromLatin1(key)) + QLatin1Char(':') + value;
}

QString object(const QStringList& members) {
    return QLatin1Char('{') + members.join(QLatin1Char(',')) + QLatin1Char('}');
}

QString array(const QStringList& elements) {
    return QLatin1Char('[') + elements.join(QLatin1Char(',')) + QLatin1Char(']');
}

} // namespace

QString quote(const QString& text) {
    QString out;
    out.reserve(text.size() + 2);
    out += QLatin1Char('"');
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '"':
            out += QLatin1String("\\\"");
            break;
        case '\\':
            out += QLatin1String("\\\\");
            break;
        case '\n':
            out += QLatin1String("\\n");
            break;
        case '\r':
            out += QLatin1String("\\r");
            break;
        case '\t':
            out += QLatin1String("\\t");
            break;
        default:
            if (c.unicode() < 0x20)
                out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
            else
                out += c;
        }
    }
    out += QLatin1Char('"');
    return out;
}

QString hex(qint32 color) {
    const quint32 bgr = quint32(color);
    const quint32 rgb = ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
    return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')).toUpper();
}

QString color(const std::optional<qint32>& value) {
    return value ? quote(hex(*value)) : QStringLiteral("null");
}

QString month(qint32 edition, const QString& editionName, const MonthCalendarModel& model) {
    QStringList days;
    for (int day = 1; day <= model.daysInMonth(); ++day) {
        QStringList lines;
        for (int line = 1; line <= MonthCalendarModel::kLines; ++line)
            lines << quote(model.dayText(day, line));
        days << object({member("date", isoDate(model.dateOfDay(day))),
                        member("lines", array(lines)), member("color", color(model.dayColor(day))),
                        member("marker", QString::number(model.dayMarker(day)))});
    }
    return object({member("edition", QString::number(edition)),
                   member("edition_name", quote(editionName)),
                   member("year", QString::number(model.year())),
                   member("month", QString::number(model.month())), member("days", array(days))});
}

QString week(const WeekCalendarModel& model) {
    QStringList days;
    for (QDate date = model.startDate(); date <= model.endDate(); date = date.addDays(1)) {
        QStringList colors;
        for (int index = 1; index <= WeekCalendarModel::kColors; ++index)
            colors << color(model.dateColor(date, index));
        days << object({member("date", isoDate(date)), member("text", quote(model.dateText(date))),
                        member("colors", array(colors)),
                        member("marker", QString::number(model.dateMarker(date)))});
    }
    return object({member("from", isoDate(model.startDate())),
                   member("to", isoDate(model.endDate())), member("days", array(days))});
}

} // namespace JsonOutput
