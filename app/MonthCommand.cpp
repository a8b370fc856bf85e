// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/MonthCommand.h"

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/JsonOutput.h"
#include "app/TerminalCalendar.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/MonthCalendarModel.h"
#include "resources/ResourceStrings.h"

#include <QLocale>

void MonthCommand::fill(const QDate& month, const HostSession& session, MonthCalendarModel* model) {
    model->setCurrentDate(month);
    cLiturgicalColors colors;
    colors.mSetDefaultColors();

    cFillCalendar filler;
    filler.setPFillData(QVariant());
    filler.setPVkIniFile(session.iniFile());
    filler.setPVersion(session.edition());
    filler.setPctMonth(model);
    filler.setPoLitColors(&colors);
    filler.setPSQLMode(session.sqlMode());
    filler.setPConnectionString(session.server());
    filler.mFillCalendar();
}

QString MonthCommand::run(const CommandRequest& request, const HostSession& session, bool colour) {
    MonthCalendarModel model;
    fill(request.month, session, &model);
    if (request.json)
        return JsonOutput::month(session.edition(), session.editionName(), model) +
               QLatin1Char('\n');
    QString title = ResourceStrings::locale().standaloneMonthName(model.month()) +
                    QLatin1Char(' ') + QString::number(model.year());
    if (!session.editionName().isEmpty())
        title += QStringLiteral(" - ") + session.editionName();
    return TerminalCalendar::month(model, title, colour);
}
