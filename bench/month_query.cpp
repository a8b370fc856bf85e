// One month of the liturgical calendar read the way the month calendar reads it: a mode-3
// query through the connection layer on a warm connection, against the same statement with the
// SQLite C API, prepared once and bound per month (BareSqlite.h says why that is the fair side).
// The user counter `ratio` is the first over the second.

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

// Processor nanoseconds per month through the C API over `count` months from `first`.
double bareNanosPerMonth(std::size_t first, std::size_t count) {
    const std::vector<Month>& months = fixture().months;
    const double start = bench::threadNanos();
    for (std::size_t i = first; i < first + count; ++i)
        benchmark::DoNotOptimize(bareMonth(months[i % months.size()]));
    return (bench::threadNanos() - start) / double(count);
}

void month_query_sqlite_c_api(benchmark::State& state) {
    const std::vector<Month>& months = fixture().months;
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(bareMonth(months[i++ % months.size()]));
    state.counters["ratio"] = 1.0;
}

// The months go round all 70 years, so no two queries in a row read the same rows. The
// ratio compares processor time with the C API doing the same months right after.
void month_query(benchmark::State& state) {
    const Fixture& f = fixture();
    std::vector<QString> statements;
    for (const Month& m : f.months)
        statements.push_back(monthStatement(m));
    // Warm: the connection is open and cached before the timing starts.
    const QString cs = mADO::mGetConString(f.file, 0, QString());
    if (!mADO::getConnection(f.file, cs))
        std::abort();
    std::size_t i = 0;
    qint64 rows = 0;
    const double start = bench::threadNanos();
    for (auto _ : state) {
        const ConnectionPtr connection = mADO::getConnection(f.file, cs);
        const ResData r =
            mADO::getResData(connection, statements[i++ % statements.size()], 3, false);
        rows += r.table().rowCount();
        benchmark::DoNotOptimize(r);
    }
    const double iterations = double(state.iterations());
    const double ours = (bench::threadNanos() - start) / iterations;
    const double bare = bareNanosPerMonth(0, std::max<std::size_t>(std::size_t(iterations), 2000));
    state.counters["rows"] = double(rows) / iterations;
    state.counters["ratio"] = ours / bare;
}

BENCHMARK(month_query_sqlite_c_api)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(month_query)->Unit(benchmark::kMicrosecond)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, [] {
        const Fixture& f = fixture();
        std::fprintf(stderr, "liturgy database: %lld rows, %zu months\n",
                     static_cast<long long>(f.rows), f.months.size());
    });
}
