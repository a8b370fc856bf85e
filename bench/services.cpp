// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// A ten-year weekly series (520 services) written into the plan database through the
// recurring-services component's mCreateServices, against the same rows inserted with the
// SQLite C API in one transaction on the same file. Both sides open the file, write and close it
// each time; the plan is emptied before each, outside the timing. The two run in turns (Turns.h);
// the user counter `ratio` is the first over the second, in processor time.

#include "BareSqlite.h"
#include "data/Schema.h"
#include "services/cVkRecurringServices.h"
#include "support/OleDate.h"

#include <QDate>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kServices = 520;

struct Fixture {
    QTemporaryDir dir;
    QString plan;
    QString ini;

    Fixture() {
        plan = dir.path() + QStringLiteral("/Plan.MDB");
        QString error;
        if (!Schema::create(plan, Schema::Kind::Plan, &error)) {
            std::fprintf(stderr, "cannot create %s: %s\n", qPrintable(plan), qPrintable(error));
            std::exit(1);
        }
        ini = dir.path() + QStringLiteral("/host.ini");
        QFile file(ini);
        if (!file.open(QIODevice::WriteOnly))
            std::abort();
        file.write("[Files]\r\nPlanFile=" + plan.toUtf8() + "\r\n");
    }
};

const Fixture& fixture() {
    static const Fixture f;
    return f;
}

void exec(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        std::abort();
}

void emptyPlan() {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(fixture().plan.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        std::abort();
    exec(db, "DELETE FROM tbMainPlan");
    sqlite3_close(db);
}

// The series with the C API: open, one transaction of prepared inserts, close.
void bareSeries() {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(fixture().plan.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE, nullptr) !=
        SQLITE_OK)
        std::abort();
    exec(db, "BEGIN IMMEDIATE");
    sqlite3_stmt* insert = nullptr;
    const char sql[] =
        "INSERT INTO tbMainPlan (Date, Time, ServType, Location) VALUES (?, ?, ?, ?)";
    if (sqlite3_prepare_v2(db, sql, -1, &insert, nullptr) != SQLITE_OK)
        std::abort();
    const double first = OleDate::fromDate(QDate(2025, 1, 5));
    for (int i = 0; i < kServices; ++i) {
        sqlite3_bind_double(insert, 1, first + 7.0 * i);
        sqlite3_bind_double(insert, 2, 10.0 / 24.0);
        sqlite3_bind_text(insert, 3, "High Mass", -1, SQLITE_STATIC);
        sqlite3_bind_text(insert, 4, "St Mary", -1, SQLITE_STATIC);
        if (sqlite3_step(insert) != SQLITE_DONE)
            std::abort();
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    exec(db, "COMMIT");
    sqlite3_close(db);
}

void ourSeries() {
    cVkRecurringServices services;
    services.setPVkIniFile(fixture().ini);
    services.setPWeekday(7);
    services.setPFirstDate(OleDate::fromDate(QDate(2025, 1, 1)));
    services.setPCount(kServices);
    services.setPServiceType(QStringLiteral("High Mass"));
    services.setPLocation(QStringLiteral("St Mary"));
    if (!services.mCreateServices() || services.written().size() != kServices)
        std::abort();
}

void services_weekly_series(benchmark::State& state) {
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(11, bench::threadNanos, ourSeries, bareSeries, emptyPlan);
    state.counters["rows"] = kServices;
    bench::report(state, turns);
}

BENCHMARK(services_weekly_series)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, [] {
        // Both sides write a file that is in the write-ahead log mode already.
        ourSeries();
    });
}
