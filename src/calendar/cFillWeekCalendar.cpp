// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cFillWeekCalendar.h"

#include "calendar/CalendarRow.h"
#include "controls/CalendarSpeech.h"
#include "controls/WeekCalendarModel.h"
#include "data/mADO.h"
#include "support/Failure.h"
#include "support/ProcScope.h"

namespace {

enum PlanColumn { kPlanTime, kPlanDate, kPlanServType, kPlanLocation };

const QString& lineBreak() {
    static const QString crlf = QStringLiteral("\r\n");
    return crlf;
}

} // namespace

QString cFillWeekCalendar::planStatement(const QString& range) {
    return QStringLiteral("SELECT Time, Date, ServType, Location FROM tbMainPlan ") + range +
           QStringLiteral(" ORDER BY Date,Time");
}

QString cFillWeekCalendar::serviceLine(const QVariant& time, const QString& place,
                                       const QString& type) {
    return CalendarRow::shortTime(time) + QStringLiteral(" - ") + place + QStringLiteral(" - ") +
           type;
}

bool cFillWeekCalendar::mFillCalendar() {
    ProcScope scope("cFillWeekCalendar.mFillCalendar");
    scope.run([&] { fill(); });
    return false;
}

void cFillWeekCalendar::fill() {
    colorTable(); // fails before anything is cleared when the colours are missing
    if (!m_calendar)
        throw Failure::objectNotSet(QStringLiteral("pctCalendar"));
    m_calendar->clear();

    // From the first of the month in which the range starts, so that the range's first days
    // are read too; rows before the range's start are not kept by the calendar.
    const QString range =
        dateRange(m_calendar->month(), m_calendar->year(), m_calendar->endDate(), pSQLMode());
    DataFiles files = dataFiles();
    writeDays(files.liturgy, range);
    mADO::closeConnection(files.liturgy);

    if (!planExists(&files))
        return;
    writeServices(files, range);
    mADO::closeConnection(files.plan);
}

void cFillWeekCalendar::writeDays(const QString& liturgyFile, const QString& range) {
    const cLiturgicalColors::Table colors = colorTable();
    const RowTable rows = query(liturgyFile, calendarStatement(range, false));
    QDate previous;
    QDate secondLine;
    QString text;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QDate date = CalendarRow::civilDate(rows.at(kDate, row), "Date");
        const QString name = CalendarRow::text(rows.at(kShortName, row));
        int colorIndex = 3;
        if (date != previous) {
            text = name;
            colorIndex = 1;
            previous = date;
        } else {
            text += lineBreak() + name;
            if (secondLine != date) {
                colorIndex = 2;
                secondLine = date;
            }
        }
        m_calendar->setDateText(date, text);
        m_calendar->setDateColor(date, colorIndex,
                                 CalendarRow::color(colors, rows.at(kDayColor, row)));
    }
}

void cFillWeekCalendar::writeServices(const DataFiles& files, const QString& range) {
    const RowTable rows = query(files.plan, planStatement(range), files.planSeen);
    QDate previous;
    QString services;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QDate date = CalendarRow::civilDate(rows.at(kPlanDate, row), "Date");
        const QString line =
            serviceLine(rows.at(kPlanTime, row), CalendarRow::text(rows.at(kPlanLocation, row)),
                        CalendarRow::text(rows.at(kPlanServType, row)));
        if (previous.isValid() && date > previous)
            m_calendar->setDateText(previous, services);
        if (date != previous) {
            services = m_calendar->dateText(date) + lineBreak() + line;
            m_calendar->setDateMarker(date, 1);
            previous = date;
        } else {
            services += lineBreak() + line;
            m_calendar->setDateMarker(date, 3);
        }
        m_calendar->addDateService(
            date, CalendarSpeech::service(CalendarRow::shortTime(rows.at(kPlanTime, row)),
                                          CalendarRow::text(rows.at(kPlanServType, row)),
                                          CalendarRow::text(rows.at(kPlanLocation, row))));
    }
    // The last date's services are written after the walk.
    if (previous.isValid())
        m_calendar->setDateText(previous, services);
}
