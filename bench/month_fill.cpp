// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The month calendar filled end to end, as the host window fills it: a fresh cFillCalendar on
// a month of a 70-year liturgy database and a plan database, both named by an INI file, the
// connections opened once before the timing starts. Against it, in the same program, the two
// statements of a fill (calendar rows and planned services of the month) with the SQLite C API
// on open connections, prepared once and bound per month (BareSqlite.h says why that is the fair
// side), the two sides in turns (Turns.h). The user counter `ratio` is the first over the second.

#include "MonthFillFiles.h"
#include "Turns.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/MonthCalendarModel.h"
#include "data/Schema.h"
#include "data/mADO.h"
#include "support/OleDate.h"

#include <QCoreApplication>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sqlite3.h>
#include <vector>

namespace {

bench::CalendarFolder& fixture() {
    static bench::CalendarFolder f;
    return f;
}

bench::BareMonthFill& bareFill() {
    static bench::BareMonthFill bare(fixture());
    return bare;
}

// The months go round all 70 years, so no two fills in a row read the same rows; each side
// walks the months on its own.
void month_fill(benchmark::State& state) {
    const bench::CalendarFolder& f = fixture();
    cLiturgicalColors colors;
    colors.mSetDefaultColors();
    MonthCalendarModel month;
    // Warm: both files have been opened and read once before the timing starts.
    for (const QString& file : {f.liturgyFile, f.planFile})
        if (!mADO::getConnection(file, mADO::mGetConString(file, 0, QString())))
            std::abort();
    std::size_t ourMonth = 0;
    std::size_t bareMonth = 0;
    qint64 fills = 0;
    qint64 named = 0;
    const auto ours = [&] {
        month.setCurrentDate(f.months[ourMonth++ % f.months.size()]);
        cFillCalendar fill;
        fill.setPVkIniFile(f.iniFile);
        fill.setPVersion(1);
        fill.setPctMonth(&month);
        fill.setPoLitColors(&colors);
        fill.mFillCalendar();
        ++fills;
        named += month.dayText(1, 1).isEmpty() ? 0 : 1;
    };
    const auto bare = [&] {
        benchmark::DoNotOptimize(bareFill().run(f.months[bareMonth++ % f.months.size()]));
    };
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(15, 200, bench::threadNanos, ours, bare);
    if (named != fills)
        state.SkipWithError("a fill did not name the first of its month");
    bench::report(state, turns);
}

BENCHMARK(month_fill)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, [] {
        const bench::CalendarFolder& f = fixture();
        std::fprintf(stderr,
                     "liturgy database: %lld rows, plan database: %lld services, %zu months\n",
                     static_cast<long long>(f.calendarRows), static_cast<long long>(f.services),
                     f.months.size());
    });
}
