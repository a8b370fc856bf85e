// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"
#include "support/ComponentInfo.h"
#include "support/SharedState.h"
#include "support/cResolveFolders.h"

#include <algorithm>

using namespace supporttest;
using namespace Qt::StringLiterals;

class ResolveFoldersTest : public SupportTest {};

TEST_F(ResolveFoldersTest, CreatesTheMakersFoldersUnderTheDataHomeOrSaysWhyNot) {
    // The data home as set, and as the folders are named under it.
    const std::pair<QString, QString> cases[] = {
        {path(u"data"_s), path(u"data"_s)},
        {path(u"new/home/share"_s), path(u"new/home/share"_s)},
        {path(u"slash/"_s), path(u"slash"_s)},
    };
    for (const auto& [home, base] : cases) {
        SCOPED_TRACE(home.toStdString());
        useDataHome(home);
        cResolveFolders folders;
        const QString maker = base + u"/Brekka Data as"_s;
        EXPECT_EQ(folders.getLogPath(), maker + u"/LogFiles/"_s);
        EXPECT_EQ(entries(maker), QStringList({u"ConfigFiles"_s, u"LogFiles"_s}));
        EXPECT_EQ(folders.GetConfigPath(), maker + u"/ConfigFiles/"_s);
        EXPECT_TRUE(QFileInfo(maker + u"/LogFiles"_s).isDir());
        EXPECT_TRUE(QFileInfo(maker + u"/ConfigFiles"_s).isDir());
    }
    // Asking again keeps what is there.
    useDataHome(path(u"data"_s));
    cResolveFolders folders;
    const QString kept = folders.getLogPath() + u"Cendra Liturgy Calendar LOG.TXT"_s;
    ASSERT_TRUE(writeAll(kept, "old records\r\n"));
    EXPECT_EQ(folders.getLogPath(), logFolder());
    EXPECT_BYTES_EQ(readFile(kept), QByteArray("old records\r\n"));
    EXPECT_TRUE(ui().calls().isEmpty());

    // Folders that cannot be created are reported in a message.
    ASSERT_TRUE(QDir().mkpath(path(u"taken"_s)));
    writeFile(u"taken/Brekka Data as"_s, "a file with the folder's name");
    for (const QString& home : {blockedPath(u"share"_s), path(u"taken"_s)}) {
        SCOPED_TRACE(home.toStdString());
        ui().clear();
        useDataHome(home);
        EXPECT_EQ(cResolveFolders().getLogPath(), home + u"/Brekka Data as/LogFiles/"_s);
        const auto& boxes = ui().messageBoxes();
        EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [](const auto& b) {
            return b.text.startsWith(u"createBrekkaDataFolders: "_s) && b.text.size() > 25;
        })) << (boxes.isEmpty() ? std::string("no message") : boxes[0].text.toStdString());
    }
    expectBlockerKept();
    EXPECT_BYTES_EQ(readFile(path(u"taken/Brekka Data as"_s)),
                    QByteArray("a file with the folder's name"));
}

TEST_F(ResolveFoldersTest, HelperProgramsAreFoundFromTheLibrarysFolderOrTheNamedOne) {
    // The installed layout: lib/ and libexec/VoVoruzevUdadudar/ side by side under one prefix.
    // A helper that is missing gives its place all the same, for the failure to name.
    shared().env.componentFolder = path(u"prefix/lib/"_s);
    const QString folder = path(u"prefix/libexec/VoVoruzevUdadudar"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(writeAll(folder + u"/runnable"_s, "#!/bin/sh\n"));
    ASSERT_TRUE(QFile::setPermissions(folder + u"/runnable"_s,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    struct Case {
        QString named; // the environment's folder
        QString name;
        QString expected;
    };
    const QList<Case> cases = {
        {{}, u"runnable"_s, folder + u"/runnable"_s},
        {{}, u"missing"_s, folder + u"/missing"_s},
        {path(u"elsewhere/"_s), u"runnable"_s, path(u"elsewhere/runnable"_s)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE((c.named + c.name).toStdString());
        qputenv(ComponentInfo::kHelperFolderVariable, QFile::encodeName(c.named));
        EXPECT_EQ(ComponentInfo::helperPath(c.name), c.expected);
    }
}
