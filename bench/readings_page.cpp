// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The readings page of a Sunday with four readings, rebuilt the way the day page rebuilds it when
// the edition changes (mShow forced): the day list of the date, the readings of the day from the
// readings component, each Bible text read by a liturgy item, the style block and the page file
// written piece by piece. Warm: the connection is open and the page built once before the timing.
// The user counter `ratio` compares it with the same statements with the SQLite C API, prepared
// once and bound per page (BareSqlite.h says why that is the fair side) and the same page
// bytes written to a file, the two in turns (Turns.h).

#include "BareSqlite.h"
#include "Turns.h"
#include "content/ContentComponents.h"
#include "data/Schema.h"
#include "day_page/DayPageAssembly.h"
#include "day_page/HeadlessDayPageView.h"
#include "support/OleDate.h"
#include "support/mGarbageFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>
#include <vector>

namespace {

const QDate kSunday(2025, 3, 23);
// First reading, psalm, second reading, gospel.
constexpr int kTypes[] = {202, 208, 203, 204};

[[noreturn]] void fail(const QString& text) {
    std::fprintf(stderr, "%s\n", qPrintable(text));
    std::exit(1);
}

// A Bible text of a realistic length: about thirty verses as HTML.
QString bibleHtml(int reading) {
    QString html = QStringLiteral("<P class=Reading>");
    for (int verse = 1; verse <= 30; ++verse)
        html += QStringLiteral("<SUP>%1</SUP>Verse %1 of reading %2, as long as a verse of "
                               "scripture usually is. ")
                    .arg(verse)
                    .arg(reading);
    return html + QStringLiteral("</P>");
}

// The data set: a year of calendar rows (two on every third day), each Sunday with four
// readings, the style sheets and the INI file.
struct Fixture {
    QTemporaryDir dir;
    QString liturgyFile;
    QString iniFile;
    int sundayID = 0; // the calendar row of kSunday

    Fixture() {
        liturgyFile = dir.path() + QStringLiteral("/Velmarka.MDB");
        QString error;
        if (!Schema::create(liturgyFile, Schema::Kind::Liturgy, &error))
            fail(QStringLiteral("cannot create %1: %2").arg(liturgyFile, error));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench_fill");
            db.setDatabaseName(liturgyFile);
            db.open();
            db.transaction();
            QSqlQuery day(db);
            day.prepare(QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, "
                                       "ShortName) VALUES (?, ?, ?, 0, ?)"));
            QSqlQuery reading(db);
            reading.prepare(QStringLiteral("INSERT INTO tbReadings (ID, CalendarID, SortOrder, "
                                           "Type, ContentID, Ref, TypeString) VALUES (?, ?, ?, ?, "
                                           "?, ?, ?)"));
            QSqlQuery text(db);
            text.prepare(
                QStringLiteral("INSERT INTO tbBibleText (ID, Text, HTM_Data) VALUES (?, ?, ?)"));
            int id = 1000;
            int readingID = 0;
            for (QDate d(2025, 1, 1); d.year() == 2025; d = d.addDays(1)) {
                const int rows = d.toJulianDay() % 3 == 0 ? 2 : 1;
                for (int k = 0; k < rows; ++k, ++id) {
                    day.addBindValue(id);
                    day.addBindValue(OleDate::fromDate(d));
                    day.addBindValue(k ? 300 : 20);
                    day.addBindValue(k ? QStringLiteral("Saint %1").arg(id)
                                       : d.toString(QStringLiteral("dddd d MMMM")));
                    day.exec();
                    if (k == 0 && d == kSunday)
                        sundayID = id;
                    if (k != 0 || d.dayOfWeek() != Qt::Sunday)
                        continue;
                    for (int r = 0; r < 4; ++r) {
                        ++readingID;
                        reading.addBindValue(readingID);
                        reading.addBindValue(id);
                        reading.addBindValue(r + 1);
                        reading.addBindValue(kTypes[r]);
                        reading.addBindValue(readingID);
                        reading.addBindValue(QStringLiteral("Book %1:1-30").arg(readingID));
                        reading.addBindValue(QStringLiteral("Reading %1").arg(r + 1));
                        reading.exec();
                        text.addBindValue(readingID);
                        text.addBindValue(QStringLiteral("plain"));
                        text.addBindValue(bibleHtml(readingID));
                        text.exec();
                    }
                }
            }
            db.commit();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("bench_fill"));
        QDir(dir.path()).mkpath(QStringLiteral("Templates"));
        writeFile(dir.path() + QStringLiteral("/Templates/MainPrint.CSS"),
                  "H3 { font: bold 12pt \"Gill Sans\", sans-serif; }\r\nH4 { font: bold 10pt "
                  "serif; }\r\nP { margin: 0 0 6pt 0; }\r\n");
        iniFile = dir.path() + QStringLiteral("/liturgy.ini");
        writeFile(iniFile, "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() +
                               "\r\nTemplatePath=" + dir.path().toUtf8() + "/Templates/\r\n");
    }

    static void writeFile(const QString& path, const QByteArray& bytes) {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            fail(QStringLiteral("cannot write %1").arg(path));
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

// The content numbers of the Sunday's readings, in their order.
std::vector<qint64> sundayTexts() {
    std::vector<qint64> out;
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "bench_ids");
    db.setDatabaseName(fixture().liturgyFile);
    db.open();
    {
        QSqlQuery q(db);
        q.exec(QStringLiteral("SELECT ContentID FROM tbReadings WHERE CalendarID=%1 ORDER BY "
                              "SortOrder, ID")
                   .arg(fixture().sundayID));
        while (q.next())
            out.push_back(q.value(0).toLongLong());
    }
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("bench_ids"));
    if (out.size() != 4)
        fail(QStringLiteral("the Sunday has %1 readings, not 4").arg(out.size()));
    return out;
}

// The statements the page runs (the day list of the date, the readings of its row, each Bible
// text), prepared once and bound per page, every column read in the type it is stored in; and
// the page written as a file, as the browser is shown a file: the same bytes, written whole.
struct BarePage {
    sqlite3* db = bench::openBare(fixture().liturgyFile);
    std::vector<qint64> texts = sundayTexts();
    bench::BareStatement days{
        db,
        "SELECT ID, ShortName, FeastRef FROM tbCalenderData WHERE Date = ?",
        {bench::Column::Integer, bench::Column::Text, bench::Column::Integer}};
    bench::BareStatement readings{
        db,
        "SELECT Type, ContentID, Ref, TypeString FROM tbReadings WHERE "
        "CalendarID=? ORDER BY SortOrder, ID",
        {bench::Column::Integer, bench::Column::Integer, bench::Column::Text, bench::Column::Text}};
    bench::BareStatement text{db,
                              "SELECT Text, HTM_Data FROM tbBibleText WHERE ID = ?",
                              {bench::Column::Text, bench::Column::Text}};

    QByteArray page; // the bytes of the page that ours builds
    QByteArray file = QFile::encodeName(fixture().dir.path() + QStringLiteral("/bare.htm"));

    qint64 run() {
        qint64 sum = days.run(OleDate::fromDate(kSunday)) + readings.run(fixture().sundayID);
        for (qint64 id : texts)
            sum += text.run(id);
        // Over the bytes of the last round, as the page is: the same size, so nothing to cut.
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0600);
        if (fd < 0 || ::write(fd, page.constData(), size_t(page.size())) != page.size())
            std::abort();
        ::close(fd);
        return sum;
    }
};

BarePage& barePage() {
    static BarePage bare;
    return bare;
}

void readings_page(benchmark::State& state) {
    const Fixture& f = fixture();
    HeadlessDayPageView view;
    DayPageAssembly page(view);
    page.setPVkIniFile(f.iniFile);
    page.setPSQLMode(0);
    page.setPVersion(47);
    page.setPageKind(DayPageAssembly::kReadings);
    if (!page.mInitialize())
        std::abort();
    page.setPDate(OleDate::fromDate(kSunday));
    page.mShow(true);
    if (view.location() != page.pHTMDataFile() || view.dayListItemValue(1) != f.sundayID)
        fail(QStringLiteral("the readings page was not built"));
    const qint64 bytes = QFileInfo(page.pHTMDataFile()).size();
    QFile built(page.pHTMDataFile());
    if (!built.open(QIODevice::ReadOnly))
        fail(QStringLiteral("the readings page cannot be read"));
    barePage().page = built.readAll();

    bench::Turns turns;
    for (auto _ : state)
        turns = bench::alternate(
            15, 200, bench::threadNanos, [&] { page.mShow(true); },
            [] { benchmark::DoNotOptimize(barePage().run()); });
    if (QFileInfo(page.pHTMDataFile()).size() != bytes)
        fail(QStringLiteral("the page changed while it was rebuilt"));
    state.counters["bytes"] = double(bytes);
    bench::report(state, turns);
}

BENCHMARK(readings_page)->Unit(benchmark::kMicrosecond)->UseManualTime()->Iterations(1);

} // namespace

int main(int argc, char** argv) {
    const int result = bench::run(argc, argv, [] {
        registerContentComponents();
        fixture();
    });
    // The page files go with the process, as they do when the component shuts down.
    mGarbageFiles::releaseGarbageFiles();
    return result;
}
