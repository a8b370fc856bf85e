// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/MonthCalendarModel.h"

#include "controls/CalendarLocale.h"
#include "controls/CalendarSpeech.h"
#include "support/Failure.h"
#include "support/SharedState.h"

#include <QDateTime>

MonthCalendarModel::MonthCalendarModel()
    : m_current(now().date()), m_daysInMonth(m_current.daysInMonth()),
      m_firstDayOfWeek(CalendarLocale::firstDayOfWeek()) {}

void MonthCalendarModel::clearDayTexts() {
    for (Day& d : m_days) {
        for (QString& line : d.lines)
            line.clear();
    }
}

void MonthCalendarModel::clearDayAttributes() {
    for (Day& d : m_days) {
        d.color.reset();
        d.marker = 0;
        d.services.clear();
    }
}

void MonthCalendarModel::setCurrentDate(const QDate& date) {
    if (!date.isValid())
        throw Failure::subscriptOutOfRange(QStringLiteral("date"));
    m_current = date;
    m_daysInMonth = date.daysInMonth();
}

void MonthCalendarModel::setMonth(int month) {
    if (month < 1 || month > 12)
        throw Failure::subscriptOutOfRange(QStringLiteral("month %1").arg(month));
    moveTo(year(), month);
}

void MonthCalendarModel::setYear(int year) {
    if (!QDate(year, 1, 1).isValid())
        throw Failure::subscriptOutOfRange(QStringLiteral("year %1").arg(year));
    moveTo(year, month());
}

void MonthCalendarModel::moveTo(int year, int month) {
    const QDate first(year, month, 1);
    m_daysInMonth = first.daysInMonth();
    m_current = QDate(year, month, qMin(m_current.day(), m_daysInMonth));
}

void MonthCalendarModel::setFirstDayOfWeek(int day) {
    if (day < 1 || day > 7)
        throw Failure::subscriptOutOfRange(QStringLiteral("first day of week %1").arg(day));
    m_firstDayOfWeek = day;
}

const MonthCalendarModel::Day& MonthCalendarModel::day(int day) const {
    if (day < 1 || day > daysInMonth())
        throw Failure::subscriptOutOfRange(QStringLiteral("day %1").arg(day));
    return m_days[size_t(day - 1)];
}

MonthCalendarModel::Day& MonthCalendarModel::day(int d) {
    return const_cast<Day&>(std::as_const(*this).day(d));
}

QString MonthCalendarModel::dayText(int d, int line) const {
    if (line < 1 || line > kLines)
        throw Failure::subscriptOutOfRange(QStringLiteral("line %1").arg(line));
    return day(d).lines[size_t(line - 1)];
}

void MonthCalendarModel::setDayText(int d, int line, const QString& text) {
    if (line < 1 || line > kLines)
        throw Failure::subscriptOutOfRange(QStringLiteral("line %1").arg(line));
    day(d).lines[size_t(line - 1)] = text;
}

std::optional<qint32> MonthCalendarModel::dayColor(int d) const {
    return day(d).color;
}

void MonthCalendarModel::paintDay(int d, qint32 color) {
    day(d).color = color;
}

int MonthCalendarModel::dayMarker(int d) const {
    return day(d).marker;
}

void MonthCalendarModel::setDayMarker(int d, int marker) {
    day(d).marker = marker;
}

QStringList MonthCalendarModel::dayServices(int day) const {
    QStringList said;
    for (const Service& service : this->day(day).services)
        said.append(CalendarSpeech::service(service.time, service.type, service.location));
    return said;
}

void MonthCalendarModel::addDayService(int day, const QString& time, const QString& type,
                                       const QString& location) {
    this->day(day).services.append({time, type, location});
}
