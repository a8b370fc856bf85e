// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The window started cold, as a user starts it, to its first paint: the whole process
// `liturgy-calendar --ini FILE --screenshot FILE.bmp --date D`, which loads the component,
// opens its window on a generated data set, fills the month, builds the readings page, paints
// the window and saves the picture uncompressed. Against it, this program started with
// `--bare-window FILE.bmp PAGE.html`: a bare QMainWindow of the same size with a QCalendarWidget
// and a QTextBrowser showing the same day page at the same width (made before the timing by
// `liturgy-calendar day D --html`; an empty browser would spare the floor the fonts, the
// shaping and the drawing of the text the window shows), settled, painted and saved the same
// way. This program links only Qt's widgets, so
// the bare side loads no more than such a window needs. The two processes are started in turns
// (Turns.h); `ratio` is the median ratio of their processor time (which the other work on a
// busy machine does not inflate), `cpu_ms` and `floor_cpu_ms` the median processor times, `ms`
// and `floor_ms` the median wall-clock times.

#include "Turns.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QMainWindow>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

const char* const kDate = "2024-03-10";
// As the window program settles its panes before the picture.
constexpr int kSettleRounds = 4;

// The width the window gives its day page.
constexpr int kPageWidth = 350;

// The bare window: what a Qt program with a calendar and a browser does to show itself, the
// browser showing the day's page (the HTML in `page`) at the width the window gives it.
int bareWindow(int argc, char** argv, const QString& file, const QString& page) {
    QApplication app(argc, argv);
    QMainWindow window;
    auto* split = new QSplitter(&window);
    auto* calendar = new QCalendarWidget(split);
    calendar->setSelectedDate(QDate::fromString(QString::fromLatin1(kDate), Qt::ISODate));
    auto* browser = new QTextBrowser(split);
    window.setCentralWidget(split);
    window.resize(1280, 800);
    split->setSizes({1280 - kPageWidth, kPageWidth});
    window.show();
    // Set once the browser has its width: laid out once.
    QFile html(page);
    if (!html.open(QIODevice::ReadOnly))
        return 1;
    browser->setHtml(QString::fromUtf8(html.readAll()));
    for (int round = 0; round < kSettleRounds; ++round) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
    QImageWriter writer(file, "bmp");
    return writer.write(window.grab().toImage()) ? 0 : 1;
}

struct Fixture {
    QTemporaryDir dir;
    QString iniFile;
    QString page;
    QString screenshot;
    QProcessEnvironment env;

    Fixture() {
        // Uncompressed on both sides: the time is the start and the first paint, not the
        // encoding of a picture, which costs more the more the window shows.
        screenshot = dir.path() + QStringLiteral("/window.bmp");
        // The program's log and any registration stay in the bench's own folder.
        env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir.path() + QStringLiteral("/data"));
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        const QString set = dir.path() + QStringLiteral("/set");
        if (run(QStringLiteral(LC_SAMPLE_DATA_PROGRAM),
                {QStringLiteral("--out"), set, QStringLiteral("--from"), QStringLiteral("2024"),
                 QStringLiteral("--to"), QStringLiteral("2024")},
                -1) < 0)
            std::exit(1);
        iniFile = set + QStringLiteral("/liturgy.ini");
        // The page the window shows for the date, for the bare window's browser.
        page = dir.path() + QStringLiteral("/page.html");
        QProcess day;
        day.setProcessEnvironment(env);
        day.setStandardOutputFile(page);
        day.start(QStringLiteral(LC_APP_PROGRAM),
                  {QStringLiteral("day"), QString::fromLatin1(kDate), QStringLiteral("--html"),
                   QStringLiteral("--ini"), iniFile});
        if (!day.waitForFinished(60000) || day.exitCode() != 0 || QFileInfo(page).size() == 0) {
            std::fprintf(stderr, "the day page of %s could not be made\n", kDate);
            std::exit(1);
        }
    }

    // Runs a program to its end; its wall-clock nanoseconds, or -1 on failure.
    qint64 run(const QString& program, const QStringList& arguments, int timeoutMs = 60000) const {
        QProcess process;
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir.path());
        QElapsedTimer timer;
        timer.start();
        process.start(program, arguments);
        if (!process.waitForFinished(timeoutMs) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            std::fprintf(stderr, "%s %s failed: %s\n", qPrintable(program),
                         qPrintable(arguments.join(QLatin1Char(' '))),
                         process.readAllStandardError().constData());
            return -1;
        }
        return timer.nsecsElapsed();
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// Starts one side and checks its picture; its wall-clock time goes to `walls`.
bool start(const QString& program, const QStringList& arguments, std::vector<double>* walls) {
    const Fixture& f = fixture();
    QFile::remove(f.screenshot);
    const qint64 ns = f.run(program, arguments);
    if (ns < 0 || QFileInfo(f.screenshot).size() == 0)
        return false;
    walls->push_back(double(ns));
    return true;
}

void cold_start_window(benchmark::State& state) {
    const Fixture& f = fixture();
    const QStringList ours = {QStringLiteral("--ini"),        f.iniFile,
                              QStringLiteral("--screenshot"), f.screenshot,
                              QStringLiteral("--date"),       QString::fromLatin1(kDate)};
    const QStringList bare = {QStringLiteral("--bare-window"), f.screenshot, f.page};
    const QString self = QCoreApplication::applicationFilePath();
    std::vector<double> ourWalls, bareWalls;
    bool ok = true;
    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(
            11, 1, bench::childCpuNanos,
            [&] { ok = start(QStringLiteral(LC_APP_PROGRAM), ours, &ourWalls) && ok; },
            [&] { ok = start(self, bare, &bareWalls) && ok; });
    if (!ok) {
        state.SkipWithError("a window wrote no picture");
        return;
    }
    state.SetIterationTime(bench::median(ourWalls) / 1e9);
    state.counters["ratio"] = turns.ratio;
    state.counters["cpu_ms"] = turns.ours / 1e6;
    state.counters["floor_cpu_ms"] = turns.floor / 1e6;
    state.counters["ms"] = bench::median(ourWalls) / 1e6;
    state.counters["floor_ms"] = bench::median(bareWalls) / 1e6;
}

BENCHMARK(cold_start_window)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--bare-window") == 0)
        return bareWindow(argc, argv, QString::fromLocal8Bit(argv[2]),
                          QString::fromLocal8Bit(argv[3]));
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    const Fixture& f = fixture();
    // One run of each before the timing, so that the programs and their libraries are in the
    // page cache as they are on a user's machine that has run them before.
    std::vector<double> warm;
    if (!start(QStringLiteral(LC_APP_PROGRAM),
               {QStringLiteral("--ini"), f.iniFile, QStringLiteral("--screenshot"), f.screenshot,
                QStringLiteral("--date"), QString::fromLatin1(kDate)},
               &warm) ||
        !start(QCoreApplication::applicationFilePath(),
               {QStringLiteral("--bare-window"), f.screenshot, f.page}, &warm))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
