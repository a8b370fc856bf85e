#include "app/MonthCommand.h"

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/JsonOutput.h"
#include "app/TerminalCalendar.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/MonthCalendarModel.h"

#include <QLocale>

QString MonthCommand::run(const CommandRequest& request, const HostSession& session, bool colour) {
    MonthCalendarModel model;
    model.setCurrentDate(request.month);
    cLiturgicalColors colors;
    colors.mSetDefaultColors();

    cFillCalendar fill;
    fill.setPFillData(QVariant());
    fill.setPVkIniFile(session.iniFile());
    fill.setPVersion(session.edition());
    fill.setPctMonth(&model);
    fill.setPoLitColors(&colors);
    fill.setPSQLMode(session.sqlMode());
    fill.setPConnectionString(session.server());
    fill.mFillCalendar();

    if (request.json)
        return JsonOutput::month(session.edition(), session.editionName(), model) +
               QLatin1Char('\n');
    QString title = QLocale().standaloneMonthName(model.month()) + QLatin1Char(' ') +
                    QString::number(model.year());
    if (!session.editionName().isEmpty())
        title += QStringLiteral(" - ") + session.editionName();
    return TerminalCalendar::month(model, title, colour);
}
