// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "calendar/CalendarFill.h"

class MonthCalendarModel;

// Paints one month of the month calendar: each day gets the names of its liturgical days (up
// to three lines), the colour of its last liturgical day and a marker for planned services.
// Made afresh for each fill; it does not own the calendar or the colours. Edition 1011
// (pVersion) leaves the rows of a few feasts unpainted.
class cFillCalendar : public CalendarFill {
public:
    MonthCalendarModel* pctMonth() const { return m_month; }
    void setPctMonth(MonthCalendarModel* value) { m_month = value; }

    // Fills the month of pctMonth's current date. Always false; failures go to the error
    // handler and end the fill.
    bool mFillCalendar();

    // The statement of the planned services.
    static QString planStatement(const QString& range);

private:
    void fill();
    void paintDays(const QString& liturgyFile, const QString& range, const QDate& first,
                   const QDate& last);
    void markServices(const DataFiles& files, const QString& range, const QDate& first,
                      const QDate& last);

    MonthCalendarModel* m_month = nullptr;
};
