#include "SupportTestUtil.h"
#include "common/TestEnv.h"
#include "support/modLog.h"

#include <QDir>
#include <QFileInfo>

using namespace supporttest;

class LogTest : public TestEnv {};

TEST_F(LogTest, NamesTheLogItsBackupAndTheVersion) {
    EXPECT_EQ(modLog::logFilePath(), logFile());
    EXPECT_EQ(modLog::backupFilePath(logFile()),
              logFolder() + QStringLiteral("Cendra Liturgy Calendar LOG.bck"));
    EXPECT_EQ(modLog::backupFilePath(QStringLiteral("/a/b/x.txt")), QStringLiteral("/a/b/x.bck"));
    // Without a module file beside it the version text is the build number alone.
    EXPECT_EQ(modLog::versionText(), expectedVersionText());
    EXPECT_EQ(expectedVersionText(), QStringLiteral("Build 1.00.0001"));
}

TEST_F(LogTest, TheVersionTextCarriesTheDateOfTheModuleFile) {
    const QString module = writeFile(QStringLiteral("module/VoVoruzevUdadudar.EXE"), "binary");
    QFile f(module);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2023, 1, 2), QTime(8, 0)),
                              QFileDevice::FileModificationTime));
    f.close();
    EXPECT_EQ(modLog::versionText(), expectedVersionText() + QStringLiteral(" - 1/2/23"));
    EXPECT_TRUE(modLog::writeRecord({QStringLiteral("a")}));
    EXPECT_BYTES_EQ(readAll(logFile()),
                    logBanner(QStringLiteral("3/5/24")) +
                        crlf({expectedVersionText() +
                              QStringLiteral(" - 1/2/23 3/5/24 2:30:15 PM Error: \ta")}));
}

TEST_F(LogTest, FirstRecordCreatesTheFolderChainAndTheBanner) {
    const QString home = path(QStringLiteral("fresh/home/share"));
    qputenv("XDG_DATA_HOME", QFile::encodeName(home));

    EXPECT_TRUE(modLog::writeRecord({QStringLiteral("mADO.getConnection"),
                                     QStringLiteral("Error (9) Subscript out of range")}));

    EXPECT_TRUE(QFileInfo(home + QStringLiteral("/Brekka Data as/LogFiles")).isDir());
    EXPECT_TRUE(QFileInfo(home + QStringLiteral("/Brekka Data as/ConfigFiles")).isDir());
    EXPECT_BYTES_EQ(
        readAll(logFile()),
        "************************************************************\r\n"
        "*****   Brekka Data AS  -  Generated loggfile 3/5/24    *****\r\n"
        "************************************************************\r\n"
        "\r\r\n" +
            expectedVersionText().toUtf8() +
            " 3/5/24 2:30:15 PM Error: \tmADO.getConnection\tError (9) Subscript out of "
            "range\r\n");
    EXPECT_EQ(entries(logFolder()), QStringList{QStringLiteral("Cendra Liturgy Calendar LOG.TXT")});
}

TEST_F(LogTest, RecordsAreTabJoinedAndAppendedInOrder) {
    struct Case {
        QVariantList record;
        QString joined;
    };
    const Case cases[] = {
        {{QStringLiteral("fHoster.doPrint"), QStringLiteral("Error (13) Type mismatch")},
         QStringLiteral("\tfHoster.doPrint\tError (13) Type mismatch")},
        {{53, QStringLiteral("File not found"), QStringLiteral("mADO"),
          QStringLiteral("getResData")},
         QStringLiteral("\t53\tFile not found\tmADO\tgetResData")},
        {{qint32(-2147467259), QStringLiteral("Unspecified error"), QStringLiteral("mADO"),
          QStringLiteral("getResData")},
         QStringLiteral("\t-2147467259\tUnspecified error\tmADO\tgetResData")},
        {{QStringLiteral("File: /d/KAMINOSE.MDB"),
          QStringLiteral("Connection String: Data Source=/d/KAMINOSE.MDB"), QStringLiteral("mAdo"),
          QStringLiteral("getConnection")},
         QStringLiteral("\tFile: /d/KAMINOSE.MDB\tConnection String: Data "
                        "Source=/d/KAMINOSE.MDB\tmAdo\tgetConnection")},
        {{QStringLiteral("Kåre Ødegård"), QString()}, QStringLiteral("\tKåre Ødegård\t")},
        {{}, QString()},
    };
    QByteArray expected = logBanner(QStringLiteral("3/5/24"));
    for (const Case& c : cases) {
        EXPECT_TRUE(modLog::writeRecord(c.record)) << c.joined.toStdString();
        expected += logLine(c.joined);
    }
    EXPECT_BYTES_EQ(readAll(logFile()), expected);
}

TEST_F(LogTest, EachRecordTakesTheClockOfItsMoment) {
    EXPECT_TRUE(modLog::writeRecord({QStringLiteral("a")}));
    setNow(QDateTime(QDate(2025, 12, 31), QTime(9, 5, 7)));
    EXPECT_TRUE(modLog::writeRecord({QStringLiteral("b")}));
    EXPECT_BYTES_EQ(
        readAll(logFile()),
        logBanner(QStringLiteral("3/5/24")) + logLine(QStringLiteral("\ta")) +
            crlf({expectedVersionText() + QStringLiteral(" 12/31/25 9:05:07 AM Error: \tb")}));
}

TEST_F(LogTest, ALogPast60000BytesMovesToTheBackup) {
    struct Case {
        qint64 size;
        bool rotated;
    };
    for (const Case c : {Case{60001, true}, Case{60000, false}, Case{1, false}}) {
        SCOPED_TRACE(c.size);
        ASSERT_TRUE(QDir().mkpath(logFolder()));
        QByteArray old(c.size, 'x');
        old.replace(0, 4, "OLD ");
        ASSERT_TRUE(writeAll(logFile(), old));
        ASSERT_TRUE(writeAll(modLog::backupFilePath(logFile()), "an older backup\r\n"));

        EXPECT_TRUE(
            modLog::writeRecord({QStringLiteral("m.p"), QStringLiteral("Error (6) Overflow")}));

        const QByteArray line = logLine(QStringLiteral("\tm.p\tError (6) Overflow"));
        if (c.rotated) {
            EXPECT_BYTES_EQ(readAll(modLog::backupFilePath(logFile())), old);
            EXPECT_BYTES_EQ(readAll(logFile()), logBanner(QStringLiteral("3/5/24")) + line);
        } else {
            EXPECT_BYTES_EQ(readAll(modLog::backupFilePath(logFile())),
                            QByteArray("an older backup\r\n"));
            EXPECT_BYTES_EQ(readAll(logFile()), old + line);
        }
    }
}

TEST_F(LogTest, CreateLogFileReplacesAnyFileWithTheBanner) {
    setNow(QDateTime(QDate(2025, 12, 31), QTime(23, 59, 59)));
    const QString p = writeFile(QStringLiteral("old.txt"), "earlier text that must go\r\n");
    EXPECT_TRUE(modLog::createLogFile(p));
    EXPECT_BYTES_EQ(readAll(p), logBanner(QStringLiteral("12/31/25")));
}

TEST_F(LogTest, ALogThatCannotBeWrittenLosesTheRecordQuietly) {
    // The log's name is taken by a folder.
    ASSERT_TRUE(QDir().mkpath(logFile()));
    EXPECT_FALSE(
        modLog::writeRecord({QStringLiteral("m.p"), QStringLiteral("Error (6) Overflow")}));
    EXPECT_TRUE(QFileInfo(logFile()).isDir());
    EXPECT_TRUE(entries(logFile()).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(modLog::backupFilePath(logFile())));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(LogTest, ALogFolderThatCannotBeCreatedLosesTheRecord) {
    writeFile(QStringLiteral("afile"), "a file, not a folder");
    qputenv("XDG_DATA_HOME", QFile::encodeName(path(QStringLiteral("afile/share"))));
    EXPECT_FALSE(
        modLog::writeRecord({QStringLiteral("m.p"), QStringLiteral("Error (6) Overflow")}));
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("a file, not a folder"));
    modLog::createLogFile(path(QStringLiteral("afile/share/x.TXT")));
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("a file, not a folder"));
}

TEST_F(LogTest, AFailedRotationLosesNothing) {
    ASSERT_TRUE(QDir().mkpath(logFolder()));
    QByteArray old(60001, 'y');
    ASSERT_TRUE(writeAll(logFile(), old));
    // The backup's name is taken by a folder, so the copy cannot be made.
    ASSERT_TRUE(QDir().mkpath(modLog::backupFilePath(logFile())));
    modLog::writeRecord({QStringLiteral("m.p"), QStringLiteral("Error (6) Overflow")});
    EXPECT_TRUE(readAll(logFile()).startsWith(old));
    EXPECT_TRUE(QFileInfo(modLog::backupFilePath(logFile())).isDir());
}
