// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// One month of the liturgical calendar read the way the month calendar reads it: a mode-3
// query through the connection layer on a warm connection, against the same statement with the
// SQLite C API, prepared once and bound per month (BareSqlite.h says why that is the fair side),
// the two in turns (Turns.h). The user counter `ratio` is the first over the second.

#include "BareSqlite.h"
#include "CalendarFiles.h"
#include "data/Schema.h"
#include "data/SqlDate.h"
#include "data/mADO.h"
#include "support/OleDate.h"

#include <QCoreApplication>
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

struct Month {
    double first;
    double last;
};

// The liturgy database of CalendarFiles.h, with every month's first and last day.
struct Fixture : bench::TemporaryFolder {
    bench::CalendarFiles files{dir.path()};
    const QString& file = files.liturgyFile;
    const qint64& rows = files.calendarRows;
    std::vector<Month> months;

    Fixture() {
        for (const QDate& first : files.months)
            months.push_back(
                {OleDate::fromDate(first), OleDate::fromDate(first.addMonths(1).addDays(-1))});
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The month statement as the calendar writes it.
QString monthStatement(const Month& m) {
    return QStringLiteral("SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData ") +
           QStringLiteral(" WHERE Date >=") + getSQLDate(m.first, 0, 0, 0, 0) +
           QStringLiteral(" AND Date <=") + getSQLDate(m.last, 0, 0, 0, 0) +
           QStringLiteral(" ORDER BY ID");
}

// The same statement as the engine gets it from the connection layer: the date literals made
// parameters, so that it is prepared once and bound per month; ID, FeastRef and Day_Color read
// as integers, Date as a real and ShortName as text, as they are stored.
bench::BareStatement& bareMonthStatement(sqlite3* db) {
    static bench::BareStatement statement(
        db,
        "SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData  WHERE Date >=? "
        "AND Date <=? ORDER BY ID",
        {bench::Column::Integer, bench::Column::Real, bench::Column::Integer,
         bench::Column::Integer, bench::Column::Text});
    return statement;
}

qint64 bareMonth(const Month& m) {
    static sqlite3* db = bench::openBare(fixture().file);
    return bareMonthStatement(db).run(m.first, m.last);
}

// The months go round all 70 years, so no two queries in a row read the same rows; each side
// walks the months on its own.
void month_query(benchmark::State& state) {
    const Fixture& f = fixture();
    std::vector<QString> statements;
    for (const Month& m : f.months)
        statements.push_back(monthStatement(m));
    // Warm: the connection is open and cached before the timing starts.
    const QString cs = mADO::mGetConString(f.file, 0, QString());
    if (!mADO::getConnection(f.file, cs))
        std::abort();
    std::size_t ourMonth = 0;
    std::size_t bareMonthIndex = 0;
    qint64 rows = 0;
    qint64 queries = 0;
    const auto ours = [&] {
        const ConnectionPtr connection = mADO::getConnection(f.file, cs);
        const ResData r =
            mADO::getResData(connection, statements[ourMonth++ % statements.size()], 3, false);
        rows += r.table().rowCount();
        ++queries;
        benchmark::DoNotOptimize(r);
    };
    const auto bare = [&] {
        benchmark::DoNotOptimize(bareMonth(f.months[bareMonthIndex++ % f.months.size()]));
    };
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(15, 300, bench::threadNanos, ours, bare);
    state.counters["rows"] = double(rows) / double(queries);
    bench::report(state, turns);
}

BENCHMARK(month_query)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, [] {
        const Fixture& f = fixture();
        std::fprintf(stderr, "liturgy database: %lld rows, %zu months\n",
                     static_cast<long long>(f.rows), f.months.size());
    });
}
