// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

// What the month calendar shows, without widgets: one month with its current date, and per day
// of that month up to three name lines, a colour and a service marker. The fills write into it;
// the month view draws it. The current date always lies in the shown month, so that moving the
// shown month moves the current date with it.
class MonthCalendarModel {
public:
    static constexpr int kLines = 3;
    static constexpr int kMaxDays = 31;

    // Today's month, by the environment's clock.
    MonthCalendarModel();

    // Clears the name lines of every day.
    void clearDayTexts();
    // Clears the colours and markers of every day.
    void clearDayAttributes();

    QDate currentDate() const { return m_current; }
    // Also shows the date's month. An invalid date is refused (subscript out of range).
    void setCurrentDate(const QDate& date);
    int currentDay() const { return m_current.day(); }
    int month() const { return m_current.month(); }
    int year() const { return m_current.year(); }
    // Shows another month of the same year; the current day is kept, or the month's last day
    // when the month is shorter.
    void setMonth(int month);
    void setYear(int year);
    int daysInMonth() const { return m_daysInMonth; }
    QDate dateOfDay(int day) const { return QDate(year(), month(), day); }

    // The first day of the week, Sunday = 1 to Saturday = 7; the default locale's.
    int firstDayOfWeek() const { return m_firstDayOfWeek; }
    void setFirstDayOfWeek(int day);

    // Day-indexed members; `day` is the day of the month, `line` 1 to 3. A day or line outside
    // the shown month fails with subscript out of range.
    QString dayText(int day, int line) const;
    void setDayText(int day, int line, const QString& text);
    // The colour painted last (0x00BBGGRR), none after a clear.
    std::optional<qint32> dayColor(int day) const;
    void paintDay(int day, qint32 color);
    // 0 none, 1 one service, 3 more.
    int dayMarker(int day) const;
    void setDayMarker(int day, int marker);
    // The planned services of a day as a screen reader says them, in time order; cleared with
    // the markers.
    QStringList dayServices(int day) const;
    // A planned service of the day: its time as shown, its type and where (empty when not known).
    // Its words are made only when they are asked for.
    void addDayService(int day, const QString& time, const QString& type,
                       const QString& location = QString());

    // How the month looks on paper; the print component reads these, the screen ignores them.
    // The host window sets them before each print (the control's dispatch ids in brackets).
    // Days painted in their colours (95); false prints every day on white.
    bool printColors() const { return m_printColors; }
    void setPrintColors(bool v) { m_printColors = v; }
    // The current date framed (82); a print is about the month, not the user's place in it.
    bool printCurrentDate() const { return m_printCurrentDate; }
    void setPrintCurrentDate(bool v) { m_printCurrentDate = v; }
    // The day numbers of the neighbouring months in the six weeks (90).
    bool printOtherMonthDays() const { return m_printOtherMonthDays; }
    void setPrintOtherMonthDays(bool v) { m_printOtherMonthDays = v; }
    // The inner margin of a day cell, in twips (71).
    qint16 printCellMargin() const { return m_printCellMargin; }
    void setPrintCellMargin(qint16 v) { m_printCellMargin = qMax<qint16>(0, v); }
    // The width of the grid lines, in twips (68); 0 is the thinnest line the printer draws.
    qint32 printGridWidth() const { return m_printGridWidth; }
    void setPrintGridWidth(qint32 v) { m_printGridWidth = qMax(0, v); }

private:
    struct Service {
        QString time;
        QString type;
        QString location;
    };
    struct Day {
        std::array<QString, kLines> lines;
        std::optional<qint32> color;
        int marker = 0;
        QList<Service> services;
    };
    const Day& day(int day) const;
    Day& day(int day);
    void moveTo(int year, int month);

    QDate m_current;
    // Of m_current's month; every day-indexed call checks against it.
    int m_daysInMonth;
    int m_firstDayOfWeek;
    std::array<Day, kMaxDays> m_days;
    bool m_printColors = false;
    bool m_printCurrentDate = true;
    bool m_printOtherMonthDays = false;
    qint16 m_printCellMargin = 0;
    qint32 m_printGridWidth = 0;
};
