// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarTestData.h"
#include "common/SqlFile.h"
#include "common/TestEnv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTcpSocket>
#include <csignal>
#include <libical/ical.h>

// The iCalendar file and the web feeds, through the program, on databases made by the schema
// module: what calendar programs read back from them.
namespace {

using namespace CalendarTestData;

class IcsProgramTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        // Services are written in the system's zone: one with daylight saving, whatever the
        // machine's. The last Saturday of October 2026 is the 24th; summer time ends on the 25th.
        m_savedTz = qgetenv("TZ");
        m_hadTz = qEnvironmentVariableIsSet("TZ");
        qputenv("TZ", "Europe/Oslo");
        liturgyFile = path("KorvaLume.MDB");
        planFile = path("Plan.MDB");
        ASSERT_TRUE(createLiturgy(
            liturgyFile, {
                             {1, ole(QDate(2026, 10, 24)), 20, 2, "Saturday after Trinity 20"},
                             {2, ole(QDate(2026, 10, 25)), 21, 2, "Trinity 21"},
                             {3, ole(QDate(2026, 10, 25)), 30, 3, "Crispin, Martyr"},
                             {4, ole(QDate(2026, 10, 26)), 22, QVariant(), QVariant()},
                             {6, ole(QDate(2026, 10, 21)), 23, 9, "Feria; Ærlig, kort"},
                             {5, ole(QDate(2026, 11, 2)), 24, 0, "All Souls"},
                         }));
        ASSERT_TRUE(SqlFile::exec(
            liturgyFile,
            {"INSERT INTO tbReadings VALUES (1, 1, 2, 208, 0, 'Psalm 23', 'Psalm')",
             "INSERT INTO tbReadings VALUES (2, 1, 1, 202, 0, 'Isaiah 55:1-5', 'First')",
             "INSERT INTO tbReadings VALUES (3, 2, 1, 204, 0, 'Matthew 22:1-14', 'Gospel')",
             "INSERT INTO tbReadings VALUES (4, 5, 1, 204, 0, 'John 6:37-40', 'Gospel')"}));
        ASSERT_TRUE(createPlan(
            planFile, {
                          {ole(QDate(2026, 10, 25)), timeOfDay(10, 0), "High Mass", "Cathedral"},
                          {ole(QDate(2026, 10, 24)), timeOfDay(23, 30), "Vigil", "Cathedral"},
                          {ole(QDate(2026, 10, 25)), timeOfDay(10, 0), "High Mass", "Cathedral"},
                          {ole(QDate(2026, 10, 26)), QVariant(), "Retreat", QVariant()},
                          {ole(QDate(2026, 11, 1)), timeOfDay(11, 0), "All Saints", "Chapel"},
                      }));
        iniFile = writeFile("host.ini", iniText(liturgyFile, planFile));
    }

    void TearDown() override {
        if (m_hadTz)
            qputenv("TZ", m_savedTz);
        else
            qunsetenv("TZ");
        TestEnv::TearDown();
    }

    ProgramRun run(const QStringList& arguments) const {
        return runProgram(LC_APP_PROGRAM, arguments);
    }

    QString liturgyFile;
    QString planFile;
    QString iniFile;

private:
    QByteArray m_savedTz;
    bool m_hadTz = false;
};

// A property's value as a program shows it: text unescaped.
QString propertyText(icalcomponent* component, icalproperty_kind kind) {
    icalproperty* property = icalcomponent_get_first_property(component, kind);
    if (!property)
        return {};
    icalvalue* value = icalproperty_get_value(property);
    if (icalvalue_isa(value) == ICAL_TEXT_VALUE)
        return QString::fromUtf8(icalvalue_get_text(value));
    return QString::fromUtf8(icalproperty_get_value_as_string(property));
}

// A calendar as a calendar program reads it: through libical's parser, one line for the
// calendar and one for each event (as written, and its start in UTC through the file's zone).
QStringList readBack(const QByteArray& text) {
    icalcomponent* calendar = icalparser_parse_string(text.constData());
    if (!calendar)
        return {QStringLiteral("not a calendar")};
    QStringList lines;
    icalcomponent* zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT);
    lines << QStringList{propertyText(calendar, ICAL_NAME_PROPERTY),
                         propertyText(calendar, ICAL_PRODID_PROPERTY),
                         propertyText(calendar, ICAL_REFRESHINTERVAL_PROPERTY),
                         zone ? propertyText(zone, ICAL_TZID_PROPERTY) : QStringLiteral("-")}
                 .join(QStringLiteral(" | "));
    for (icalcomponent* event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        icalproperty* start = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
        const QString written =
            QString::fromUtf8(icalproperty_as_ical_string(start)).trimmed().mid(7);
        const icaltimetype dtstart = icalcomponent_get_dtstart(event);
        const QString utc =
            dtstart.is_date ? QStringLiteral("all day")
                            : QString::fromUtf8(icaltime_as_ical_string(icaltime_convert_to_zone(
                                  dtstart, icaltimezone_get_utc_timezone())));
        lines << QStringList{QString::fromUtf8(icalcomponent_get_uid(event)),
                             written,
                             utc,
                             propertyText(event, ICAL_DURATION_PROPERTY),
                             QString::fromUtf8(icalcomponent_get_summary(event)),
                             propertyText(event, ICAL_COLOR_PROPERTY),
                             propertyText(event, ICAL_CATEGORIES_PROPERTY),
                             propertyText(event, ICAL_DESCRIPTION_PROPERTY),
                             propertyText(event, ICAL_LOCATION_PROPERTY),
                             propertyText(event, ICAL_TRANSP_PROPERTY)}
                     .join(QStringLiteral(" | "));
    }
    icalcomponent_free(calendar);
    return lines;
}

struct HttpReply {
    int status = -1;
    QByteArray contentType;
    QByteArray etag;
    QByteArray body;
};

// One HTTP/1.1 request on a connection of its own.
HttpReply request(quint16 port, const QByteArray& method, const QByteArray& target,
                  const QByteArray& headers = {}) {
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(10000))
        return {};
    socket.write(method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + headers + "\r\n");
    QByteArray data;
    qsizetype end = -1;
    while ((end = data.indexOf("\r\n\r\n")) < 0 && socket.waitForReadyRead(10000))
        data += socket.readAll();
    if (end < 0)
        return {};
    HttpReply reply;
    qsizetype length = 0;
    const QList<QByteArray> lines = data.left(end).split('\n');
    reply.status = lines.first().split(' ').value(1).toInt();
    for (const QByteArray& line : lines.mid(1)) {
        const qsizetype colon = line.indexOf(':');
        const QByteArray name = line.left(colon).trimmed().toLower();
        const QByteArray value = line.mid(colon + 1).trimmed();
        if (name == "content-type")
            reply.contentType = value;
        else if (name == "etag")
            reply.etag = value;
        else if (name == "content-length")
            length = value.toLongLong();
    }
    reply.body = data.mid(end + 4);
    while (reply.body.size() < length && socket.waitForReadyRead(10000))
        reply.body += socket.readAll();
    return reply;
}

// The events of the data above, from 2026-10-20 to 2026-10-26; the edition of KorvaLume.MDB
// is 1011. The service UIDs carry the start of SHA-256 of the kind, a zero byte and the place.
const QStringList kDays = {
    "day-1011-6-20261021@liturgy-calendar | ;VALUE=DATE:20261021 | all day |  | Feria; Ærlig, "
    "kort |  |  |  |  | TRANSPARENT",
    "day-1011-1-20261024@liturgy-calendar | ;VALUE=DATE:20261024 | all day |  | Saturday after "
    "Trinity 20 | green | Green | Isaiah 55:1-5\nPsalm 23 |  | TRANSPARENT",
    "day-1011-2-20261025@liturgy-calendar | ;VALUE=DATE:20261025 | all day |  | Trinity 21 | "
    "green | Green | Matthew 22:1-14 |  | TRANSPARENT",
    "day-1011-3-20261025@liturgy-calendar | ;VALUE=DATE:20261025 | all day |  | Crispin, Martyr "
    "| firebrick | Red |  |  | TRANSPARENT",
    "day-1011-4-20261026@liturgy-calendar | ;VALUE=DATE:20261026 | all day |  | Monday |  |  |  "
    "|  | TRANSPARENT",
};
const QStringList kServices = {
    "service-20261024-2330-dbcd023631318f97@liturgy-calendar | ;TZID=Europe/Oslo:20261024T233000 | "
    "20261024T213000Z | PT1H | Vigil – Saturday after Trinity 20 |  |  |  | Cathedral | ",
    "service-20261025-1000-3fd64a4e771d4734@liturgy-calendar | ;TZID=Europe/Oslo:20261025T100000 | "
    "20261025T090000Z | PT1H | High Mass – Crispin, Martyr |  |  |  | Cathedral | ",
    "service-20261025-1000-3fd64a4e771d4734-2@liturgy-calendar | ;TZID=Europe/Oslo:20261025T100000 "
    "| "
    "20261025T090000Z | PT1H | High Mass – Crispin, Martyr |  |  |  | Cathedral | ",
    "service-20261026-day-57795a6116d7ccfa@liturgy-calendar | ;VALUE=DATE:20261026 | all day |  | "
    "Retreat – Monday |  |  |  |  | ",
};

TEST_F(IcsProgramTest, FileReadsBackWithStableUidsAndWallClockTimes) {
    const QString zone = QStringLiteral("Europe/Oslo");
    const QString id = " | -//Brekka Data as//Liturgy Calendar//EN | PT6H | ";
    const struct {
        QStringList kinds;
        QString header;
        QStringList events;
        QString printed;
    } cases[] = {
        {{},
         "Church year and services (The Korva Diocese)" + id + zone,
         kDays + kServices,
         ": 5 days, 4 services\n"},
        {{"--days"}, "Church year (The Korva Diocese)" + id + "-", kDays, ": 5 days, 0 services\n"},
        {{"--services"}, "Services" + id + zone, kServices, ": 0 days, 4 services\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kinds.join(' ').toStdString());
        QString first;
        for (const QString& name : {QStringLiteral("first.ics"), QStringLiteral("second.ics")}) {
            const QString out = path(name);
            const ProgramRun r = run(QStringList{"ics", "--from", "2026-10-20", "--to",
                                                 "2026-10-26", "--ini", iniFile, "--out", out} +
                                     c.kinds);
            EXPECT_EQ(r.err, QString());
            EXPECT_EQ(r.exitCode, 0);
            EXPECT_EQ(r.out, out + c.printed);
            const QByteArray text = readFile(out);
            EXPECT_EQ(readBack(text), QStringList{c.header} + c.events);
            // A second run writes the same calendar but for the time it was made.
            const QString withoutStamps = QString::fromUtf8(text).remove(
                QRegularExpression(QStringLiteral("DTSTAMP:[0-9TZ]+\r\n")));
            if (first.isEmpty())
                first = withoutStamps;
            else
                EXPECT_EQ(withoutStamps, first);
        }
    }
}

TEST_F(IcsProgramTest, MistakesAndFailuresLeaveTheFileAsItWas) {
    const QString out = path("kept.ics");
    const QByteArray before = "an earlier calendar";
    const QString broken = writeFile("broken.ini", iniText(path("Broken.MDB"), planFile));
    const QString brokenFile = writeFile("Broken.MDB", "this is no database");
    const QString folder = path("folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString usage = "usage: liturgy-calendar ics [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
                          "[--days] [--services] [--edition CODE] [--ini FILE] [--server "
                          "CONNECTION-STRING] --out FILE.ics\n";
    const QString from = "liturgy-calendar: '2026-13-01' is not a date of the form YYYY-MM-DD\n";
    const QString ends =
        "liturgy-calendar: the range ends (2026-10-20) before it begins (2026-10-26)\n";
    const QString longer =
        "liturgy-calendar: the range from 2026-01-01 to 2031-12-31 is longer than 1830 days\n";
    const QString format = "liturgy-calendar: Unrecognized database format '" + brokenFile + "'.\n";
    const struct {
        QString arguments; // split at blanks
        int exitCode;
        QString err;
    } cases[] = {
        {"--from 2026-13-01", 2, from + usage},
        {"--from 2026-10-26 --to 2026-10-20", 2, ends + usage},
        {"--from 2026-01-01 --to 2031-12-31", 2, longer + usage},
        {"--from 2030-01-01 --to 2030-01-31", 1,
         "liturgy-calendar: 2030-01-01 to 2030-01-31 is outside the data: the liturgy database "
         "KorvaLume.MDB covers 2026-10-21 to 2026-11-02\n"},
        {"--from 2026-10-20 --ini " + broken, 1,
         format + "liturgy-calendar: the liturgy database Broken.MDB holds no calendar rows\n"},
        {"--from 2026-10-20 --services --ini " + broken, 1, format},
        {"--from 2026-10-20 --out " + folder, 1,
         "liturgy-calendar: '" + folder + "' is a folder, not a file\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.toStdString());
        writeFile("kept.ics", before);
        QStringList arguments = QStringList{"ics", "--out", out} + c.arguments.split(' ');
        if (!c.arguments.contains("--ini"))
            arguments << "--ini" << iniFile;
        const ProgramRun r = run(arguments);
        EXPECT_EQ(r.err, c.err);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, QString());
        EXPECT_EQ(readFile(out), before);
    }
}

TEST_F(IcsProgramTest, ServerAnswersTheFeedsUntilCtrlC) {
    quint16 port = 0;
    {
        QTcpServer probe;
        ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
        port = probe.serverPort();
    }
    QProcess server;
    startProgram(server, LC_APP_PROGRAM,
                 {"serve", "--listen", QStringLiteral("127.0.0.1:%1").arg(port), "--ini", iniFile});
    ASSERT_TRUE(server.waitForReadyRead(30000)) << server.readAllStandardError().toStdString();
    const QString started = QString::fromUtf8(server.readLine());
    EXPECT_EQ(started,
              QStringLiteral("serving the calendar feeds on http://127.0.0.1:%1/calendar.ics\n")
                  .arg(port));

    const QByteArray week = "/calendar.ics?from=2026-10-20&to=2026-10-26";
    const HttpReply feed = request(port, "GET", week);
    EXPECT_EQ(feed.status, 200);
    EXPECT_EQ(feed.contentType, "text/calendar; charset=utf-8");
    EXPECT_EQ(
        readBack(feed.body),
        QStringList{"Church year and services (The Korva Diocese) | -//Brekka Data as//Liturgy "
                    "Calendar//EN | PT6H | Europe/Oslo"} +
            kDays + kServices);
    ASSERT_FALSE(feed.etag.isEmpty());
    const QByteArray ifNoneMatch = "If-None-Match: " + feed.etag + "\r\n";

    const QByteArray saved = readFile(liturgyFile);
    const QByteArray readOnly = "The calendar feeds are read-only: only GET is allowed.\n";
    const struct {
        QByteArray method;
        QByteArray target;
        int status;
        QByteArray body;
        QByteArray headers = {};
        QByteArray breakOrMend = {}; // the liturgy file's new contents before the request
    } cases[] = {
        {"GET", week, 304, "", ifNoneMatch},
        {"GET", "/services.ics?from=2026-10-24&to=2026-10-24", 200, "", ifNoneMatch},
        {"GET", "/days.ics?from=2026-02-30", 400,
         "The dates are not valid: '2026-02-30' is not a date of the form YYYY-MM-DD.\n"},
        {"GET", "/days.ics?edition=first", 400, "The edition code 'first' is not a number.\n"},
        {"GET", "/days.ics?edition=12", 400,
         "12 is not an edition code; the editions of this data set are 1011 (The Korva "
         "Diocese).\n"},
        {"POST", week, 405, readOnly},
        {"DELETE", "/days.ics", 405, readOnly},
        {"GET", "/plan.ics", 404,
         "There is no feed at /plan.ics; the feeds are /days.ics, /services.ics and "
         "/calendar.ics.\n"},
        {"GET", week, 503, "The calendar cannot be read at the moment; please try again later.\n",
         ifNoneMatch, "no database"},
        {"GET", week, 304, "", ifNoneMatch, saved},
    };
    QStringList expectedLog;
    for (const auto& c : cases) {
        SCOPED_TRACE((c.method + ' ' + c.target).toStdString());
        if (!c.breakOrMend.isEmpty()) {
            QFile file(liturgyFile);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(c.breakOrMend);
        }
        const HttpReply reply = request(port, c.method, c.target, c.headers);
        EXPECT_EQ(reply.status, c.status);
        if (c.status != 200) {
            EXPECT_EQ(reply.body, c.body);
        }
        expectedLog << QString::fromUtf8(c.method + ' ' + c.target + ' ') +
                           QString::number(c.status);
    }

    ::kill(pid_t(server.processId()), SIGINT);
    ASSERT_TRUE(server.waitForFinished(30000));
    EXPECT_EQ(server.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(server.exitCode(), 0);
    // One line per request: time, client, request, status, size; the failure's reason; the end.
    QStringList log;
    static const QRegularExpression line(
        QStringLiteral("^\\S+ 127\\.0\\.0\\.1 \"(\\S+ \\S+)\" (\\d+) \\d+$"));
    for (const QString& text : QString::fromUtf8(server.readAllStandardOutput()).split('\n')) {
        const QRegularExpressionMatch m = line.match(text);
        log << (m.hasMatch() ? m.captured(1) + ' ' + m.captured(2) : text);
    }
    const QStringList expected = QStringList{"GET " + QString::fromUtf8(week) + " 200"} +
                                 expectedLog + QStringList{"stopped", ""};
    EXPECT_EQ(log, expected);
    // The reason of the failure is for the parish, on standard error.
    EXPECT_EQ(QString::fromUtf8(server.readAllStandardError()),
              "liturgy-calendar: the calendar cannot be read: Unrecognized database format '" +
                  liturgyFile + "'.\n");
}

} // namespace
