// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SampleDataWriter.h"

#include "SampleSet.h"
#include "common/SqlFile.h"
#include "common/TestEnv.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// Writes a set of the years `from` to `to` into `out`; false with `error` set when it fails.
bool generate(
    const QString& out, int from, int to, QString* error,
    SampleDataWriter::Progress progress = [](const QString&) {}) {
    SampleDataOptions options;
    options.outDir = out;
    options.fromYear = from;
    options.toYear = to;
    return SampleDataWriter(options, std::move(progress)).run(error);
}

// The set is generated once for all tests (a short range; the plan always covers 2025-2027).
class SampleDataWriterTest : public TestEnv {
protected:
    static void SetUpTestSuite() {
        s_progress = new QStringList;
        s_set = new SampleSet(2025, 2026, [](const QString& line) { s_progress->append(line); });
    }
    static void TearDownTestSuite() {
        delete s_set;
        delete s_progress;
    }
    void SetUp() override {
        TestEnv::SetUp();
        ASSERT_TRUE(s_set->ok()) << s_set->error().toStdString();
    }

    static QString file(const QString& name) { return s_set->file(name); }

    // A value read directly, outside the component's data layer.
    static QVariant scalar(const QString& name, const QString& sql) {
        return SqlFile::value(file(name), sql);
    }
    static int count(const QString& name, const QString& sql) { return scalar(name, sql).toInt(); }

    static inline SampleSet* s_set = nullptr;
    static inline QStringList* s_progress = nullptr;
};

} // namespace

TEST_F(SampleDataWriterTest, WritesEveryFileAndTheIniFile) {
    for (const QString& name : SampleDataWriter::outputNames())
        EXPECT_TRUE(QFileInfo::exists(file(name))) << name.toStdString();
    for (const char* sheet : {"Main.CSS", "MainPrint.CSS", "47Main.CSS", "47MainPrint.CSS"})
        EXPECT_GT(QFileInfo(file(QStringLiteral("Templates/") + sheet)).size(), 100);
    const QString folder = s_set->folder() + "/";
    // The first edition in liturgy.ini, each other one in an INI file of its own.
    const struct {
        const char* ini;
        const char* database;
        const char* language;
    } inis[] = {{"liturgy.ini", "Brastelo.MDB", ""},
                {"liturgy-47.ini", "Velmarka.MDB", "47"},
                {"liturgy-1007.ini", "Brastume.MDB", ""},
                {"liturgy-1011.ini", "KorvaLume.MDB", ""},
                {"liturgy-1015.ini", "Quorvane.MDB", ""}};
    for (const auto& [ini, database, language] : inis)
        EXPECT_EQ(readFile(file(ini)),
                  ("[Files]\r\nLiturgyFile=" + folder + database + "\r\nPlanFile=" + folder +
                   "Plan.MDB\r\nServiceFile=" + folder + "Service.MDB\r\nTemplatePath=" + folder +
                   "Templates/\r\n\r\n[LiturgyCalendar]\r\nLanguage=" + language + "\r\n")
                      .toUtf8());
    EXPECT_EQ(s_progress->size(), 11);
    EXPECT_TRUE(s_progress->at(2).startsWith(
        QStringLiteral("Brastelo.MDB (edition 1): %1 calendar rows, ")
            .arg(count("Brastelo.MDB", "SELECT COUNT(*) FROM tbCalenderData"))));
}

TEST_F(SampleDataWriterTest, EveryEditionIsCompleteAndUsesEveryColour) {
    QSet<int> colours;
    for (const SampleEdition& edition : SampleEdition::all()) {
        const QString db = edition.fileName;
        // Every date has a row; plain weekdays have no name and feast 0; named rows a feast
        // with a description; every Sunday, feast, festival and commemoration its gospel;
        // every link its content.
        EXPECT_EQ(count(db, "SELECT COUNT(DISTINCT Date) FROM tbCalenderData"), 730);
        for (const char* broken :
             {"tbCalenderData WHERE (ShortName IS NULL) <> (FeastRef = 0)",
              "tbCalenderData WHERE FeastRef <> 0 AND FeastRef NOT IN (SELECT ID FROM tbFeasts)",
              "tbFeasts WHERE Description IS NULL OR Description = ''",
              "tbCalenderData c WHERE FeastRef <> 0 AND NOT EXISTS (SELECT 1 FROM tbReadings r "
              "WHERE r.CalendarID = c.ID AND r.Type = 204)",
              "tbReadings WHERE ContentID NOT IN (SELECT ID FROM tbBibleText)",
              "tbContentLinks WHERE ContentID NOT IN (SELECT ID FROM tbContent)"})
            EXPECT_EQ(count(db, QStringLiteral("SELECT COUNT(*) FROM ") + broken), 0)
                << db.toStdString() << ": " << broken;
        // The components of the prayers page, and nothing else.
        QStringList components;
        for (const auto& prayer : edition.prayers)
            components.append(QString::number(prayer.second));
        std::sort(components.begin(), components.end());
        EXPECT_EQ(scalar(db, "SELECT GROUP_CONCAT(ComponentID) FROM (SELECT DISTINCT "
                             "CAST(ComponentID AS TEXT) AS ComponentID FROM tbContentLinks "
                             "ORDER BY 1)")
                      .toString(),
                  components.join(','))
            << db.toStdString();
        for (const QVariantList& code :
             SqlFile::rows(file(db), "SELECT DISTINCT Day_Color FROM tbCalenderData"))
            colours.insert(code[0].toInt());
    }
    EXPECT_EQ(colours, (QSet<int>{0, 1, 2, 3, 4, 5, 6}));
}

TEST_F(SampleDataWriterTest, NamesFeastsPrayersAndReadingsOfTheEditions) {
    const QString collectOf = "SELECT DISTINCT Navn FROM tbContent WHERE ID IN (SELECT ContentID "
                              "FROM tbContentLinks WHERE ComponentID = 201 AND CalendarID IN "
                              "(SELECT ID FROM tbCalenderData WHERE FeastRef = %1))";
    const QString linksOf = "SELECT COUNT(*) > 0 FROM tbContentLinks WHERE CalendarID IN (SELECT "
                            "ID FROM tbCalenderData WHERE FeastRef IN (%1))";
    // Advent 1 of 2025 (45991) begins Year A, Advent 1 of 2026 (46355) Year B.
    const QString gospelOn = "SELECT Ref FROM tbReadings WHERE Type = 204 AND CalendarID = (SELECT "
                             "ID FROM tbCalenderData WHERE Date = %1 AND FeastRef = 1)";
    const struct {
        const char* file;
        QString sql;
        QString value;
    } cases[] = {
        // The first and last days of the set; the rows the component reads besides the
        // calendar's (the statements themselves are the components' tests').
        {"Brastelo.MDB",
         "SELECT CAST(MIN(Date) AS INTEGER) || ' ' || CAST(MAX(Date) AS INTEGER) FROM "
         "tbCalenderData",
         "45658 46387"},
        {"Brastelo.MDB",
         "SELECT COUNT(*) FROM tbLyrics WHERE ID = 2 AND Lyrics <> '' AND HTM_Data <> ''", "1"},
        {"Service.MDB", "SELECT COUNT(*) FROM tbUserText WHERE ID = 1 AND Text <> ''", "1"},
        {"Plan.MDB", "SELECT COUNT(*) > 0 FROM tbMainPlan WHERE Date BETWEEN 45962 AND 45991", "1"},
        // Names in the edition's language; the Norwegian edition counts the Sundays of the
        // Trinity season from Trinity Sunday (3 August 2025) and writes references as Norwegian
        // Bibles do, with their verse numbers (Christmas Eve 2025); the text stays English.
        {"Velmarka.MDB", "SELECT ShortName FROM tbCalenderData WHERE Date = 45872",
         "8. søndag i treenighetstiden"},
        {"Velmarka.MDB",
         "SELECT GROUP_CONCAT(Ref, ' / ') FROM (SELECT Ref FROM tbReadings WHERE CalendarID = "
         "(SELECT ID FROM tbCalenderData WHERE Date = 46015 AND FeastRef = 5) ORDER BY SortOrder)",
         "Jes 9,1-6 / Sal 96 / Tit 2,11-14 / Luk 2,1-20"},
        // A psalm's heading is its first verses there (Ash Wednesday 2026).
        {"Velmarka.MDB",
         "SELECT GROUP_CONCAT(Ref, ' / ') FROM (SELECT Ref FROM tbReadings WHERE CalendarID IN "
         "(SELECT ID FROM tbCalenderData WHERE Date = 46071) ORDER BY SortOrder)",
         "Joel 2,1-2.12-17 / Sal 51,3-19 / 2 Kor 5,20b-6,10 / Matt 6,1-6.16-21"},
        {"Velmarka.MDB",
         "SELECT COUNT(*) FROM tbBibleText WHERE HTM_Data NOT LIKE '%</P><P><I>Bibeltekst på "
         "engelsk: World English Bible%</I></P>'",
         "0"},
        {"Brastelo.MDB",
         "SELECT COUNT(*) FROM tbBibleText WHERE HTM_Data NOT LIKE '%</P><P><I>World English "
         "Bible%</I></P>'",
         "0"},
        {"Velmarka.MDB",
         "SELECT substr(Navn, 1, 11) FROM tbContent WHERE ID IN (SELECT ContentID FROM "
         "tbContentLinks)",
         "Kollektbønn"},
        {"Velmarka.MDB", "SELECT TypeString FROM tbReadings WHERE Type = 204", "Evangelium"},
        // The feasts of our Lord and of Mary have collects of their own.
        {"Brastume.MDB", collectOf.arg(309), "Collect of Saint Mary"},
        {"Brastume.MDB", collectOf.arg(317), "Collect of a Feast of our Lord"},
        {"Brastume.MDB", collectOf.arg(323), "Collect of the Saints"},
        // The Korva Diocese keeps its special feasts; Good Friday and Holy Saturday have no
        // proper prayers there, but elsewhere they do.
        {"KorvaLume.MDB",
         "SELECT COUNT(DISTINCT FeastRef) FROM tbCalenderData WHERE FeastRef IN (103, 104, 155, "
         "486, 490, 530, 101)",
         "7"},
        {"KorvaLume.MDB", linksOf.arg("103, 104"), "0"},
        {"Brastelo.MDB", linksOf.arg("103"), "1"},
        // A commemoration stands before a plain weekday row, so the day list is never empty.
        {"KorvaLume.MDB",
         "SELECT COUNT(*) FROM tbCalenderData c WHERE FeastRef = 155 AND NOT EXISTS (SELECT 1 "
         "FROM tbCalenderData d WHERE d.Date = c.Date AND d.ID > c.ID)",
         "0"},
        // One order of service per Sunday and feast date, listing its readings.
        {"KorvaLume.MDB",
         "SELECT COUNT(*) FROM (SELECT itemDate FROM tbOrdo GROUP BY itemDate HAVING COUNT(*) > 1)",
         "0"},
        {"KorvaLume.MDB", "SELECT itemOrdo FROM tbOrdo WHERE itemDate = 45991",
         "<P class=Greeting>Advent 1</P>\r\n<P>Order of Service, Sunday 30 November 2025</P>\r\n"
         "<OL>\r\n<LI>Entrance Antiphon: Entrance Antiphon for Advent</LI>\r\n"
         "<LI>Opening Prayer: Advent Collect</LI>\r\n<LI>First Reading: Isaiah 2:1-5</LI>\r\n"
         "<LI>Psalm: Psalm 122</LI>\r\n<LI>Second Reading: Romans 13:11-14</LI>\r\n"
         "<LI>Gospel: Matthew 24:36-44</LI>\r\n"
         "<LI>Prayer over the Gifts: Prayer over the Gifts</LI>\r\n"
         "<LI>Communion Antiphon: Communion Antiphon</LI>\r\n"
         "<LI>Prayer after Communion: Prayer after Communion</LI>\r\n"
         "<LI>Blessing and Dismissal</LI>\r\n</OL>"},
        // The gospel acclamation of edition 1015.
        {"Quorvane.MDB", "SELECT COUNT(*) > 0 FROM tbContentLinks WHERE ComponentID = 12", "1"},
        {"Brastelo.MDB", gospelOn.arg(45991), "Matthew 24:36-44"},
        {"Brastelo.MDB", gospelOn.arg(46355), "Mark 13:24-37"},
        // Palm Sunday has the long gospel beside the short one.
        {"Brastelo.MDB", "SELECT COUNT(*) FROM tbReadings WHERE Type = 217", "2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scalar(c.file, c.sql).toString(), c.value)
            << c.file << ": " << c.sql.toStdString();
}

TEST_F(SampleDataWriterTest, SameInputGivesTheSameFiles) {
    QTemporaryDir other;
    QString error;
    ASSERT_TRUE(generate(other.path(), 2025, 2026, &error)) << error.toStdString();
    QStringList files{"Plan.MDB"};
    for (const SampleEdition& edition : SampleEdition::all())
        files.append(edition.fileName);
    for (const QString& name : files)
        EXPECT_EQ(readFile(other.path() + '/' + name), readFile(file(name))) << name.toStdString();
}

TEST_F(SampleDataWriterTest, BadOptionsAndExistingFilesLeaveEverythingAsItWas) {
    const auto attempt = [](const QString& out, int from, int to) {
        QString error;
        EXPECT_FALSE(generate(out, from, to, &error));
        return error;
    };
    EXPECT_EQ(attempt(QString(), 2025, 2025), "No output folder is given (--out DIR).");
    EXPECT_EQ(attempt(path("a"), 2026, 2025),
              "The years 2026 to 2025 are not a range from 1900 to 2200.");
    const QString aFile = writeFile("plain", "x");
    EXPECT_EQ(attempt(aFile, 2025, 2025),
              QStringLiteral("'%1' is a file, not a folder.").arg(aFile));
    // An existing plan file: nothing is written, the file stays as it was.
    QDir(dir()).mkpath("set");
    const QString plan = writeFile("set/Plan.MDB", "mine");
    EXPECT_EQ(
        attempt(path("set"), 2025, 2025),
        QStringLiteral("'%1' exists already; the default set is written into a folder without it.")
            .arg(plan));
    EXPECT_EQ(readFile(plan), QByteArray("mine"));
    EXPECT_EQ(QDir(path("set")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
              QStringList{"Plan.MDB"});
    // A folder where the template folder must go is created after the databases: the
    // databases of the failed run are removed again.
    QDir(dir()).mkpath("set2");
    writeFile("set2/Templates", "a file");
    EXPECT_FALSE(attempt(path("set2"), 2025, 2025).isEmpty());
}

namespace {

class InterruptedGenerationTest : public TestEnv {};

// A generation killed midway, or stopped while moving its files into place, leaves nothing
// that keeps the next run from writing the whole set.
TEST_F(InterruptedGenerationTest, TheNextRunReplacesWhatItLeftBehind) {
    const QString out = path("set");
    QProcess program;
    program.setProcessChannelMode(QProcess::MergedChannels);
    program.start(LC_SAMPLE_DATA_PROGRAM, {"--out", out, "--from", "2025", "--to", "2025"});
    ASSERT_TRUE(program.waitForStarted());
    QByteArray said;
    // Killed once the first liturgy database is written.
    while (!said.contains("calendar rows") && program.waitForReadyRead(60000))
        said += program.readAll();
    ASSERT_TRUE(said.contains("calendar rows")) << said.toStdString();
    program.kill();
    program.waitForFinished();
    const auto entries = [&] {
        QStringList names =
            QDir(out).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden);
        names.sort();
        return names;
    };
    // Nothing of the set is in place.
    for (const QString& name : SampleDataWriter::outputNames())
        EXPECT_FALSE(entries().contains(name)) << name.toStdString();

    // A run that was stopped in its move: a plan file in place, the rest still in its folder.
    ASSERT_TRUE(QDir().mkpath(out + "/.make-sample-data-abc123"));
    writeFile("set/.make-sample-data-abc123/.moving", "");
    writeFile("set/.make-sample-data-abc123/liturgy.ini", "[Files]");
    writeFile("set/Plan.MDB", "half");

    QString error;
    ASSERT_TRUE(generate(out, 2025, 2025, &error)) << error.toStdString();
    QStringList expected = SampleDataWriter::outputNames();
    expected.sort();
    EXPECT_EQ(entries(), expected);
    EXPECT_TRUE(readFile(out + "/Plan.MDB").startsWith("SQLite format 3"));
    EXPECT_TRUE(readFile(out + "/liturgy.ini").contains("LiturgyFile=" + out.toUtf8() + '/'));
}

} // namespace
