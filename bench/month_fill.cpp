// The month calendar filled end to end, as the host window fills it: a fresh cFillCalendar on
// a month of a 70-year liturgy database and a plan database, both named by an INI file, the
// connections opened once before the timing starts. Against it, in the same program, the two
// statements of a fill (calendar rows and planned services of the month) with the SQLite C API
// on open connections, prepared once and bound per month (BareSqlite.h says why that is the fair
// side). The user counter `ratio` is the first over the second.

#include "BareSqlite.h"
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

constexpr int kFirstYear = 1970;
constexpr int kYears = 70;

// Prepares `insert` on `file` and lets `rows` run it, inside one transaction.
template <class Rows> void fill(const QString& file, const QString& insert, Rows rows) {
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench_fill");
        db.setDatabaseName(file);
        if (!db.open() || !db.transaction())
            std::abort();
        QSqlQuery q(db);
        if (!q.prepare(insert))
            std::abort();
        rows(q);
        if (!db.commit())
            std::abort();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench_fill"));
}

void createDatabase(const QString& file, Schema::Kind kind) {
    QString error;
    if (!Schema::create(file, kind, &error)) {
        std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(file), qPrintable(error));
        std::exit(1);
    }
}

// A liturgy database with one row a day for 70 years and a second row every third day, and a
// plan database with two services every Sunday and one every Wednesday.
struct Fixture {
    QTemporaryDir dir;
    QString liturgyFile;
    QString planFile;
    QString iniFile;
    std::vector<QDate> months;
    qint64 calendarRows = 0;
    qint64 services = 0;

    Fixture() {
        liturgyFile = dir.path() + QStringLiteral("/Brastelo.MDB");
        planFile = dir.path() + QStringLiteral("/Plan.MDB");
        iniFile = dir.path() + QStringLiteral("/host.ini");
        createDatabase(liturgyFile, Schema::Kind::Liturgy);
        createDatabase(planFile, Schema::Kind::Plan);
        const QDate start(kFirstYear, 1, 1);
        const QDate end(kFirstYear + kYears, 1, 1);
        fill(liturgyFile,
             QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, "
                            "ShortName, Day_ID) VALUES (?, ?, ?, ?, ?, ?)"),
             [&](QSqlQuery& q) {
                 for (QDate d = start; d < end; d = d.addDays(1)) {
                     const int copies = d.toJulianDay() % 3 == 0 ? 2 : 1;
                     for (int k = 0; k < copies; ++k) {
                         q.addBindValue(++calendarRows);
                         q.addBindValue(OleDate::fromDate(d));
                         q.addBindValue(int(calendarRows % 600));
                         q.addBindValue(int(calendarRows % 7));
                         q.addBindValue(k ? QStringLiteral("Saint of day %1").arg(calendarRows)
                                          : d.toString(QStringLiteral("dddd d MMMM yyyy")));
                         q.addBindValue(d.dayOfYear());
                         q.exec();
                     }
                 }
             });
        fill(planFile,
             QStringLiteral("INSERT INTO tbMainPlan (Date, Time, ServType, Location) VALUES "
                            "(?, ?, ?, ?)"),
             [&](QSqlQuery& q) {
                 for (QDate d = start; d < end; d = d.addDays(1)) {
                     QList<QTime> times;
                     if (d.dayOfWeek() == 7)
                         times = {QTime(11, 0), QTime(18, 0)};
                     else if (d.dayOfWeek() == 3)
                         times = {QTime(19, 30)};
                     for (const QTime& t : times) {
                         q.addBindValue(OleDate::fromDate(d));
                         q.addBindValue(OleDate::fromDateTime(QDateTime(QDate(1899, 12, 30), t)));
                         q.addBindValue(QStringLiteral("Holy Communion"));
                         q.addBindValue(QStringLiteral("St. Mary's Church"));
                         q.exec();
                         ++services;
                     }
                 }
             });
        QFile ini(iniFile);
        if (!ini.open(QIODevice::WriteOnly))
            std::abort();
        ini.write("[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() +
                  "\r\nPlanFile=" + planFile.toUtf8() + "\r\n");
        for (QDate m = start; m < end; m = m.addMonths(1))
            months.push_back(m);
    }
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
