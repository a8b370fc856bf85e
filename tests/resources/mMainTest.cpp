// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "resources/mMain.h"

#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"

#include <QDir>

namespace {

class mMainTest : public TestEnv {
protected:
    QString iniWith(const QString& liturgyFile) {
        return writeFile("host.ini", "[Files]\r\nLiturgyFile=" + liturgyFile.toUtf8() + "\r\n");
    }
};

TEST_F(mMainTest, EveryDatabaseFileGivesItsEditionAndName) {
    struct Case {
        const char* file;
        qint32 code;
        const char* name;
    };
    const Case cases[] = {
        {"Brastelo.MDB", 1, "The Brastel Assembly"},
        {"Pelusino.MDB", 39, "The Pelusine Church"},
        {"Sorvandi.mdb", 45, "The Sorvand Church"},
        {"Dralvika.MDB", 46, "Dralvik National Church"},
        {"Velmarka.MDB", 47, "Velmark Church - A"},
        {"Hubrensk.MDB", 49, "The Hubren Diocese"},
        {"kaminoro.MDB", 358, "Kamino Church - North"},
        {"Velmarke.MDB", 470, "Velmark Church - B"},
        {"ostravel.MDB", 490, "Hubren Union Church"},
        {"TREMBALO.MDB", 1003, "The Trembal Fellowship"},
        {"Orsaveli.MDB", 1005, "Orsave Gathering Church"},
        {"Brastume.MDB", 1007, "The Brastel Diocese"},
        {"KorvaBase.mdb", 1010, "Korva Coastal Church"},
        {"KorvaLume.MDB", 1011, "The Korva Diocese"},
        {"Quorvane.MDB", 1015, "Quorvan Coastal Church"},
        {"KorvaMesa.MDB", 1016, "Korva Union Church"},
        {"kaminose.MDB", 3580, "Kamino Church - South"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file);
        const QString ini = iniWith(QStringLiteral("/data/") + QString::fromLatin1(c.file));
        EXPECT_EQ(mMain::validateVersion(1020, ini), c.code);
        EXPECT_EQ(shared().gEditionName, QString::fromLatin1(c.name));
        EXPECT_EQ(mMain::getVersionName(c.code), QString::fromLatin1(c.name));
    }
    // Codes without a row have no name.
    for (qint32 code : {0, -1, 2, 1020, 10024, 48, 1012})
        EXPECT_EQ(mMain::getVersionName(code), QString()) << code;
}

TEST_F(mMainTest, ValidateVersionTakesTheFilePartWithoutRegardToCase) {
    struct Case {
        const char* liturgyFile;
        qint32 given;
        qint32 expected;
        const char* editionName;
    };
    const Case cases[] = {
        {"/srv/church/velmarka.mdb", 1, 47, "Velmark Church - A"},
        {"C:\\Program Files\\Cendra\\VELMARKA.MDB", 1, 47, "Velmark Church - A"},
        {"C:\\data/sub\\korvalume.mdb", 10024, 1011, "The Korva Diocese"},
        {"relative/KORVABASE.MDB", 0, 1010, "Korva Coastal Church"},
        // A table name inside a longer file name is not that file.
        {"/srv/xVelmarka.MDB", 1, 1, ""},
        {"/srv/Velmarka.MDB.bak", 39, 39, ""},
        {"/srv/Velmarka", 39, 39, ""},
        {"/srv/Velmarka.MDB/", 1020, 1020, ""},
        {"/srv/Unknown.MDB", 10024, 10024, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.liturgyFile);
        shared().gEditionName = "before";
        const QString ini = iniWith(QString::fromUtf8(c.liturgyFile));
        EXPECT_EQ(mMain::validateVersion(c.given, ini), c.expected);
        EXPECT_EQ(shared().gEditionName, QString::fromUtf8(c.editionName));
    }
    // Section and key match without regard to case too.
    const QString lower = writeFile("case.ini", "[files]\r\nliturgyfile=/a/Hubrensk.MDB\r\n");
    EXPECT_EQ(mMain::validateVersion(1, lower), 49);
    EXPECT_EQ(mMain::getVersionName(49), "The Hubren Diocese");
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}

TEST_F(mMainTest, EmptyOrMissingLiturgyFileKeepsCodeAndName) {
    const QString cases[] = {
        writeFile("empty.ini", "[Files]\r\nLiturgyFile=\r\n"),
        writeFile("other.ini", "[FILES]\r\nPlanFile=/x/Velmarka.MDB\r\n"),
        path("missing.ini"),
        QString(),
    };
    for (const QString& ini : cases) {
        SCOPED_TRACE(ini.toStdString());
        shared().gEditionName = "Kept";
        EXPECT_EQ(mMain::validateVersion(47, ini), 47);
        EXPECT_EQ(shared().gEditionName, "Kept");
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(mMainTest, StyleSheetIsTheFirstExistingCandidate) {
    const QString templates = dir() + QStringLiteral("templates/");
    ASSERT_TRUE(QDir().mkpath(templates));
    const QString ini =
        writeFile("style.ini", "[FILES]\r\nTemplatePath=" + templates.toUtf8() + "\r\n");
    struct Case {
        QStringList present;
        bool forPrint;
        const char* expected; // file name in the folder, or "" for none
    };
    const Case cases[] = {
        {{"47MainPrint.CSS", "47Main.CSS", "MainPrint.CSS", "Main.CSS"}, true, "47MainPrint.CSS"},
        {{"47Main.CSS", "MainPrint.CSS", "Main.CSS"}, true, "47Main.CSS"},
        {{"MainPrint.CSS", "Main.CSS"}, true, "MainPrint.CSS"},
        {{"Main.CSS"}, true, "Main.CSS"},
        {{}, true, ""},
        // Another edition's sheet is not this edition's.
        {{"470MainPrint.CSS", "4MainPrint.CSS"}, true, ""},
        {{"47MainPrint.CSS", "47Main.CSS", "Main.CSS"}, false, "47Main.CSS"},
        {{"47MainPrint.CSS", "MainPrint.CSS", "Main.CSS"}, false, "Main.CSS"},
        {{"47MainPrint.CSS", "MainPrint.CSS"}, false, ""},
        // A name that differs only in letter case is found as it is on disk.
        {{"mainprint.css"}, true, "mainprint.css"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.present.join(QLatin1Char(',')).toStdString() + (c.forPrint ? " print" : ""));
        QDir(templates).removeRecursively();
        ASSERT_TRUE(QDir().mkpath(templates));
        for (const QString& name : c.present)
            writeFile(QStringLiteral("templates/") + name, "body {}");
        const QString expected =
            *c.expected ? templates + QString::fromLatin1(c.expected) : QString();
        EXPECT_EQ(mMain::getStyleSheetFile(ini, 47, c.forPrint), expected);
    }
    // Without the template folder there is none; nothing failed, the stack is as it was.
    const QString none =
        writeFile("nofolder.ini", "[FILES]\r\nTemplatePath=" + dir().toUtf8() + "none/\r\n");
    EXPECT_EQ(mMain::getStyleSheetFile(none, 47, true), QString());
    EXPECT_EQ(mMain::getStyleSheetFile(none, 47, false), QString());
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

} // namespace
