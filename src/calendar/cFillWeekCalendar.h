// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "calendar/CalendarFill.h"

class WeekCalendarModel;

// Paints the range of the week calendar: each date gets one text of the names of its
// liturgical days followed by a line per planned service, up to three colours of its days and
// a service marker. Made afresh for each fill; it does not own the calendar or the colours.
// pVersion is stored only: the week shows every feast in every edition.
class cFillWeekCalendar : public CalendarFill {
public:
    WeekCalendarModel* pctCalendar() const { return m_calendar; }
    void setPctCalendar(WeekCalendarModel* value) { m_calendar = value; }

    // Fills the range of pctCalendar. Always false; failures go to the error handler and end
    // the fill.
    bool mFillCalendar();

    // The statement of the planned services with their places.
    static QString planStatement(const QString& range);
    // The line a service gets in its date's text: the time as the system writes it, the place
    // and the kind, " - " between them.
    static QString serviceLine(const QVariant& time, const QString& place, const QString& type);

private:
    void fill();
    void writeDays(const QString& liturgyFile, const QString& range);
    void writeServices(const DataFiles& files, const QString& range);

    WeekCalendarModel* m_calendar = nullptr;
};
