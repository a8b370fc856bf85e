// The month command as a user runs it: the whole process `liturgy-calendar month YYYY-MM --ini
// FILE --json` on a generated data set, against the whole process of a minimal QtCore and QtSql
// program (cli_month_floor) that opens the same two databases and runs the same two statements.
// The front program links the core only, so the difference is what the command adds: the INI
// file, the component's start, the fill and the JSON. The user counter `ratio` is the processor
// time of the first over the second (the other work on a busy machine does not inflate it);
// `cpu_ms` and `floor_cpu_ms` are those times, `ms` and `floor_ms` the wall-clock times.

#include "SampleSet.h"
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
#include <optional>
#include <sys/resource.h>

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
double childCpuNanos() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto nanos = [](const timeval& t) {
        return double(t.tv_sec) * 1e9 + double(t.tv_usec) * 1e3;
    };
    return nanos(usage.ru_utime) + nanos(usage.ru_stime);
}

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

struct Runs {
    double wall = 0;
    double cpu = 0;
};

// Mean wall-clock and processor nanoseconds of `count` runs; nothing when a run failed.
std::optional<Runs> runs(const char* program, const QStringList& arguments, std::int64_t count) {
    const double cpuStart = childCpuNanos();
    double total = 0;
    for (std::int64_t i = 0; i < count; ++i) {
        const qint64 ns = runProgram(program, arguments);
        if (ns < 0)
            return std::nullopt;
        total += double(ns);
    }
    return Runs{total / double(count), (childCpuNanos() - cpuStart) / double(count)};
}

void cli_month_floor(benchmark::State& state) {
    std::int64_t count = 0;
    for (auto _ : state)
        ++count;
    const std::optional<Runs> floor = runs(LC_FLOOR_PROGRAM, fixture().floorArguments, count);
    if (!floor) {
        state.SkipWithError("the floor program failed");
        return;
    }
    state.counters["ratio"] = 1.0;
    state.counters["ms"] = floor->wall / 1e6;
    state.counters["cpu_ms"] = floor->cpu / 1e6;
}

void cli_month(benchmark::State& state) {
    std::int64_t count = 0;
    for (auto _ : state)
        ++count;
    const std::optional<Runs> ours = runs(LC_APP_PROGRAM, fixture().monthArguments, count);
    const std::optional<Runs> floor = runs(LC_FLOOR_PROGRAM, fixture().floorArguments, count);
    if (!ours || !floor) {
        state.SkipWithError("a program failed");
        return;
    }
    state.counters["ratio"] = ours->cpu / floor->cpu;
    state.counters["ms"] = ours->wall / 1e6;
    state.counters["floor_ms"] = floor->wall / 1e6;
    state.counters["cpu_ms"] = ours->cpu / 1e6;
    state.counters["floor_cpu_ms"] = floor->cpu / 1e6;
}

// The iterations only count runs; the programs run after them, each process timed as a whole.
BENCHMARK(cli_month_floor)->Iterations(20)->Repetitions(5);
BENCHMARK(cli_month)->Iterations(20)->Repetitions(5);

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
