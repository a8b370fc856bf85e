#include "SupportTestUtil.h"
#include "common/TestEnv.h"
#include "support/cResolveFolders.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

using namespace supporttest;

class ResolveFoldersTest : public TestEnv {};

TEST_F(ResolveFoldersTest, CreatesTheMakersFoldersUnderTheDataHome) {
    struct Case {
        const char* name;
        QString dataHome;
        QString base; // the data home as the folders are named under it
    };
    const Case cases[] = {
        {"existing data home", path(QStringLiteral("data")), path(QStringLiteral("data"))},
        {"data home not yet there", path(QStringLiteral("new/home/share")),
         path(QStringLiteral("new/home/share"))},
        {"data home with a trailing separator", path(QStringLiteral("slash/")),
         path(QStringLiteral("slash"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qputenv("XDG_DATA_HOME", QFile::encodeName(c.dataHome));
        cResolveFolders folders;
        const QString maker = c.base + QStringLiteral("/Brekka Data as");
        EXPECT_EQ(folders.getLogPath(), maker + QStringLiteral("/LogFiles/"));
        EXPECT_EQ(entries(maker),
                  QStringList({QStringLiteral("ConfigFiles"), QStringLiteral("LogFiles")}));
        EXPECT_EQ(folders.GetConfigPath(), maker + QStringLiteral("/ConfigFiles/"));
        EXPECT_TRUE(QFileInfo(maker + QStringLiteral("/LogFiles")).isDir());
        EXPECT_TRUE(QFileInfo(maker + QStringLiteral("/ConfigFiles")).isDir());
    }
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(ResolveFoldersTest, AskingAgainKeepsWhatIsThere) {
    cResolveFolders folders;
    const QString log = folders.getLogPath();
    const QString kept = log + QStringLiteral("Cendra Liturgy Calendar LOG.TXT");
    ASSERT_TRUE(writeAll(kept, "old records\r\n"));
    EXPECT_EQ(folders.getLogPath(), log);
    EXPECT_BYTES_EQ(readAll(kept), QByteArray("old records\r\n"));
}

TEST_F(ResolveFoldersTest, AppTitleIsKeptAndNotUsed) {
    cResolveFolders folders;
    EXPECT_EQ(folders.AppTitle(), QString());
    folders.setAppTitle(QStringLiteral("Cendra"));
    EXPECT_EQ(folders.AppTitle(), QStringLiteral("Cendra"));
    EXPECT_EQ(folders.getLogPath(), logFolder());
}

TEST_F(ResolveFoldersTest, FoldersThatCannotBeCreatedAreReportedInAMessage) {
    writeFile(QStringLiteral("afile"), "plain");
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("taken"))));
    writeFile(QStringLiteral("taken/Brekka Data as"), "a file with the folder's name");
    struct Case {
        const char* name;
        QString dataHome;
    };
    const Case cases[] = {
        {"data home under a regular file", path(QStringLiteral("afile/share"))},
        {"maker's folder is a regular file", path(QStringLiteral("taken"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ui().clear();
        qputenv("XDG_DATA_HOME", QFile::encodeName(c.dataHome));
        cResolveFolders folders;
        EXPECT_EQ(folders.getLogPath(), c.dataHome + QStringLiteral("/Brekka Data as/LogFiles/"));
        const auto& boxes = ui().messageBoxes();
        EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(),
                                [](const HeadlessUserInterface::MessageBoxCall& b) {
                                    return b.text.startsWith(
                                               QStringLiteral("createBrekkaDataFolders: ")) &&
                                           b.text.size() > 25;
                                }))
            << (boxes.isEmpty() ? std::string("no message") : boxes[0].text.toStdString());
    }
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("plain"));
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("taken/Brekka Data as"))),
                    QByteArray("a file with the folder's name"));
}
