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

QString WeekCommand::run(const CommandRequest& request, const HostSession& session, bool colour) {
    // The month calendar is the master: its month and first day of the week give the range.
    MonthCalendarModel month;
    month.setCurrentDate(request.month);
    const QDate first = month.dateOfDay(1);
    const QDate last = month.dateOfDay(month.daysInMonth());

    WeekCalendarModel week;
    week.setFirstDayOfWeek(month.firstDayOfWeek());
    week.setStartDate(CalendarLocale::startOfWeek(first, month.firstDayOfWeek()));
    week.setEndDate(last);
    week.setCurrentDate(month.currentDate());
    cLiturgicalColors colors;
    colors.mSetDefaultColors();

    cFillWeekCalendar fill;
    fill.setPFillData(QVariant());
    fill.setPVkIniFile(session.iniFile());
    fill.setPVersion(session.edition());
    fill.setPctCalendar(&week);
    fill.setPoLitColors(&colors);
    fill.setPSQLMode(session.sqlMode());
    fill.setPConnectionString(session.server());
    fill.mFillCalendar();

    if (request.json)
        return JsonOutput::week(week) + QLatin1Char('\n');
    return TerminalCalendar::week(week, colour);
}
