// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What the week calendar shows, without widgets: a range of dates, and per date a text (lines
// separated by CR LF), up to three colours and a service marker. The fill writes into it; the
// week view draws it. Members written for a date outside the range are not kept, since the
// view cannot show them.
class WeekCalendarModel {
public:
    static constexpr int kColors = 3;

    // An empty range on today's date, by the environment's clock.
    WeekCalendarModel();

    // Clears the texts, colours and markers of every date.
    void clear();

    QDate startDate() const { return m_start; }
    QDate endDate() const { return m_end; }
    // An invalid date is refused (subscript out of range). An end before the start leaves the
    // range empty.
    void setStartDate(const QDate& date);
    void setEndDate(const QDate& date);
    bool inRange(const QDate& date) const { return date >= m_start && date <= m_end; }
    // The month and year of the start of the range.
    int month() const { return m_start.month(); }
    int year() const { return m_start.year(); }

    QDate currentDate() const { return m_current; }
    void setCurrentDate(const QDate& date);

    // The first day of the week, Sunday = 1 to Saturday = 7; the default locale's.
    int firstDayOfWeek() const { return m_firstDayOfWeek; }
    void setFirstDayOfWeek(int day);

    QString dateText(const QDate& date) const;
    void setDateText(const QDate& date, const QString& text);
    // `index` 1 to 3; none after a clear.
    std::optional<qint32> dateColor(const QDate& date, int index) const;
    void setDateColor(const QDate& date, int index, qint32 color);
    // 0 none, 1 one service, 3 more.
    int dateMarker(const QDate& date) const;
    void setDateMarker(const QDate& date, int marker);
    // The planned services of a date as a screen reader says them, in time order. They are
    // also the last lines of the date's text.
    QStringList dateServices(const QDate& date) const;
    void addDateService(const QDate& date, const QString& service);

private:
    struct Entry {
        QString text;
        std::array<std::optional<qint32>, kColors> colors;
        int marker = 0;
        QStringList services;
    };
    const Entry* find(const QDate& date) const;
    // The entry of a date in the range; null outside it.
    Entry* entry(const QDate& date);

    QDate m_start;
    QDate m_end;
    QDate m_current;
    int m_firstDayOfWeek;
    QHash<qint64, Entry> m_entries;
};
