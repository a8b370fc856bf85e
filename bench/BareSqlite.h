#pragma once

// What the database benchmarks share: the bare SQLite side they compare against, and the
// clock they measure both sides with.

#include <QCoreApplication>
#include <QString>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <ctime>
#include <sqlite3.h>
#include <sys/resource.h>

namespace bench {

// The file opened read-only with the SQLite C API; the benchmark cannot run without it.
inline sqlite3* openBare(const QString& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        std::abort();
    return db;
}

// This thread's processor time in nanoseconds: the other work on the machine does not count.
inline double threadNanos() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return double(ts.tv_sec) * 1e9 + double(ts.tv_nsec);
}

// Processor time of the finished child processes so far, in nanoseconds: what the programs a
// benchmark starts cost.
inline double childCpuNanos() {
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    const auto nanos = [](const timeval& t) {
        return double(t.tv_sec) * 1e9 + double(t.tv_usec) * 1e3;
    };
    return nanos(usage.ru_utime) + nanos(usage.ru_stime);
}

// The main of a benchmark program that runs the component: Qt first, then `prepare` (the data
// set, registrations), then the benchmarks.
template <class Prepare> int run(int argc, char** argv, Prepare prepare) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace bench
