// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Users' Access files. access_import: nwind.mdb copied into SQLite through the import helper
// program, as the first open of the file does it, against `mdb-export` of every table of the
// same file to CSV (what reading the file through libmdb costs at all), in the same program.
// access_cache: the cached copy opened again through the connection layer and one statement
// run on it, against the same open and statement on an SQLite file named directly. Each pair
// runs in turns (Turns.h); the user counter `ratio` is the median of the first over the second;
// `ms` and `baseline_ms` are wall-clock times, `cpu_ms` and `baseline_cpu_ms` the processor time
// of this program and the programs it started.

#include "BareSqlite.h"
#include "data/AccessCache.h"
#include "data/AccessImport.h"
#include "data/Connection.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace {

struct Fixture {
    QTemporaryDir dir;
    QString nwind;      // the Access file, copied into the bench's folder
    QString direct;     // an SQLite file with the same tables, named directly
    QStringList tables; // the tables of nwind.mdb, as mdb-tables lists them
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

QString jet(const QString& file) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file + ';';
}

using bench::childCpuNanos;

// Runs `program` to its end with its output dropped; false on failure.
bool runTool(const QString& program, const QStringList& arguments, QByteArray* output = nullptr) {
    QProcess process;
    if (!output)
        process.setStandardOutputFile(QProcess::nullDevice());
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return true;
}

// `ours` against `bare` in turns (Turns.h), timed by the wall clock (the work is partly in the
// helper and tool processes); `cpu_ms` and `baseline_cpu_ms` are this thread's and the finished
// children's processor time per call. False when a call failed.
template <class Ours, class Bare>
bool measure(benchmark::State& state, int rounds, int calls, Ours ours, Bare bare) {
    bool ok = true;
    double cpu[2] = {0, 0};
    const auto side = [&](int index, auto& body) {
        const double c = bench::threadNanos() + childCpuNanos();
        ok = body() && ok;
        cpu[index] += bench::threadNanos() + childCpuNanos() - c;
    };
    const auto wall = [] {
        return double(std::chrono::duration_cast<std::chrono::nanoseconds>(
                          std::chrono::steady_clock::now().time_since_epoch())
                          .count());
    };
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(
            rounds, calls, wall, [&] { side(0, ours); }, [&] { side(1, bare); });
    if (!ok)
        return false;
    bench::report(state, turns);
    state.counters["ms"] = turns.ours / 1e6;
    state.counters["baseline_ms"] = turns.floor / 1e6;
    state.counters["cpu_ms"] = cpu[0] / double(rounds * calls) / 1e6;
    state.counters["baseline_cpu_ms"] = cpu[1] / double(rounds * calls) / 1e6;
    return true;
}

bool importOnce() {
    const QString target = fixture().dir.path() + QStringLiteral("/import.sqlite");
    try {
        AccessImport::copy(fixture().nwind, target, fixture().nwind, true);
    } catch (...) {
        return false;
    }
    return true;
}

bool exportEveryTable() {
    for (const QString& table : fixture().tables) {
        if (!runTool(QStringLiteral("mdb-export"), {fixture().nwind, table}))
            return false;
    }
    return true;
}

bool openAndCount(const QString& file) {
    try {
        Connection c;
        c.Open(jet(file));
        const bool counted = c.fetchFirstValue(QStringLiteral("SELECT COUNT(*) FROM Orders "
                                                              "WHERE OrderDate >= #1/1/1995#"))
                                 .has_value();
        c.Close();
        return counted;
    } catch (...) {
        return false;
    }
}

void access_import_nwind(benchmark::State& state) {
    if (!measure(state, 9, 1, importOnce, exportEveryTable))
        state.SkipWithError("the import or mdb-export failed");
}

void access_cache_reopen(benchmark::State& state) {
    if (!measure(
            state, 15, 20, [] { return openAndCount(fixture().nwind); },
            [] { return openAndCount(fixture().direct); }))
        state.SkipWithError("a database did not open");
}

BENCHMARK(access_import_nwind)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);
BENCHMARK(access_cache_reopen)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(1);

// The shared test data beside the source folder (worktrees sit a level deeper).
QString testFile(const char* name) {
    for (const char* up : {"/../shared/testdata/", "/../../shared/testdata/"}) {
        const QString file = QStringLiteral(LC_SOURCE_DIR) + QLatin1String(up) + name;
        if (QFileInfo::exists(file))
            return file;
    }
    return {};
}

// The bench's copy of nwind.mdb, its tables, its imported copy and a plain copy of that.
void prepare() {
    Fixture& f = fixture();
    // The copies go to the bench's own cache folder.
    qputenv("XDG_CACHE_HOME", QFile::encodeName(f.dir.path() + QStringLiteral("/cache")));
    const QString source = testFile("nwind.mdb");
    if (source.isEmpty()) {
        std::fprintf(stderr, "shared/testdata/nwind.mdb beside the source folder is absent\n");
        std::exit(1);
    }
    f.nwind = f.dir.path() + QStringLiteral("/nwind.mdb");
    f.direct = f.dir.path() + QStringLiteral("/direct.sqlite");
    QByteArray list;
    if (!QFile::copy(source, f.nwind) ||
        !runTool(QStringLiteral("mdb-tables"), {QStringLiteral("-1"), f.nwind}, &list)) {
        std::fprintf(stderr, "cannot copy nwind.mdb or run mdb-tables (package mdbtools)\n");
        std::exit(1);
    }
    f.tables = QString::fromUtf8(list).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    // The first open imports into the cache; the direct file is a plain copy of that copy.
    if (!openAndCount(f.nwind) ||
        !QFile::copy(AccessCache::folder() + AccessCache::copyName(f.nwind), f.direct)) {
        std::fprintf(stderr, "the import of nwind.mdb failed\n");
        std::exit(1);
    }
    QFile::setPermissions(f.direct, QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, prepare);
}
