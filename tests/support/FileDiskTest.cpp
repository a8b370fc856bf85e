#include "SupportTestUtil.h"
#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/mVBFileDisk.h"

#include <QDir>
#include <QFileInfo>

using namespace supporttest;

class FileDiskTest : public TestEnv {};

TEST_F(FileDiskTest, FileExistsCountsFilesOnlyWithoutRegardToLetterCase) {
    writeFile(QStringLiteral("Page.HTM"), "x");
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("folder"))));
    writeFile(QStringLiteral("afile"), "x");
    struct Case {
        QString path;
        bool exists;
    };
    const Case cases[] = {
        {path(QStringLiteral("Page.HTM")), true},
        {path(QStringLiteral("page.htm")), true},
        {path(QStringLiteral("PAGE.HTM")), true},
        {path(QStringLiteral("Page.HTMX")), false},
        {path(QStringLiteral("folder")), false},
        {path(QStringLiteral("folder/")), false},
        {path(QStringLiteral("missing.htm")), false},
        {path(QStringLiteral("afile/inner.txt")), false},
        {QString(), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mVBFileDisk::fileExists(c.path), c.exists) << c.path.toStdString();
}

TEST_F(FileDiskTest, DeleteFileIgnoresWhatCannotBeDeleted) {
    const QString file = writeFile(QStringLiteral("gone.tmp"), "x");
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("folder/inner"))));
    EXPECT_TRUE(mVBFileDisk::deleteFile(file));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(mVBFileDisk::deleteFile(file));
    EXPECT_TRUE(mVBFileDisk::deleteFile(path(QStringLiteral("folder"))));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder/inner"))).isDir());
    EXPECT_TRUE(mVBFileDisk::deleteFile(QString()));
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(FileDiskTest, ReadTextFileGivesTheWholeTextUnchanged) {
    // Commas, quotes and line ends are text like any other.
    const QByteArray text = "\"Kåre\", Ødegård,\t1,2,3\r\nsecond line, \"quoted, with comma\"\n"
                            "\r\n"
                            "last line without end";
    EXPECT_EQ(mVBFileDisk::readTextFile(writeFile(QStringLiteral("t.txt"), text)),
              QString::fromUtf8(text));
    EXPECT_EQ(mVBFileDisk::readTextFile(writeFile(QStringLiteral("empty.txt"), {})), QString());
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("folder.txt"))));
    EXPECT_EQ(mVBFileDisk::readTextFile(path(QStringLiteral("folder.txt"))), QString());
    EXPECT_EQ(mVBFileDisk::readTextFile(path(QStringLiteral("missing.txt"))), QString());
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(FileDiskTest, AppendToTextFileAddsLinesWithCrLf) {
    const QString file = path(QStringLiteral("new.txt"));
    EXPECT_TRUE(mVBFileDisk::AppendToTextFile(file, QStringLiteral("first, line")));
    EXPECT_TRUE(mVBFileDisk::AppendToTextFile(file, QString()));
    EXPECT_TRUE(mVBFileDisk::AppendToTextFile(file, QStringLiteral("Kåre")));
    EXPECT_BYTES_EQ(readAll(file), QByteArray("first, line\r\n\r\nKåre\r\n"));

    const QString existing = writeFile(QStringLiteral("old.txt"), "kept");
    EXPECT_TRUE(mVBFileDisk::AppendToTextFile(existing, QStringLiteral("more")));
    EXPECT_BYTES_EQ(readAll(existing), QByteArray("keptmore\r\n"));

    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("folder.txt"))));
    writeFile(QStringLiteral("afile"), "plain");
    EXPECT_FALSE(
        mVBFileDisk::AppendToTextFile(path(QStringLiteral("folder.txt")), QStringLiteral("x")));
    EXPECT_FALSE(
        mVBFileDisk::AppendToTextFile(path(QStringLiteral("missing/x.txt")), QStringLiteral("x")));
    EXPECT_FALSE(
        mVBFileDisk::AppendToTextFile(path(QStringLiteral("afile/x.txt")), QStringLiteral("x")));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("plain"));
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(FileDiskTest, SplitsPathsOnBothSeparators) {
    struct Case {
        const char* path;
        const char* extension;
        const char* name;
        const char* folder;
    };
    const Case cases[] = {
        {"C:\\a\\b.txt", "txt", "b.txt", "C:\\a\\"},
        {"/home/u/b.txt", "txt", "b.txt", "/home/u/"},
        {"report.htm", "htm", "report.htm", ""},
        {"x.jp", "jp", "x.jp", ""},
        {"a.b", "b", "a.b", ""},
        {"name", "", "name", ""},
        {"page.html", "", "page.html", ""},
        {"README.TXT", "TXT", "README.TXT", ""},
        {"archive.tar.gz", "gz", "archive.tar.gz", ""},
        {"ends.", "", "ends.", ""},
        {"a\\b/c", "", "c", "a\\b/"},
        {"a/b\\c.d", "d", "c.d", "a/b\\"},
        {"/tmp/CEN1A2.TMP", "TMP", "CEN1A2.TMP", "/tmp/"},
        {"dir/", "", "", "dir/"},
        {"/", "", "", "/"},
        {"", "", "", ""},
    };
    for (const Case& c : cases) {
        const QString p = QString::fromUtf8(c.path);
        EXPECT_EQ(mVBFileDisk::fileExtension(p), QString::fromUtf8(c.extension)) << c.path;
        EXPECT_EQ(mVBFileDisk::fileNamePart(p), QString::fromUtf8(c.name)) << c.path;
        EXPECT_EQ(mVBFileDisk::folderPart(p), QString::fromUtf8(c.folder)) << c.path;
    }
}

TEST_F(FileDiskTest, ResolveLetterCaseFindsTheNameOnDisk) {
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("Lib/Liturgy"))));
    writeFile(QStringLiteral("Lib/Liturgy/Kaminose.mdb"), "x");
    writeFile(QStringLiteral("Lib/Liturgy/same.txt"), "lower");
    writeFile(QStringLiteral("Lib/Liturgy/SAME.TXT"), "upper");
    struct Case {
        QString asked;
        QString found;
    };
    const Case cases[] = {
        {path(QStringLiteral("LIB/liturgy/KAMINOSE.MDB")),
         path(QStringLiteral("Lib/Liturgy/Kaminose.mdb"))},
        {path(QStringLiteral("Lib/Liturgy/Kaminose.mdb")),
         path(QStringLiteral("Lib/Liturgy/Kaminose.mdb"))},
        {path(QStringLiteral("lib/LITURGY")), path(QStringLiteral("Lib/Liturgy"))},
        // An exact match wins over one that differs only in letter case.
        {path(QStringLiteral("Lib/Liturgy/SAME.TXT")),
         path(QStringLiteral("Lib/Liturgy/SAME.TXT"))},
        {path(QStringLiteral("Lib/Liturgy/same.txt")),
         path(QStringLiteral("Lib/Liturgy/same.txt"))},
        // Nothing matches: the path as asked.
        {path(QStringLiteral("LIB/missing/KAMINOSE.MDB")),
         path(QStringLiteral("LIB/missing/KAMINOSE.MDB"))},
        {QStringLiteral("relative/NAME.MDB"), QStringLiteral("relative/NAME.MDB")},
        {QString(), QString()},
    };
    for (const Case& c : cases)
        EXPECT_EQ(mVBFileDisk::resolveLetterCase(c.asked), c.found) << c.asked.toStdString();
}

TEST_F(FileDiskTest, FileServicesPushNoProcedureNames) {
    CErrHandler& h = errHandler();
    h.setTraceExecution(true);
    const QString file = path(QStringLiteral("x.txt"));
    mVBFileDisk::AppendToTextFile(file, QStringLiteral("a"));
    mVBFileDisk::fileExists(file);
    mVBFileDisk::readTextFile(file);
    mVBFileDisk::deleteFile(file);
    mVBFileDisk::fileExtension(file);
    mVBFileDisk::resolveLetterCase(file);
    EXPECT_EQ(h.pCurStackPointer(), 0);
    shared().errHandler.reset();
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("module/trace.log"))), QByteArray());
}
