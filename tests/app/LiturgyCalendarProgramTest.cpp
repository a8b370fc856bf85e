// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SampleDataWriter.h"
#include "calendar/CalendarTestData.h"
#include "common/FakePrograms.h"
#include "common/OdtText.h"
#include "common/SqlFile.h"
#include "common/TestEnv.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <csignal>

// The liturgy-calendar program run end to end on databases made by the schema module.
namespace {

using namespace CalendarTestData;

class LiturgyCalendarProgramTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        liturgyFile = path("KorvaLume.MDB");
        planFile = path("Plan.MDB");
    }

    ProgramRun run(const QStringList& arguments) const {
        return runProgram(LC_APP_PROGRAM, arguments);
    }

    QString ini() const { return writeFile("host.ini", iniText(liturgyFile, planFile)); }

    // The March 2024 data of most tests.
    void createMarch() const {
        ASSERT_TRUE(
            createLiturgy(liturgyFile, {
                                           {1, ole(QDate(2024, 2, 25)), 10, 1, "Reminiscere"},
                                           {2, ole(QDate(2024, 3, 3)), 11, 1, "Oculi"},
                                           {3, ole(QDate(2024, 3, 3)), 486, 3, "Feast 486"},
                                           {4, ole(QDate(2024, 3, 31)), 12, 0, "Easter \"Day\""},
                                       }));
        ASSERT_TRUE(createPlan(planFile,
                               {
                                   {ole(QDate(2024, 3, 3)), timeOfDay(18, 0), "Vespers", "Chapel"},
                                   {ole(QDate(2024, 3, 3)), timeOfDay(10, 0), "Mass", "Cathedral"},
                                   {ole(QDate(2024, 3, 12)), timeOfDay(9, 5), "Choir", "Hall"},
                               }));
    }

    // The JSON objects of the dates `from` to `to`: `special` ones as given, the others as
    // `plain` with the date for %1.
    static QString jsonDays(const QDate& from, const QDate& to, const QMap<QDate, QString>& special,
                            const QString& plain) {
        QStringList days;
        for (QDate d = from; d <= to; d = d.addDays(1))
            days << special.value(d, plain.arg(d.toString(Qt::ISODate)));
        return days.join(',');
    }

    QString liturgyFile;
    QString planFile;
};

TEST_F(LiturgyCalendarProgramTest, MonthAsJson) {
    createMarch();
    const QString expectedDays = jsonDays(
        QDate(2024, 3, 1), QDate(2024, 3, 31),
        {{QDate(2024, 3, 3), "{\"date\":\"2024-03-03\",\"lines\":[\"Oculi\",\"Feast 486\",\"\"],"
                             "\"color\":\"#C60000\",\"marker\":3}"},
         {QDate(2024, 3, 12), "{\"date\":\"2024-03-12\",\"lines\":[\"\",\"\",\"\"],\"color\":null,"
                              "\"marker\":1}"},
         {QDate(2024, 3, 31), "{\"date\":\"2024-03-31\",\"lines\":[\"Easter \\\"Day\\\"\",\"\","
                              "\"\"],\"color\":\"#FFFFFF\",\"marker\":0}"}},
        "{\"date\":\"%1\",\"lines\":[\"\",\"\",\"\"],\"color\":null,\"marker\":0}");

    // The host's code 1 is replaced by the database file's edition, 1011, which leaves feast
    // 486 out.
    const ProgramRun r = run({"month", "2024-03", "--ini", ini(), "--json"});
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(r.exitCode, 0);
    QString edition1011 = expectedDays;
    edition1011.replace("[\"Oculi\",\"Feast 486\",\"\"],\"color\":\"#C60000\"",
                        "[\"Oculi\",\"\",\"\"],\"color\":\"#B377D7\"");
    EXPECT_EQ(r.out, QStringLiteral("{\"edition\":1011,\"edition_name\":\"The Korva Diocese\","
                                    "\"year\":2024,\"month\":3,\"days\":[") +
                         edition1011 + QStringLiteral("]}\n"));

    // Under a file name of no edition the host's code stays, and every feast is shown.
    liturgyFile = path("Other.MDB");
    QFile::rename(path("KorvaLume.MDB"), liturgyFile);
    const ProgramRun other = run({"month", "2024-03", "--edition", "47", "--json", "--ini", ini()});
    EXPECT_EQ(other.exitCode, 0);
    EXPECT_EQ(other.out, QStringLiteral("{\"edition\":47,\"edition_name\":\"\",\"year\":2024,"
                                        "\"month\":3,\"days\":[") +
                             expectedDays + QStringLiteral("]}\n"));
}

TEST_F(LiturgyCalendarProgramTest, WeekAsJsonOverTheMonthViewsRange) {
    createMarch();
    const ProgramRun r = run({"week", "2024-03", "--ini", ini(), "--json"});
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(r.exitCode, 0);
    // en_US weeks start on Sunday: 2024-02-25 to 2024-03-31.
    const QString days = jsonDays(
        QDate(2024, 2, 25), QDate(2024, 3, 31),
        {{QDate(2024, 2, 25), "{\"date\":\"2024-02-25\",\"text\":\"Reminiscere\",\"colors\":"
                              "[\"#B377D7\",null,null],\"marker\":0}"},
         {QDate(2024, 3, 3), "{\"date\":\"2024-03-03\",\"text\":\"Oculi\\r\\nFeast 486\\r\\n"
                             "10:00 AM - Cathedral - Mass\\r\\n6:00 PM - Chapel - Vespers\","
                             "\"colors\":[\"#B377D7\",\"#C60000\",null],\"marker\":3}"},
         {QDate(2024, 3, 12), "{\"date\":\"2024-03-12\",\"text\":\"\\r\\n9:05 AM - Hall - "
                              "Choir\",\"colors\":[null,null,null],\"marker\":1}"},
         {QDate(2024, 3, 31), "{\"date\":\"2024-03-31\",\"text\":\"Easter \\\"Day\\\"\","
                              "\"colors\":[\"#FFFFFF\",null,null],\"marker\":0}"}},
        "{\"date\":\"%1\",\"text\":\"\",\"colors\":[null,null,null],\"marker\":0}");
    EXPECT_EQ(r.out, "{\"from\":\"2024-02-25\",\"to\":\"2024-03-31\",\"days\":[" + days + "]}\n");
}

TEST_F(LiturgyCalendarProgramTest, EditionDatesAndFiles) {
    createMarch();
    const QString missing = path("nothing.mdb");
    const QString files = QStringLiteral("PlanFile\t%1\nServiceFile\t\t(not named)\n"
                                         "TemplatePath\t\t(not named)\n")
                              .arg(planFile);
    // The edition follows from the liturgy file, whatever the host says.
    const QString korva =
        "1011\tThe Korva Diocese\ndates\t2024-02-25 to 2024-03-31\nLiturgyFile\t" + liturgyFile +
        "\n" + files;
    const struct {
        QString liturgy;
        QStringList arguments;
        QString out;
    } cases[] = {
        {liturgyFile, {"edition"}, korva},
        {liturgyFile, {"edition", "--edition", "1020"}, korva},
        {missing,
         {"edition", "--edition", "10024"},
         "10024\t\ndates\tthe liturgy database '" + missing + "' does not exist\nLiturgyFile\t" +
             missing + "\t(missing)\n" + files},
        // The Norwegian edition's words are Norwegian.
        {QString(),
         {"edition", "--edition", "47"},
         "47\t\ndates\tINI-filen '" + path("host.ini") +
             "' nevner ingen liturgidatabase\nLiturgyFile\t\t(ikke oppgitt)\nPlanFile\t" +
             planFile + "\nServiceFile\t\t(ikke oppgitt)\nTemplatePath\t\t(ikke oppgitt)\n"},
    };
    for (const auto& c : cases) {
        liturgyFile = c.liturgy;
        const ProgramRun r = run(c.arguments + QStringList{"--ini", ini()});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, c.out);
    }
}

TEST_F(LiturgyCalendarProgramTest, DatesOutsideTheDataAndUnknownEditionsOnAGeneratedSet) {
    const QString folder = dir() + QStringLiteral("data/liturgy-calendar");
    SampleDataOptions options;
    options.outDir = folder;
    options.fromYear = 2025;
    options.toYear = 2026;
    QString error;
    ASSERT_TRUE(SampleDataWriter(options, [](const QString&) {}).run(&error))
        << error.toStdString();
    const QString outside = QStringLiteral(
        "liturgy-calendar: %1 is outside the data: the liturgy database %2 covers 2025-01-01 to "
        "2026-12-31");
    // What the user can choose: the editions this data set has, not every code there is.
    const QString editions = QStringLiteral(
        "the editions of this data set are 1 (The Brastel Assembly), 47 (Velmark Church - A), "
        "1007 (The Brastel Diocese), 1011 (The Korva Diocese), 1015 (Quorvan Coastal Church)");
    const QString noEdition = "liturgy-calendar: %1 is not an edition code; " + editions;
    const struct {
        QString arguments; // split at blanks
        int exitCode;
        QString firstError; // the first line of standard error
    } cases[] = {
        {"day 1989-06-01", 1, outside.arg("1989-06-01", "Brastelo.MDB")},
        // The Norwegian edition says it in Norwegian, a mistake of the command line too.
        {"day 2027-01-01 --edition 47", 1,
         "liturgy-calendar: 2027-01-01 ligger utenfor dataene: liturgidatabasen Velmarka.MDB "
         "dekker 2025-01-01 til 2026-12-31"},
        {"ics --from 2027-01-01 --to 2027-01-31 --edition 47 --out " + dir() + "velmark.ics", 1,
         "liturgy-calendar: 2027-01-01 til 2027-01-31 ligger utenfor dataene: liturgidatabasen "
         "Velmarka.MDB dekker 2025-01-01 til 2026-12-31"},
        {"month 24-03 --edition 47", 2,
         "liturgy-calendar: '24-03' er ikke en måned på formen ÅÅÅÅ-MM"},
        {"day 2025-07-08 --kind ordo", 0, ""},
        {"day 2025-12-01 --edition 1011 --kind ordo", 0, ""},
        {"month 2061-01", 1, outside.arg("2061-01", "Brastelo.MDB")},
        // A code of no edition of its own reads the first edition's file.
        {"month 2061-01 --edition 1020", 1, outside.arg("2061-01", "Brastelo.MDB")},
        {"month 2024-12 --json", 1, outside.arg("2024-12", "Brastelo.MDB")},
        {"month 2026-12", 0, ""},
        {"week 2027-01 --edition 1015", 1, outside.arg("2027-01", "Quorvane.MDB")},
        {"week 2025-01 --edition 1007", 0, ""},
        {"month 2026-12 --edition 99999", 1, noEdition.arg("99999")},
        {"day 2026-12-24 --edition 39", 1,
         "liturgy-calendar: the edition 39 (The Pelusine Church) needs the liturgy database "
         "Pelusino.MDB, which the default data set does not have; " +
             editions},
        {"edition --edition 0", 1, noEdition.arg("0")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.toStdString());
        const ProgramRun r = run(c.arguments.split(QLatin1Char(' ')));
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.err.section(QLatin1Char('\n'), 0, 0), c.firstError);
        if (c.exitCode != 0) {
            EXPECT_EQ(r.out, QString());
        }
    }
    const ProgramRun velmark = run({"edition", "--edition", "47"});
    EXPECT_EQ(velmark.out,
              QStringLiteral("47\tVelmark Church - A\ndates\t2025-01-01 til 2026-12-31\n"
                             "LiturgyFile\t%1/Velmarka.MDB\nPlanFile\t%1/Plan.MDB\n"
                             "ServiceFile\t%1/Service.MDB\nTemplatePath\t%1/"
                             "Templates/\n")
                  .arg(folder));
}

TEST_F(LiturgyCalendarProgramTest, DefaultDataSetOrHowToMakeIt) {
    const QString folder = dir() + QStringLiteral("data/liturgy-calendar");
    const ProgramRun missing = run({"month", "2024-03"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_EQ(missing.out, QString());
    EXPECT_EQ(missing.err, QStringLiteral("liturgy-calendar: no data set found; create it with: "
                                          "make-sample-data --out ") +
                               folder + QLatin1Char('\n'));

    createMarch();
    ASSERT_TRUE(QDir().mkpath(folder));
    QFile::copy(ini(), folder + QStringLiteral("/liturgy.ini"));
    const ProgramRun r = run({"edition"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.out.section(QLatin1Char('\n'), 0, 0), "1011\tThe Korva Diocese");
}

TEST_F(LiturgyCalendarProgramTest, TheWindowWithoutADisplaySaysWhatToDoInstead) {
    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(env);
    process.start(QStringLiteral(LC_APP_PROGRAM), {"--date", "2024-03-05"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(process.exitCode(), 1);
    const QString err = QString::fromUtf8(process.readAllStandardError());
    EXPECT_TRUE(err.startsWith("liturgy-calendar: the window needs a display"))
        << err.toStdString();
    EXPECT_TRUE(err.contains("liturgy-calendar month YYYY-MM"));
    EXPECT_TRUE(err.contains("liturgy-calendar --screenshot FILE.png"));
}

TEST_F(LiturgyCalendarProgramTest, PlainAndPrintedMonthInTheEditionsLanguage) {
    // The same month of a diocese and of the Norwegian church (the host's code 47): its
    // weekdays, month, date forms and words are Norwegian, whatever the user's own language.
    // The grid is the same in both; the words in and around it are the edition's. So are the
    // title and the headings of the month and the week printed on paper.
    const QString grid =
        "%1\n%2\n"
        "                                                                                 1       "
        "        2\n\n\n\n\n"
        " 3 **            4               5               6               7               8       "
        "        9\n"
        "Oculi\n%3\n\n\n"
        "10              11              12 *            13              14              15       "
        "       16\n\n\n\n\n"
        "17              18              19              20              21              22       "
        "       23\n\n\n\n\n"
        "24              25              26              27              28              29       "
        "       30\n\n\n\n\n"
        "31\n"
        "Easter \"Day\"\n\n\n\n"
        "%4\n";
    struct Row {
        const char* file;
        QStringList edition;
        QString out;
        QString paperHeading; // the printed month's and week's first lines
    };
    const QList<Row> rows = {
        {"KorvaLume.MDB",
         {},
         grid.arg("March 2024 - The Korva Diocese",
                  "Sun             Mon             Tue             Wed             Thu             "
                  "Fri             Sat",
                  "", "* one service, ** two or more"),
         "Liturgy Calendar March 2024 Sun Mon Tue Wed Thu Fri Sat"},
        {"Velmarka.MDB",
         {"--edition", "47"},
         grid.arg("mars 2024 - Velmark Church - A",
                  "søn.            man.            tir.            ons.            tor.            "
                  "fre.            lør.",
                  "Feast 486", "* én gudstjeneste, ** to eller flere"),
         "Liturgisk kalender mars 2024 søn. man. tir. ons. tor. fre. lør."},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.file);
        liturgyFile = path(row.file);
        QFile::remove(planFile);
        createMarch();
        const ProgramRun r = run(QStringList{"month", "2024-03", "--ini", ini()} + row.edition);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out.toStdString(), row.out.toStdString());
        for (const char* what : {"month", "week"}) {
            const QString pdf = path(QString::fromLatin1(what) + ".pdf");
            EXPECT_EQ(run(QStringList{"print", what, "2024-03", "--ini", ini(), "--pdf", pdf} +
                          row.edition)
                          .exitCode,
                      0);
            QProcess text;
            text.start("pdftotext", {pdf, "-"});
            text.waitForFinished(60000);
            QStringList lines = QString::fromUtf8(text.readAllStandardOutput()).split('\n');
            // The words only: where a day's number falls among them differs by page.
            lines.removeIf([](const QString& l) { return l.isEmpty() || l.toInt() > 0; });
            EXPECT_EQ(lines.mid(0, 9).join(' '), row.paperHeading) << what;
        }
    }
}

TEST_F(LiturgyCalendarProgramTest, UsageErrorsAndVersion) {
    // Usage mistakes: the messages are CommandLineTest's, the whole usage after them is
    // ForPeopleOnATerminal's.
    for (const char* help : {"help", "--help"}) {
        const ProgramRun r = run({help});
        EXPECT_EQ(r.exitCode, 0) << help;
        EXPECT_EQ(r.err, QString()) << help;
        EXPECT_TRUE(r.out.startsWith("usage: liturgy-calendar version\n")) << help;
        EXPECT_TRUE(r.out.contains("       liturgy-calendar day YYYY-MM-DD")) << help;
    }
    for (const char* version : {"version", "--version"}) {
        const ProgramRun r = run({version});
        EXPECT_EQ(r.exitCode, 0) << version;
        EXPECT_TRUE(r.out.startsWith("Liturgy Calendar Build ")) << version;
    }
}

// Services added, listed and removed; refused outside the data, twice or ambiguous, with
// nothing written.
TEST_F(LiturgyCalendarProgramTest, ServicesAreAddedListedAndRemovedOrRefusedWithNothingWritten) {
    createMarch();
    const QString iniFile = ini();
    const QString noPlan =
        writeFile("noplan.ini", "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() + "\r\n");
    const QString held = "2024-03-03\t10:00\tMass\tCathedral\n";
    const QString forged = "2024-03-03\t10:00\tMass?forged??[31m\t\n";
    const QString years = "lies outside the years in which services can be planned, "
                          "1900-01-01 to 2200-12-31.\n";
    struct Case {
        QString arguments; // after "service", split at blanks; '|' stands for a blank in a word
        int exitCode;
        QString out;
        QString err; // after the program's name; of a usage mistake (exit code 2) the beginning
        int rows;    // the rows the plan holds afterwards
    };
    QList<Case> cases = {
        {"add 2024-03-10 --type Mass --place St|Mary", 0, "2024-03-10\t10:00\tMass\tSt Mary\n", "",
         4},
        {"add --every Sunday --from 2024-03-11 --count 2 --time 18:30 --type=Vespers", 0,
         "2024-03-17\t18:30\tVespers\t\n2024-03-24\t18:30\tVespers\t\n", "", 6},
        {"add --every tue --from 2024-03-01 --to 2024-03-31 --interval 2", 0,
         "2024-03-05\t10:00\t\t\n2024-03-19\t10:00\t\t\n", "", 8},
        {"list 2024-03", 0,
         held + "2024-03-03\t18:00\tVespers\tChapel\n"
                "2024-03-05\t10:00\t\t\n2024-03-10\t10:00\tMass\tSt Mary\n"
                "2024-03-12\t09:05\tChoir\tHall\n2024-03-17\t18:30\tVespers\t\n"
                "2024-03-19\t10:00\t\t\n2024-03-24\t18:30\tVespers\t\n",
         "", 8},
        {"list 2024-02 --json", 0, "{\"month\":\"2024-02\",\"services\":[]}\n", "", 8},
        {"remove 2024-03-10 --time 10:00 --type Vespers", 1, "",
         "no service is planned on 2024-03-10 at 10:00 of the kind 'Vespers'\n", 8},
        {"remove 2024-03-10 --time 10:00", 0, "2024-03-10\t10:00\tMass\tSt Mary\n", "", 7},
        {"add 2070-03-05", 1, "",
         "2070-03-05 lies outside the liturgy data, which covers 2024-02-25 to 2024-03-31. "
         "--force plans it anyway.\n",
         7},
        {"add 2250-01-01 --force", 1, "", "2250-01-01 " + years, 7},
        {"add --every sunday --from 9990-01-01 --count 1000 --force", 1, "", "9990-01-07 " + years,
         7},
        {"add 2070-03-05 --force", 0, "2070-03-05\t10:00\t\t\n", "", 8},
        {"add 2024-03-03 --type Mass --place Cathedral", 1, "",
         "the plan already holds 1 of these services; --allow-duplicate plans them again:\n" + held,
         8},
        {"add 2024-03-03 --type Mass --place Cathedral --allow-duplicate", 0, held, "", 9},
        {"add 2024-03-03 --type Mass\nforged\t\x1b[31m", 0, forged, "", 10},
        {"remove 2024-03-03 --time 10:00", 1, "",
         "3 services are planned on 2024-03-03 at 10:00; none was removed. Name the kind with "
         "--type, or remove them all with --all:\n" +
             held + held + forged,
         10},
        {"remove 2024-03-03 --time 10:00 --type Mass\nforged\t\x1b[31m", 0, forged, "", 9},
        {"remove 2024-03-03 --time 10:00 --all", 0, held + held, "", 7},
        {"list 2024-03", 0,
         "2024-03-03\t18:00\tVespers\tChapel\n2024-03-05\t10:00\t\t\n2024-03-12\t09:05\tChoir\t"
         "Hall\n2024-03-17\t18:30\tVespers\t\n2024-03-19\t10:00\t\t\n2024-03-24\t18:"
         "30\tVespers\t\n",
         "", 7},
    };
    // Refused before anything is written: exit code 2, no output, the plan as it was.
    const QString every = "add --every sunday --from 2024-03-01 ";
    const std::pair<QString, QString> refusals[] = {
        {"add 2024-02-30", "'2024-02-30' is not a date of the form YYYY-MM-DD"},
        {"add 2024-03-10 --time 24:00", "'24:00' is not a time of the form HH:MM"},
        {every + "--count 0", "the number of services '0' is not from 1 to 1000"},
        {every + "--count 1001", "the number of services '1001' is not from 1 to 1000"},
        {"add --every someday --from 2024-03-01 --count 1",
         "'someday' is not a weekday (monday to sunday)"},
        {"add 2024-03-10 --count 3", "--from, --to and --count go with --every"},
        {every, "a series needs either --to YYYY-MM-DD or --count N"},
        {"remove 2024-03-10", "remove needs the date (YYYY-MM-DD) and --time HH:MM"},
        {"move 2024-03-10", "unknown service action 'move'"},
    };
    for (const auto& [line, err] : refusals)
        cases.append({line.trimmed(), 2, "", err + "\n", 7});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.toStdString());
        QStringList arguments = ("service " + c.arguments).split(QLatin1Char(' '));
        arguments.replaceInStrings(QStringLiteral("|"), QStringLiteral(" "));
        const ProgramRun r = run(arguments + QStringList{"--ini", iniFile});
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out);
        const QString err = c.err.isEmpty() ? QString() : "liturgy-calendar: " + c.err;
        if (c.exitCode == 2) {
            EXPECT_TRUE(r.err.startsWith(err)) << r.err.toStdString();
        } else {
            EXPECT_EQ(r.err, err);
        }
        EXPECT_EQ(storedPlanRows(planFile).size(), c.rows);
    }

    // No plan file named: a clear error, nothing written anywhere.
    const ProgramRun none = run({"service", "add", "2024-03-10", "--ini", noPlan});
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_EQ(none.out, QString());
    EXPECT_TRUE(none.err.contains("No plan database is named")) << none.err.toStdString();

    // The month shows the services at once.
    const ProgramRun month = run({"month", "2024-03", "--ini", iniFile, "--json"});
    EXPECT_TRUE(month.out.contains("{\"date\":\"2024-03-24\",\"lines\":[\"\",\"\",\"\"],"
                                   "\"color\":null,\"marker\":1}"))
        << month.out.toStdString();
}

TEST_F(LiturgyCalendarProgramTest, AReadOnlyPlanIsReadAndLeftAsItWas) {
    createMarch();
    const QString iniFile = ini();
    // The plan written once, so that it is in WAL mode, then its folder made read-only.
    ASSERT_EQ(run({"service", "add", "2024-03-10", "--ini", iniFile}).exitCode, 0);
    const QString folder = QFileInfo(planFile).absolutePath();
    const QByteArray before = readFile(planFile);
    struct Case {
        const char* name;
        QFile::Permissions file;
        QFile::Permissions folder;
    };
    const QFile::Permissions readOnly = QFile::ReadOwner | QFile::ReadUser;
    const QFile::Permissions open = readOnly | QFile::ExeOwner | QFile::ExeUser;
    const QList<Case> cases = {
        {"a plan in a read-only folder", readOnly | QFile::WriteOwner | QFile::WriteUser, open},
        {"a read-only plan", readOnly, open | QFile::WriteOwner | QFile::WriteUser},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(QFile::setPermissions(planFile, c.file));
        ASSERT_TRUE(QFile::setPermissions(folder, c.folder));
        const ProgramRun list = run({"service", "list", "2024-03", "--ini", iniFile});
        const ProgramRun month = run({"month", "2024-03", "--ini", iniFile, "--json"});
        const ProgramRun week = run({"week", "2024-03", "--ini", iniFile});
        QFile::setPermissions(folder, open | QFile::WriteOwner | QFile::WriteUser);
        QFile::setPermissions(planFile, readOnly | QFile::WriteOwner | QFile::WriteUser);
        EXPECT_EQ(list.exitCode, 0) << list.err.toStdString();
        EXPECT_EQ(list.out, "2024-03-03\t10:00\tMass\tCathedral\n2024-03-03\t18:00\tVespers\t"
                            "Chapel\n2024-03-10\t10:00\t\t\n2024-03-12\t09:05\tChoir\tHall\n");
        EXPECT_EQ(month.exitCode, 0) << month.err.toStdString();
        EXPECT_TRUE(month.out.contains("{\"date\":\"2024-03-10\",\"lines\":[\"\",\"\",\"\"],"
                                       "\"color\":null,\"marker\":1}"))
            << month.out.toStdString();
        EXPECT_EQ(week.exitCode, 0) << week.err.toStdString();
        EXPECT_EQ(readFile(planFile), before);
    }
}

TEST_F(LiturgyCalendarProgramTest, TwoProcessesPlanningAtOnceLoseNothing) {
    createMarch();
    const QString iniFile = ini();
    QProcess first;
    QProcess second;
    // Two hundred services each, one at a time, so that the writers interleave.
    const auto script = [&](QProcess& p, const char* time) {
        startProgram(p, "/bin/sh",
                     {"-c",
                      QString("for i in $(seq 200); do \"$0\" service add 2025-01-01 --time %1 "
                              "--force --allow-duplicate --ini \"$1\" >/dev/null || exit 1; "
                              "done")
                          .arg(time),
                      LC_APP_PROGRAM, iniFile});
    };
    script(first, "08:00");
    script(second, "11:00");
    ASSERT_TRUE(first.waitForFinished(240000));
    ASSERT_TRUE(second.waitForFinished(240000));
    EXPECT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    EXPECT_EQ(second.exitCode(), 0) << second.readAllStandardError().toStdString();
    QString integrity;
    EXPECT_EQ(storedPlanRows(planFile, &integrity).size(), 3 + 400);
    EXPECT_EQ(integrity, "ok");
}

TEST_F(LiturgyCalendarProgramTest, ASeriesKilledWhileWritingLeavesAllOrNone) {
    createMarch();
    const QString iniFile = ini();
    // Each row the series writes keeps the engine busy for a while, so that the kill lands in
    // the middle of the transaction.
    ASSERT_TRUE(
        SqlFile::exec(planFile, {"CREATE TABLE tbWork (n INTEGER)",
                                 "WITH RECURSIVE c(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM c "
                                 "WHERE n < 600) INSERT INTO tbWork SELECT n FROM c",
                                 "CREATE TRIGGER slow AFTER INSERT ON tbMainPlan BEGIN SELECT "
                                 "count(*) FROM tbWork a, tbWork b; END"}));
    const QStringList before = storedPlanRows(planFile);

    QProcess process;
    startProgram(process, LC_APP_PROGRAM,
                 {"service", "add", "--every", "sunday", "--from", "2024-01-01", "--count", "1000",
                  "--force", "--ini", iniFile});
    ASSERT_TRUE(process.waitForStarted());
    // The writer has begun once its log file of the write-ahead journal is there.
    for (int i = 0; i < 200 && !QFile::exists(planFile + "-wal"); ++i)
        QThread::msleep(20);
    QThread::msleep(300);
    ASSERT_EQ(process.state(), QProcess::Running);
    ::kill(pid_t(process.processId()), SIGKILL);
    ASSERT_TRUE(process.waitForFinished(10000));
    EXPECT_EQ(process.exitStatus(), QProcess::CrashExit);

    QString integrity;
    EXPECT_EQ(storedPlanRows(planFile, &integrity), before);
    EXPECT_EQ(integrity, "ok");
    // The plan goes on taking services.
    EXPECT_EQ(run({"service", "add", "2024-03-10", "--ini", iniFile}).exitCode, 0);
}

// The program stopped while its import helper copies: the helper is told to stop with it and,
// as the real one does, takes its unfinished copy away; no helper runs on orphaned.
TEST_F(LiturgyCalendarProgramTest, AnImportKilledWithItsProgramLeavesNoHelperAndNoFile) {
    const QString nwind = accessTestFile("nwind.mdb");
    if (nwind.isEmpty())
        GTEST_SKIP() << "the Access test files (shared/testdata beside the source folder) are "
                        "absent";
    const QString pidFile = path("helper.pid");
    ASSERT_TRUE(QDir().mkpath(path("helpers")));
    const QString helper = writeFile("helpers/liturgy-access-import",
                                     "#!/bin/sh\ntrap 'rm -f \"$2\"; kill $! 2>/dev/null; exit 1' "
                                     "TERM\necho copying > \"$2\"\necho $$ > '" +
                                         pidFile.toUtf8() + "'\nsleep 60 &\nwait\n");
    QFile::setPermissions(helper, QFile::ReadOwner | QFile::ExeOwner);
    qputenv("LC_HELPER_DIR", QFile::encodeName(path("helpers")));
    ASSERT_TRUE(QDir().mkpath(path("out")));

    QProcess program;
    startProgram(program, LC_APP_PROGRAM, {"import", nwind, "--out", path("out/nwind.sqlite")});
    ASSERT_TRUE(program.waitForStarted());
    for (int i = 0; i < 500 && readFile(pidFile).isEmpty(); ++i)
        QThread::msleep(20);
    const pid_t pid = pid_t(QString::fromLatin1(readFile(pidFile)).trimmed().toInt());
    ASSERT_GT(pid, 0);
    EXPECT_EQ(QDir(path("out")).entryList(QDir::Files).size(), 1); // the copy being made

    ::kill(pid_t(program.processId()), SIGKILL);
    ASSERT_TRUE(program.waitForFinished(10000));
    // Ended: no process, or one that waits only to be reaped by whoever adopted it.
    const auto gone = [&] {
        QFile status(QStringLiteral("/proc/%1/status").arg(pid));
        return !status.open(QIODevice::ReadOnly) || status.readAll().contains("\nState:\tZ");
    };
    for (int i = 0; i < 500 && !gone(); ++i)
        QThread::msleep(20);
    EXPECT_TRUE(gone());
    EXPECT_EQ(QDir(path("out")).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

TEST_F(LiturgyCalendarProgramTest, ImportListsConvertsAndRefusesBadInput) {
    const QString nwind = accessTestFile("nwind.mdb");
    const QString dates = accessTestFile("DateTestDatabase.mdb");
    if (nwind.isEmpty() || dates.isEmpty())
        GTEST_SKIP() << "the Access test files (shared/testdata beside the source folder) are "
                        "absent";
    const QString out = path("dates.sqlite");
    const QString cut = writeFile("cut.mdb", readFile(nwind).left(100000));
    const QString text = writeFile("notes.mdb", "not a database\n");
    const QString missing = path("missing.mdb");
    const QString usage = "usage: liturgy-calendar import FILE.mdb --out FILE.sqlite | --list\n";
    const QString fail = "liturgy-calendar: Cannot open the Access database '%1': ";
    struct Case {
        QString arguments; // split at blanks
        int exitCode;
        QString out;
        QString err;
    };
    QList<Case> cases = {
        {nwind + " --list", 0,
         "Order Details\t2155\nOrders\t830\nProducts\t77\nShippers\t3\nCategories\t8\n"
         "Customers\t91\nEmployees\t9\nSuppliers\t29\nUmsätze\t830\n",
         ""},
        {dates + " --out " + out, 0, "", ""},
        // the converted file is an SQLite database with the same table
        {out + " --list", 0, "DateTest\t6\n", ""},
        {dates + " --out " + out, 1, "",
         fail.arg(dates) + "the file '" + out + "' exists already\n"},
        {out + " --out " + path("again.sqlite"), 1, "",
         "liturgy-calendar: '" + out +
             "' is an SQLite database already; the INI file can name "
             "it as it is.\n"},
        {cut + " --out " + path("cut.sqlite"), 1, "",
         fail.arg(cut) + "the file is truncated or damaged (its size is no whole number of "
                         "pages)\n"},
        {text + " --list", 1, "",
         "liturgy-calendar: Unrecognized database format '" + text + "'.\n"},
        {missing + " --list", 1, "", "liturgy-calendar: Could not find file '" + missing + "'.\n"},
        {dates + " --out /nowhere/x.sqlite", 1, "",
         fail.arg(dates) + "the folder '/nowhere' cannot be written\n"},
    };
    // Usage mistakes: exit code 2 and the usage after the reason.
    const std::pair<QString, QString> mistakes[] = {
        {"", "import needs the Access database to read"},
        {dates, "import needs either --out FILE or --list"},
        {dates + " --list --out " + out, "import needs either --out FILE or --list"},
        {dates + " --out", "--out needs a file name"},
        {dates + " " + nwind + " --list", "unexpected argument '" + nwind + "'"},
    };
    for (const auto& [arguments, reason] : mistakes)
        cases.append({arguments, 2, "", "liturgy-calendar: " + reason + "\n" + usage});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.toStdString());
        const ProgramRun r = run(("import " + c.arguments).split(' ', Qt::SkipEmptyParts));
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
    // Only the converted file and the inputs are left in the folder: no partial copies.
    EXPECT_EQ(QDir(dir()).entryList(QDir::Files, QDir::Name),
              QStringList({"cut.mdb", "dates.sqlite", "notes.mdb"}));
}

TEST_F(LiturgyCalendarProgramTest, PrintToPdfOrAClearErrorAndNoFile) {
    createMarch();
    const QString outside = "liturgy-calendar: %1 is outside the data: the liturgy database "
                            "KorvaLume.MDB covers 2024-02-25 to 2024-03-31\n";
    struct Case {
        QString arguments; // split at blanks; the printer's name at '|'
        QString pdf;       // relative to the test's folder
        int exitCode;
        QString err;
    };
    const QList<Case> cases = {
        {"print month 2024-03", "month.pdf", 0, QString()},
        {"print week 2024-03", "week.pdf", 0, QString()},
        // Out of the data in the one wording of every command.
        {"print month 1950-01", "old.pdf", 1, outside.arg("1950-01")},
        {"print day 1950-01-01", "day.pdf", 1, outside.arg("1950-01-01")},
        {"print month 2024-03", "missing/month.pdf", 1,
         "liturgy-calendar: Path/File access error: %1missing/month.pdf\n"},
        {"print month 2024-03 --printer|No Such Printer", QString(), 1,
         "liturgy-calendar: Invalid procedure call or argument: the printer 'No "
         "Such Printer' is not known\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.toStdString() + " " + c.pdf.toStdString());
        const QString printer = c.arguments.section(QLatin1Char('|'), 1);
        QStringList arguments = c.arguments.section(QLatin1Char('|'), 0, 0).split(QLatin1Char(' '));
        if (!printer.isEmpty())
            arguments += printer;
        arguments += {"--ini", ini()};
        if (!c.pdf.isEmpty())
            arguments += {"--pdf", path(c.pdf)};
        const ProgramRun r = run(arguments);
        EXPECT_EQ(r.exitCode, c.exitCode);
        // Qt's own remarks (the off-screen platform's, the runtime folder's) go to the log.
        EXPECT_EQ(r.err, QString(c.err).replace("%1", dir()));
        // What was written, and where.
        EXPECT_EQ(r.out, c.exitCode == 0 ? path(c.pdf) + "\n" : QString());
        if (!c.pdf.isEmpty()) {
            EXPECT_EQ(QFile::exists(path(c.pdf)), c.exitCode == 0);
        }
    }
    // Nothing half-written is left beside the files.
    EXPECT_EQ(QDir(dir()).entryList({".*.pdf.*"}, QDir::Files | QDir::Hidden), QStringList());
}

TEST_F(LiturgyCalendarProgramTest, ExportAndMail) {
    createMarch();
    ASSERT_TRUE(SqlFile::exec(
        liturgyFile,
        {"INSERT INTO tbReadings (ID, CalendarID, SortOrder, Type, ContentID, Ref, TypeString) "
         "VALUES (1, 2, 1, 204, 1, 'Luke 11:14-28', 'Gospel')",
         "INSERT INTO tbBibleText (ID, Text, HTM_Data) VALUES "
         "(1, 'plain', '<P>Blessed are those who hear.</P>')"}));
    const QString hostIni = ini();
    FakePrograms fakes(path("bin"));
    fakes.add("xdg-email");
    fakes.add("xdg-open");

    const QString month = path("month.odt");
    const QString day = path("day.odt");
    const std::pair<QStringList, QString> written[] = {
        {{"export", "month", "2024-03", "--odt", month},
         "March 2024\n"
         "Sun | Mon | Tue | Wed | Thu | Fri | Sat\n"
         " |  |  |  |  | 1 | 2\n"
         "3/Oculi [#b377d7] | 4 | 5 | 6 | 7 | 8 | 9\n"
         "10 | 11 | 12 | 13 | 14 | 15 | 16\n"
         "17 | 18 | 19 | 20 | 21 | 22 | 23\n"
         "24 | 25 | 26 | 27 | 28 | 29 | 30\n"
         "31/Easter \"Day\" [#ffffff] |  |  |  |  |  | \n"},
        {{"export", "day", "2024-03-03", "--odt=" + day},
         "3/3/24 - Oculi\nGospel: Luke 11:14-28\nBlessed are those who hear."},
    };
    for (const auto& [arguments, text] : written) {
        SCOPED_TRACE(arguments.join(QLatin1Char(' ')).toStdString());
        const ProgramRun r = run(arguments + QStringList{"--ini", hostIni});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, (arguments.last() == month ? month : day) + "\n");
        EXPECT_EQ(odtText(arguments.last() == month ? month : day).toStdString(),
                  text.toStdString());
    }
    const ProgramRun mail = run({"mail", "day", "2024-03-03", "--ini", hostIni});
    EXPECT_EQ(mail.exitCode, 0);
    EXPECT_EQ(mail.out, "Readings 3/3/24 - Oculi\n");

    const QString ini = QStringLiteral(" --ini ") + hostIni;
    const std::tuple<QString, int, QString> refused[] = {
        {"export day 2024-03-10 --odt " + day + "x" + ini, 1,
         "the page of 2024-03-10 is empty; nothing was exported"},
        {"mail day 2024-03-10" + ini, 1, "the page of 2024-03-10 is empty; nothing was sent"},
        {"export month 2024-03" + ini, 2, "--odt FILE is missing"},
        {"export week 2024-03 --odt " + month, 2, "export takes day or month"},
        {"mail day 2024-02-30", 2, "'2024-02-30' is not a date of the form YYYY-MM-DD"},
        {"export month 2024-03 --odt " + path("missing/month.odt") + ini, 1, ""},
    };
    for (const auto& [line, exitCode, err] : refused) {
        SCOPED_TRACE(line.toStdString());
        const ProgramRun r = run(line.split(QLatin1Char(' ')));
        EXPECT_EQ(r.exitCode, exitCode);
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.contains("liturgy-calendar: " + err)) << r.err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(day + "x"));
    // Only the mail opened anything.
    EXPECT_EQ(fakes.runs("xdg-open"), QList<QStringList>());
    const QList<QStringList> mails = fakes.runs("xdg-email");
    ASSERT_EQ(mails.size(), 1);
    EXPECT_EQ(mails[0], (QStringList{"--subject", "Readings 3/3/24 - Oculi", "--body",
                                     "Readings 3/3/24 - Oculi\n\nThe page is attached: open it in "
                                     "a web browser to read or print it.",
                                     "--attach",
                                     path("cache/Brekka Data as/Mail/Readings 3 Mar 2024 - "
                                          "Oculi.html")}));
}

// The command line as a person uses it: options before or after the command, the week as plain
// text, the day page as text to read, where a print went, and what went wrong in one line of
// this desktop's words, never the library's own or a Windows product's, with no output.
TEST_F(LiturgyCalendarProgramTest, ForPeopleOnATerminal) {
    createMarch();
    const QString hostIni = ini();
    FakePrograms fakes(path("bin"));
    fakes.add("xdg-email", 3); // no mail program set up
    const QString pdf = path("march.pdf");
    // The week of March 2024 from the Sunday before the first.
    QString week;
    for (QDate d(2024, 2, 25); d <= QDate(2024, 3, 31); d = d.addDays(1)) {
        week += QLocale(QLocale::English, QLocale::UnitedStates).toString(d, "ddd M/d/yy");
        if (d == QDate(2024, 2, 25))
            week += "\n    Reminiscere";
        if (d == QDate(2024, 3, 3))
            week += " **\n    Oculi\n    Feast 486\n    10:00 AM - Cathedral - Mass\n"
                    "    6:00 PM - Chapel - Vespers";
        if (d == QDate(2024, 3, 12))
            week += " *\n\n    9:05 AM - Hall - Choir";
        if (d == QDate(2024, 3, 31))
            week += "\n    Easter \"Day\"";
        week += "\n";
    }
    const QString outside = "liturgy-calendar: 2025-01 is outside the data: the liturgy database "
                            "KorvaLume.MDB covers 2024-02-25 to 2024-03-31\n";
    // A colour code of no colour, a liturgy file that is not there, an INI file that is a folder.
    const QString bad = path("Bad.MDB");
    ASSERT_TRUE(createLiturgy(bad, {{1, ole(QDate(2024, 3, 2)), 1, 2, "Good"},
                                    {2, ole(QDate(2024, 3, 9)), 1, 9, "Bad"}}));
    const QString badColour = writeFile("bad.ini", iniText(bad, planFile));
    const QString missing = path("missing.mdb");
    const QString missingData = writeFile("missing.ini", iniText(missing, planFile));
    const QString folderIni = path("folder.ini");
    ASSERT_TRUE(QDir().mkpath(folderIni));
    const QString noLiturgy =
        "liturgy-calendar: the liturgy database '" + missing + "' does not exist\n";
    const QString utf16Ini = writeFile("utf16.ini", QByteArray("\xFF\xFE[\0F\0]\0", 8));
    // The Norwegian edition's usage, one command a line; OPTS stands for the common options.
    const auto opts = [](QString text) {
        return text.replace("OPTS", "[--ini FIL] [--edition KODE] [--server TILKOBLINGSSTRENG]");
    };
    const QString nbDay = opts("liturgy-calendar day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] "
                               "[--entry N] [--list | --html] OPTS\n");
    const QString nbService =
        "       liturgy-calendar service add ÅÅÅÅ-MM-DD [--time TT:MM] [--type TEKST] "
        "[--place TEKST] [--force] [--allow-duplicate]\n"
        "       liturgy-calendar service add --every UKEDAG --from ÅÅÅÅ-MM-DD (--to ÅÅÅÅ-MM-DD | "
        "--count N) [--interval N] [--time TT:MM] [--type TEKST] [--place TEKST] [--force] "
        "[--allow-duplicate]\n"
        "       liturgy-calendar service list ÅÅÅÅ-MM [--json]\n"
        "       liturgy-calendar service remove ÅÅÅÅ-MM-DD --time TT:MM [--type TEKST] [--all]\n" +
        opts("       (hver også med OPTS)\n");
    const QString nbImport = "liturgy-calendar import FIL.mdb --out FIL.sqlite | --list\n";
    const QString nbMail =
        opts("liturgy-calendar mail day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] "
             "[--entry N] OPTS\n");
    const QString nbPrint =
        opts("liturgy-calendar print month|week ÅÅÅÅ-MM (--pdf FIL | --printer NAVN) OPTS\n"
             "       liturgy-calendar print day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] "
             "[--entry N] (--pdf FIL | --printer NAVN) OPTS\n");
    const QString nbExport =
        opts("liturgy-calendar export month ÅÅÅÅ-MM --odt FIL OPTS\n"
             "       liturgy-calendar export day ÅÅÅÅ-MM-DD [--kind readings|prayers|ordo] "
             "[--entry N] --odt FIL OPTS\n");
    const QString nbUsage =
        opts("bruk:  liturgy-calendar version\n"
             "       liturgy-calendar month ÅÅÅÅ-MM OPTS [--json]\n"
             "       liturgy-calendar week ÅÅÅÅ-MM OPTS [--json]\n"
             "       liturgy-calendar edition OPTS\n"
             "       liturgy-calendar help\n       ") +
        nbDay + nbService + "       " + nbImport +
        "       liturgy-calendar ics [--from ÅÅÅÅ-MM-DD] [--to ÅÅÅÅ-MM-DD] [--days] [--services] "
        "[--edition KODE] [--ini FIL] [--server TILKOBLINGSSTRENG] --out FIL.ics\n"
        "       liturgy-calendar serve [--listen ADRESSE:PORT] [--edition KODE] [--ini FIL] "
        "[--server TILKOBLINGSSTRENG]\n       " +
        nbMail +
        "       liturgy-calendar copy-to-server --ini FIL --server TILKOBLINGSSTRENG "
        "[--replace]\n       " +
        nbPrint + "       " + nbExport;
    // Each case's words, split at blanks.
    const QString at = "--ini " + hostIni + " ";
    const QString nb = " --edition 47";
    const struct {
        QString line;
        int exitCode;
        QString out;
        QString err;
    } cases[] = {
        {at + "week 2024-03", 0, week, ""},
        {"week --ini=" + hostIni + " 2024-03", 0, week, ""},
        {at + "--edition 1011 day 2024-03-03 --kind prayers", 0,
         "3/3/24 - Oculi\n--------------\n\nEntrance Antiphon\n-----------------\n\nOpening "
         "Prayer\n--------------\n\nPrayer over the Gifts\n---------------------\n\n"
         "Communion Antiphon\n------------------\n\nPrayer after Communion\n"
         "----------------------\n",
         ""},
        {at + "print month 2024-03 --pdf " + pdf, 0, pdf + "\n", ""},
        {"--edition 99 " + at + "month 2024-03", 1, "",
         "liturgy-calendar: 99 is not an edition code; the editions of this data set are 1011 "
         "(The Korva Diocese)\n"},
        {at + "month 2025-01", 1, "", outside},
        {at + "print week 2025-01 --pdf " + pdf + "x", 1, "", outside},
        {at + "export month 2025-01 --odt " + path("x.odt"), 1, "", outside},
        {at + "mail day 2024-03-03 --kind prayers", 1, "",
         "liturgy-calendar: No mail program is set up on this computer, so the page cannot be "
         "sent from here.\nliturgy-calendar: to send the page by hand, save it with: "
         "liturgy-calendar day 2024-03-03 --html > page.html\n"},
        {"month 2024-03 --json --ini " + badColour, 1, "",
         "liturgy-calendar: Subscript out of range: Day_Color 9\n"},
        {"month 2024-03 --ini " + badColour + nb, 1, "",
         "liturgy-calendar: Indeks utenfor omr\u00e5de: Day_Color 9\n"},
        {"week 2024-03 --ini " + missingData, 1, "", noLiturgy},
        {"day 2024-03-02 --ini " + missingData, 1, "", noLiturgy},
        {"month 2024-03 --ini " + folderIni, 1, "",
         "liturgy-calendar: the INI file '" + folderIni + "' cannot be read\n"},
        // The Norwegian edition says its mistakes, and how to do it right, in Norwegian.
        {"--edition 47 month", 2, "", "liturgy-calendar: måneden (ÅÅÅÅ-MM) mangler\n" + nbUsage},
        {"day 2024-03-03 --kind hymns" + nb, 2, "",
         "liturgy-calendar: sidetypen 'hymns' er ikke readings, prayers eller ordo\nbruk: " +
             nbDay},
        {"print month 2024-03" + nb, 2, "",
         "liturgy-calendar: oppgi enten --pdf FIL eller --printer NAVN\nbruk: " + nbPrint},
        {"--edition 47 export month 2024-03 --odt " + path("a.odt") + " --odt " + path("b.odt"), 2,
         "", "liturgy-calendar: --odt er gitt mer enn én gang\nbruk: " + nbExport},
        {"service add --every sunday" + nb, 2, "",
         "liturgy-calendar: en serie trenger --from ÅÅÅÅ-MM-DD\nbruk:\n" + nbService},
        {"import" + nb, 2, "", "liturgy-calendar: uventet argument '--edition'\nbruk: " + nbImport},
        {"mail day 2024-03-03 --list" + nb, 2, "",
         "liturgy-calendar: --list er ikke et valg for mail\nbruk: " + nbMail},
        // An editor's UTF-16 file is named as such, not as a file without a database.
        {"month 2024-03 --ini " + utf16Ini + nb, 1, "",
         "liturgy-calendar: INI-filen '" + utf16Ini +
             "' er lagret som UTF-16, som ikke kan leses; lagre den som UTF-8\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const ProgramRun r = run(c.line.split(QLatin1Char(' ')));
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out.toStdString(), c.out.toStdString());
        EXPECT_EQ(r.err.toStdString(), c.err.toStdString());
    }
    // Output that cannot be written (a full disk) fails the run.
    const ProgramRun full = runProgram(QStringLiteral("/bin/sh"),
                                       {"-c", "exec \"$0\" version >/dev/full", LC_APP_PROGRAM});
    EXPECT_EQ(full.exitCode, 1);
    EXPECT_EQ(full.err, "liturgy-calendar: the output cannot be written\n");
}

} // namespace
