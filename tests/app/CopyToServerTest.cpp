// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarTestData.h"
#include "common/ServerTestDatabase.h"
#include "common/TestEnv.h"
#include "content/ContentTestData.h"
#include "data/AccessCache.h"
#include "data/Connection.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <memory>

// copy-to-server and make-sample-data --server run end to end against a server database of the
// test's own, checked through the month and week commands in both modes.
namespace {

using CalendarTestData::ole;
using CalendarTestData::timeOfDay;

QString keyOf(const QString& connectionString, const char* key) {
    return QRegularExpression(QStringLiteral("(?:^|;)%1=([^;]*)").arg(QLatin1String(key)))
        .match(connectionString)
        .captured(1);
}

class CopyToServerTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        server = std::make_unique<ServerTestDatabase>();
        SKIP_WITHOUT_SERVER(*server);
        cs = server->connectionString();
        liturgy = std::make_unique<TestDatabase>(path("Velmarka.MDB"), Schema::Kind::Liturgy);
        liturgy->addDay(1, QDate(2024, 3, 3), 11, "Oculi");
        liturgy->addDay(2, QDate(2024, 3, 3), 486, "Feast 486");
        liturgy->addDay(3, QDate(2024, 3, 19), 40, "Saint Joseph");
        liturgy->addDay(4, QDate(2024, 3, 31), 12, "Easter \"Day\"");
        liturgy->exec("UPDATE tbCalenderData SET Day_Color = ID");
        liturgy->exec("INSERT INTO tbFeasts VALUES (11, 'Third Sunday in Lent')");
        liturgy->addReading(1, 1, 1, 204, 1, "Luke 11:14-28", "Gospel");
        liturgy->addBibleText(1, "<P>Øyne</P>");
        liturgy->addLink(1, 201, 9);
        liturgy->addContent(9, "Collect", "<P>Grant</P>");
        liturgy->addOrdo(QDate(2024, 3, 3), "<P>Violet</P>");
        plan = path("Plan.mdb");
        ASSERT_TRUE(CalendarTestData::createPlan(
            plan, {
                      {ole(QDate(2024, 3, 3)), timeOfDay(18, 0), "Vespers", "Chapel"},
                      {ole(QDate(2024, 3, 3), QTime(12, 0)), timeOfDay(10, 0), "Mass", QVariant()},
                      {ole(QDate(2024, 3, 12)), timeOfDay(9, 5), "Choir", "Hall"},
                  }));
        service = std::make_unique<TestDatabase>(path("Service.mdb"), Schema::Kind::Service);
        service->addUserText(1, "<P>Welcome</P>");
    }
    void TearDown() override {
        liturgy.reset();
        service.reset();
        TestEnv::TearDown();
        server.reset();
    }

    ProgramRun run(const QStringList& arguments, const QString& program = LC_APP_PROGRAM) const {
        return runProgram(program, arguments, 120000);
    }

    QString ini(const QString& name, const QString& liturgyFile, const QString& planFile,
                const QString& serviceFile) const {
        return writeFile(name, "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() +
                                   "\r\nPlanFile=" + planFile.toUtf8() +
                                   "\r\nServiceFile=" + serviceFile.toUtf8() + "\r\n");
    }

    // The tables of the server database, with their rows: "name rows" lines.
    QString serverTables() const {
        Connection c;
        c.Open(cs);
        const RowTable names = c.fetchAll("SELECT table_name FROM information_schema.tables WHERE "
                                          "table_schema = current_schema() ORDER BY table_name");
        QString text;
        for (int r = 0; r < names.rowCount(); ++r) {
            const QString name = names.at(0, r).toString();
            text += name + QLatin1Char(' ') +
                    c.fetchFirstValue(QStringLiteral("SELECT COUNT(*) FROM ") + name)->toString() +
                    QLatin1Char('\n');
        }
        return text;
    }

    // Month and week of March 2024 from the INI's files, then from the server.
    QStringList calendars(const QString& iniFile) const {
        QStringList outputs;
        for (const bool fromServer : {false, true}) {
            for (const char* command : {"month", "week"}) {
                QStringList arguments{QLatin1String(command), "2024-03", "--ini", iniFile};
                if (fromServer)
                    arguments << QStringLiteral("--server") << cs;
                const ProgramRun r = run(arguments);
                outputs.append(QString::number(r.exitCode) + r.err + r.out);
            }
        }
        return outputs;
    }

    std::unique_ptr<ServerTestDatabase> server;
    std::unique_ptr<TestDatabase> liturgy;
    std::unique_ptr<TestDatabase> service;
    QString cs;
    QString plan;
};

constexpr char kReport[] = "Table           Data files      Server\n"
                           "tbCalenderData           4           4\n"
                           "tbFeasts                 1           1\n"
                           "tbOrdo                   1           1\n"
                           "tbContent                1           1\n"
                           "tbBibleText              1           1\n"
                           "tbLyrics                 0           0\n"
                           "tbReadings               1           1\n"
                           "tbContentLinks           1           1\n"
                           "tbMainPlan               3           3\n"
                           "tbUserText               1           1\n"
                           "Every table on the server holds the rows of its data "
                           "file.\n";
constexpr char kProgress[] = "Copying to the server: 0% (0 of 14 rows)\n"
                             "Copying to the server: 28% (4 of 14 rows)\n"
                             "Copying to the server: 50% (7 of 14 rows)\n"
                             "Copying to the server: 78% (11 of 14 rows)\n"
                             "Copying to the server: 100% (14 of 14 rows)\n";
constexpr char kTables[] = "tbbibletext 1\ntbcalenderdata 4\ntbcontent 1\n"
                           "tbcontentlinks 1\ntbfeasts 1\ntblyrics 0\ntbmainplan 3\n"
                           "tbordo 1\ntbreadings 1\ntbusertext 1\n";

TEST_F(CopyToServerTest, CopiesSqliteAndAccessFilesAndTheServerShowsTheSameCalendars) {
    // A user's Access file is read through its cached SQLite copy; the copy of this one holds
    // the liturgy database, so that the server's month can be compared with the file's.
    const QString testFile = accessTestFile("DateTestDatabase.mdb");
    if (testFile.isEmpty())
        GTEST_SKIP() << "the Access test files (shared/testdata beside the source folder) are "
                        "missing";
    const QString access = writeFile("Parish.mdb", readFile(testFile));
    ASSERT_TRUE(QDir().mkpath(AccessCache::folder()));
    ASSERT_TRUE(
        QFile::copy(liturgy->path(), AccessCache::folder() + AccessCache::copyName(access)));

    const struct {
        const char* name;
        QString ini;
    } cases[] = {
        {"SQLite files", ini("sqlite.ini", liturgy->path(), plan, service->path())},
        {"Access liturgy database", ini("access.ini", access, plan, service->path())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun copied =
            run({"copy-to-server", "--ini", c.ini, "--server", cs, "--replace"});
        EXPECT_EQ(copied.exitCode, 0);
        EXPECT_EQ(copied.out, kReport);
        EXPECT_EQ(copied.err, kProgress);
        EXPECT_EQ(serverTables(), kTables);
        const QStringList outputs = calendars(c.ini);
        ASSERT_EQ(outputs.size(), 4);
        EXPECT_TRUE(outputs[0].startsWith("0March 2024")) << outputs[0].toStdString();
        EXPECT_TRUE(outputs[0].contains("Saint Joseph")) << outputs[0].toStdString();
        EXPECT_TRUE(outputs[1].contains("Chapel")) << outputs[1].toStdString();
        EXPECT_EQ(outputs[2], outputs[0]);
        EXPECT_EQ(outputs[3], outputs[1]);
    }
}

TEST_F(CopyToServerTest, TablesThereAlreadyAreReplacedOnlyWhenAsked) {
    const QString host = ini("host.ini", liturgy->path(), plan, service->path());
    const QStringList copy{"copy-to-server", "--ini", host, "--server", cs};
    ASSERT_EQ(run(copy).exitCode, 0);
    liturgy->addDay(5, QDate(2024, 3, 25), 60, "Annunciation");

    const ProgramRun refused = run(copy);
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(refused.out, QString());
    EXPECT_EQ(refused.err,
              QStringLiteral("liturgy-calendar: The server database '%1' holds the tables "
                             "tbCalenderData, tbFeasts, tbOrdo, tbContent, tbBibleText, tbLyrics, "
                             "tbReadings, tbContentLinks, tbMainPlan, tbUserText already; they are "
                             "replaced only when asked to (--replace).\n")
                  .arg(keyOf(cs, "Database")));
    EXPECT_EQ(serverTables(), kTables);

    const ProgramRun replaced = run(copy + QStringList{"--replace"});
    EXPECT_EQ(replaced.exitCode, 0) << replaced.err.toStdString();
    EXPECT_EQ(replaced.out, QString(kReport).replace("tbCalenderData           4           4",
                                                     "tbCalenderData           5           5"));
    EXPECT_EQ(serverTables(), QString(kTables).replace("tbcalenderdata 4", "tbcalenderdata 5"));
    const QStringList outputs = calendars(host);
    EXPECT_TRUE(outputs[2].contains("Annunciation")) << outputs[2].toStdString();
    EXPECT_EQ(outputs[2], outputs[0]);
}

TEST_F(CopyToServerTest, BadInputIsRefusedWithItsReasonAndLeavesTheServerEmpty) {
    const QString other = accessTestFile("DateTestDatabase.mdb");
    if (other.isEmpty())
        GTEST_SKIP() << "the Access test files (shared/testdata beside the source folder) are "
                        "missing";
    const QString password = keyOf(cs, "Password");
    const QString socket = keyOf(cs, "Server");
    const QString database = keyOf(cs, "Database");
    const QString user = keyOf(cs, "User ID");
    const QString gone = path("Gone.MDB");
    const QString dates = writeFile("Dates.mdb", readFile(other));
    TestDatabase badDates(path("BadDates.MDB"), Schema::Kind::Liturgy);
    badDates.addDay(1, QDate(2024, 3, 3), 11, "Oculi");
    badDates.exec("INSERT INTO tbOrdo VALUES ('soon', 'text')");
    const QString noFiles = writeFile("nofiles.ini", "[Files]\r\nTemplatePath=/x/\r\n");
    const QString fine = ini("fine.ini", liturgy->path(), plan, service->path());
    const QString usage = "usage: liturgy-calendar copy-to-server --ini FILE --server "
                          "CONNECTION-STRING [--replace]\n";

    const QString warning =
        "liturgy-calendar: warning: other users of this computer can read the password given "
        "with --server; leave it out and set PGPASSWORD, put it in ~/.pgpass or use "
        "service=NAME\n";
    const struct {
        const char* name;
        QStringList arguments;
        int exitCode;
        QString err;           // after the program's name
        QString progress = {}; // before it
    } cases[] = {
        {"no server",
         {"--ini", fine},
         2,
         "copy-to-server needs --ini FILE and --server CONNECTION-STRING\n" + usage},
        {"unknown option",
         {"--ini", fine, "--server", cs, "--force"},
         2,
         "unexpected argument '--force'\n" + usage},
        {"missing INI",
         {"--ini", path("none.ini"), "--server", cs},
         1,
         QStringLiteral("The INI file '%1' does not exist.\n").arg(path("none.ini"))},
        {"INI naming no files",
         {"--ini", noFiles, "--server", cs},
         1,
         QStringLiteral("The INI file '%1' names no database: its section \"Files\" has "
                        "no LiturgyFile, PlanFile or ServiceFile.\n")
             .arg(noFiles)},
        {"missing data file",
         {"--ini", ini("gone.ini", liturgy->path(), plan, gone), "--server", cs},
         1,
         QStringLiteral("The service database cannot be read: Could not find file "
                        "'%1'.\n")
             .arg(gone)},
        {"Access file of another kind",
         {"--ini", ini("dates.ini", liturgy->path(), dates, service->path()), "--server", cs},
         1,
         QStringLiteral("The plan database '%1' has no table tbMainPlan.\n").arg(dates)},
        {"no PostgreSQL string",
         {"--ini", fine, "--server",
          QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Password=%2;")
              .arg(liturgy->path(), password)},
         1,
         QStringLiteral("The connection string 'Provider=Microsoft.Jet.OLEDB.4.0;Data "
                        "Source=%1;Password=********;' names no PostgreSQL server.\n")
             .arg(liturgy->path()),
         warning},
        {"wrong password",
         {"--ini", fine, "--server", server->withPassword(password + QStringLiteral("x"))},
         1,
         QStringLiteral("Cannot open the database '%1' on the server '%2': connection to "
                        "server on socket \"%2/.s.PGSQL.5432\" failed: FATAL:  password "
                        "authentication failed for user \"%3\"\n")
             .arg(database, socket, user),
         warning},
        {"unreachable server",
         {"--ini", fine, "--server", QString(cs).replace(socket, path("nosocket"))},
         1,
         QStringLiteral("Cannot open the database '%1' on the server '%2': connection to "
                        "server on socket \"%2/.s.PGSQL.5432\" failed: No such file or "
                        "directory Is the server running locally and accepting "
                        "connections on that socket?\n")
             .arg(database, path("nosocket"))},
        {"no date in a date column",
         {"--ini", ini("bad.ini", badDates.path(), plan, service->path()), "--server", cs},
         1,
         "The value 'soon' of tbOrdo.itemDate is no date.\n",
         "Copying to the server: 0% (0 of 6 rows)\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ProgramRun r = run(QStringList{"copy-to-server"} + c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, QString());
        EXPECT_EQ(r.err, c.progress + "liturgy-calendar: " + c.err) << r.err.toStdString();
        EXPECT_FALSE(r.err.contains(password));
        EXPECT_EQ(serverTables(), QString());
    }
}

TEST_F(CopyToServerTest, MakeSampleDataLoadsOneEditionOntoTheServer) {
    const QString set = path("set");
    ASSERT_EQ(
        run({"--out", set, "--from", "2024", "--to", "2024"}, LC_SAMPLE_DATA_PROGRAM).exitCode, 0);
    const ProgramRun loaded =
        run({"--server", cs, "--edition", "47", "--from", "2024", "--to", "2024"},
            LC_SAMPLE_DATA_PROGRAM);
    EXPECT_EQ(loaded.exitCode, 0) << loaded.err.toStdString();
    EXPECT_TRUE(loaded.out.contains("tbCalenderData         371         371\n"
                                    "tbFeasts                96          96\n"))
        << loaded.out.toStdString();
    const QStringList outputs = calendars(set + "/liturgy-47.ini");
    EXPECT_TRUE(outputs[0].startsWith("0mars 2024")) << outputs[0].toStdString();
    EXPECT_EQ(outputs[2], outputs[0]);
    EXPECT_EQ(outputs[3], outputs[1]);
}

} // namespace
