// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The memory of a long session: the host application's window (the component loaded from its
// library, as the program loads it) on a generated data set, its month calendar moved month by
// month with its own buttons as a user moves it, a year forward and a year back again. Each
// move refills the month and rebuilds the readings page. The resident memory is read after 10
// moves and after 1000; the counters are the growth in KB (`growth_kb`, goal: under 1024) and
// `ratio`, the resident memory after 1000 moves over that after 10, both with freed memory
// handed back to the system first; `untrimmed_growth_kb` is the growth as the system sees it
// without that.

#include "SampleSet.h"
#include "app/HostWindow.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <unistd.h>

namespace {

constexpr int kFirstMoves = 10;
constexpr int kAllMoves = 1000;

struct Fixture {
    QTemporaryDir dir;
    QString iniFile;

    Fixture() {
        // The program's log and any registration stay in the bench's own folder.
        qputenv("HOME", dir.path().toLocal8Bit());
        qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toLocal8Bit());
        iniFile = writeSampleSet(dir.path(), 2024, 2025);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Resident memory in KB, as the system counts it.
double residentKB() {
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        std::abort();
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return double(fields.value(1).toLongLong()) * double(sysconf(_SC_PAGESIZE)) / 1024.0;
}

// Resident memory in KB after freed memory has been handed back to the system: what is still
// held, not what the allocator keeps for later.
double heldKB() {
    malloc_trim(0);
    return residentKB();
}

QToolButton* monthButton(const HostWindow& window, const char* name) {
    QWidget* month = window.componentWindow()->findChild<QWidget*>(QStringLiteral("ctMonth1"));
    if (!month)
        return nullptr;
    for (QToolButton* button : month->findChildren<QToolButton*>())
        if (button->accessibleName() == QLatin1String(name))
            return button;
    return nullptr;
}

// A year forward, then a year back, and again: every month of the data set in turn. `shown`
// follows the month that the calendar should show.
void move(QToolButton* next, QToolButton* previous, int moves, int* done, QDate* shown) {
    for (int i = 0; i < moves; ++i, ++*done) {
        const bool forward = (*done / 12) % 2 == 0;
        QTest::mouseClick(forward ? next : previous, Qt::LeftButton);
        QCoreApplication::processEvents();
        *shown = shown->addMonths(forward ? 1 : -1);
    }
}

void navigation_memory(benchmark::State& state) {
    double growth = 0;
    double rawGrowth = 0;
    double ratio = 0;
    for (auto _ : state) {
        HostWindow window;
        window.resize(1280, 800);
        HostWindow::Options options;
        options.iniFile = fixture().iniFile;
        options.date = QDate(2024, 1, 7);
        QString error;
        if (!window.open(options, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        window.show();
        QTest::qWait(50);
        QToolButton* next = monthButton(window, "Next month");
        QToolButton* previous = monthButton(window, "Previous month");
        if (!next || !previous) {
            state.SkipWithError("the month calendar has no month buttons");
            return;
        }
        QObject* month = window.componentWindow()->findChild<QObject*>(QStringLiteral("ctMonth1"));
        QDate shown = options.date;
        int done = 0;
        move(next, previous, kFirstMoves, &done, &shown);
        const double raw10 = residentKB();
        const double after10 = heldKB();
        move(next, previous, kAllMoves - kFirstMoves, &done, &shown);
        const double raw1000 = residentKB();
        const double after1000 = heldKB();
        const QDate current = month->property("currentDate").toDate();
        if (current.year() != shown.year() || current.month() != shown.month()) {
            state.SkipWithError("the calendar did not follow the moves");
            return;
        }
        growth = after1000 - after10;
        rawGrowth = raw1000 - raw10;
        ratio = after1000 / after10;
        window.close();
    }
    state.counters["growth_kb"] = growth;
    state.counters["untrimmed_growth_kb"] = rawGrowth;
    state.counters["ratio"] = ratio;
}

BENCHMARK(navigation_memory)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    fixture();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
