// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/TestEnv.h"
#include "content/ContentComponents.h"
#include "content/ContentTestData.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"

#include <memory>

namespace {

class VkContentLinksTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        registerContentComponents();
        liturgy = std::make_unique<TestDatabase>(path("Velmarka.MDB"), Schema::Kind::Liturgy);
        ini = writeFile(QStringLiteral("host.ini"), iniText(liturgy->path()));
        liturgy->addLink(100, 201, 7);
        liturgy->addLink(100, 47, 8);
        liturgy->addLink(101, 201, 9);
        liturgy->exec(QStringLiteral("INSERT INTO tbContentLinks (CalendarID, ComponentID, "
                                     "ContentID) VALUES (102, 201, NULL)"));
    }

    std::unique_ptr<QObject> create(const QString& iniFile) const {
        auto links = ObjectRegistry::CreateObject(QStringLiteral("VkContentLinks.cVkContentLinks"));
        LateBinding::set(links.get(), "pVkIniFile", iniFile);
        return links;
    }

    std::unique_ptr<TestDatabase> liturgy;
    QString ini;
};

// The database is the one the INI file names, or the one a Jet connection string names.
TEST_F(VkContentLinksTest, FindsTheContentOfAComponentOnACalendarRow) {
    struct Case {
        qint32 calendarID;
        qint32 componentID;
        bool found;
        qint32 contentID;
    };
    const Case cases[] = {
        {100, 201, true, 7}, {100, 47, true, 8},   {101, 201, true, 9},  {101, 47, false, 0},
        {100, 12, false, 0}, {999, 201, false, 0}, {102, 201, false, 0},
    };
    for (const bool jet : {false, true}) {
        auto links = create(jet ? QString() : ini);
        QObject* l = links.get();
        if (jet)
            LateBinding::set(l, "pSQLConnectionString",
                             QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                                 liturgy->path() + QLatin1Char(';'));
        EXPECT_TRUE(LateBinding::call(l, "mInitialize").toBool());
        QObject* item = LateBinding::getObject(l, "pVkItem");
        for (const Case& c : cases) {
            LateBinding::set(l, "pCalendarID", c.calendarID);
            LateBinding::set(item, "pComponentID", c.componentID);
            EXPECT_EQ(LateBinding::call(l, "mResolve").toBool(), c.found)
                << jet << " " << c.calendarID << "/" << c.componentID;
            EXPECT_EQ(LateBinding::get(item, "pContentID").toInt(), c.contentID)
                << jet << " " << c.calendarID << "/" << c.componentID;
        }
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(VkContentLinksTest, InitialisingFailsWhenTheDatabaseCannotBeOpened) {
    struct Case {
        const char* what;
        QString iniFile;
    };
    const Case cases[] = {
        {"missing file", writeFile(QStringLiteral("a.ini"), iniText(path("missing.mdb")))},
        {"no liturgy file", writeFile(QStringLiteral("b.ini"), "[Files]\r\n")},
        {"a folder", writeFile(QStringLiteral("c.ini"), iniText(dir()))},
    };
    for (const Case& c : cases) {
        ui().clear();
        auto links = create(c.iniFile);
        EXPECT_FALSE(LateBinding::call(links.get(), "mInitialize").toBool()) << c.what;
        EXPECT_FALSE(LateBinding::call(links.get(), "mResolve").toBool()) << c.what;
        EXPECT_FALSE(ui().messageBoxes().isEmpty()) << c.what;
    }
}

} // namespace
