// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The month command as a user runs it: the whole process `liturgy-calendar month YYYY-MM --ini
// FILE --json` on a generated data set, against the whole process of a minimal QtCore and QtSql
// program (cli_month_floor) that opens the same two databases and runs the same two statements.
// The front program links the core only, so the difference is what the command adds: the INI
// file, the component's start, the fill and the JSON. The two are started in turns (Turns.h); the
// user counter `ratio` is the median ratio of their processor time (the other work on a busy
// machine does not inflate it);
// `cpu_ms` and `floor_cpu_ms` are those times, `ms` and `floor_ms` the wall-clock times.

#include "SampleSet.h"
#include "Turns.h"
#include "support/OleDate.h"
#include "support/modIni.h"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kYear = 2024;
const char* const kMonth = "2024-03";

struct Fixture {
    QTemporaryDir dir;
    QString iniFile;
    QProcessEnvironment env;
    QStringList monthArguments;
    QStringList floorArguments;

    Fixture() {
        iniFile = writeSampleSet(dir.path(), kYear, kYear);
        // The program's log and any registration stay in the bench's own folder.
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        monthArguments = {QStringLiteral("month"), QString::fromLatin1(kMonth),
                          QStringLiteral("--ini"), iniFile, QStringLiteral("--json")};
        const QDate first(kYear, 3, 1);
        floorArguments = {
            modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile")),
            modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("PlanFile")),
            QString::number(OleDate::fromDate(first)),
            QString::number(OleDate::fromDate(first.addMonths(1).addDays(-1)))};
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Processor time of the finished child processes so far, in nanoseconds.
// Runs `program` to its end; the wall-clock nanoseconds, or a negative number on failure.
qint64 runProgram(const char* program, const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(fixture().env);
    process.setWorkingDirectory(fixture().dir.path());
    QElapsedTimer timer;
    timer.start();
    process.start(QString::fromLocal8Bit(program), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0 || process.readAllStandardOutput().isEmpty()) {
        std::fprintf(stderr, "%s %s failed: %s\n", program,
                     qPrintable(arguments.join(QLatin1Char(' '))),
                     process.readAllStandardError().constData());
        return -1;
    }
    return timer.nsecsElapsed();
}

void cli_month(benchmark::State& state) {
    std::vector<double> ourWalls, floorWalls;
    bool ok = true;
    const auto side = [&ok](const char* program, const QStringList& arguments,
                            std::vector<double>* walls) {
        const qint64 ns = runProgram(program, arguments);
        ok = ok && ns >= 0;
        walls->push_back(double(ns));
    };
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(
            15, 2, bench::childCpuNanos,
            [&] { side(LC_APP_PROGRAM, fixture().monthArguments, &ourWalls); },
            [&] { side(LC_FLOOR_PROGRAM, fixture().floorArguments, &floorWalls); });
    if (!ok) {
        state.SkipWithError("a program failed");
        return;
    }
    state.SetIterationTime(bench::median(ourWalls) / 1e9);
    state.counters["ratio"] = turns.ratio;
    state.counters["ms"] = bench::median(ourWalls) / 1e6;
    state.counters["floor_ms"] = bench::median(floorWalls) / 1e6;
    state.counters["cpu_ms"] = turns.ours / 1e6;
    state.counters["floor_cpu_ms"] = turns.floor / 1e6;
}

// Each process is timed as a whole, the two programs in turns.
BENCHMARK(cli_month)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // One run of each before the timing, so that both are in the page cache.
    if (runProgram(LC_APP_PROGRAM, fixture().monthArguments) < 0 ||
        runProgram(LC_FLOOR_PROGRAM, fixture().floorArguments) < 0)
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
