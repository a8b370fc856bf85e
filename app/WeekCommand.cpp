// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/WeekCommand.h"

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/JsonOutput.h"
#include "app/TerminalCalendar.h"
#include "calendar/cFillWeekCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/CalendarLocale.h"
#include "controls/MonthCalendarModel.h"
#include "controls/WeekCalendarModel.h"

void WeekCommand::fill(const QDate& shown, const HostSession& session, WeekCalendarModel* week) {
    // The month calendar is the master: its month and first day of the week give the range.
    MonthCalendarModel month;
    month.setCurrentDate(shown);
    const QDate first = month.dateOfDay(1);
    const QDate last = month.dateOfDay(month.daysInMonth());

    week->setFirstDayOfWeek(month.firstDayOfWeek());
    week->setStartDate(CalendarLocale::startOfWeek(first, month.firstDayOfWeek()));
    week->setEndDate(last);
    week->setCurrentDate(month.currentDate());
    cLiturgicalColors colors;
    colors.mSetDefaultColors();

    cFillWeekCalendar filler;
    filler.setPFillData(QVariant());
    filler.setPVkIniFile(session.iniFile());
    filler.setPVersion(session.edition());
    filler.setPctCalendar(week);
    filler.setPoLitColors(&colors);
    filler.setPSQLMode(session.sqlMode());
    filler.setPConnectionString(session.server());
    filler.mFillCalendar();
}

QString WeekCommand::run(const CommandRequest& request, const HostSession& session) {
    WeekCalendarModel week;
    fill(request.month, session, &week);
    if (request.json)
        return JsonOutput::week(week) + QLatin1Char('\n');
    return TerminalCalendar::week(week);
}
