// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cLiturgyItem.h"

#include "common/TestEnv.h"
#include "content/ContentTestData.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"

#include <memory>

namespace {

class LiturgyItemTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        liturgy = std::make_unique<TestDatabase>(path("Velmarka.MDB"), Schema::Kind::Liturgy);
        service = std::make_unique<TestDatabase>(path("service.mdb"), Schema::Kind::Service);
        hymns = std::make_unique<TestDatabase>(path("hymns.mdb"), Schema::Kind::ItemData);
        ini = writeFile(QStringLiteral("host.ini"), iniText(liturgy->path(), service->path()));

        liturgy->addContent(7, QStringLiteral("Collect"), QStringLiteral("<P>Collect</P>"));
        liturgy->addContent(8, QStringLiteral("Nothing"), QVariant());
        liturgy->addContent(9, QStringLiteral("Spaced"), QStringLiteral("   <P>a  b</P>  \t  "));
        liturgy->addContent(10000, QStringLiteral("Last"), QStringLiteral("<P>ten thousand</P>"));
        liturgy->addBibleText(7, QStringLiteral("<P>In the beginning</P>"));
        service->addUserText(5, QStringLiteral(" <P>My own text</P> "));
        hymns->addLyrics(42, QStringLiteral("<P>Hymn 42</P>"));
        hymns->addLyrics(2042, QStringLiteral("<P>Hymn 2042</P>"));
    }

    cLiturgyItem item(qint32 component, qint32 content, qint32 version = 47) const {
        cLiturgyItem i;
        i.setPVkIniFile(ini);
        i.setPVersion(version);
        i.setPSQLMode(0);
        i.setPComponentID(component);
        i.setPContentID(content);
        i.setPDataFile(component == 200 ? hymns->path() : liturgy->path());
        i.setPTypeOfRead(cLiturgyItem::kReadHtml);
        return i;
    }

    std::unique_ptr<TestDatabase> liturgy;
    std::unique_ptr<TestDatabase> service;
    std::unique_ptr<TestDatabase> hymns;
    QString ini;
};

TEST_F(LiturgyItemTest, ReadsTheFragmentOfEachKindOfElement) {
    struct Case {
        const char* what;
        qint32 component;
        qint32 content;
        qint32 version;
        bool found;
        QString html;
        bool dataFile = true; // false: none named
        bool readHtml = true; // false: the row is found, but nothing is read
    };
    const Case cases[] = {
        {"heading 220", 220, 7, 47, false, {}},
        {"heading 221", 221, 7, 47, false, {}},
        {"element 205 without text", 205, 7, 47, false, {}},
        {"element 219 without text", 219, 7, 47, false, {}},
        {"hymn with variant", 200, 302042, 47, true, QStringLiteral("<P>Hymn 42</P>")},
        {"hymn, no variants in 1007", 200, 302042, 1007, true, QStringLiteral("<P>Hymn 2042</P>")},
        {"hymn, no variants in 10024", 200, 302042, 10024, true,
         QStringLiteral("<P>Hymn 2042</P>")},
        {"hymn without variant", 200, 300042, 1007, true, QStringLiteral("<P>Hymn 42</P>")},
        {"hymn below the first collection", 200, 4711, 47, false, {}},
        {"hymn without content", 200, 0, 47, false, {}},
        {"hymn without a data file", 200, 300042, 47, false, {}, false},
        {"first reading", 202, 7, 47, true, QStringLiteral("<P>In the beginning</P>")},
        {"long gospel", 217, 7, 47, true, QStringLiteral("<P>In the beginning</P>")},
        {"bible text that is missing", 204, 8, 47, false, {}},
        {"bible without content", 209, 0, 47, false, {}},
        {"collect", 201, 7, 47, true, QStringLiteral("<P>Collect</P>")},
        {"component 206 reads content", 206, 7, 47, true, QStringLiteral("<P>Collect</P>")},
        {"component above 221", 222, 7, 47, true, QStringLiteral("<P>Collect</P>")},
        {"null fragment", 12, 8, 47, true, {}},
        {"blanks around trimmed, inside kept, tab kept", 12, 9, 47, true,
         QStringLiteral("<P>a  b</P>  \t")},
        {"content 10000 is liturgical text", 210, 10000, 47, true,
         QStringLiteral("<P>ten thousand</P>")},
        {"content 10005 is user text 5", 210, 10005, 47, true,
         QStringLiteral("<P>My own text</P>")},
        {"user text that is missing", 210, 10006, 47, false, {}},
        {"negative content", 201, -3, 47, false, {}},
        {"collect without the HTML flag", 201, 7, 47, true, {}, true, false},
    };
    for (const Case& c : cases) {
        cLiturgyItem i = item(c.component, c.content, c.version);
        if (!c.dataFile)
            i.setPDataFile(QString());
        if (!c.readHtml)
            i.setPTypeOfRead(0);
        EXPECT_EQ(i.mCreateContent(), c.found) << c.what;
        EXPECT_EQ(i.pHTMData(), c.html) << c.what;
    }
    // A missing row is no failure.
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(LiturgyItemTest, HymnNumbers) {
    struct Case {
        qint32 content;
        qint32 version;
        qint32 number;
    };
    const Case cases[] = {
        {302042, 47, 42},   {302042, 1007, 2042}, {302042, 10024, 2042}, {300042, 47, 42},
        {300042, 1007, 42}, {4711, 47, 0},        {99999, 1007, 0},      {102000, 47, 2000},
        {102001, 47, 1},    {199999, 1, 999},     {199999, 1007, 99999}, {100000, 47, 0},
        {1200005, 1011, 5}, {-100042, 47, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cLiturgyItem::hymnNumber(c.content, c.version), c.number)
            << c.content << " in " << c.version;
}

TEST_F(LiturgyItemTest, FailuresAreReportedAndKeepThePreviousFragment) {
    struct Case {
        const char* what;
        qint32 component;
        qint32 content;
        QString dataFile;
        QString iniFile;
    };
    const Case cases[] = {
        {"missing data file", 202, 7, path("missing.mdb"), ini},
        {"data file without the table", 201, 7, service->path(), ini},
        {"user text without a service file", 210, 10005, liturgy->path(),
         writeFile(QStringLiteral("noservice.ini"), iniText(liturgy->path()))},
    };
    for (const Case& c : cases) {
        ui().clear();
        cLiturgyItem i = item(c.component, c.content);
        i.setPDataFile(c.dataFile);
        i.setPVkIniFile(c.iniFile);
        i.setPHTMData(QStringLiteral("before"));
        EXPECT_FALSE(i.mCreateContent()) << c.what;
        EXPECT_EQ(i.pHTMData(), QStringLiteral("before")) << c.what;
        EXPECT_FALSE(ui().messageBoxes().isEmpty()) << c.what;
        EXPECT_EQ(errHandler().lastErrorProcedure(), QStringLiteral("cLiturgyItem.mCreateContent"))
            << c.what;
    }
}

TEST_F(LiturgyItemTest, HymnsAreRefusedInServerMode) {
    cLiturgyItem i = item(200, 300042);
    i.setPSQLMode(-1);
    i.setPConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                           hymns->path() + QLatin1Char(';'));
    EXPECT_FALSE(i.mCreateContent());
    EXPECT_TRUE(i.pHTMData().isEmpty());
    ASSERT_GE(ui().messageBoxes().size(), 2);
    EXPECT_EQ(ui().messageBoxes().front().text,
              QStringLiteral("The database server cannot run this request."));

    // The other texts are read in server mode through the host's string.
    ui().clear();
    cLiturgyItem bible = item(202, 7);
    bible.setPSQLMode(-1);
    bible.setPConnectionString(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                               liturgy->path() + QLatin1Char(';'));
    EXPECT_TRUE(bible.mCreateContent());
    EXPECT_EQ(bible.pHTMData(), QStringLiteral("<P>In the beginning</P>"));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

} // namespace
