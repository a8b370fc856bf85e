// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// A service committed to the plan file by another connection (as another program does), until
// the watching window has its month filled again: PlanWatch sees the file's log change, waits
// for the change to settle and tells the window, which fills the month with a fresh
// cFillCalendar. Against it, the same commit followed at once by the month's two statements
// with the SQLite C API, the bare re-read that a window knowing of the change without delay
// would do. Wall time, since the waiting is the point; the two sides in turns (Turns.h). The
// user counter `ratio` is the first over the second; `floor_us` the second.

#include "MonthFillFiles.h"
#include "Turns.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/MonthCalendarModel.h"
#include "data/PlanWatch.h"
#include "support/OleDate.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdlib>
#include <sqlite3.h>

namespace {

bench::CalendarFolder& fixture() {
    static bench::CalendarFolder f;
    return f;
}

double wallNanos() {
    return double(std::chrono::duration_cast<std::chrono::nanoseconds>(
                      std::chrono::steady_clock::now().time_since_epoch())
                      .count());
}

// The other program: a connection of its own that plans a service and takes it out again,
// each in its own transaction, in write-ahead-log mode as the plan writer leaves the file.
struct Writer {
    sqlite3* db = nullptr;
    bool planned = false;
    Writer() {
        if (sqlite3_open_v2(fixture().planFile.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                            nullptr) != SQLITE_OK ||
            sqlite3_exec(db, "PRAGMA journal_mode=WAL", nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
    }
    ~Writer() { sqlite3_close(db); }
    void commit() {
        const char* sql = planned ? "DELETE FROM tbMainPlan WHERE ServType = 'Bench'"
                                  : "INSERT INTO tbMainPlan (Date, Time, ServType, Location) "
                                    "VALUES (45370, 0.5, 'Bench', 'Nave')";
        if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
            std::abort();
        planned = !planned;
    }
};

void plan_watch_refill(benchmark::State& state) {
    const bench::CalendarFolder& f = fixture();
    cLiturgicalColors colors;
    colors.mSetDefaultColors();
    MonthCalendarModel month;
    month.setCurrentDate(QDate(2024, 3, 20));
    Writer writer;
    PlanWatch watch;
    watch.watchFile(f.planFile);
    QEventLoop loop;
    QObject::connect(&watch, &PlanWatch::changed, &loop, [&] {
        cFillCalendar fill;
        fill.setPVkIniFile(f.iniFile);
        fill.setPVersion(1);
        fill.setPctMonth(&month);
        fill.setPoLitColors(&colors);
        fill.mFillCalendar();
        loop.quit();
    });
    int missed = 0;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, [&] {
        ++missed;
        loop.quit();
    });
    const auto ours = [&] {
        writer.commit();
        guard.start(5000);
        loop.exec();
        guard.stop();
    };
    bench::BareMonthFill bareFill(f);
    const auto bare = [&] {
        writer.commit();
        benchmark::DoNotOptimize(bareFill.run(QDate(2024, 3, 1)));
    };
    // The watch's notifications of the floor's commit are over before the next turn.
    const auto settle = [&] {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 3 * PlanWatch::kSettleMs)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        watch.seen();
    };
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(21, wallNanos, ours, bare, settle);
    if (missed)
        state.SkipWithError("a commit was not seen within five seconds");
    bench::report(state, turns);
}

BENCHMARK(plan_watch_refill)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, [] { fixture(); });
}
