#include "calendar/CalendarTestData.h"
#include "common/TestEnv.h"

#include <QDir>
#include <QProcess>

// The liturgy-calendar program run end to end on databases made by the schema module.
namespace {

using namespace CalendarTestData;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

class LiturgyCalendarProgramTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        liturgyFile = path(QStringLiteral("KorvaLume.MDB"));
        planFile = path(QStringLiteral("Plan.MDB"));
    }

    ProgramRun run(const QStringList& arguments) const {
        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        env.insert(QStringLiteral("HOME"), dir());
        env.insert(QStringLiteral("XDG_DATA_HOME"), dir() + QStringLiteral("data"));
        env.insert(QStringLiteral("XDG_CACHE_HOME"), dir() + QStringLiteral("cache"));
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(dir());
        process.start(QStringLiteral(LC_APP_PROGRAM), arguments);
        ProgramRun result;
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit) {
            ADD_FAILURE() << "the program did not finish normally";
            return result;
        }
        result.exitCode = process.exitCode();
        result.out = QString::fromUtf8(process.readAllStandardOutput());
        result.err = QString::fromUtf8(process.readAllStandardError());
        return result;
    }

    QString ini() const {
        return writeFile(QStringLiteral("host.ini"), iniText(liturgyFile, planFile));
    }

    // The March 2024 data of most tests.
    void createMarch() const {
        ASSERT_TRUE(createLiturgy(
            liturgyFile, {
                             {1, ole(QDate(2024, 2, 25)), 10, 1, QStringLiteral("Reminiscere")},
                             {2, ole(QDate(2024, 3, 3)), 11, 1, QStringLiteral("Oculi")},
                             {3, ole(QDate(2024, 3, 3)), 486, 3, QStringLiteral("Feast 486")},
                             {4, ole(QDate(2024, 3, 31)), 12, 0, QStringLiteral("Easter \"Day\"")},
                         }));
        ASSERT_TRUE(createPlan(
            planFile,
            {
                {ole(QDate(2024, 3, 3)), ole(QDate(1899, 12, 30), QTime(18, 0)), "Vespers",
                 "Chapel"},
                {ole(QDate(2024, 3, 3)), ole(QDate(1899, 12, 30), QTime(10, 0)), "Mass",
                 "Cathedral"},
                {ole(QDate(2024, 3, 12)), ole(QDate(1899, 12, 30), QTime(9, 5)), "Choir", "Hall"},
            }));
    }

    static QString monthDays(int year, int month, const QMap<int, QString>& special) {
        QStringList days;
        const QDate first(year, month, 1);
        for (int day = 1; day <= first.daysInMonth(); ++day)
            days << special.value(day, QStringLiteral("{\"date\":\"%1\",\"lines\":[\"\",\"\",\"\"],"
                                                      "\"color\":null,\"marker\":0}")
                                           .arg(QDate(year, month, day).toString(Qt::ISODate)));
        return days.join(QLatin1Char(','));
    }

    QString liturgyFile;
    QString planFile;
};

TEST_F(LiturgyCalendarProgramTest, MonthAsJson) {
    createMarch();
    const QString expectedDays = monthDays(
        2024, 3,
        {{3, QStringLiteral("{\"date\":\"2024-03-03\",\"lines\":[\"Oculi\",\"Feast 486\",\"\"],"
                            "\"color\":\"#C60000\",\"marker\":3}")},
         {12, QStringLiteral("{\"date\":\"2024-03-12\",\"lines\":[\"\",\"\",\"\"],\"color\":null,"
                             "\"marker\":1}")},
         {31, QStringLiteral("{\"date\":\"2024-03-31\",\"lines\":[\"Easter \\\"Day\\\"\",\"\","
                             "\"\"],\"color\":\"#FFFFFF\",\"marker\":0}")}});

    // The host's code 1 is replaced by the database file's edition, 1011, which leaves feast
    // 486 out.
    const ProgramRun r = run({"month", "2024-03", "--ini", ini(), "--json"});
    EXPECT_EQ(r.err, QString());
    EXPECT_EQ(r.exitCode, 0);
    QString edition1011 = expectedDays;
    edition1011.replace(QStringLiteral("[\"Oculi\",\"Feast 486\",\"\"],\"color\":\"#C60000\""),
                        QStringLiteral("[\"Oculi\",\"\",\"\"],\"color\":\"#B377D7\""));
    EXPECT_EQ(r.out, QStringLiteral("{\"edition\":1011,\"edition_name\":\"The Korva Diocese\","
                                    "\"year\":2024,\"month\":3,\"days\":[") +
                         edition1011 + QStringLiteral("]}\n"));

    // Under a file name of no edition the host's code stays, and every feast is shown.
    liturgyFile = path(QStringLiteral("Other.MDB"));
    QFile::rename(path(QStringLiteral("KorvaLume.MDB")), liturgyFile);
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
    QStringList days;
    for (QDate d(2024, 2, 25); d <= QDate(2024, 3, 31); d = d.addDays(1)) {
        QString text;
        QString colors = QStringLiteral("null,null,null");
        int marker = 0;
        if (d == QDate(2024, 2, 25)) {
            text = QStringLiteral("Reminiscere");
            colors = QStringLiteral("\"#B377D7\",null,null");
        } else if (d == QDate(2024, 3, 3)) {
            text = QStringLiteral("Oculi\\r\\nFeast 486\\r\\n10:00 AM - Cathedral - Mass\\r\\n"
                                  "6:00 PM - Chapel - Vespers");
            colors = QStringLiteral("\"#B377D7\",\"#C60000\",null");
            marker = 3;
        } else if (d == QDate(2024, 3, 12)) {
            text = QStringLiteral("\\r\\n9:05 AM - Hall - Choir");
            marker = 1;
        } else if (d == QDate(2024, 3, 31)) {
            text = QStringLiteral("Easter \\\"Day\\\"");
            colors = QStringLiteral("\"#FFFFFF\",null,null");
        }
        days << QStringLiteral("{\"date\":\"%1\",\"text\":\"%2\",\"colors\":[%3],\"marker\":%4}")
                    .arg(d.toString(Qt::ISODate), text, colors)
                    .arg(marker);
    }
    EXPECT_EQ(r.out, QStringLiteral("{\"from\":\"2024-02-25\",\"to\":\"2024-03-31\",\"days\":[") +
                         days.join(QLatin1Char(',')) + QStringLiteral("]}\n"));
}

TEST_F(LiturgyCalendarProgramTest, EditionLine) {
    createMarch();
    const struct {
        QString liturgy;
        QStringList arguments;
        const char* out;
    } cases[] = {
        {liturgyFile, {"edition"}, "1011\tThe Korva Diocese\n"},
        {liturgyFile, {"edition", "--edition", "1020"}, "1011\tThe Korva Diocese\n"},
        {path(QStringLiteral("nothing.mdb")), {"edition", "--edition", "10024"}, "10024\t\n"},
        {QString(), {"edition", "--edition", "47"}, "47\t\n"},
    };
    for (const auto& c : cases) {
        liturgyFile = c.liturgy;
        const ProgramRun r = run(c.arguments + QStringList{"--ini", ini()});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, QString::fromUtf8(c.out));
    }
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
    EXPECT_EQ(r.out, QStringLiteral("1011\tThe Korva Diocese\n"));
}

TEST_F(LiturgyCalendarProgramTest, AFailureIsOneLineInPlainWordsAndNoOutput) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, ole(QDate(2024, 3, 2)), 1, 2, "Good"},
                                            {2, ole(QDate(2024, 3, 9)), 1, 9, "Bad"},
                                            {3, ole(QDate(2024, 3, 16)), 1, 2, "Never"}}));
    const QString badColour = writeFile(QStringLiteral("bad.ini"), iniText(liturgyFile, planFile));
    liturgyFile = path(QStringLiteral("missing.mdb"));
    const QString missingData = ini();
    const QString folderIni = path(QStringLiteral("folder.ini"));
    ASSERT_TRUE(QDir().mkpath(folderIni));
    const struct {
        QStringList arguments;
        QString err;
    } cases[] = {
        {{"month", "2024-03", "--json", "--ini", badColour},
         "liturgy-calendar: Subscript out of range: Day_Color 9\n"},
        {{"week", "2024-03", "--ini", missingData},
         "liturgy-calendar: Could not find file '" + liturgyFile + "'.\n"},
        {{"day", "2024-03-02", "--ini", missingData},
         "liturgy-calendar: Could not find file '" + liturgyFile + "'.\n"},
        {{"month", "2024-03", "--ini", folderIni},
         "liturgy-calendar: the INI file '" + folderIni + "' cannot be read\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(QLatin1Char(' ')).toStdString());
        const ProgramRun r = run(c.arguments);
        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.err, c.err) << r.err.toStdString();
        EXPECT_EQ(r.out, QString());
    }
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
    EXPECT_TRUE(err.startsWith(QStringLiteral("liturgy-calendar: the window needs a display")))
        << err.toStdString();
    EXPECT_TRUE(err.contains(QStringLiteral("liturgy-calendar month YYYY-MM")));
    EXPECT_TRUE(err.contains(QStringLiteral("liturgy-calendar --screenshot FILE.png")));
}

TEST_F(LiturgyCalendarProgramTest, PlainMonthOutsideATerminal) {
    createMarch();
    const ProgramRun r = run({"month", "2024-03", "--ini", ini()});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_FALSE(r.out.contains(QLatin1Char('\x1b')));
    const QStringList lines = r.out.split(QLatin1Char('\n'));
    ASSERT_GT(lines.size(), 8);
    EXPECT_EQ(lines[0], QStringLiteral("March 2024 - The Korva Diocese"));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("Sun             Mon")));
    EXPECT_EQ(lines[2].trimmed(), QStringLiteral("1               2"));
    EXPECT_EQ(lines[7], QStringLiteral(" 3 **            4               5               6     "
                                       "          7               8               9"));
    EXPECT_EQ(lines[8], QStringLiteral("Oculi"));
}

TEST_F(LiturgyCalendarProgramTest, UsageErrorsAndVersion) {
    for (const QStringList& arguments :
         {QStringList{"month"}, QStringList{"month", "24-03"},
          QStringList{"week", "2024-03", "--edition"}, QStringList{"launch"}}) {
        const ProgramRun r = run(arguments);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_EQ(r.out, QString());
        EXPECT_TRUE(r.err.startsWith(QStringLiteral("liturgy-calendar: ")));
        EXPECT_TRUE(r.err.contains(QStringLiteral("usage: liturgy-calendar version\n")));
    }
    for (const char* help : {"help", "--help"}) {
        const ProgramRun r = run({help});
        EXPECT_EQ(r.exitCode, 0) << help;
        EXPECT_EQ(r.err, QString()) << help;
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("usage: liturgy-calendar version\n"))) << help;
        EXPECT_TRUE(r.out.contains(QStringLiteral("       liturgy-calendar day YYYY-MM-DD")))
            << help;
    }
    for (const char* version : {"version", "--version"}) {
        const ProgramRun r = run({version});
        EXPECT_EQ(r.exitCode, 0) << version;
        EXPECT_TRUE(r.out.startsWith(QStringLiteral("VoVoruzevUdadudar Build "))) << version;
    }
}

TEST_F(LiturgyCalendarProgramTest, ImportListsConvertsAndRefusesBadInput) {
    const QString nwind = accessTestFile(QStringLiteral("nwind.mdb"));
    const QString dates = accessTestFile(QStringLiteral("DateTestDatabase.mdb"));
    if (nwind.isEmpty() || dates.isEmpty())
        GTEST_SKIP() << "the Access test files (shared/testdata beside the source folder) are "
                        "absent";
    const QString out = path(QStringLiteral("dates.sqlite"));
    const QString cut = writeFile(QStringLiteral("cut.mdb"), readFile(nwind).left(100000));
    const QString text = writeFile(QStringLiteral("notes.mdb"), "not a database\n");
    const QString missing = path(QStringLiteral("missing.mdb"));
    const QString usage =
        QStringLiteral("usage: liturgy-calendar import FILE.mdb --out FILE.sqlite | --list\n");
    const QString fail = QStringLiteral("liturgy-calendar: Cannot open the Access database '%1': ");
    struct Case {
        QStringList arguments;
        int exitCode;
        QString out;
        QString err;
    };
    const Case cases[] = {
        {{nwind, "--list"},
         0,
         "Order Details\t2155\nOrders\t830\nProducts\t77\nShippers\t3\nCategories\t8\n"
         "Customers\t91\nEmployees\t9\nSuppliers\t29\nUmsätze\t830\n",
         ""},
        {{dates, "--out", out}, 0, "", ""},
        // the converted file is an SQLite database with the same table
        {{out, "--list"}, 0, "DateTest\t6\n", ""},
        {{dates, "--out", out}, 1, "", fail.arg(dates) + "the file '" + out + "' exists already\n"},
        {{out, "--out", path("again.sqlite")},
         1,
         "",
         "liturgy-calendar: '" + out +
             "' is an SQLite database already; the INI file can name "
             "it as it is.\n"},
        {{cut, "--out", path("cut.sqlite")},
         1,
         "",
         fail.arg(cut) + "the file is truncated or damaged (its size is no whole number of "
                         "pages)\n"},
        {{text, "--list"},
         1,
         "",
         "liturgy-calendar: Unrecognized database format '" + text + "'.\n"},
        {{missing, "--list"}, 1, "", "liturgy-calendar: Could not find file '" + missing + "'.\n"},
        {{dates, "--out", "/nowhere/x.sqlite"},
         1,
         "",
         fail.arg(dates) + "the folder '/nowhere' cannot be written\n"},
        {{}, 2, "", "liturgy-calendar: import needs the Access database to read\n" + usage},
        {{dates}, 2, "", "liturgy-calendar: import needs either --out FILE or --list\n" + usage},
        {{dates, "--list", "--out", out},
         2,
         "",
         "liturgy-calendar: import needs either --out FILE or --list\n" + usage},
        {{dates, "--out"}, 2, "", "liturgy-calendar: --out needs a file name\n" + usage},
        {{dates, nwind, "--list"},
         2,
         "",
         "liturgy-calendar: unexpected argument '" + nwind + "'\n" + usage},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const ProgramRun r = run(QStringList{"import"} + c.arguments);
        EXPECT_EQ(r.exitCode, c.exitCode);
        EXPECT_EQ(r.out, c.out);
        EXPECT_EQ(r.err, c.err);
    }
    // Only the converted file and the inputs are left in the folder: no partial copies.
    EXPECT_EQ(QDir(dir()).entryList(QDir::Files, QDir::Name),
              QStringList({"cut.mdb", "dates.sqlite", "notes.mdb"}));
}

} // namespace
