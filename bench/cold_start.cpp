// The host application started cold, as a user starts it: the whole process
// `liturgy-calendar --ini FILE --screenshot FILE.png --date D`, which loads the component,
// opens its window on a generated data set, fills the month, builds the readings page, paints
// and saves the window. Against it, in the same program, the whole process
// `liturgy-calendar month YYYY-MM --ini FILE --json` of the same month: the same start-up, INI
// file, database and month fill without any window. The user counter `ratio` is the first
// over the second; `ms` and `baseline_ms` are their wall-clock times, `cpu_ms` and
// `baseline_cpu_ms` the processor time of the started processes (which the other work on a
// busy machine does not inflate).

#include "BareSqlite.h"
#include "SampleSet.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kYear = 2024;
const char* const kDate = "2024-03-10";
const char* const kMonth = "2024-03";

struct Fixture {
    QTemporaryDir dir;
    QString iniFile;
    QString screenshot;
    QProcessEnvironment env;

    Fixture() {
        iniFile = writeSampleSet(dir.path(), kYear, kYear);
        screenshot = dir.path() + QStringLiteral("/window.png");
        // The program's log and any registration stay in the bench's own folder.
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

using bench::childCpuNanos;

// Runs the program to its end; the wall-clock nanoseconds, or a negative number on failure.
qint64 runProgram(const QStringList& arguments) {
    QProcess process;
    process.setProcessEnvironment(fixture().env);
    process.setWorkingDirectory(fixture().dir.path());
    QElapsedTimer timer;
    timer.start();
    process.start(QStringLiteral(LC_APP_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        std::fprintf(stderr, "liturgy-calendar %s failed: %s\n",
                     qPrintable(arguments.join(QLatin1Char(' '))),
                     process.readAllStandardError().constData());
        return -1;
    }
    return timer.nsecsElapsed();
}

QStringList screenshotArguments() {
    return {QStringLiteral("--ini"), fixture().iniFile,        QStringLiteral("--screenshot"),
            fixture().screenshot,    QStringLiteral("--date"), QString::fromLatin1(kDate)};
}

QStringList monthArguments() {
    return {QStringLiteral("month"), QString::fromLatin1(kMonth), QStringLiteral("--ini"),
            fixture().iniFile, QStringLiteral("--json")};
}

// Mean wall-clock nanoseconds of `count` runs of the month command; `cpu` gets their mean
// processor nanoseconds.
double baselineNanos(std::int64_t count, double* cpu) {
    const double cpuStart = childCpuNanos();
    double total = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const qint64 ns = runProgram(monthArguments());
        if (ns < 0)
            std::exit(1);
        total += double(ns);
    }
    *cpu = (childCpuNanos() - cpuStart) / double(count);
    return total / double(count);
}

void cold_start_month_json(benchmark::State& state) {
    const double cpuStart = childCpuNanos();
    double total = 0;
    for (auto _ : state) {
        const qint64 ns = runProgram(monthArguments());
        if (ns < 0) {
            state.SkipWithError("the month command failed");
            return;
        }
        total += double(ns);
    }
    state.counters["ratio"] = 1.0;
    state.counters["ms"] = total / double(state.iterations()) / 1e6;
    state.counters["cpu_ms"] = (childCpuNanos() - cpuStart) / double(state.iterations()) / 1e6;
}

void cold_start_screenshot(benchmark::State& state) {
    const double cpuStart = childCpuNanos();
    double total = 0;
    for (auto _ : state) {
        QFile::remove(fixture().screenshot);
        const qint64 ns = runProgram(screenshotArguments());
        if (ns < 0 || QFileInfo(fixture().screenshot).size() == 0) {
            state.SkipWithError("no screenshot was written");
            return;
        }
        total += double(ns);
    }
    const double ours = total / double(state.iterations());
    const double cpu = (childCpuNanos() - cpuStart) / double(state.iterations());
    double bareCpu = 0;
    const double bare = baselineNanos(state.iterations(), &bareCpu);
    state.counters["ratio"] = ours / bare;
    state.counters["ms"] = ours / 1e6;
    state.counters["baseline_ms"] = bare / 1e6;
    state.counters["cpu_ms"] = cpu / 1e6;
    state.counters["baseline_cpu_ms"] = bareCpu / 1e6;
}

BENCHMARK(cold_start_month_json)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5);
BENCHMARK(cold_start_screenshot)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(10)
    ->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    fixture();
    // One run of each before the timing, so that the program and the library are in the
    // page cache as they are on a user's machine that has run them before.
    if (runProgram(monthArguments()) < 0 || runProgram(screenshotArguments()) < 0)
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
