#include "app/HostSession.h"

#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QCoreApplication>
#include <QDir>

namespace {

class HostSessionTest : public TestEnv {};

TEST_F(HostSessionTest, DefaultDataSetLivesInTheApplicationsDataFolder) {
    const QString name = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("liturgy-calendar");
    EXPECT_EQ(HostSession::defaultIniFile(),
              dir() + QStringLiteral("data/liturgy-calendar/liturgy.ini"));
    HostSession session(nullptr);
    QString error;
    EXPECT_FALSE(session.open(QString(), 1, &error));
    EXPECT_EQ(error, QStringLiteral("no data set found; create it with: make-sample-data --out ") +
                         dir() + QStringLiteral("data/liturgy-calendar"));
    // An edition with an INI file of its own in the data set gets that one; an edition whose
    // database the set lacks, or a code that is no edition, is an error.
    const QString data = dir() + QStringLiteral("data/liturgy-calendar/");
    QDir().mkpath(data);
    writeFile("data/liturgy-calendar/Velmarka.MDB", "");
    writeFile("data/liturgy-calendar/Brastelo.MDB", "");
    writeFile("data/liturgy-calendar/liturgy-47.ini",
              "[Files]\r\nLiturgyFile=" + data.toUtf8() + "Velmarka.MDB\r\n");
    writeFile("data/liturgy-calendar/liturgy.ini",
              "[Files]\r\nLiturgyFile=" + data.toUtf8() + "Brastelo.MDB\r\n");
    const struct {
        qint32 edition;
        const char* ini;
        const char* error;
    } cases[] = {
        {47, "liturgy-47.ini", ""},
        {1, "liturgy.ini", ""},
        {1020, "liturgy.ini", ""},
        {39, "liturgy.ini",
         "the edition 39 (The Pelusine Church) needs the liturgy database Pelusino.MDB, which "
         "the default data set does not have"},
        {99999, "liturgy.ini",
         "99999 is not an edition code; the editions are 1, 39, 45, 46, 47, 49, 358, 470, 490, "
         "1003, 1005, 1007, 1010, 1011, 1015, 1016, 1020, 3580, 10024"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HostSession::defaultIniFile(c.edition), data + QString::fromLatin1(c.ini))
            << c.edition;
        HostSession opened(nullptr);
        error.clear();
        EXPECT_EQ(opened.open(QString(), c.edition, &error), *c.error == 0) << c.edition;
        EXPECT_EQ(error, QString::fromUtf8(c.error));
    }
    QCoreApplication::setApplicationName(name);
}

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

TEST_F(HostSessionTest, MissingIniFileAndReportedFailures) {
    HostSession session(nullptr);
    QString error;
    EXPECT_FALSE(session.open(path("none.ini"), 1, &error));
    EXPECT_EQ(error, QStringLiteral("the INI file '") + path("none.ini") +
                         QStringLiteral("' does not exist"));
    EXPECT_FALSE(session.failed());
    ::ui().messageBox(UserInterface::Icon::Critical, UserInterface::Buttons::Ok, {}, {});
    EXPECT_TRUE(session.failed());
}

TEST_F(HostSessionTest, TheEndReleasesTheSharedObjects) {
    {
        HostSession session(nullptr);
        EXPECT_TRUE(shared().errHandler);
        EXPECT_TRUE(shared().garbageFiles);
    }
    EXPECT_FALSE(shared().errHandler);
    EXPECT_FALSE(shared().garbageFiles);
    EXPECT_FALSE(shared().connectionCache);
}

} // namespace
