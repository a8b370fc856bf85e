// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "day_page/DayPageFixture.h"
#include "support/CErrHandler.h"
#include "support/ObjectRegistry.h"
#include "support/SharedState.h"
#include "support/mVBFileDisk.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <cstdio>

namespace {

struct Reading {
    qint32 type;
    QString label;
};

class DayPageAssemblyTest : public DayPageFixture {
protected:
    // Adds the readings of a calendar row, each with a Bible text of its own.
    void addReadings(qint32 calendarID, const QList<Reading>& readings) {
        qint32 order = 0;
        for (const Reading& r : readings) {
            ++nextText;
            liturgy->addReading(nextText, calendarID, ++order, r.type, nextText, r.label,
                                QStringLiteral("T") + QString::number(r.type));
            liturgy->addBibleText(nextText,
                                  QStringLiteral("<P>") + r.label + QStringLiteral("</P>"));
        }
    }
    // The page lines that the readings give, in this order.
    static QString readingLines(const QList<Reading>& readings) {
        QString text;
        for (const Reading& r : readings)
            text += QStringLiteral("<H4>T%1: %2</H4>\r\n<P>%2</P>\r\n").arg(r.type).arg(r.label);
        return text;
    }

    qint32 nextText = 0;
};

// The day list of a date, with the weekday for a nameless row; edition 1011 leaves out the
// feasts without pages.
TEST_F(DayPageAssemblyTest, DayListOfTheDateWithTheWeekdayForANamelessRow) {
    liturgy->addDay(100, QDate(2024, 3, 10), 20, QStringLiteral("Fourth Sunday in Lent"));
    liturgy->addDay(101, QDate(2024, 3, 10), 0, QVariant());
    liturgy->addDay(102, QDate(2024, 3, 10), 0, QStringLiteral(""));
    liturgy->addDay(103, QDate(2024, 3, 11), 0, QStringLiteral("Monday"));
    const QDate tuesday(2024, 3, 12);
    const QVariant feasts[] = {155, 20, 486, 490, 530, 101, QVariant(), 0};
    for (int i = 0; i < 8; ++i)
        liturgy->addDay(i + 1, tuesday, feasts[i],
                        i == 7 ? QVariant() : QStringLiteral("f%1").arg(i));
    liturgy->addDay(9, QDate(2024, 3, 13), 486, QStringLiteral("only"));
    const std::tuple<qint32, QDate, QStringList> cases[] = {
        {47, QDate(2024, 3, 10), {"1|100|Fourth Sunday in Lent", "2|101|Sunday", "3|102|"}},
        {1011, tuesday, {"1|2|f1", "2|8|Tuesday"}},
        {1011, QDate(2024, 3, 13), {}},
        {47, QDate(2024, 3, 13), {"1|9|only"}},
    };
    for (const auto& [version, date, list] : cases) {
        SCOPED_TRACE(version);
        makePage(DayPageAssembly::kOrdo, version);
        show(date);
        EXPECT_EQ(dayList(), list);
        EXPECT_EQ(view.dayListIndex(), list.isEmpty() ? 0 : 1);
        if (list.isEmpty()) {
            EXPECT_EQ(location(), QStringLiteral("About:Blank"));
        }
    }
    EXPECT_TRUE(page->resolve(false));
    EXPECT_EQ(view.dayListCount(), 1);
}

// Edition 1015 puts the gospel acclamation its row links to ("+" in `shown`) before the gospel.
TEST_F(DayPageAssemblyTest, ReadingsFiltersAndOrdersByEdition) {
    struct Case {
        const char* what;
        qint32 version;
        QVariant feastRef;
        const char* stored; // readings by name, in the order stored
        const char* shown;
        QVariant contentID = {}; // of the acclamation; null: no link
        QVariant name = {};
        QVariant html = {}; // invalid: the linked content is missing
        QString acclamation = {};
    };
    const QMap<QString, Reading> named = {{"gen", {202, "Gen 1"}},   {"ps", {208, "Ps 23"}},
                                          {"rom", {203, "Rom 6"}},   {"heb", {214, "Heb 4"}},
                                          {"song", {209, "Song 2"}}, {"john", {204, "John 3"}},
                                          {"mark", {204, "Mark 2"}}, {"luke", {217, "Luke 15"}}};
    const auto readings = [&](const char* names) {
        QList<Reading> list;
        for (const QString& name : QString::fromLatin1(names).split(u' '))
            list.append(named.value(name));
        return list;
    };
    const QList<Case> cases = {
        {"the last 204 goes when a 217 is there", 47, 5, "gen john luke mark", "gen john luke"},
        {"a 217 before the only 204", 47, 5, "luke john gen", "gen luke"},
        {"gospels after the other readings", 47, 5, "john song gen rom", "song gen rom john"},
        {"plain day of 1007 drops 203 and 214", 1007, 0, "gen ps rom heb john", "gen ps john"},
        {"feast of 1007 keeps them", 1007, 5, "gen ps rom heb john", "gen ps rom heb john"},
        {"plain day of 10024", 10024, 0, "heb gen rom john", "gen john"},
        {"1007 without a feast number is no plain day", 1007, QVariant(), "gen rom", "gen rom"},
        {"plain day of another edition keeps them", 47, 0, "gen rom heb", "gen rom heb"},
        {"1015 groups 202, 208, 203 and drops the others", 1015, 5, "rom song heb ps gen john",
         "gen ps rom john"},
        {"1015 with both gospels", 1015, 5, "john gen luke mark", "gen john luke"},
        {"1015, named acclamation", 1015, 5, "john gen", "gen + john", 50,
         QStringLiteral("Alleluia, Verse"), QStringLiteral(" <P>Alleluia</P> "),
         QStringLiteral("<H4>Alleluia, Verse</H4>\r\n<P>Alleluia</P>\r\n")},
        {"1015, acclamation without a name", 1015, 5, "john gen", "gen + john", 51, QString(),
         QStringLiteral("<P>Praise</P>"),
         QStringLiteral("<H4>Gospel Acclamation</H4>\r\n<P>Praise</P>\r\n")},
        {"1015, linked acclamation that is missing",
         1015,
         5,
         "john gen",
         "gen + john",
         52,
         {},
         {},
         QStringLiteral("<H4>Gospel Acclamation</H4>\r\n")},
    };
    qint32 row = 0;
    for (const Case& c : cases) {
        ++row;
        const QDate date = QDate(2024, 4, 1).addDays(row);
        liturgy->addDay(row, date, c.feastRef, QStringLiteral("Day %1").arg(row));
        addReadings(row, readings(c.stored));
        if (!c.contentID.isNull())
            liturgy->addLink(row, 12, c.contentID.toInt());
        if (c.html.isValid())
            liturgy->addContent(c.contentID.toInt(), c.name, c.html);
        makePage(DayPageAssembly::kReadings, c.version);
        show(date);
        QString lines;
        for (const QString& name : QString::fromLatin1(c.shown).split(u' '))
            lines += name == u"+" ? c.acclamation : readingLines({named.value(name)});
        EXPECT_EQ(location(), page->pHTMDataFile()) << c.what;
        EXPECT_EQ(pageText(), styleBlock() + QStringLiteral("<H3>") +
                                  date.toString(QStringLiteral("M/d/yy")) +
                                  QStringLiteral(" - Day %1</H3>\r\n").arg(row) + lines)
            << c.what;
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(DayPageAssemblyTest, PlainTextFieldsShowLiterallyOnThePage) {
    const QDate date(2024, 4, 2);
    liturgy->addDay(1, date, 5, QStringLiteral("<b>A&B</b>"));
    liturgy->addReading(1, 1, 1, 202, 1, QStringLiteral("Ps 1 & 2"), QStringLiteral("<i>T</i>"));
    liturgy->addBibleText(1, QStringLiteral("<P>x</P>"));
    liturgy->addContent(8, QStringLiteral("<Sentence>"), QStringLiteral("<P>Sentence</P>"));
    liturgy->addLink(1, 47, 8);
    const QString heading = QStringLiteral("<H3>4/2/24 - &lt;b&gt;A&amp;B&lt;/b&gt;</H3>\r\n");
    const std::pair<DayPageAssembly::PageKind, QString> cases[] = {
        {DayPageAssembly::kReadings,
         heading + QStringLiteral("<H4>&lt;i&gt;T&lt;/i&gt;: Ps 1 &amp; 2</H4>\r\n<P>x</P>\r\n")},
        {DayPageAssembly::kPrayers,
         heading + QStringLiteral("<H4>&lt;Sentence&gt;</H4>\r\n<P>Sentence</P>\r\n"
                                  "<H4>Collect</H4>\r\n")},
    };
    for (const auto& [kind, body] : cases) {
        SCOPED_TRACE(int(kind));
        makePage(kind, 1010);
        show(date);
        EXPECT_EQ(pageText(), styleBlock() + body);
    }
}

TEST_F(DayPageAssemblyTest, TheEditionsStyleSheetOrTheCommonOneOrNone) {
    QFile::remove(path(QStringLiteral("templates/MainPrint.CSS")));
    writeFile(QStringLiteral("templates/47MainPrint.CSS"), "B { x: \"1,2\" }");
    liturgy->addDay(7, QDate(2024, 12, 25), 20, QStringLiteral("Christmas Day"));
    addReadings(7, {{202, QStringLiteral("Isa 9")}});
    // A reading whose text cannot be found keeps its heading.
    liturgy->addReading(99, 7, 9, 204, 777, QStringLiteral("Luke 2"), QStringLiteral("Gospel"));
    makePage(DayPageAssembly::kReadings, 1011);
    show(QDate(2024, 12, 25));
    EXPECT_EQ(pageText(), QStringLiteral("<P class=Greeting>12/25/24 - Christmas Day</P>\r\n"
                                         "<P class=Greeting>T202: Isa 9</P>\r\n<P>Isa 9</P>\r\n"
                                         "<P class=Greeting>Gospel: Luke 2</P>\r\n"));
    makePage(DayPageAssembly::kReadings, 47);
    show(QDate(2024, 12, 25));
    EXPECT_TRUE(pageText().startsWith(
        QStringLiteral("<Style Type='text/css'>B { x: \"1,2\" }</Style>\r\n<H3>12/25/24 - ")));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(DayPageAssemblyTest, EmptyOutcomesShowAShortPageOrNothing) {
    liturgy->addDay(7, QDate(2024, 12, 25), 20, QStringLiteral("Christmas Day"));
    struct Case {
        const char* what;
        qint32 kind;
        QDate date;
        QString page; // empty: the blank page
    };
    // A day without readings says so on a page of its own, with the date and the day's name
    // or weekday.
    const QString style = QStringLiteral(
        "<Style Type='text/css'>H3 { font: 12pt \"Gill Sans\", sans-serif; }\r\nP {}</Style>\r\n");
    const QString thursday =
        style + QStringLiteral("<H3>12/26/24 - Thursday</H3>\r\n"
                               "<P>No readings are appointed for this day.</P>\r\n");
    const Case cases[] = {
        {"readings of a row without readings", DayPageAssembly::kReadings, QDate(2024, 12, 25),
         style + QStringLiteral("<H3>12/25/24 - Christmas Day</H3>\r\n"
                                "<P>No readings are appointed for this day.</P>\r\n")},
        {"ordo of a date without one", DayPageAssembly::kOrdo, QDate(2024, 12, 25), QString()},
        {"readings of a date without rows", DayPageAssembly::kReadings, QDate(2024, 12, 26),
         thursday},
        {"prayers of a date without rows", DayPageAssembly::kPrayers, QDate(2024, 12, 26),
         thursday},
        {"ordo of a date without rows", DayPageAssembly::kOrdo, QDate(2024, 12, 26), QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        makePage(c.kind, 47);
        page->setShortPages(true);
        show(c.date);
        if (c.page.isEmpty()) {
            EXPECT_EQ(location(), QStringLiteral("About:Blank"));
            EXPECT_FALSE(QFileInfo::exists(page->pHTMDataFile()));
        } else {
            EXPECT_EQ(location(), page->pHTMDataFile());
            EXPECT_EQ(pageText(), c.page);
        }
    }
    // A page kind without sections shows nothing at all.
    const qsizetype before = navigations();
    makePage(3, 47);
    show(QDate(2024, 12, 26));
    EXPECT_EQ(navigations(), before);
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(DayPageAssemblyTest, OrdoIsTheStoredTextOfTheDateInTheFileOfTheBuild) {
    liturgy->addDay(7, QDate(2024, 12, 25), 20, QStringLiteral("Christmas Day"));
    liturgy->addDay(8, QDate(2024, 12, 25), 30, QStringLiteral("Other"));
    liturgy->addOrdo(QDate(2024, 12, 25),
                     QStringLiteral("<P>Mass at midnight, dawn, day</P>\r\n<P>Ø</P>"));
    liturgy->addOrdo(QDate(2024, 12, 24), QStringLiteral("<P>Eve</P>"));
    makePage(DayPageAssembly::kOrdo, 47);
    // Every section deletes MAIN.CSS of the temporary folder.
    const QString mainCss = page->TempPath() + QStringLiteral("MAIN.CSS");
    QFile css(mainCss);
    ASSERT_TRUE(css.open(QIODevice::WriteOnly));
    css.close();
    show(QDate(2024, 12, 25));
    EXPECT_FALSE(QFileInfo::exists(mainCss));
    // Also when it comes back after a build that found it missing, once the folder's last
    // change lies a file-system clock tick back, which lets that build remember it.
    QThread::msleep(30);
    show(QDate(2024, 12, 25), true);
    ASSERT_TRUE(css.open(QIODevice::WriteOnly));
    css.close();
    show(QDate(2024, 12, 25), true);
    EXPECT_FALSE(QFileInfo::exists(mainCss));
    const QString expected =
        styleBlock() + QStringLiteral("<P>Mass at midnight, dawn, day</P>\r\n<P>Ø</P>\r\n");
    EXPECT_EQ(pageText(), expected);
    EXPECT_EQ(location(), page->pHTMDataFile());
    // The page file is UTF-8.
    EXPECT_TRUE(readFile(page->pHTMDataFile()).endsWith("<P>\xC3\x98</P>\r\n"));

    // The page keeps its connection; a new file renamed over the one it opened is another file,
    // seen by the next build.
    const QString fresh = path(QStringLiteral("fresh.tmp"));
    {
        TestDatabase replacement(fresh, Schema::Kind::Liturgy);
        replacement.addDay(200, QDate(2024, 12, 25), 20, QStringLiteral("Replaced"));
        replacement.addOrdo(QDate(2024, 12, 25), QStringLiteral("<P>New</P>"));
    }
    ASSERT_EQ(std::rename(QFile::encodeName(fresh).constData(),
                          QFile::encodeName(liturgy->path()).constData()),
              0);
    show(QDate(2024, 12, 25), true);
    EXPECT_EQ(dayList(), QStringList{QStringLiteral("1|200|Replaced")});
    EXPECT_EQ(pageText(), styleBlock() + QStringLiteral("<P>New</P>\r\n"));
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

TEST_F(DayPageAssemblyTest, CachesRebuildOnlyWhenTheDayChangesOrTheRebuildIsForced) {
    const QDate date(2024, 3, 10);
    liturgy->addDay(100, date, 20, QStringLiteral("Sunday"));
    liturgy->addDay(101, date, 30, QStringLiteral("Saint"));
    addReadings(100, {{202, QStringLiteral("Gen 1")}});
    addReadings(101, {{202, QStringLiteral("Sir 44")}});
    makePage(DayPageAssembly::kReadings, 47);
    show(date);
    const QString first = pageText();
    EXPECT_TRUE(first.contains(QStringLiteral("Gen 1")));
    EXPECT_EQ(navigations(), 1);

    // A changed text shows only on a forced rebuild.
    liturgy->exec(QStringLiteral("UPDATE tbBibleText SET HTM_Data='<P>New</P>' WHERE ID=1"));
    show(date);
    EXPECT_EQ(navigations(), 1);
    EXPECT_EQ(pageText(), first);
    page->dayListPicked(); // the same day again
    EXPECT_EQ(navigations(), 1);
    show(date, true);
    EXPECT_EQ(navigations(), 2);
    EXPECT_TRUE(pageText().contains(QStringLiteral("<P>New</P>")));

    // Picking another day builds it; picking back builds the first again.
    view.setDayListIndex(2);
    page->dayListPicked();
    EXPECT_EQ(navigations(), 3);
    EXPECT_TRUE(pageText().contains(QStringLiteral(" - Saint</H3>")));
    view.setDayListIndex(1);
    page->dayListPicked();
    EXPECT_EQ(navigations(), 4);

    // A date without days shows its short page (EmptyOutcomes...'s), and the day after it is
    // built anew.
    page->setShortPages(true);
    show(QDate(2024, 3, 11));
    show(date);
    EXPECT_EQ(location(), page->pHTMDataFile());
    EXPECT_EQ(navigations(), 6);
}

TEST_F(DayPageAssemblyTest, PageFileIsATemporaryNameWithTheHtmExtension) {
    makePage(DayPageAssembly::kReadings, 47);
    const QString htm = page->pHTMDataFile();
    ASSERT_TRUE(htm.endsWith(QStringLiteral(".HTM")));
    const QString tmp = htm.left(htm.size() - 3) + QStringLiteral("TMP");
    EXPECT_TRUE(QFileInfo(tmp).isFile());
    EXPECT_TRUE(mVBFileDisk::fileNamePart(htm).startsWith(QStringLiteral("CEN")));
    EXPECT_EQ(mVBFileDisk::folderPart(htm), page->TempPath());
    ASSERT_TRUE(shared().garbageFiles);
    QStringList registered;
    for (const clsGarbageFiles& f : *shared().garbageFiles)
        registered << f.pFileName();
    EXPECT_EQ(registered, (QStringList{tmp, htm}));
}

// A readings component that lacks a member the page sets.
class IncompleteReadings : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)
public:
    QString pVkIniFile() const { return m_ini; }
    void setPVkIniFile(const QString& v) { m_ini = v; }

private:
    QString m_ini;
};

TEST_F(DayPageAssemblyTest, ComponentFailuresGoToTheErrorHandler) {
    liturgy->addDay(7, QDate(2024, 12, 25), 20, QStringLiteral("Christmas Day"));
    addReadings(7, {{202, QStringLiteral("Isa 9")}});
    makePage(DayPageAssembly::kReadings, 47);
    show(QDate(2024, 12, 25));
    ASSERT_TRUE(QFileInfo::exists(page->pHTMDataFile()));
    const qsizetype shown = navigations();
    const auto previous =
        ObjectRegistry::registerFactory(QStringLiteral("VkLiturgicalDay.cVkLiturgicalDay"),
                                        [] { return std::make_unique<IncompleteReadings>(); });
    show(QDate(2024, 12, 25), true);
    EXPECT_EQ(errHandler().lastErrorNumber(), 438);
    EXPECT_EQ(errHandler().lastErrorProcedure(), QStringLiteral("fThisDay.getTextsForDay"));
    EXPECT_EQ(navigations(), shown);
    // The build failed before its first piece: the previous page is gone, not shown again.
    EXPECT_FALSE(QFileInfo::exists(page->pHTMDataFile()));
    EXPECT_EQ(ui().calls().last(), QStringLiteral("default"));

    ObjectRegistry::registerFactory(QStringLiteral("VkLiturgicalDay.cVkLiturgicalDay"), {});
    ui().clear();
    show(QDate(2024, 12, 25), true);
    EXPECT_EQ(errHandler().lastErrorNumber(), 429);
    ObjectRegistry::registerFactory(QStringLiteral("VkLiturgicalDay.cVkLiturgicalDay"), previous);

    // A page file that cannot be written is reported and not shown.
    page->setPHTMDataFile(path(QStringLiteral("missing/CEN1.HTM")));
    ui().clear();
    show(QDate(2024, 12, 25), true);
    EXPECT_EQ(errHandler().lastErrorNumber(), 75);
    EXPECT_EQ(navigations(), shown);
    EXPECT_EQ(ui().messageBoxes().size(), 1);
}

} // namespace

#include "DayPageAssemblyTest.moc"
