// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cVkItem.h"
#include "day_page/DayPageFixture.h"
#include "support/ObjectRegistry.h"

#include <QFileInfo>

namespace {

class DayPagePrayersTest : public DayPageFixture {
protected:
    void SetUp() override {
        DayPageFixture::SetUp();
        liturgy->addContent(8, QStringLiteral("Sentence for Lent"),
                            QStringLiteral("<P>Sentence</P>"));
        liturgy->addContent(9, QVariant(), QStringLiteral("<P>Collect text</P>"));
        liturgy->addContent(10, QStringLiteral(""), QStringLiteral("<P>Other</P>"));
        service->addUserText(5, QStringLiteral(" <P>Own words</P> "));
    }
};

// Which rows have prayers in edition 1011 is decided by their feast; the others have them all.
TEST_F(DayPagePrayersTest, PrayersOfEachEditionWithAndWithoutContentNames) {
    const QString kKorvaPrayers =
        QStringLiteral("<P class=Greeting>Entrance Antiphon</P>\r\n"
                       "<P class=Greeting>Opening Prayer</P>\r\n"
                       "<P class=Greeting>Prayer over the Gifts</P>\r\n"
                       "<P class=Greeting>Communion Antiphon</P>\r\n<P>Collect text</P>\r\n"
                       "<P class=Greeting>Prayer after Communion</P>\r\n");
    struct Case {
        const char* what;
        qint32 version;
        QVariant feastRef;
        int beeps;
        const char* links; // "component:content" pairs
        QString body;      // after the heading; empty: the page is "About:Blank"
    };
    const QList<Case> cases = {
        {"1010 with a named and a nameless content", 1010, 5, 0, "47:8 201:9",
         QStringLiteral("<H4>Sentence for Lent</H4>\r\n<P>Sentence</P>\r\n"
                        "<H4>Collect</H4>\r\n<P>Collect text</P>\r\n")},
        {"1010 without the sentence", 1010, 5, 1, "201:9",
         QStringLiteral("<H4>Sentence</H4>\r\n<H4>Collect</H4>\r\n<P>Collect text</P>\r\n")},
        {"39", 39, 5, 0, "201:9",
         QStringLiteral("<H4>Kollektbønn</H4>\r\n<P>Collect text</P>\r\n")},
        {"490", 490, 5, 0, "201:10", QStringLiteral("<H4>Kollektbønn</H4>\r\n<P>Other</P>\r\n")},
        {"46 with a content name", 46, 5, 0, "201:8",
         QStringLiteral("<H4>Sentence for Lent</H4>\r\n<P>Sentence</P>\r\n")},
        {"3580 without a link", 3580, 5, 1, "", QStringLiteral("<H4>Kollektbön</H4>\r\n")},
        {"1 with a user text", 1, 5, 1, "3:10 201:10005 16:9",
         QStringLiteral("<H4>Sentence of Scripture</H4>\r\n<P>Other</P>\r\n"
                        "<H4>Responsive Call to Worship</H4>\r\n"
                        "<H4>Prayer of the Day</H4>\r\n<P>Own words</P>\r\n"
                        "<H4>Great Thanksgiving</H4>\r\n<P>Collect text</P>\r\n")},
        {"1007", 1007, 0, 3, "34:8 201:9 29:10",
         QStringLiteral("<H4>Sentence for Lent</H4>\r\n<P>Sentence</P>\r\n"
                        "<H4>Opening Prayer</H4>\r\n<P>Collect text</P>\r\n"
                        "<H4>Prayer over the Gifts</H4>\r\n<H4>Preface</H4>\r\n"
                        "<H4>Communion Antiphon</H4>\r\n"
                        "<H4>Prayer after Communion</H4>\r\n<P>Other</P>\r\n")},
        {"1015", 1015, 5, 3, "41:9",
         QStringLiteral("<H4>Sentence</H4>\r\n<H4>Collect</H4>\r\n"
                        "<H4>Introduction to the Peace</H4>\r\n"
                        "<H4>Blessing</H4>\r\n<P>Collect text</P>\r\n")},
        {"1011 on a feast with pages", 1011, 20, 4, "72:9", kKorvaPrayers},
        {"1011 on a row of feast 0", 1011, 0, 4, "72:9", kKorvaPrayers},
        {"1011 on feast 103", 1011, 103, 0, "201:9", QString()},
        {"1011 on a row without a feast", 1011, QVariant(), 0, "201:9", QString()},
        {"1011 on feast 104", 1011, 104, 0, "201:9", QString()},
        {"an edition without prayers", 45, 5, 0, "201:9", QString()},
    };
    qint32 row = 0;
    for (const Case& c : cases) {
        ++row;
        const QDate date = QDate(2024, 6, 1).addDays(row);
        liturgy->addDay(row, date, c.feastRef, QStringLiteral("Day %1").arg(row));
        for (const QString& link : QString::fromLatin1(c.links).split(u' ', Qt::SkipEmptyParts))
            liturgy->addLink(row, link.section(u':', 0, 0).toInt(), link.section(u':', 1).toInt());
        ui().clear();
        makePage(DayPageAssembly::kPrayers, c.version);
        show(date);
        EXPECT_EQ(ui().beeps(), c.beeps) << c.what;
        EXPECT_TRUE(ui().messageBoxes().isEmpty()) << c.what;
        if (c.body.isEmpty()) {
            EXPECT_EQ(location(), QStringLiteral("About:Blank")) << c.what;
            EXPECT_FALSE(QFileInfo::exists(page->pHTMDataFile())) << c.what;
            continue;
        }
        const QString heading = c.version == 1011
                                    ? QStringLiteral("<P class=Greeting>%1 - %2</P>\r\n")
                                    : QStringLiteral("<H3>%1 - %2</H3>\r\n");
        EXPECT_EQ(location(), page->pHTMDataFile()) << c.what;
        EXPECT_EQ(pageText(), styleBlock() +
                                  heading.arg(date.toString(QStringLiteral("M/d/yy")),
                                              QStringLiteral("Day %1").arg(row)) +
                                  c.body)
            << c.what;
    }
}

// A content-links component that remembers what the page set on it and links the collect
// to content 9.
class RecordingLinks : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pUser MEMBER user)
    Q_PROPERTY(qint32 pVersion MEMBER version)
    Q_PROPERTY(QString pVkIniFile MEMBER iniFile)
    Q_PROPERTY(QString pSQLConnectionString MEMBER connectionString)
    Q_PROPERTY(bool pSQLMode MEMBER sqlMode)
    Q_PROPERTY(QString pAppTitle MEMBER appTitle)
    Q_PROPERTY(qint32 pSubLanguage MEMBER subLanguage)
    Q_PROPERTY(qint32 pTemplate MEMBER serviceTemplate)
    Q_PROPERTY(qint32 pScanDirection MEMBER scanDirection)
    Q_PROPERTY(qint32 pCalendarID MEMBER calendarID)
    Q_PROPERTY(QObject* pVkItem READ pVkItem)
public:
    QObject* pVkItem() { return &item; }
    Q_INVOKABLE bool mInitialize() { return true; }
    Q_INVOKABLE bool mResolve() {
        item.setPContentID(item.pComponentID() == 201 ? 9 : 0);
        return true;
    }

    static inline QStringList seen;
    qint32 user = -1, version = -1, subLanguage = -1, serviceTemplate = -1, scanDirection = -1,
           calendarID = -1;
    QString iniFile, connectionString, appTitle;
    bool sqlMode = true;
    cVkItem item;

    ~RecordingLinks() override {
        seen << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8|%9")
                    .arg(user)
                    .arg(version)
                    .arg(connectionString)
                    .arg(sqlMode)
                    .arg(appTitle)
                    .arg(subLanguage)
                    .arg(serviceTemplate)
                    .arg(scanDirection)
                    .arg(calendarID);
    }
};

TEST_F(DayPagePrayersTest, SetsTheContentLinksComponentByNameAndShowsBlankWhenItCannotOpen) {
    liturgy->addDay(1, QDate(2024, 6, 2), 5, QStringLiteral("Day"));
    liturgy->addLink(1, 201, 9);
    makePage(DayPageAssembly::kPrayers, 47);
    // The content links read the host's string as given; it names a missing file.
    page->setPConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                               path(QStringLiteral("gone.mdb")) + QLatin1Char(';'));
    show(QDate(2024, 6, 2));
    EXPECT_EQ(location(), QStringLiteral("About:Blank"));
    EXPECT_FALSE(QFileInfo::exists(page->pHTMDataFile()));
    EXPECT_FALSE(ui().messageBoxes().isEmpty());

    const auto previous =
        ObjectRegistry::registerFactory(QStringLiteral("VkContentLinks.cVkContentLinks"), [] {
            auto links = std::make_unique<RecordingLinks>();
            links->item.setProperty("pComponentID", 0);
            links->item.setProperty("pContentID", 0);
            return links;
        });
    RecordingLinks::seen.clear();
    for (const qint32 version : {39, 490, 47}) {
        makePage(DayPageAssembly::kPrayers, version);
        page->setPConnectionString(QStringLiteral("DSN=host"));
        show(QDate(2024, 6, 2), true);
        EXPECT_TRUE(pageText().endsWith(QStringLiteral("<P>Collect text</P>\r\n"))) << version;
    }
    EXPECT_EQ(RecordingLinks::seen,
              (QStringList{QStringLiteral("1|39|DSN=host|0|Planner|0|29|0|1"),
                           QStringLiteral("1|490|DSN=host|0|Planner|0|6|0|1"),
                           QStringLiteral("1|47|DSN=host|0|Planner|0|1|0|1")}));
    ObjectRegistry::registerFactory(QStringLiteral("VkContentLinks.cVkContentLinks"), previous);
}

} // namespace

#include "DayPagePrayersTest.moc"
