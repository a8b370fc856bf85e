// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"
#include "support/COSInfo.h"
#include "support/mVBFileDisk.h"

#include <QRegularExpression>
#include <QSet>
#include <functional>
#include <unistd.h>

using namespace supporttest;
using namespace Qt::StringLiterals;

class OSInfoTest : public SupportTest {
protected:
    // The private temporary folder without its trailing '/', after checking that only this
    // user can reach it.
    static QString checkedTempFolder(const QString& temp) {
        EXPECT_TRUE(temp.endsWith(u'/')) << temp.toStdString();
        const QString folder = temp.chopped(1);
        struct stat st {};
        EXPECT_EQ(::lstat(QFile::encodeName(folder).constData(), &st), 0);
        EXPECT_TRUE(S_ISDIR(st.st_mode)) << "not a folder (or a link)";
        EXPECT_EQ(st.st_mode & 07777, 0700u);
        EXPECT_EQ(st.st_uid, ::getuid());
        return folder;
    }
};

TEST_F(OSInfoTest, TempPathIsAPrivateFolderUnderTheSystemsAndNeverOneOthersCanReach) {
    const QString system = QDir(qEnvironmentVariable("TMPDIR")).canonicalPath() + u'/';
    const QString temp = COSInfo().TempPath();
    ASSERT_FALSE(temp.isEmpty());
    EXPECT_TRUE(temp.startsWith(system)) << temp.toStdString();
    EXPECT_GT(temp.size(), system.size() + 1);
    const QString folder = checkedTempFolder(temp);
    EXPECT_EQ(COSInfo().TempPath(), temp); // the same folder each time
    EXPECT_TRUE(ui().calls().isEmpty());

    const QString elsewhere = path(u"elsewhere"_s);
    ASSERT_TRUE(QDir().mkpath(elsewhere));
    const int elsewhereMode = modeOf(elsewhere);
    const QByteArray native = QFile::encodeName(folder);
    const std::pair<const char*, std::function<bool()>> cases[] = {
        {"opened to everybody", [&] { return ::chmod(native.constData(), 0777) == 0; }},
        {"readable by the group", [&] { return ::chmod(native.constData(), 0740) == 0; }},
        {"owned by another user", [&] { return ::chown(native.constData(), 65534, 65534) == 0; }},
        {"replaced by a link to another folder",
         [&] {
             return QDir(folder).removeRecursively() &&
                    ::symlink(QFile::encodeName(elsewhere).constData(), native.constData()) == 0;
         }},
    };
    // Where another user took the name, the session's runtime folder serves; without one, the
    // next free name of a series.
    const QString runtime = path(u"run"_s);
    ASSERT_TRUE(QDir().mkpath(runtime));
    for (const auto& [name, spoil] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(spoil());
        EXPECT_EQ(COSInfo().TempPath(), folder + u".1/"_s);
        checkedTempFolder(folder + u".1/"_s);
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
        EXPECT_EQ(COSInfo().TempPath(), runtime + u"/liturgy-calendar/"_s);
        checkedTempFolder(runtime + u"/liturgy-calendar/"_s);
        qunsetenv("XDG_RUNTIME_DIR");
        EXPECT_TRUE(ui().calls().isEmpty());
        // Put the folder back for the next case.
        QFile::remove(folder);
        QDir(folder).removeRecursively();
        QDir(folder + u".1"_s).removeRecursively();
        QDir(runtime + u"/liturgy-calendar"_s).removeRecursively();
        ASSERT_FALSE(COSInfo().TempPath().isEmpty());
    }
    EXPECT_EQ(modeOf(elsewhere), elsewhereMode);
}

TEST_F(OSInfoTest, TempFileCreatesNewEmptyFilesNamedFromThePrefixNeverTakingAnExistingName) {
    const QString temp = COSInfo().TempPath();
    ASSERT_FALSE(temp.isEmpty());
    // The names of the first numbers are taken, in either letter case.
    QSet<QString> existing;
    for (int n = 0; n <= 0xFF; ++n) {
        for (const QString& name :
             {u"CEN%1.TMP"_s.arg(n, 0, 16).toUpper(), u"CEN%1.TMP"_s.arg(n, 0, 16)}) {
            ASSERT_TRUE(existing.contains(name) || writeAll(temp + name, "taken"));
            existing.insert(name);
        }
    }
    // The prefix given, and how the names start ('T' is no hex digit, so a longer cut shows).
    const std::pair<QString, QString> cases[] = {{u"CEN"_s, u"CEN"_s},
                                                 {u"CENDRA"_s, u"CEN"_s},
                                                 {u"CENTRAL"_s, u"CEN"_s},
                                                 {u"ab"_s, u"ab"_s},
                                                 {{}, {}}};
    QSet<QString> seen;
    for (const auto& [given, start] : cases) {
        const QRegularExpression pattern(u"^"_s + start + u"[0-9A-Fa-f]+\\.TMP$"_s);
        // Seven each: 21 names with the taken ones' stem.
        for (int i = 0; i < 7; ++i) {
            QString prefix = given;
            const QString file = COSInfo().TempFile(prefix);
            EXPECT_EQ(prefix, given);
            ASSERT_FALSE(file.isEmpty());
            EXPECT_EQ(mVBFileDisk::folderPart(file), temp);
            EXPECT_TRUE(pattern.match(file.mid(temp.size())).hasMatch()) << file.toStdString();
            EXPECT_TRUE(QFileInfo(file).isFile());
            EXPECT_EQ(QFileInfo(file).size(), 0);
            EXPECT_FALSE(seen.contains(file) || existing.contains(file.mid(temp.size())))
                << file.toStdString();
            seen.insert(file);
        }
    }
    for (const QString& name : existing)
        EXPECT_BYTES_EQ(readFile(temp + name), QByteArray("taken")) << name.toStdString();
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(OSInfoTest, AnUnusableTemporaryFolderIsReportedAndGivesEmpty) {
    const QStringList rootBefore = entries(u"/"_s);
    const QStringList currentBefore = entries(QDir::currentPath());
    for (const QString& tmpdir : {blockedPath(u"tmp"_s), path(u"afile"_s)}) {
        SCOPED_TRACE(tmpdir.toStdString());
        qputenv("TMPDIR", QFile::encodeName(tmpdir));
        ui().clear();
        EXPECT_EQ(COSInfo().TempPath(), QString());
        EXPECT_FALSE(ui().messageBoxes().isEmpty());
        EXPECT_TRUE(errHandler().lastErrorProcedure().startsWith(u"COSInfo."_s))
            << errHandler().lastErrorProcedure().toStdString();

        ui().clear();
        QString prefix = u"CEN"_s;
        EXPECT_EQ(COSInfo().TempFile(prefix), QString());
        EXPECT_FALSE(ui().messageBoxes().isEmpty());
        EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    }
    expectBlockerKept();
    const QStringList rootAfter = entries(u"/"_s);
    EXPECT_EQ(rootAfter, rootBefore);
    // Take away a temporary folder made at the root, where this test must not leave one.
    for (const QString& name : rootAfter) {
        const QDir made(u"/"_s + name);
        if (!rootBefore.contains(name) && made.exists() &&
            made.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot) ==
                made.entryList({u"*.TMP"_s}, QDir::Files | QDir::Hidden))
            QDir(made).removeRecursively();
    }
    EXPECT_EQ(entries(QDir::currentPath()), currentBefore);
}
