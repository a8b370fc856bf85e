#include "SupportTestUtil.h"
#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/COSInfo.h"
#include "support/SharedState.h"
#include "support/mVBFileDisk.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace supporttest;

namespace {

// The owner of a path, not following a final symbolic link; -1 when absent.
long long ownerOf(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return st.st_uid;
}

QString withoutSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder.chopped(1) : folder;
}

} // namespace

class OSInfoTest : public TestEnv {
protected:
    QString systemTemp() const {
        return QDir(qEnvironmentVariable("TMPDIR")).canonicalPath() + QLatin1Char('/');
    }
};

TEST_F(OSInfoTest, TempPathIsAPrivateFolderOfTheUserUnderTheSystemsTemporaryFolder) {
    COSInfo info;
    const QString temp = info.TempPath();
    ASSERT_FALSE(temp.isEmpty());
    EXPECT_TRUE(temp.startsWith(systemTemp())) << temp.toStdString();
    EXPECT_TRUE(temp.endsWith(QLatin1Char('/')));
    EXPECT_GT(temp.size(), systemTemp().size() + 1);
    EXPECT_TRUE(QFileInfo(withoutSlash(temp)).isDir());
    EXPECT_FALSE(QFileInfo(withoutSlash(temp)).isSymLink());
    EXPECT_EQ(modeOf(withoutSlash(temp)), 0700);
    EXPECT_EQ(ownerOf(withoutSlash(temp)), (long long)::getuid());
    // The same folder each time.
    EXPECT_EQ(COSInfo().TempPath(), temp);
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(OSInfoTest, TempPathNeverHandsOutAFolderOthersCanReach) {
    const QString temp = COSInfo().TempPath();
    ASSERT_FALSE(temp.isEmpty());
    const QString folder = withoutSlash(temp);
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("elsewhere"))));
    const int elsewhereMode = modeOf(path(QStringLiteral("elsewhere")));

    struct Case {
        const char* name;
        std::function<bool()> spoil;
    };
    const Case cases[] = {
        {"opened to everybody",
         [&] { return ::chmod(QFile::encodeName(folder).constData(), 0777) == 0; }},
        {"owned by another user",
         [&] { return ::chown(QFile::encodeName(folder).constData(), 65534, 65534) == 0; }},
        {"replaced by a link to another folder",
         [&] {
             return QDir(folder).removeRecursively() &&
                    ::symlink(QFile::encodeName(path(QStringLiteral("elsewhere"))).constData(),
                              QFile::encodeName(folder).constData()) == 0;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.spoil());
        const QString again = COSInfo().TempPath();
        if (!again.isEmpty()) {
            const QString f = withoutSlash(again);
            EXPECT_FALSE(QFileInfo(f).isSymLink());
            EXPECT_TRUE(QFileInfo(f).isDir());
            EXPECT_EQ(modeOf(f), 0700);
            EXPECT_EQ(ownerOf(f), (long long)::getuid());
        }
        // Put the folder back for the next case.
        QFile::remove(folder);
        QDir(folder).removeRecursively();
        ASSERT_FALSE(COSInfo().TempPath().isEmpty());
    }
    EXPECT_EQ(modeOf(path(QStringLiteral("elsewhere"))), elsewhereMode);
}

TEST_F(OSInfoTest, TempFileCreatesNewEmptyFilesNamedFromThePrefix) {
    const QString temp = COSInfo().TempPath();
    ASSERT_FALSE(temp.isEmpty());
    struct Case {
        QString prefix;
        QString start;
    };
    const Case cases[] = {
        {QStringLiteral("CEN"), QStringLiteral("CEN")},
        {QStringLiteral("CENDRA"), QStringLiteral("CEN")},
        {QStringLiteral("ab"), QStringLiteral("ab")},
        {QString(), QString()},
    };
    QSet<QString> seen;
    for (const Case& c : cases) {
        for (int i = 0; i < 3; ++i) {
            QString prefix = c.prefix;
            const QString file = COSInfo().TempFile(prefix);
            EXPECT_EQ(prefix, c.prefix);
            ASSERT_FALSE(file.isEmpty());
            EXPECT_EQ(mVBFileDisk::folderPart(file), temp);
            const QString name = file.mid(temp.size());
            EXPECT_TRUE(QRegularExpression(QStringLiteral("^") +
                                           QRegularExpression::escape(c.start) +
                                           QStringLiteral("[0-9A-Fa-f]+\\.TMP$"))
                            .match(name)
                            .hasMatch())
                << name.toStdString();
            EXPECT_TRUE(QFileInfo(file).isFile());
            EXPECT_EQ(QFileInfo(file).size(), 0);
            EXPECT_FALSE(seen.contains(file)) << file.toStdString();
            seen.insert(file);
        }
    }
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(OSInfoTest, TempFileNeverTakesAnExistingName) {
    const QString temp = COSInfo().TempPath();
    ASSERT_FALSE(temp.isEmpty());
    QSet<QString> existing;
    for (int n = 0; n <= 0xFF; ++n) {
        for (const QString& name : {QStringLiteral("CEN%1.TMP").arg(n, 0, 16).toUpper(),
                                    QStringLiteral("CEN%1.TMP").arg(n, 0, 16)}) {
            if (existing.contains(name))
                continue;
            ASSERT_TRUE(writeAll(temp + name, "taken"));
            existing.insert(name);
        }
    }
    for (int i = 0; i < 20; ++i) {
        QString prefix = QStringLiteral("CEN");
        const QString file = COSInfo().TempFile(prefix);
        ASSERT_FALSE(file.isEmpty());
        EXPECT_FALSE(existing.contains(file.mid(temp.size()))) << file.toStdString();
        EXPECT_EQ(QFileInfo(file).size(), 0);
    }
    for (const QString& name : existing)
        EXPECT_BYTES_EQ(readAll(temp + name), QByteArray("taken")) << name.toStdString();
}

TEST_F(OSInfoTest, AnUnusableTemporaryFolderIsReportedAndGivesEmpty) {
    writeFile(QStringLiteral("afile"), "plain");
    const QStringList rootBefore = entries(QStringLiteral("/"));
    const QStringList currentBefore = entries(QDir::currentPath());
    struct Case {
        const char* name;
        QString tmpdir;
    };
    const Case cases[] = {
        {"under a regular file", path(QStringLiteral("afile/tmp"))},
        {"a regular file", path(QStringLiteral("afile"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        qputenv("TMPDIR", QFile::encodeName(c.tmpdir));
        ui().clear();
        EXPECT_EQ(COSInfo().TempPath(), QString());
        EXPECT_FALSE(ui().messageBoxes().isEmpty());
        EXPECT_TRUE(errHandler().lastErrorProcedure().startsWith(QStringLiteral("COSInfo.")))
            << errHandler().lastErrorProcedure().toStdString();

        ui().clear();
        QString prefix = QStringLiteral("CEN");
        EXPECT_EQ(COSInfo().TempFile(prefix), QString());
        EXPECT_FALSE(ui().messageBoxes().isEmpty());
        EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    }
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("plain"));
    const QStringList rootAfter = entries(QStringLiteral("/"));
    EXPECT_EQ(rootAfter, rootBefore);
    // Take away a temporary folder made at the root, where this test must not leave one.
    for (const QString& name : rootAfter) {
        const QString made = QStringLiteral("/") + name;
        if (!rootBefore.contains(name) && QFileInfo(made).isDir() &&
            QDir(made).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) ==
                QDir(made).entryList({QStringLiteral("*.TMP")}, QDir::Files | QDir::Hidden))
            QDir(made).removeRecursively();
    }
    EXPECT_EQ(entries(QDir::currentPath()), currentBefore);
}
