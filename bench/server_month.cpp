// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Server mode on PostgreSQL (the cluster that LC_TEST_POSTGRES names; without it every
// benchmark here is skipped). The data: a 70-year liturgy database (a row a day, a second row
// every third day) and a plan database (two services every Sunday, one every Wednesday), made
// as SQLite files and copied onto a database of this program's own with the copy-to-server code.
//
// server_month: the month query of the calendar as the component runs it in server mode (mADO
// mode 3 on the cached server connection, the statement with the server's date literals,
// bridged and its values turned into date values), against the same statement through a bare
// QPSQL query on a connection of its own, prepared once and bound with each month's first and
// last day, every column read as QPSQL gives it.
// server_month_fill: a fresh cFillCalendar in server mode filling a month, against its two
// statements (calendar rows, planned services) done the same bare way.
//
// Both sides are timed by the wall clock, not by this thread's processor time: most of a
// query's cost is the server's work and the round trip on the socket, which the processor time
// of this thread does not see, and which the bare side pays as well. The months go round all 70
// years, so no two queries in a row read the same rows. The user counter `ratio` is the median
// of the component's time over the bare time, the two measured in turns (Turns.h), so that other
// work on the shared machine weighs on both alike; `client_cpu_ratio` compares this thread's
// processor time alone.

#include "BareSqlite.h"
#include "CalendarFiles.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/MonthCalendarModel.h"
#include "data/Connection.h"
#include "data/DataSource.h"
#include "data/ServerCopy.h"
#include "data/SqlDate.h"
#include "data/mADO.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/SharedState.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <unistd.h>
#include <vector>

namespace {

double wallNanos() {
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count());
}

[[noreturn]] void die(const QString& why) {
    std::fprintf(stderr, "server_month: %s\n", qPrintable(why));
    std::exit(1);
}

// Runs `sql` on the cluster's own database.
void onCluster(const QString& cluster, const QString& sql) {
    Connection c;
    try {
        c.Open(cluster);
        c.execute(sql);
    } catch (const Failure& failure) {
        die(failure.description());
    }
}

struct Fixture : bench::TemporaryFolder, bench::CalendarFiles {
    QString cluster; // empty: no server to measure against
    QString database;
    QString cs;

    Fixture() : bench::CalendarFiles(dir.path()) {
        cluster = qEnvironmentVariable("LC_TEST_POSTGRES");
        if (cluster.isEmpty())
            return;
        QString error;
        database = QStringLiteral("lc_bench_%1").arg(getpid());
        onCluster(cluster, QStringLiteral("DROP DATABASE IF EXISTS ") + database);
        onCluster(cluster, QStringLiteral("CREATE DATABASE ") + database);
        cs = QString(cluster).replace(QRegularExpression(QStringLiteral("(^|;)Database=[^;]*"),
                                                         QRegularExpression::CaseInsensitiveOption),
                                      QStringLiteral("\\1Database=") + database);
        QList<ServerCopy::Source> sources{{Schema::Kind::Liturgy, liturgyFile},
                                          {Schema::Kind::Plan, planFile}};
        if (!ServerCopy::copy(sources, cs, ServerCopy::Options(), nullptr, &error))
            die(error);
    }
    ~Fixture() {
        if (!database.isEmpty())
            onCluster(cluster,
                      QStringLiteral("DROP DATABASE IF EXISTS %1 WITH (FORCE)").arg(database));
    }
};

std::unique_ptr<Fixture>& fixtureSlot() {
    static std::unique_ptr<Fixture> f;
    return f;
}

Fixture& fixture() {
    return *fixtureSlot();
}

bool skipped(benchmark::State& state) {
    if (!fixture().cluster.isEmpty())
        return false;
    state.SkipWithError("skipped: LC_TEST_POSTGRES is not set, so there is no PostgreSQL server "
                        "to measure against (scripts/dev.sh test starts one)");
    return true;
}

// The server's first and last day of a month as the component writes them.
QString serverDate(const QDate& d) {
    return getSQLDate(OleDate::fromDate(d), 0, 0, 0, -1);
}

QString monthStatement(const QDate& first) {
    return QStringLiteral("SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData ") +
           QStringLiteral(" WHERE Date >=") + serverDate(first) + QStringLiteral(" AND Date <=") +
           serverDate(first.addMonths(1).addDays(-1)) + QStringLiteral(" ORDER BY ID");
}

// The bare side: its own QPSQL connection, each statement prepared once and bound per month.
class BareServer {
public:
    BareServer() {
        const DataSource::Target target = DataSource::parse(fixture().cs);
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("bench_bare"));
        m_db.setHostName(target.keys.value(QStringLiteral("SERVER")));
        m_db.setPort(target.keys.value(QStringLiteral("PORT")).toInt());
        m_db.setDatabaseName(target.keys.value(QStringLiteral("DATABASE")));
        m_db.setUserName(target.keys.value(QStringLiteral("USER ID")));
        m_db.setPassword(target.keys.value(QStringLiteral("PASSWORD")));
        if (!m_db.open())
            die(m_db.lastError().text());
        m_calendar = prepared("SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData "
                              " WHERE Date >=? AND Date <=? ORDER BY ID");
        m_services = prepared("SELECT Time, Date, ServType FROM tbMainPlan  WHERE Date >=? AND "
                              "Date <=? ORDER BY Date,Time");
    }

    qint64 month(const QDate& first) { return run(*m_calendar, first); }
    qint64 fill(const QDate& first) { return run(*m_calendar, first) + run(*m_services, first); }

private:
    std::unique_ptr<QSqlQuery> prepared(const char* sql) {
        auto query = std::make_unique<QSqlQuery>(m_db);
        query->setForwardOnly(true);
        if (!query->prepare(QString::fromLatin1(sql)))
            die(query->lastError().text());
        return query;
    }
    static qint64 run(QSqlQuery& query, const QDate& first) {
        query.bindValue(0, first.toString(Qt::ISODate));
        query.bindValue(1, first.addMonths(1).addDays(-1).toString(Qt::ISODate));
        if (!query.exec())
            die(query.lastError().text());
        const int columns = query.record().count();
        qint64 rows = 0;
        while (query.next()) {
            for (int c = 0; c < columns; ++c)
                benchmark::DoNotOptimize(query.value(c));
            ++rows;
        }
        query.finish();
        return rows;
    }

    QSqlDatabase m_db;
    std::unique_ptr<QSqlQuery> m_calendar;
    std::unique_ptr<QSqlQuery> m_services;
};

std::unique_ptr<BareServer>& bareSlot() {
    static std::unique_ptr<BareServer> b;
    return b;
}

BareServer& bare() {
    if (!bareSlot())
        bareSlot() = std::make_unique<BareServer>();
    return *bareSlot();
}

QDate monthAt(std::size_t i) {
    return fixture().months[i % fixture().months.size()];
}

// The month query as the calendar runs it, on the cached server connection; its rows.
qint64 componentMonth(const QString& statement) {
    const Fixture& f = fixture();
    const ConnectionPtr connection = mADO::getConnection(f.liturgyFile, f.cs);
    return mADO::getResData(connection, statement, 3, false).table().rowCount();
}

// A fresh fill of `first`'s month in server mode; whether it named the first day.
bool componentFill(MonthCalendarModel& month, cLiturgicalColors& colors, const QDate& first) {
    month.setCurrentDate(first);
    cFillCalendar fill;
    fill.setPVkIniFile(fixture().iniFile);
    fill.setPVersion(1);
    fill.setPSQLMode(-1);
    fill.setPConnectionString(fixture().cs);
    fill.setPctMonth(&month);
    fill.setPoLitColors(&colors);
    fill.mFillCalendar();
    return !month.dayText(1, 1).isEmpty();
}

// `ours` against `theirs` (each given a month index) in turns of 25 months (Turns.h), on
// through the years: `ratio` in wall-clock time, as the server's work is in its own process,
// and `client_cpu_ratio` in this thread's processor time alone.
template <class Ours, class Theirs>
void setRatios(benchmark::State& state, Ours ours, Theirs theirs) {
    constexpr int kBlock = 25;
    std::size_t ourMonth = 0;
    std::size_t theirMonth = 0;
    double cpu[2] = {0, 0};
    const auto side = [&cpu](int index, auto& body, std::size_t& month) {
        const double c = bench::threadNanos();
        benchmark::DoNotOptimize(body(month));
        month += 7; // on through the years
        cpu[index] += bench::threadNanos() - c;
    };
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(
            41, kBlock, wallNanos, [&] { side(0, ours, ourMonth); },
            [&] { side(1, theirs, theirMonth); });
    bench::report(state, turns);
    state.counters["client_cpu_ratio"] = cpu[0] / cpu[1];
}

void server_month(benchmark::State& state) {
    if (skipped(state))
        return;
    std::vector<QString> statements;
    for (const QDate& m : fixture().months)
        statements.push_back(monthStatement(m));
    qint64 rows = 0;
    qint64 queries = 0;
    const auto ours = [&](std::size_t i) {
        ++queries;
        return rows += componentMonth(statements[i % statements.size()]);
    };
    // Warm: the server connection is open and cached before the timing starts.
    componentMonth(statements[0]);
    setRatios(state, ours, [](std::size_t m) { return bare().month(monthAt(m)); });
    if (rows < queries * 28)
        state.SkipWithError("a month query gave fewer rows than the month has days");
    state.counters["rows"] = double(rows) / double(queries);
}

void server_month_fill(benchmark::State& state) {
    if (skipped(state))
        return;
    cLiturgicalColors colors;
    colors.mSetDefaultColors();
    MonthCalendarModel month;
    qint64 fills = 0;
    qint64 named = 0;
    const auto ours = [&](std::size_t i) {
        ++fills;
        return named += componentFill(month, colors, monthAt(i)) ? 1 : 0;
    };
    componentFill(month, colors, monthAt(0));
    setRatios(state, ours, [](std::size_t m) { return bare().fill(monthAt(m)); });
    if (named != fills)
        state.SkipWithError("a fill did not name the first of its month");
}

BENCHMARK(server_month)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(1);
BENCHMARK(server_month_fill)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return bench::run(
        argc, argv,
        [] {
            fixtureSlot() = std::make_unique<Fixture>();
            if (!fixture().cluster.isEmpty())
                std::fprintf(stderr,
                             "liturgy database: %lld rows, plan database: %lld services, %zu "
                             "months, on the server database %s\n",
                             static_cast<long long>(fixture().calendarRows),
                             static_cast<long long>(fixture().services), fixture().months.size(),
                             qPrintable(fixture().database));
        },
        [] {
            // Every connection to the server database is closed before it is dropped.
            bareSlot().reset();
            shared().connectionCache.reset();
            fixtureSlot().reset();
        });
}
