// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"
#include "support/mVBFileDisk.h"

using namespace supporttest;
using namespace Qt::StringLiterals;

class FileDiskTest : public SupportTest {};

TEST_F(FileDiskTest, FileExistsCountsFilesOnlyWithoutRegardToLetterCase) {
    writeFile(u"Page.HTM"_s, "x");
    ASSERT_TRUE(QDir().mkpath(path(u"folder"_s)));
    const std::pair<QString, bool> cases[] = {
        {path(u"Page.HTM"_s), true},
        {path(u"page.htm"_s), true},
        {path(u"PAGE.HTM"_s), true},
        {path(u"Page.HTMX"_s), false},
        {path(u"folder"_s), false},
        {path(u"folder/"_s), false},
        {path(u"missing.htm"_s), false},
        {blockedPath(u"inner.txt"_s), false},
        {QString(), false},
    };
    for (const auto& [p, exists] : cases)
        EXPECT_EQ(mVBFileDisk::fileExists(p), exists) << p.toStdString();
}

TEST_F(FileDiskTest, DeleteIgnoresWhatCannotBeDeletedAndReadAndAppendKeepEveryByte) {
    const QString file = writeFile(u"gone.tmp"_s, "x");
    ASSERT_TRUE(QDir().mkpath(path(u"folder/inner"_s)));
    EXPECT_TRUE(mVBFileDisk::deleteFile(file));
    EXPECT_FALSE(QFileInfo::exists(file));
    EXPECT_TRUE(mVBFileDisk::deleteFile(file));
    EXPECT_TRUE(mVBFileDisk::deleteFile(path(u"folder"_s)));
    EXPECT_TRUE(QFileInfo(path(u"folder/inner"_s)).isDir());
    EXPECT_TRUE(mVBFileDisk::deleteFile(QString()));

    // Commas, quotes and line ends are text like any other.
    const QByteArray text = "\"Kåre\", Ødegård,\t1,2,3\r\nsecond line, \"quoted, with comma\"\n"
                            "\r\nlast line without end";
    EXPECT_EQ(mVBFileDisk::readTextFile(writeFile(u"t.txt"_s, text)), QString::fromUtf8(text));
    EXPECT_EQ(mVBFileDisk::readTextFile(writeFile(u"empty.txt"_s, {})), QString());
    ASSERT_TRUE(QDir().mkpath(path(u"folder.txt"_s)));
    EXPECT_EQ(mVBFileDisk::readTextFile(path(u"folder.txt"_s)), QString());
    EXPECT_EQ(mVBFileDisk::readTextFile(path(u"missing.txt"_s)), QString());

    const QString fresh = path(u"new.txt"_s);
    for (const QString& line : {u"first, line"_s, QString(), u"Kåre"_s})
        EXPECT_TRUE(mVBFileDisk::AppendToTextFile(fresh, line));
    EXPECT_BYTES_EQ(readFile(fresh), QByteArray("first, line\r\n\r\nKåre\r\n"));
    const QString existing = writeFile(u"old.txt"_s, "kept");
    EXPECT_TRUE(mVBFileDisk::AppendToTextFile(existing, u"more"_s));
    EXPECT_BYTES_EQ(readFile(existing), QByteArray("keptmore\r\n"));

    for (const QString& p :
         {path(u"folder.txt"_s), path(u"missing/x.txt"_s), blockedPath(u"x.txt"_s)})
        EXPECT_FALSE(mVBFileDisk::AppendToTextFile(p, u"x"_s)) << p.toStdString();
    EXPECT_FALSE(QFileInfo::exists(path(u"missing"_s)));
    expectBlockerKept();
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(FileDiskTest, SplitsPathsOnBothSeparators) {
    struct Case {
        const char *path, *extension, *name, *folder;
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
        SCOPED_TRACE(c.path);
        const QString p = QString::fromUtf8(c.path);
        EXPECT_EQ(mVBFileDisk::fileExtension(p), QString::fromUtf8(c.extension));
        EXPECT_EQ(mVBFileDisk::fileNamePart(p), QString::fromUtf8(c.name));
        EXPECT_EQ(mVBFileDisk::folderPart(p), QString::fromUtf8(c.folder));
    }
}

TEST_F(FileDiskTest, ResolveLetterCaseFindsTheNameOnDisk) {
    ASSERT_TRUE(QDir().mkpath(path(u"Lib/Liturgy"_s)));
    writeFile(u"Lib/Liturgy/Kaminose.mdb"_s, "x");
    writeFile(u"Lib/Liturgy/same.txt"_s, "lower");
    writeFile(u"Lib/Liturgy/SAME.TXT"_s, "upper");
    const std::pair<QString, QString> cases[] = {
        {u"LIB/liturgy/KAMINOSE.MDB"_s, u"Lib/Liturgy/Kaminose.mdb"_s},
        {u"Lib/Liturgy/Kaminose.mdb"_s, u"Lib/Liturgy/Kaminose.mdb"_s},
        {u"lib/LITURGY"_s, u"Lib/Liturgy"_s},
        // An exact match wins over one that differs only in letter case.
        {u"Lib/Liturgy/SAME.TXT"_s, u"Lib/Liturgy/SAME.TXT"_s},
        {u"Lib/Liturgy/same.txt"_s, u"Lib/Liturgy/same.txt"_s},
        // Nothing matches: the path as asked.
        {u"LIB/missing/KAMINOSE.MDB"_s, u"LIB/missing/KAMINOSE.MDB"_s},
    };
    for (const auto& [asked, found] : cases)
        EXPECT_EQ(mVBFileDisk::resolveLetterCase(path(asked)), path(found)) << asked.toStdString();
    EXPECT_EQ(mVBFileDisk::resolveLetterCase(u"relative/NAME.MDB"_s), u"relative/NAME.MDB"_s);
    EXPECT_EQ(mVBFileDisk::resolveLetterCase(QString()), QString());
}
