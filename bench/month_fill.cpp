// The month calendar filled end to end, as the host window fills it: a fresh cFillCalendar on
// a month of a 70-year liturgy database and a plan database, both named by an INI file, the
// connections opened once before the timing starts. Against it, in the same program, the two
// statements of a fill (calendar rows and planned services of the month) with the SQLite C API
// on open connections, prepared once and bound per month (BareSqlite.h says why that is the fair
// side). The user counter `ratio` is the first over the second.

#include "BareSqlite.h"
#include "CalendarFiles.h"
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

struct Fixture : bench::TemporaryFolder, bench::CalendarFiles {
    Fixture() : bench::CalendarFiles(dir.path()) {}
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The two statements of a fill as the engine gets them from the connection layer, prepared once
// on their own connections and bound with the month's first and last day; every column read in
// the type it is stored in (dates and times real, numbers integer, names text).
struct BareFill {
    sqlite3* liturgy = bench::openBare(fixture().liturgyFile);
    sqlite3* plan = bench::openBare(fixture().planFile);
    bench::BareStatement calendar{
        liturgy,
        "SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData  WHERE Date >=? AND "
        "Date <=? ORDER BY ID",
        {bench::Column::Integer, bench::Column::Real, bench::Column::Integer,
         bench::Column::Integer, bench::Column::Text}};
    bench::BareStatement services{plan,
                                  "SELECT Time, Date, ServType FROM tbMainPlan  WHERE Date >=? AND "
                                  "Date <=? ORDER BY Date,Time",
                                  {bench::Column::Real, bench::Column::Real, bench::Column::Text}};

    qint64 run(const QDate& first) {
        const double from = OleDate::fromDate(first);
        const double to = OleDate::fromDate(first.addMonths(1).addDays(-1));
        return calendar.run(from, to) + services.run(from, to);
    }
};

BareFill& bareFill() {
    static BareFill bare;
    return bare;
}

// Processor nanoseconds per month of the two bare statements over `count` months.
double bareNanosPerMonth(std::size_t count) {
    const std::vector<QDate>& months = fixture().months;
    const double start = bench::threadNanos();
    for (std::size_t i = 0; i < count; ++i)
        benchmark::DoNotOptimize(bareFill().run(months[i % months.size()]));
    return (bench::threadNanos() - start) / double(count);
}

void month_fill_sqlite_c_api(benchmark::State& state) {
    const std::vector<QDate>& months = fixture().months;
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(bareFill().run(months[i++ % months.size()]));
    state.counters["ratio"] = 1.0;
}

// The months go round all 70 years, so no two fills in a row read the same rows.
void month_fill(benchmark::State& state) {
    const Fixture& f = fixture();
    cLiturgicalColors colors;
    colors.mSetDefaultColors();
    MonthCalendarModel month;
    // Warm: both files have been opened and read once before the timing starts.
    for (const QString& file : {f.liturgyFile, f.planFile})
        if (!mADO::getConnection(file, mADO::mGetConString(file, 0, QString())))
            std::abort();
    std::size_t i = 0;
    qint64 named = 0;
    const double start = bench::threadNanos();
    for (auto _ : state) {
        month.setCurrentDate(f.months[i++ % f.months.size()]);
        cFillCalendar fill;
        fill.setPVkIniFile(f.iniFile);
        fill.setPVersion(1);
        fill.setPctMonth(&month);
        fill.setPoLitColors(&colors);
        fill.mFillCalendar();
        named += month.dayText(1, 1).isEmpty() ? 0 : 1;
    }
    const double iterations = double(state.iterations());
    const double ours = (bench::threadNanos() - start) / iterations;
    const double bare = bareNanosPerMonth(std::max<std::size_t>(std::size_t(iterations), 2000));
    if (named != qint64(iterations))
        state.SkipWithError("a fill did not name the first of its month");
    state.counters["ratio"] = ours / bare;
}

BENCHMARK(month_fill_sqlite_c_api)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(month_fill)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, [] {
        const Fixture& f = fixture();
        std::fprintf(stderr,
                     "liturgy database: %lld rows, plan database: %lld services, %zu months\n",
                     static_cast<long long>(f.calendarRows), static_cast<long long>(f.services),
                     f.months.size());
    });
}
