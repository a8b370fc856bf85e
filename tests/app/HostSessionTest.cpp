// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/HostSession.h"

#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

namespace {

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
