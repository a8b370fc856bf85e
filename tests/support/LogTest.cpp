// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"
#include "support/modLog.h"

#include <thread>
#include <vector>

using namespace supporttest;
using namespace Qt::StringLiterals;

class LogTest : public SupportTest {
protected:
    static bool writeOverflow() { return modLog::writeRecord({u"m.p"_s, u"Error (6) Overflow"_s}); }
    static QString backup() { return modLog::backupFilePath(logFile()); }
};

// The log's own name and the version without a module file are FirstRecordCreates...'s.
TEST_F(LogTest, NamesTheLogItsBackupAndTheVersion) {
    EXPECT_EQ(backup(), logFolder() + u"Cendra Liturgy Calendar LOG.bck"_s);
    EXPECT_EQ(modLog::backupFilePath(u"/a/b/x.txt"_s), u"/a/b/x.bck"_s);
    const QString module = writeFile(u"module/VoVoruzevUdadudar.EXE"_s, "binary");
    QFile f(module);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2023, 1, 2), QTime(8, 0)),
                              QFileDevice::FileModificationTime));
    f.close();
    EXPECT_EQ(modLog::versionText(), u"Build 1.00.0001 - 1/2/23"_s);
    EXPECT_TRUE(modLog::writeRecord({u"a"_s}));
    EXPECT_BYTES_EQ(readFile(logFile()),
                    logBanner(u"3/5/24"_s) +
                        crlf({u"Build 1.00.0001 - 1/2/23 3/5/24 2:30:15 PM Error: \ta"_s}));
}

TEST_F(LogTest, FirstRecordCreatesTheFolderChainAndTheBannerAndTheOthersFollowInOrder) {
    const QString home = path(u"fresh/home/share"_s);
    useDataHome(home);
    EXPECT_TRUE(
        modLog::writeRecord({u"mADO.getConnection"_s, u"Error (9) Subscript out of range"_s}));

    EXPECT_TRUE(QFileInfo(home + u"/Brekka Data as/ConfigFiles"_s).isDir());
    QByteArray expected("************************************************************\r\n"
                        "*****   Brekka Data AS  -  Generated loggfile 3/5/24    *****\r\n"
                        "************************************************************\r\n"
                        "\r\r\n"
                        "Build 1.00.0001 3/5/24 2:30:15 PM Error: "
                        "\tmADO.getConnection\tError (9) Subscript out "
                        "of range\r\n");
    EXPECT_BYTES_EQ(readFile(logFile()), expected);
    EXPECT_EQ(entries(logFolder()), QStringList{u"Cendra Liturgy Calendar LOG.TXT"_s});

    // Records are tab-joined and appended in order, at the clock of their moment.
    const std::pair<QVariantList, QString> cases[] = {
        {{u"fHoster.doPrint"_s, u"Error (13) Type mismatch"_s},
         u"\tfHoster.doPrint\tError (13) Type mismatch"_s},
        {{53, u"File not found"_s, u"mADO"_s, u"getResData"_s},
         u"\t53\tFile not found\tmADO\tgetResData"_s},
        {{qint32(-2147467259), u"Unspecified error"_s}, u"\t-2147467259\tUnspecified error"_s},
        {{u"File: /d/K.MDB"_s, u"Connection String: Data Source=/d/K.MDB"_s},
         u"\tFile: /d/K.MDB\tConnection String: Data Source=/d/K.MDB"_s},
        {{u"Kåre Ødegård"_s, QString()}, u"\tKåre Ødegård\t"_s},
        {{}, QString()},
    };
    for (const auto& [record, joined] : cases) {
        EXPECT_TRUE(modLog::writeRecord(record)) << joined.toStdString();
        expected += logLine(joined);
    }
    setNow(QDateTime(QDate(2025, 12, 31), QTime(9, 5, 7)));
    EXPECT_TRUE(modLog::writeRecord({u"b"_s}));
    expected += crlf({expectedVersionText() + u" 12/31/25 9:05:07 AM Error: \tb"_s});
    EXPECT_BYTES_EQ(readFile(logFile()), expected);

    // createLogFile replaces any file with the banner of the day.
    EXPECT_TRUE(modLog::createLogFile(logFile()));
    EXPECT_BYTES_EQ(readFile(logFile()), logBanner(u"12/31/25"_s));
}

TEST_F(LogTest, ALogPast60000BytesMovesToTheBackup) {
    for (const qint64 size : {60001, 60000, 1}) {
        SCOPED_TRACE(size);
        const bool rotated = size > 60000;
        ASSERT_TRUE(QDir().mkpath(logFolder()));
        QByteArray old(size, 'x');
        old.replace(0, 4, "OLD ");
        ASSERT_TRUE(writeAll(logFile(), old));
        ASSERT_TRUE(writeAll(backup(), "an older backup\r\n"));

        EXPECT_TRUE(writeOverflow());

        const QByteArray line = logLine(u"\tm.p\tError (6) Overflow"_s);
        EXPECT_BYTES_EQ(readFile(backup()), rotated ? old : QByteArray("an older backup\r\n"));
        EXPECT_BYTES_EQ(readFile(logFile()), (rotated ? logBanner(u"3/5/24"_s) : old) + line);
    }
}

TEST_F(LogTest, ALogThatCannotBeWrittenLosesTheRecordQuietly) {
    // The log's name is taken by a folder.
    ASSERT_TRUE(QDir().mkpath(logFile()));
    EXPECT_FALSE(writeOverflow());
    EXPECT_TRUE(QFileInfo(logFile()).isDir());
    EXPECT_TRUE(entries(logFile()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(backup()));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());

    // The log's folder cannot be made.
    useDataHome(blockedPath(u"share"_s));
    EXPECT_FALSE(writeOverflow());
    modLog::createLogFile(path(u"afile/share/x.TXT"_s));
    expectBlockerKept();
}

TEST_F(LogTest, AFailedRotationLosesNothing) {
    ASSERT_TRUE(QDir().mkpath(logFolder()));
    QByteArray old(60001, 'y');
    ASSERT_TRUE(writeAll(logFile(), old));
    // The backup's name is taken by a folder, so the copy cannot be made.
    ASSERT_TRUE(QDir().mkpath(backup()));
    writeOverflow();
    EXPECT_TRUE(readFile(logFile()).startsWith(old));
    EXPECT_TRUE(QFileInfo(backup()).isDir());
}

// Twenty writers at once, across one rotation: every record is in the log or its backup, once.
TEST_F(LogTest, ConcurrentWritersLoseNoRecordAcrossARotation) {
    constexpr int kWriters = 20;
    constexpr int kRecords = 40;
    std::vector<std::thread> writers;
    for (int w = 0; w < kWriters; ++w) {
        writers.emplace_back([w] {
            for (int r = 0; r < kRecords; ++r)
                modLog::writeRecord({u"writer %1 record %2 "_s.arg(w).arg(r) + QString(60, u'.')});
        });
    }
    for (std::thread& t : writers)
        t.join();
    QStringList found;
    for (const QByteArray& line : (readFile(backup()) + readFile(logFile())).split('\n')) {
        const qsizetype at = line.indexOf("writer ");
        if (at >= 0)
            found.append(QString::fromUtf8(line.mid(at, line.indexOf(" .", at) - at)));
    }
    QStringList expected;
    for (int w = 0; w < kWriters; ++w) {
        for (int r = 0; r < kRecords; ++r)
            expected.append(u"writer %1 record %2"_s.arg(w).arg(r));
    }
    found.sort();
    expected.sort();
    EXPECT_EQ(found, expected);
    EXPECT_TRUE(readFile(backup()).startsWith("*****"));
    EXPECT_TRUE(readFile(logFile()).startsWith("*****"));
}
