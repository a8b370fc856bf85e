// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/DayCommand.h"

#include "app/CommandLine.h"
#include "app/DayPageText.h"
#include "app/HostSession.h"
#include "common/TestEnv.h"
#include "content/ContentTestData.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QProcess>
#include <memory>
#include <unistd.h>

namespace {

using Request = DayCommand::Request;

// A command line's request as one line, or its mistake prefixed with "error: ": the day
// command's request as "day date kind entry list ini edition [server]", the others' as
// "command month ini edition json".
QString parsed(const char* line) {
    const QStringList arguments = QString::fromUtf8(line).split(' ', Qt::SkipEmptyParts);
    QString error;
    if (DayCommand::handles(arguments)) {
        Request r;
        if (!DayCommand::parse(arguments, &r, &error))
            return QStringLiteral("error: ") + error;
        return QStringLiteral("day %1 %2 %3 %4 %5 %6")
                   .arg(r.date.toString(Qt::ISODate))
                   .arg(r.kind)
                   .arg(r.entry)
                   .arg(r.list)
                   .arg(r.iniFile)
                   .arg(r.edition) +
               (r.server.isEmpty() ? QString() : QStringLiteral(" server ") + r.server);
    }
    CommandRequest r;
    if (!CommandLine::parse(arguments, &r, &error))
        return QStringLiteral("error: ") + error;
    const char* const commands[] = {"version", "month", "week", "edition", "help"};
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QLatin1String(commands[int(r.command)]), r.month.toString(Qt::ISODate), r.iniFile)
        .arg(r.edition)
        .arg(r.json);
}

TEST(CommandLineTest, CommandsAndTheirMistakes) {
    const std::pair<const char*, const char*> cases[] = {
        {"version", "version   1 0"},
        {"--version", "version   1 0"},
        {"help", "help   1 0"},
        {"--help", "help   1 0"},
        {"month 2024-03", "month 2024-03-01  1 0"},
        {"month 2024-03 --json", "month 2024-03-01  1 1"},
        {"month --json --ini /a/b.ini 0100-12", "month 0100-12-01 /a/b.ini 1 1"},
        {"week 9999-01 --edition 1011", "week 9999-01-01  1011 0"},
        {"week 2024-02 --edition=-5 --ini=x.ini", "week 2024-02-01 x.ini -5 0"},
        {"edition", "edition   1 0"},
        {"edition --edition 1020 --ini h.ini", "edition  h.ini 1020 0"},
        // The last of a repeated option counts.
        {"edition --edition 47 --edition 39", "edition   39 0"},
        {"", "error: no command given"},
        {"Month 2024-03", "error: unknown command 'Month'"},
        {"Day 2024-03-10", "error: unknown command 'Day'"},
        {"calendar", "error: unknown command 'calendar'"},
        {"month", "error: the month (YYYY-MM) is missing"},
        {"week --json", "error: the month (YYYY-MM) is missing"},
        {"month 2024-3", "error: '2024-3' is not a month of the form YYYY-MM"},
        {"month 2024-13", "error: '2024-13' is not a month of the form YYYY-MM"},
        {"month 2024-00", "error: '2024-00' is not a month of the form YYYY-MM"},
        {"month 0099-12", "error: '0099-12' is not a month of the form YYYY-MM"},
        {"month 2024-03-01", "error: '2024-03-01' is not a month of the form YYYY-MM"},
        {"month 2024-03 2024-04", "error: unexpected argument '2024-04'"},
        {"month 2024-03 --ini", "error: --ini needs a value"},
        {"month 2024-03 --ini=", "error: --ini needs a file"},
        {"month 2024-03 --server=", "error: --server needs a connection string"},
        {"version --server x", "error: unexpected argument '--server'"},
        {"month 2024-03 --edition abc", "error: the edition code 'abc' is not a number"},
        {"month 2024-03 --edition 99999999999",
         "error: the edition code '99999999999' is not a number"},
        {"month 2024-03 --JSON", "error: unexpected argument '--JSON'"},
        {"month 2024-03 --json=yes", "error: unexpected argument '--json=yes'"},
        {"edition --json", "error: unexpected argument '--json'"},
        {"edition 2024-03", "error: unexpected argument '2024-03'"},
        {"version --ini x", "error: unexpected argument '--ini'"},
        {"--help --ini x", "error: unexpected argument '--ini'"},
        {"-h", "error: unknown command '-h'"},
        {"day 2024-03-10", "day 2024-03-10 4 1 0  1"},
        {"day --kind prayers 2024-03-10 --entry 2 --list --ini a.ini --edition 1011",
         "day 2024-03-10 5 2 1 a.ini 1011"},
        {"day 2024-03-10 --kind=ordo --entry=3 --ini=b.ini --edition=-5",
         "day 2024-03-10 7 3 0 b.ini -5"},
        {"day 2024-03-10 --kind readings", "day 2024-03-10 4 1 0  1"},
        {"day", "error: the date (YYYY-MM-DD) is missing"},
        {"day 2024-02-30", "error: '2024-02-30' is not a date of the form YYYY-MM-DD"},
        {"day 2024-3-10", "error: '2024-3-10' is not a date of the form YYYY-MM-DD"},
        {"day 0099-12-31", "error: '0099-12-31' is not a date of the form YYYY-MM-DD"},
        {"day 2024-03-10 --kind Readings",
         "error: the page kind 'Readings' is not readings, prayers or ordo"},
        {"day 2024-03-10 --kind", "error: --kind needs a value"},
        {"day 2024-03-10 --entry 0", "error: the entry '0' is not a number from 1"},
        {"day 2024-03-10 --entry x", "error: the entry 'x' is not a number from 1"},
        {"day 2024-03-10 --ini=", "error: --ini needs a file"},
        {"day 2024-03-10 --server Provider=PostgreSQL;Server=h;",
         "day 2024-03-10 4 1 0  1 server Provider=PostgreSQL;Server=h;"},
        {"day 2024-03-10 --server=", "error: --server needs a connection string"},
        {"day 2024-03-10 --edition 47a", "error: the edition code '47a' is not a number"},
        {"day 2024-03-10 2024-03-11", "error: unexpected argument '2024-03-11'"},
        {"day 2024-03-10 --list=yes", "error: unexpected argument '--list=yes'"},
        {"day 2024-03-10 --json", "error: unexpected argument '--json'"},
    };
    for (const auto& [line, expected] : cases)
        EXPECT_EQ(parsed(line), QString::fromUtf8(expected)) << line;
    Request request;
    QString error;
    EXPECT_FALSE(DayCommand::parse({"month", "2024-03"}, &request, &error));
    EXPECT_EQ(error, QStringLiteral("not a day command"));
}

// The page as text: each case the HTML, the width and the whole text.
TEST(DayPageTextTest, HeadingsAndParagraphsWrappedToTheWidth) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"<H3>Title</H3><H4>Psalm 23</H4><P>The Lord is my shepherd, I shall not want; he makes "
         "me lie down.</P>",
         24,
         "Title\n=====\n\nPsalm 23\n--------\nThe Lord is my shepherd,\nI shall not want; he\n"
         "makes me lie down.\n"},
        // Lines that the page breaks stay broken; each is wrapped by itself.
        {"<P>One line<BR>another<br/>third</P><P>Next</P>", 40,
         "One line\nanother\nthird\n\nNext\n"},
        // Style sheets and titles are no text; entities are decoded, control characters not sent.
        {"<meta charset=\"utf-8\"><Style>P { a: b }</Style><title>x</title><P>A &amp; B&nbsp;"
         "&#248;&aring; \x1b[2J</P>",
         40, "A & B \xC3\xB8\xC3\xA5 ?[2J\n"},
        {"<UL><LI>first</LI><LI>second</LI></UL>", 40, "- first\n\n- second\n"},
        // One edition's headings are paragraphs of the class Greeting.
        {"<P class=Greeting>Collect</P><P>Grant</P>", 40, "Collect\n-------\nGrant\n"},
        // A word longer than the width keeps a line of its own; never narrower than 20.
        {"<P>a Mahershalalhashbaz b</P>", 5, "a Mahershalalhashbaz\nb\n"},
    };
    for (const auto& [html, width, text] : cases)
        EXPECT_EQ(DayPageText::fromHtml(html, width).toStdString(), std::string(text)) << html;
}

class DayCommandTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        liturgy = std::make_unique<TestDatabase>(path("Velmarka.MDB"), Schema::Kind::Liturgy);
        QDir(dir()).mkpath("templates");
        writeFile("templates/MainPrint.CSS", "P { a: \"b, c\" }");
        ini = writeFile("host.ini", iniText(liturgy->path(), QString(), path("templates/")));
        const QDate sunday(2024, 3, 10);
        liturgy->addDay(100, sunday, 20, "Fourth Sunday in Lent");
        liturgy->addDay(101, sunday, 30, QVariant());
        // A name that would set the terminal's title.
        liturgy->addDay(102, QDate(2024, 3, 12), 0, QStringLiteral("\x1b]0;Own\x07Lent\x9b"));
        liturgy->addDay(103, QDate(2024, 3, 31), 31, "Easter Day");
        liturgy->addReading(1, 100, 1, 202, 1, "Num 21:4-9", "First Reading");
        liturgy->addReading(2, 100, 2, 204, 2, "John 3:14-21", "Gospel");
        liturgy->addReading(3, 101, 1, 202, 3, "Sir 44:1-15", "First Reading");
        liturgy->addBibleText(1, "<P>Serpent</P>");
        liturgy->addBibleText(2, "<P>Øyne, world</P>");
        liturgy->addBibleText(3, "<P>Famous men</P>");
        liturgy->addContent(9, "Collect of Lent", "<P>Grant</P>");
        liturgy->addLink(100, 201, 9);
    }
    void TearDown() override {
        liturgy.reset();
        TestEnv::TearDown();
    }

    // Runs the command in this process; the output, or the error prefixed with "error: ".
    QByteArray run(const QStringList& arguments) const {
        Request request;
        QString error;
        if (!DayCommand::parse(arguments, &request, &error))
            return "parse: " + error.toUtf8();
        HostSession session(nullptr);
        if (!session.open(request.iniFile, request.edition, &error))
            return "open: " + error.toUtf8();
        QByteArray output;
        if (!DayCommand::run(request, session, &output, &error))
            return "error: " + error.toUtf8();
        return output;
    }

    // Every page of the day begins with the style sheet and the heading of its entry, dated in
    // the edition's language: Norwegian for 47, the user's (here English) for the others.
    static QByteArray page(const char* name, bool norwegian = true) {
        return QByteArray("<meta charset=\"utf-8\">\r\n<Style Type='text/css'>P { a: \"b, c\" }"
                          "</Style>\r\n<H3>") +
               (norwegian ? "10.03.2024" : "3/10/24") + " - " + name + "</H3>\r\n";
    }
    static QByteArray readingsOfSundayAsText() {
        return "10.03.2024 - Fourth Sunday in Lent\n==================================\n\n"
               "First Reading: Num 21:4-9\n-------------------------\nSerpent\n\n"
               "Gospel: John 3:14-21\n--------------------\n\xC3\x98yne, world\n";
    }
    static QByteArray readingsOfSunday(bool norwegian = true) {
        return page("Fourth Sunday in Lent", norwegian) +
               "<H4>First Reading: Num 21:4-9</H4>\r\n<P>Serpent</P>\r\n"
               "<H4>Gospel: John 3:14-21</H4>\r\n<P>\xC3\x98yne, world</P>\r\n";
    }

    std::unique_ptr<TestDatabase> liturgy;
    QString ini;
};

TEST_F(DayCommandTest, PagesListsAndEntries) {
    struct Case {
        QStringList arguments;
        QByteArray output;
    };
    const QString i = ini;
    const QList<Case> cases = {
        {{"day", "2024-03-10", "--ini", i, "--edition", "47", "--html"}, readingsOfSunday()},
        {{"day", "2024-03-10", "--html", "--ini", i, "--edition", "47", "--entry", "1"},
         readingsOfSunday()},
        {{"day", "2024-03-10", "--ini", i, "--edition", "47", "--entry", "2", "--html"},
         page("s\xC3\xB8ndag") + "<H4>First Reading: Sir 44:1-15</H4>\r\n<P>Famous men</P>\r\n"},
        {{"day", "2024-03-10", "--ini", i, "--edition", "47", "--kind", "prayers", "--html"},
         page("Fourth Sunday in Lent") + "<H4>Collect of Lent</H4>\r\n<P>Grant</P>\r\n"},
        // Without --html the page is text to read: headings underlined, text wrapped.
        {{"day", "2024-03-10", "--ini", i, "--edition", "47", "--kind", "prayers", "--entry", "2"},
         "10.03.2024 - s\xC3\xB8ndag\n===================\n\nKollektb\xC3\xB8nn\n-----------\n"},
        {{"day", "2024-03-10", "--ini", i, "--edition", "47"}, readingsOfSundayAsText()},
        // An empty page in words; a date outside the data is an error.
        {{"day", "2024-03-10", "--ini", i, "--kind", "ordo"},
         "The ordo page of 2024-03-10 is empty.\n"},
        {{"day", "2024-03-11", "--ini", i}, "The readings page of 2024-03-11 is empty.\n"},
        {{"day", "2024-04-01", "--ini", i},
         "error: 2024-04-01 is outside the data: the liturgy database Velmarka.MDB covers "
         "2024-03-10 to 2024-03-31"},
        // The edition follows from the liturgy file, whatever the host says.
        {{"day", "2024-03-10", "--ini", i, "--edition", "1011", "--html"}, readingsOfSunday(false)},
        {{"day", "2024-03-10", "--ini", i, "--list"},
         "1\t100\tFourth Sunday in Lent\n2\t101\tSunday\n"},
        {{"day", "2024-03-11", "--ini", i, "--list"}, ""},
        {{"day", "2024-03-12", "--ini", i, "--list"}, "1\t102\t?]0;Own?Lent?\n"},
        {{"day", "2024-03-10", "--ini", i, "--entry", "3"},
         "error: the day list of 2024-03-10 has no entry 3"},
        {{"day", "2024-03-10", "--ini", path("none.ini")},
         "open: the INI file '" + path("none.ini").toUtf8() + "' does not exist"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(run(c.arguments), c.output) << c.arguments.join(' ').toStdString();
}

TEST_F(DayCommandTest, TheProgramPrintsThePageByteForByteWithHtml) {
    QProcess process;
    const auto exitCodeOf = [&](const QStringList& arguments) {
        startProgram(process, LC_APP_PROGRAM, arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return process.exitCode();
    };
    EXPECT_EQ(exitCodeOf({"day", "2024-03-10", "--ini", ini, "--edition", "47", "--html"}), 0);
    EXPECT_EQ(process.readAllStandardOutput(), readingsOfSunday());
    EXPECT_EQ(process.readAllStandardError(), QByteArray());
    // The page files are gone with the program, and nothing else was left in its folder.
    const QDir temporary(dir() + QStringLiteral("tmp/liturgy-calendar-") +
                         QString::number(getuid()));
    EXPECT_TRUE(temporary.exists());
    EXPECT_EQ(temporary.entryList(QDir::Files), QStringList());

    EXPECT_EQ(exitCodeOf({"day", "2024-03-10", "--kind", "psalms"}), 2);
    EXPECT_EQ(process.readAllStandardOutput(), QByteArray());
    EXPECT_EQ(process.readAllStandardError(),
              "liturgy-calendar: the page kind 'psalms' is not readings, prayers or ordo\n"
              "usage: liturgy-calendar day YYYY-MM-DD [--kind readings|prayers|ordo] [--entry N] "
              "[--list | --html] [--ini FILE] [--edition CODE] [--server CONNECTION-STRING]\n");
}

class HostSessionTest : public TestEnv {};

// The component's facade sets them through the same calls; the window's journeys see the
// language it chose.
TEST_F(HostSessionTest, EditionAndLanguageAsTheFacadeSetsThem) {
    struct Case {
        const char* language;
        const char* liturgyFile;
        qint32 edition;
        qint32 offsetBefore;
        qint32 expectedEdition;
        const char* expectedName;
        qint32 expectedOffset;
        bool multiEdition;
    };
    const Case cases[] = {
        {"47", "/d/Brastelo.MDB", 1, 0, 1, "The Brastel Assembly", 1000, false},
        {"", "/d/velmarka.mdb", 47, 0, 47, "Velmark Church - A", 1000, false},
        {"0", "/d/KorvaLume.MDB", 1020, 1000, 1011, "The Korva Diocese", 0, true},
        {"abc", "/d/Unknown.MDB", 47, 0, 47, "", 1000, false},
        {"39", "", 1, 1000, 1, "", 1000, false},
        {"-47", "", 39, 1000, 39, "", 1000, false},
        {"1", "", 47, 1000, 47, "", 0, false},
        {"0", "", 47, 0, 47, "", 1000, false},
        {"abc", "", 1, 1000, 1, "", 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " " + c.liturgyFile);
        resetSharedState();
        shared().gLanguageOffset = c.offsetBefore;
        const QString ini =
            writeFile("host.ini", QByteArray("[Files]\r\nLiturgyFile=") + c.liturgyFile +
                                      "\r\n[LiturgyCalendar]\r\nLanguage=" + c.language + "\r\n");
        HostSession session(nullptr);
        QString error;
        ASSERT_TRUE(session.open(ini, c.edition, &error)) << error.toStdString();
        EXPECT_EQ(session.iniFile(), ini);
        EXPECT_EQ(session.edition(), c.expectedEdition);
        EXPECT_EQ(session.editionName(), QString::fromUtf8(c.expectedName));
        EXPECT_EQ(shared().gLanguageOffset, c.expectedOffset);
        EXPECT_EQ(shared().gMultiEditionMode, c.multiEdition);
        EXPECT_FALSE(session.failed());
    }
}

// A failed open is the caller's to say (its message: the day command's table); a critical
// message shown is a failure of the session.
TEST_F(HostSessionTest, OnlyACriticalMessageIsAFailure) {
    HostSession session(nullptr);
    QString error;
    EXPECT_FALSE(session.open(path("none.ini"), 1, &error));
    EXPECT_FALSE(session.failed());
    ::ui().messageBox(UserInterface::Icon::Critical, UserInterface::Buttons::Ok, {}, {});
    EXPECT_TRUE(session.failed());
}

} // namespace
