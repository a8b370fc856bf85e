// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/WeekCalendarModel.h"

#include "controls/CalendarLocale.h"
#include "support/Failure.h"
#include "support/SharedState.h"

#include <QDateTime>

namespace {

void checkDate(const QDate& date) {
    if (!date.isValid())
        throw Failure::subscriptOutOfRange(QStringLiteral("date"));
}

void checkColorIndex(int index) {
    if (index < 1 || index > WeekCalendarModel::kColors)
        throw Failure::subscriptOutOfRange(QStringLiteral("colour %1").arg(index));
}

} // namespace

WeekCalendarModel::WeekCalendarModel()
    : m_start(now().date()), m_end(m_start), m_current(m_start),
      m_firstDayOfWeek(CalendarLocale::firstDayOfWeek()) {}

void WeekCalendarModel::clear() {
    m_entries.clear();
}

void WeekCalendarModel::setStartDate(const QDate& date) {
    checkDate(date);
    m_start = date;
}

void WeekCalendarModel::setEndDate(const QDate& date) {
    checkDate(date);
    m_end = date;
}

void WeekCalendarModel::setCurrentDate(const QDate& date) {
    checkDate(date);
    m_current = date;
}

void WeekCalendarModel::setFirstDayOfWeek(int day) {
    if (day < 1 || day > 7)
        throw Failure::subscriptOutOfRange(QStringLiteral("first day of week %1").arg(day));
    m_firstDayOfWeek = day;
}

const WeekCalendarModel::Entry* WeekCalendarModel::find(const QDate& date) const {
    if (!inRange(date))
        return nullptr;
    const auto it = m_entries.constFind(date.toJulianDay());
    return it == m_entries.constEnd() ? nullptr : &*it;
}

WeekCalendarModel::Entry* WeekCalendarModel::entry(const QDate& date) {
    if (!inRange(date))
        return nullptr;
    return &m_entries[date.toJulianDay()];
}

QString WeekCalendarModel::dateText(const QDate& date) const {
    const Entry* e = find(date);
    return e ? e->text : QString();
}

void WeekCalendarModel::setDateText(const QDate& date, const QString& text) {
    if (Entry* e = entry(date))
        e->text = text;
}

std::optional<qint32> WeekCalendarModel::dateColor(const QDate& date, int index) const {
    checkColorIndex(index);
    const Entry* e = find(date);
    return e ? e->colors[size_t(index - 1)] : std::nullopt;
}

void WeekCalendarModel::setDateColor(const QDate& date, int index, qint32 color) {
    checkColorIndex(index);
    if (Entry* e = entry(date))
        e->colors[size_t(index - 1)] = color;
}

int WeekCalendarModel::dateMarker(const QDate& date) const {
    const Entry* e = find(date);
    return e ? e->marker : 0;
}

void WeekCalendarModel::setDateMarker(const QDate& date, int marker) {
    if (Entry* e = entry(date))
        e->marker = marker;
}

QStringList WeekCalendarModel::dateServices(const QDate& date) const {
    const Entry* e = find(date);
    return e ? e->services : QStringList();
}

void WeekCalendarModel::addDateService(const QDate& date, const QString& service) {
    if (Entry* e = entry(date))
        e->services.append(service);
}
