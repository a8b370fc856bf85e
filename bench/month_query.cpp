// One month of the liturgical calendar read the way the month calendar reads it: a mode-3
// query through the connection layer on a warm connection, against the same statement prepared
// and stepped with the SQLite C API. The user counter `ratio` is the first over the second.

#include "BareSqlite.h"
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

constexpr int kFirstYear = 1970;
constexpr int kYears = 70;

struct Month {
    double first;
    double last;
};

// The test database: one row a day for 70 years and a second row every third day (a saint's
// day beside the weekday), so that a month has about 40 rows.
struct Fixture {
    QTemporaryDir dir;
    QString file;
    std::vector<Month> months;
    qint64 rows = 0;

    Fixture() {
        file = dir.path() + QStringLiteral("/KAMINOSE.MDB");
        QString error;
        if (!Schema::create(file, Schema::Kind::Liturgy, &error)) {
            std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(file), qPrintable(error));
            std::exit(1);
        }
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench_fill");
            db.setDatabaseName(file);
            db.open();
            db.transaction();
            QSqlQuery q(db);
            q.prepare(QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, "
                                     "ShortName, Day_ID) VALUES (?, ?, ?, ?, ?, ?)"));
            const QDate start(kFirstYear, 1, 1);
            const QDate end(kFirstYear + kYears, 1, 1);
            qint64 id = 0;
            for (QDate d = start; d < end; d = d.addDays(1)) {
                const int copies = d.toJulianDay() % 3 == 0 ? 2 : 1;
                for (int k = 0; k < copies; ++k) {
                    q.addBindValue(++id);
                    q.addBindValue(OleDate::fromDate(d));
                    q.addBindValue(int(id % 600));
                    q.addBindValue(int(id % 7));
                    q.addBindValue(k ? QStringLiteral("Saint of day %1").arg(id)
                                     : d.toString(QStringLiteral("dddd d MMMM yyyy")));
                    q.addBindValue(d.dayOfYear());
                    q.exec();
                }
            }
            rows = id;
            db.commit();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench_fill"));
        for (int y = kFirstYear; y < kFirstYear + kYears; ++y) {
            for (int m = 1; m <= 12; ++m) {
                const QDate first(y, m, 1);
                months.push_back(
                    {OleDate::fromDate(first), OleDate::fromDate(first.addMonths(1).addDays(-1))});
            }
        }
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

// The same statement with the dates as SQLite reads them, for the C API.
std::vector<QByteArray> bareStatements() {
    std::vector<QByteArray> out;
    for (const Month& m : fixture().months)
        out.push_back(QStringLiteral("SELECT ID, Date, FeastRef, Day_Color, ShortName FROM "
                                     "tbCalenderData  WHERE Date >=%1 AND Date <=%2 ORDER BY ID")
                          .arg(qint64(m.first))
                          .arg(qint64(m.last))
                          .toUtf8());
    return out;
}

// One month through the C API: prepare, step every row reading every column, finalize.
qint64 bareMonth(sqlite3* db, const QByteArray& sql) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql.constData(), int(sql.size()), &stmt, nullptr) != SQLITE_OK)
        std::abort();
    qint64 sum = 0;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
        sum += sqlite3_column_int(stmt, 0);
        sum += qint64(sqlite3_column_double(stmt, 1));
        sum += sqlite3_column_int(stmt, 2) + sqlite3_column_int(stmt, 3);
        sum += sqlite3_column_bytes(stmt, 4);
        benchmark::DoNotOptimize(sqlite3_column_text(stmt, 4));
    }
    sqlite3_finalize(stmt);
    return sum;
}

// Processor nanoseconds per month through the C API over `count` months from `first`.
double bareNanosPerMonth(std::size_t first, std::size_t count) {
    static sqlite3* db = bench::openBare(fixture().file);
    static const std::vector<QByteArray> statements = bareStatements();
    const double start = bench::threadNanos();
    for (std::size_t i = first; i < first + count; ++i)
        benchmark::DoNotOptimize(bareMonth(db, statements[i % statements.size()]));
    return (bench::threadNanos() - start) / double(count);
}

void month_query_sqlite_c_api(benchmark::State& state) {
    sqlite3* db = bench::openBare(fixture().file);
    const std::vector<QByteArray> statements = bareStatements();
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(bareMonth(db, statements[i++ % statements.size()]));
    sqlite3_close(db);
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
