// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cFillCalendar.h"

#include "calendar/CalendarRow.h"
#include "calendar/ShortTimes.h"
#include "controls/MonthCalendarModel.h"
#include "data/mADO.h"
#include "support/EditionCode.h"
#include "support/Failure.h"
#include "support/ProcScope.h"

namespace {

enum PlanColumn { kPlanTime, kPlanDate, kPlanServType };

} // namespace

QString cFillCalendar::planStatement(const QString& range) {
    return QStringLiteral("SELECT Time, Date, ServType FROM tbMainPlan ") + range +
           QStringLiteral(" ORDER BY Date,Time");
}

bool cFillCalendar::mFillCalendar() {
    ProcScope scope("cFillCalendar.mFillCalendar");
    scope.run([&] { fill(); });
    return false;
}

void cFillCalendar::fill() {
    colorTable(); // fails before anything is cleared when the colours are missing
    if (!m_month)
        throw Failure::objectNotSet(QStringLiteral("pctMonth"));
    m_month->clearDayTexts();
    m_month->clearDayAttributes();

    // The model keeps its current date in its shown month, so the range is that month.
    const QDate current = m_month->currentDate();
    const QDate last(current.year(), current.month(), current.daysInMonth());
    const QDate first(m_month->year(), m_month->month(), 1);
    const QString range = dateRange(m_month->month(), m_month->year(), last, pSQLMode());

    DataFiles files = dataFiles();
    paintDays(files.liturgy, range, first, last);
    mADO::closeConnection(files.liturgy);

    if (!planExists(&files))
        return;
    markServices(files, range, first, last);
    mADO::closeConnection(files.plan);
}

void cFillCalendar::paintDays(const QString& liturgyFile, const QString& range, const QDate& first,
                              const QDate& last) {
    const cLiturgicalColors::Table colors = colorTable();
    const RowTable rows =
        query(liturgyFile, calendarStatement(range, pVersion() == EditionCode::kKorvaDiocese));
    QDate previous;
    QDate secondLine;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QDate date = CalendarRow::civilDate(rows.at(kDate, row), "Date");
        // Only an engine that compares the range wrongly gives rows of another month; they
        // must not land on this month's days.
        if (date < first || date > last)
            continue;
        // The day of the month without working out the date's parts again.
        const int day = int(date.toJulianDay() - first.toJulianDay()) + 1;
        int line = 3;
        if (date != previous) {
            line = 1;
            previous = date;
        } else if (secondLine != date) {
            line = 2;
            secondLine = date;
        }
        // The name is written before the colour is looked up, so a bad colour code leaves
        // its day named but unpainted.
        m_month->setDayText(day, line, CalendarRow::text(rows.at(kShortName, row)));
        m_month->paintDay(day, CalendarRow::color(colors, rows.at(kDayColor, row)));
    }
}

void cFillCalendar::markServices(const DataFiles& files, const QString& range, const QDate& first,
                                 const QDate& last) {
    const RowTable rows = query(files.plan, planStatement(range), files.planSeen);
    ShortTimes times;
    QDate previous;
    for (int row = 0; row < rows.rowCount(); ++row) {
        const QDate date = CalendarRow::civilDate(rows.at(kPlanDate, row), "Date");
        if (date < first || date > last)
            continue;
        const int day = int(date.toJulianDay() - first.toJulianDay()) + 1;
        if (date != previous) {
            m_month->setDayMarker(day, 1);
            previous = date;
        } else {
            m_month->setDayMarker(day, 3);
        }
        // What a screen reader says of the day; the marker alone tells only how many.
        m_month->addDayService(day, times.of(rows.at(kPlanTime, row)),
                               CalendarRow::text(rows.at(kPlanServType, row)));
    }
}
