// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// What the benchmarks of a month fill share: the calendar files in a folder of their own, and
// the fill's two statements on the bare engine.

#include "BareSqlite.h"
#include "CalendarFiles.h"
#include "support/OleDate.h"

#include <QDate>

namespace bench {

struct CalendarFolder : TemporaryFolder, CalendarFiles {
    CalendarFolder() : CalendarFiles(dir.path()) {}
};

// The two statements of a fill as the engine gets them from the connection layer, prepared once
// on their own connections and bound with the month's first and last day; every column read in
// the type it is stored in (dates and times real, numbers integer), and the names and service
// types, which the month shows, read into strings.
struct BareMonthFill {
    explicit BareMonthFill(const CalendarFiles& files)
        : liturgy(openBare(files.liturgyFile)), plan(openBare(files.planFile)) {}

    sqlite3* liturgy;
    sqlite3* plan;
    BareStatement calendar{
        liturgy,
        "SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData  WHERE Date >=? AND "
        "Date <=? ORDER BY ID",
        {Column::Integer, Column::Real, Column::Integer, Column::Integer, Column::String}};
    BareStatement services{plan,
                           "SELECT Time, Date, ServType FROM tbMainPlan  WHERE Date >=? AND "
                           "Date <=? ORDER BY Date,Time",
                           {Column::Real, Column::Real, Column::String}};

    qint64 run(const QDate& first) {
        const double from = OleDate::fromDate(first);
        const double to = OleDate::fromDate(first.addMonths(1).addDays(-1));
        return calendar.run(from, to) + services.run(from, to);
    }
};

} // namespace bench
