// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The iCalendar feeds on the generated data set (one edition, the year 2026, and its sample
// plan):
// - ics_libical_direct: the year's days and services built and serialised with libical
//   directly, the least work that gives the same events; its `ratio` is 1.
// - ics_write_year: the same feed written by IcsWriter; `ratio` is its processor time over
//   the direct build's, both in this program.
// - ics_export_year: the whole export, read from the databases and written; `ratio` over the
//   direct build, so it shows what reading adds.
// - ics_server_month: GET /calendar.ics of one month from the serve program, one request after
//   the other on one kept-alive connection; `requests_per_second`, and `ratio`, the wall time
//   of a request over the direct build of the same month.

#include "BareSqlite.h"
#include "SampleSet.h"
#include "ical/IcsExport.h"

#include <QDate>
#include <QElapsedTimer>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QThread>
#include <QTimeZone>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <libical/ical.h>

namespace {

const QDate kFirst(2026, 1, 1);
const QDate kLast(2026, 12, 31);
const QDate kMonthFirst(2026, 3, 1);
const QDate kMonthLast(2026, 3, 31);
const char* const kZone = "Europe/Oslo";

struct Fixture {
    QTemporaryDir dir;
    QString ini = writeSampleSet(dir.path(), 2026, 2026);
    FeedReader reader{ini, QString()};
    CalendarFeed year;
    CalendarFeed month;
    IcsWriter::Options options;

    Fixture() {
        options = IcsExport::options(1, true, true, QDateTime(kFirst, QTime(12, 0), Qt::UTC));
        options.timeZone = kZone;
        year = reader.read(kFirst, kLast, true, true);
        month = reader.read(kMonthFirst, kMonthLast, true, true);
    }
};

Fixture& fixture() {
    static Fixture f;
    return f;
}

icaltimetype dateOf(const QDate& date) {
    icaltimetype t = icaltime_null_date();
    t.year = date.year();
    t.month = date.month();
    t.day = date.day();
    return t;
}

// The same events with libical's calls alone: UIDs formatted with snprintf, the zone's
// description cloned once per calendar as the writer does.
QByteArray direct(const CalendarFeed& feed) {
    static const char* const css[] = {"white",         "mediumpurple", "green",     "firebrick",
                                      "darkslategray", "darkorchid",   "darkorange"};
    static const char* const names[] = {"White", "Violet", "Green",  "Red",
                                        "Black", "Blue",   "Scarlet"};
    icalcomponent* c = icalcomponent_new_vcalendar();
    icalcomponent_add_property(c, icalproperty_new_version("2.0"));
    icalcomponent_add_property(c,
                               icalproperty_new_prodid("-//Brekka Data as//Liturgy Calendar//EN"));
    icalcomponent_add_property(c, icalproperty_new_name("Church year and services"));
    icalcomponent_add_property(
        c, icalproperty_new_refreshinterval(icaldurationtype_from_string("PT6H")));
    const icaltimetype stamp =
        icaltime_from_timet_with_zone(1767268800, 0, icaltimezone_get_utc_timezone());
    icalcomponent* zone = icalcomponent_new_clone(
        icaltimezone_get_component(icaltimezone_get_builtin_timezone(kZone)));
    icalproperty_set_tzid(icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY), kZone);
    icalcomponent_add_component(c, zone);
    char uid[96];
    for (const CalendarFeed::Day& day : feed.days) {
        icalcomponent* e = icalcomponent_new_vevent();
        std::snprintf(uid, sizeof uid, "day-1-%d-%04d%02d%02d@liturgy-calendar", day.id,
                      day.date.year(), day.date.month(), day.date.day());
        icalcomponent_add_property(e, icalproperty_new_uid(uid));
        icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
        icalcomponent_add_property(e, icalproperty_new_dtstart(dateOf(day.date)));
        icalcomponent_add_property(e, icalproperty_new_dtend(dateOf(day.date.addDays(1))));
        icalcomponent_add_property(e, icalproperty_new_summary(day.name.toUtf8().constData()));
        if (day.colorCode >= 0) {
            icalcomponent_add_property(e, icalproperty_new_color(css[day.colorCode]));
            icalcomponent_add_property(e, icalproperty_new_categories(names[day.colorCode]));
        }
        if (!day.references.isEmpty())
            icalcomponent_add_property(
                e, icalproperty_new_description(day.references.join('\n').toUtf8().constData()));
        icalcomponent_add_property(e, icalproperty_new_transp(ICAL_TRANSP_TRANSPARENT));
        icalcomponent_add_component(c, e);
    }
    for (const CalendarFeed::Service& service : feed.services) {
        icalcomponent* e = icalcomponent_new_vevent();
        std::snprintf(uid, sizeof uid, "service-%04d%02d%02d-%02d%02d@liturgy-calendar",
                      service.date.year(), service.date.month(), service.date.day(),
                      service.time.hour(), service.time.minute());
        icalcomponent_add_property(e, icalproperty_new_uid(uid));
        icalcomponent_add_property(e, icalproperty_new_dtstamp(stamp));
        icaltimetype start = dateOf(service.date);
        start.is_date = 0;
        start.hour = service.time.hour();
        start.minute = service.time.minute();
        icalproperty* dtstart = icalproperty_new_dtstart(start);
        icalproperty_add_parameter(dtstart, icalparameter_new_tzid(kZone));
        icalcomponent_add_property(e, dtstart);
        icalcomponent_add_property(e, icalproperty_new_duration(icaldurationtype_from_int(3600)));
        icalcomponent_add_property(
            e, icalproperty_new_summary(
                   (service.kind + QStringLiteral(" – ") + service.dayName).toUtf8().constData()));
        icalcomponent_add_property(e,
                                   icalproperty_new_location(service.place.toUtf8().constData()));
        icalcomponent_add_component(c, e);
    }
    char* text = icalcomponent_as_ical_string_r(c);
    QByteArray bytes(text);
    icalmemory_free_buffer(text);
    icalcomponent_free(c);
    return bytes;
}

// Processor nanoseconds of `work`, its result kept.
template <class Work> double timed(Work work) {
    const double start = bench::threadNanos();
    benchmark::DoNotOptimize(work());
    return bench::threadNanos() - start;
}

void ics_libical_direct(benchmark::State& state) {
    const CalendarFeed& feed = fixture().year;
    for (auto _ : state)
        benchmark::DoNotOptimize(direct(feed));
    state.counters["events"] = double(feed.days.size() + feed.services.size());
    state.counters["ratio"] = 1.0;
}

void ics_write_year(benchmark::State& state) {
    Fixture& f = fixture();
    double ours = 0;
    double bare = 0;
    qsizetype bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bare += timed([&] { return direct(f.year); });
        state.ResumeTiming();
        ours += timed([&] {
            const QByteArray text = IcsWriter::write(f.year, f.options);
            bytes = text.size();
            return text;
        });
    }
    state.counters["bytes"] = double(bytes);
    state.counters["ratio"] = ours / bare;
}

void ics_export_year(benchmark::State& state) {
    Fixture& f = fixture();
    double ours = 0;
    double bare = 0;
    for (auto _ : state) {
        state.PauseTiming();
        bare += timed([&] { return direct(f.year); });
        state.ResumeTiming();
        ours += timed([&] { return IcsExport::text(f.reader, kFirst, kLast, f.options); });
    }
    state.counters["ratio"] = ours / bare;
}

// The serve program on a port of its own, for the benchmark's time.
struct Server {
    QProcess process;
    quint16 port = 0;

    Server() {
        QTcpServer probe;
        if (!probe.listen(QHostAddress::LocalHost, 0))
            std::abort();
        port = probe.serverPort();
        probe.close();
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process.start(QStringLiteral(LC_APP_PROGRAM),
                      {QStringLiteral("serve"), QStringLiteral("--listen"),
                       QStringLiteral("127.0.0.1:%1").arg(port), QStringLiteral("--ini"),
                       fixture().ini});
        if (!process.waitForStarted())
            std::abort();
    }
    ~Server() {
        process.terminate();
        process.waitForFinished();
    }
};

// One GET on the kept connection; its body's size, or -1.
qsizetype get(QTcpSocket& socket, const QByteArray& target) {
    socket.write("GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n");
    QByteArray data;
    qsizetype end = -1;
    while ((end = data.indexOf("\r\n\r\n")) < 0 && socket.waitForReadyRead(10000))
        data += socket.readAll();
    if (end < 0)
        return -1;
    const QByteArray head = data.left(end).toLower();
    const qsizetype at = head.indexOf("content-length:");
    const qsizetype length =
        at < 0 ? 0 : head.mid(at + 15, head.indexOf('\r', at) - at - 15).trimmed().toLongLong();
    qsizetype have = data.size() - end - 4;
    while (have < length && socket.waitForReadyRead(10000))
        have += socket.readAll().size();
    return have == length && head.startsWith("http/1.1 200") ? have : -1;
}

void ics_server_month(benchmark::State& state) {
    Server server;
    QTcpSocket socket;
    const QByteArray target = "/calendar.ics?from=2026-03-01&to=2026-03-31";
    // The program needs a moment to listen.
    QElapsedTimer waited;
    waited.start();
    while (socket.state() != QAbstractSocket::ConnectedState && waited.elapsed() < 60000) {
        socket.connectToHost(QHostAddress::LocalHost, server.port);
        if (socket.waitForConnected(1000))
            break;
        socket.abort();
        QThread::msleep(100);
    }
    if (get(socket, target) < 0) {
        state.SkipWithError("the serve program does not answer");
        return;
    }
    const double bare = timed([&] { return direct(fixture().month); });
    const auto start = std::chrono::steady_clock::now();
    for (auto _ : state) {
        if (get(socket, target) < 0) {
            state.SkipWithError("a request failed");
            return;
        }
    }
    const double wall =
        std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count();
    state.counters["requests_per_second"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    state.counters["ratio"] = wall / double(state.iterations()) / bare;
}

BENCHMARK(ics_libical_direct)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(ics_write_year)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(ics_export_year)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(ics_server_month)->Unit(benchmark::kMillisecond)->UseRealTime()->MinTime(2.0);

} // namespace

int main(int argc, char** argv) {
    return bench::run(argc, argv, [] {
        const Fixture& f = fixture();
        std::fprintf(stderr,
                     "a year: %lld days, %lld services; a month: %lld days, %lld services\n",
                     qlonglong(f.year.days.size()), qlonglong(f.year.services.size()),
                     qlonglong(f.month.days.size()), qlonglong(f.month.services.size()));
    });
}
