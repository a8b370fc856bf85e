// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarTestData.h"
#include "common/FakePrograms.h"
#include "common/OdtText.h"
#include "common/ServerTestDatabase.h"
#include "common/TestEnv.h"
#include "content/ContentTestData.h"
#include "data/Connection.h"
#include "data/DataSource.h"
#include "data/ServerCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <array>
#include <memory>

namespace {

// The program's commands with --server on a server database of their own. The plan starts
// without any file or table.
class ServerProgramTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        server = std::make_unique<ServerTestDatabase>();
        SKIP_WITHOUT_SERVER(*server);
        liturgyFile = path("Velmarka.MDB");
        {
            TestDatabase liturgy(liturgyFile, Schema::Kind::Liturgy);
            liturgy.addDay(1, QDate(2025, 1, 5), 10, "Epiphany 2");
            liturgy.addDay(2, QDate(2025, 1, 6), 11, "Epiphany");
            liturgy.addDay(3, QDate(2025, 1, 5), 30, QVariant());
            liturgy.exec("UPDATE tbCalenderData SET Day_Color = ID");
            liturgy.addReading(1, 1, 1, 204, 1, "John 2:1-11", "Gospel");
            // A quote the server's statements must carry through.
            liturgy.addBibleText(1, "<P>Water into 'wine'</P>");
            liturgy.addContent(9, "Collect of Epiphany", "<P>Grant</P>");
            liturgy.addLink(1, 201, 9);
            liturgy.addOrdo(QDate(2025, 1, 5), "<P>White; Gloria sung</P>");
        }
        planFile = path("Plan.mdb");
        QDir(dir()).mkpath("templates");
        writeFile("templates/MainPrint.CSS", "P { a: b }");
        ini = writeFile("host.ini", CalendarTestData::iniText(liturgyFile, planFile) +
                                        "TemplatePath=" + path("templates/").toUtf8() + "\r\n");
    }
    void TearDown() override {
        TestEnv::TearDown();
        server.reset();
    }

    void start(QProcess& process, QStringList arguments, const QString& serverString) const {
        arguments << QStringLiteral("--ini") << ini;
        // A null string: the command without the option.
        if (!serverString.isNull())
            arguments << QStringLiteral("--server") << serverString;
        startProgram(process, QStringLiteral(LC_APP_PROGRAM), arguments);
    }

    // Exit code, standard output and standard error of one run, on one line each.
    QString run(const QStringList& arguments, const QString& serverString) const {
        QProcess process;
        start(process, arguments, serverString);
        if (!process.waitForFinished(60000))
            return "did not finish";
        return QString::number(process.exitCode()) + QStringLiteral("|") +
               QString::fromUtf8(process.readAllStandardOutput()) + QStringLiteral("|") +
               QString::fromUtf8(process.readAllStandardError());
    }

    // The server's plan rows as "date time kind place", in date and time order.
    QStringList rows() const {
        Connection connection;
        connection.Open(server->connectionString());
        const RowTable table = connection.fetchAll(QStringLiteral(
            "SELECT to_char(Date, 'YYYY-MM-DD'), to_char(Time, 'HH24:MI'), ServType, Location "
            "FROM tbMainPlan ORDER BY Date, Time"));
        QStringList result;
        for (int r = 0; r < table.rowCount(); ++r)
            result.append(QStringList{table.at(0, r).toString(), table.at(1, r).toString(),
                                      table.at(2, r).toString(), table.at(3, r).toString()}
                              .join(QLatin1Char(' ')));
        return result;
    }

    std::unique_ptr<ServerTestDatabase> server;
    QString liturgyFile;
    QString planFile;
    QString ini;
};

TEST_F(ServerProgramTest, EightWorkstationsPlanningAtOnceLoseNoService) {
    // Eight series of 25 Sundays at eight times, written at once; the first writer makes the
    // plan table.
    std::array<QProcess, 8> writers;
    for (int i = 0; i < int(writers.size()); ++i)
        start(writers[i],
              {"service", "add", "--force", "--every", "sunday", "--from", "2025-01-01", "--count",
               "25", "--time", QStringLiteral("%1:00").arg(8 + i, 2, 10, QLatin1Char('0')),
               "--type", "Mass", "--place", QStringLiteral("Altar %1").arg(i)},
              server->connectionString());
    for (QProcess& writer : writers) {
        ASSERT_TRUE(writer.waitForFinished(120000));
        EXPECT_EQ(writer.exitCode(), 0) << writer.readAllStandardError().toStdString();
        EXPECT_EQ(writer.readAllStandardOutput().count('\n'), 25);
    }
    QStringList expected;
    for (int week = 0; week < 25; ++week)
        for (int i = 0; i < 8; ++i)
            expected.append(QStringLiteral("%1 %2:00 Mass Altar %3")
                                .arg(QDate(2025, 1, 5).addDays(7 * week).toString(Qt::ISODate))
                                .arg(8 + i, 2, 10, QLatin1Char('0'))
                                .arg(i));
    const QStringList written = rows();
    EXPECT_EQ(written, expected);
    EXPECT_EQ(QSet<QString>(written.begin(), written.end()).size(), 200);
    EXPECT_FALSE(QFileInfo::exists(planFile));
}

TEST_F(ServerProgramTest, ListAndRemoveWorkOnTheServersPlan) {
    const QString cs = server->connectionString();
    const QString secret = "N0t;Th1s";
    struct Case {
        QString arguments; // split at blanks: a blank at the end is an empty argument
        QString serverString;
        QString expected; // exit code | output | errors
    };
    const QList<Case> cases = {
        {"service list 2025-01", cs, "0||"},
        // The server holds no calendar: the refusal of a date outside the data, nothing more.
        {"service add 2025-01-05 --time 10:00", cs,
         "1||liturgy-calendar: 2025-01-05 cannot be checked against the liturgy data: the "
         "liturgy database holds no calendar. --force plans it anyway.\n"},
        {"service add 2025-01-05 --force --time 10:00 --type Høymesse", cs,
         "0|2025-01-05\t10:00\tHøymesse\t\n|"},
        {"service add --force --every wed --from 2025-01-01 --to 2025-01-15 --time 18:00 --place "
         "Crypt",
         cs,
         "0|2025-01-01\t18:00\t\tCrypt\n2025-01-08\t18:00\t\tCrypt\n2025-01-15\t18:00\t\t"
         "Crypt\n|"},
        {"service remove 2025-01-08 --time 18:00", cs, "0|2025-01-08\t18:00\t\tCrypt\n|"},
        {"service remove 2025-01-08 --time 18:00", cs,
         "1||liturgy-calendar: no service is planned on 2025-01-08 at 18:00\n"},
        {"service list 2025-01 --json", cs,
         "0|{\"month\":\"2025-01\",\"services\":[{\"date\":\"2025-01-01\",\"time\":\"18:00\","
         "\"type\":\"\",\"place\":\"Crypt\"},{\"date\":\"2025-01-05\",\"time\":\"10:00\","
         "\"type\":\"Høymesse\",\"place\":\"\"},{\"date\":\"2025-01-15\",\"time\":\"18:00\","
         "\"type\":\"\",\"place\":\"Crypt\"}]}\n|"},
        {"service add 2025-01-05", server->withPassword(secret), "password"},
        {"service add 2025-01-05 --server ", QString(), "2||liturgy-calendar: --server needs a"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.toStdString());
        const QString result = run(c.arguments.split(QLatin1Char(' ')), c.serverString);
        if (c.expected == QLatin1String("password")) {
            // A wrong password: the server's reason, never the password; and a warning that
            // a password on the command line is there for every user to read.
            EXPECT_TRUE(result.startsWith(
                "1||liturgy-calendar: warning: other users of this computer can read the "
                "password given with --server; leave it out and set PGPASSWORD, put it in "
                "~/.pgpass or use service=NAME\n"))
                << result.toStdString();
            EXPECT_TRUE(result.contains("password authentication failed")) << result.toStdString();
            EXPECT_FALSE(result.contains("Th1s")) << result.toStdString();
        } else if (c.serverString.isNull()) {
            EXPECT_TRUE(result.startsWith(c.expected)) << result.toStdString();
        } else {
            EXPECT_EQ(result, c.expected) << result.toStdString();
        }
    }
    EXPECT_EQ(rows(), QStringList({"2025-01-01 18:00  Crypt", "2025-01-05 10:00 Høymesse ",
                                   "2025-01-15 18:00  Crypt"}));
    EXPECT_FALSE(QFileInfo::exists(planFile));
}

} // namespace

TEST_F(ServerProgramTest, EveryCommandReadsTheServerWithTheFilesEmptied) {
    FakePrograms fakes(path("bin"));
    fakes.add("xdg-email");
    // A date value with a time of day in it, and a service without a place.
    ASSERT_TRUE(CalendarTestData::createPlan(
        planFile, {{CalendarTestData::ole(QDate(2025, 1, 5), QTime(12, 0)),
                    CalendarTestData::timeOfDay(10, 0), "Mass", "Nave"},
                   {CalendarTestData::ole(QDate(2025, 1, 5)), CalendarTestData::timeOfDay(18, 30),
                    "Vespers", QVariant()}}));
    // Each split at blanks.
    const QStringList commands = {"month 2025-01 --json",
                                  "month 2025-01",
                                  "week 2025-01",
                                  "week 2025-01 --json",
                                  "day 2025-01-05",
                                  "day 2025-01-05 --entry 2",
                                  "day 2025-01-05 --kind prayers",
                                  "day 2025-01-05 --kind ordo",
                                  "day 2025-01-05 --list",
                                  "mail day 2025-01-05",
                                  "service list 2025-01",
                                  "export month 2025-01 --odt month.odt",
                                  "export day 2025-01-05 --odt day.odt",
                                  "print month 2025-01 --pdf month.pdf",
                                  "print week 2025-01 --pdf week.pdf",
                                  "print day 2025-01-05 --pdf day.pdf",
                                  "--date 2025-01-06 --screenshot window.png"};
    // Each command's result, and the text of the document it wrote (a PDF: that it was).
    const auto results = [&](const QString& serverString) {
        QStringList all;
        for (const QString& command : commands) {
            const QString document = path(command.section(QLatin1Char(' '), -1));
            QFile::remove(document);
            QString result = run(command.split(QLatin1Char(' ')), serverString);
            if (document.endsWith(QLatin1String(".odt")))
                result += QStringLiteral("|") + odtText(document);
            else if (document.endsWith(QLatin1String(".png")))
                result += QStringLiteral("|") + QString::fromLatin1(readFile(document).toBase64());
            else if (document.endsWith(QLatin1String(".pdf")))
                result += QFileInfo(document).size() > 1000 ? QStringLiteral("|printed")
                                                            : QStringLiteral("|not printed");
            all.append(result);
        }
        return all;
    };
    // Without the option the INI's files are read; the server holds a copy of them.
    QString error;
    ASSERT_TRUE(
        ServerCopy::copy(liturgyFile, Schema::Kind::Liturgy, server->connectionString(), &error))
        << error.toStdString();
    ASSERT_TRUE(ServerCopy::copy(planFile, Schema::Kind::Plan, server->connectionString(), &error))
        << error.toStdString();
    const QStringList fromFiles = results(QString());
    const QString shown = fromFiles.join(QLatin1Char('\n'));
    for (const char* text : {"Epiphany 2", "Water into 'wine'", "Collect of Epiphany",
                             "Gloria sung", "Mass", "Vespers", "|printed"})
        EXPECT_TRUE(shown.contains(QLatin1String(text))) << text << "\n" << shown.toStdString();
    EXPECT_FALSE(shown.contains(QLatin1String("not printed"))) << shown.toStdString();
    for (const QString& result : fromFiles)
        EXPECT_TRUE(result.startsWith("0|")) << result.toStdString();

    // The files the INI names now hold nothing: every row must come from the server.
    ASSERT_TRUE(QFile::remove(liturgyFile) && QFile::remove(planFile));
    ASSERT_TRUE(CalendarTestData::createLiturgy(liturgyFile, {}) &&
                CalendarTestData::createPlan(planFile, {}));
    const QStringList served = results(server->connectionString());
    ASSERT_EQ(served.size(), fromFiles.size());
    for (int i = 0; i < served.size(); ++i)
        EXPECT_TRUE(served[i] == fromFiles[i]) << commands[i].toStdString() << "\n"
                                               << served[i].left(2000).toStdString();
    // The edition names the server (without its password) and the dates of its calendar.
    const QString edition = run({"edition"}, server->connectionString());
    EXPECT_TRUE(edition.startsWith("0|")) << edition.toStdString();
    // The test's programs take the cluster's password from PGPASSWORD, so none is shown.
    QString withoutPassword = server->connectionString();
    withoutPassword.remove(QRegularExpression(QStringLiteral("Password=[^;]*;")));
    EXPECT_TRUE(edition.contains(QStringLiteral("\ndates\t2025-01-05 to 2025-01-06\nserver\t") +
                                 withoutPassword + QStringLiteral("\nLiturgyFile\t")))
        << edition.toStdString();
    // The window without the option now shows the empty files.
    EXPECT_NE(results(QString()).last(), fromFiles.last());
    EXPECT_EQ(fakes.runs("xdg-email").size(), 2);
}
