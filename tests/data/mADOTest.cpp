// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/mADO.h"

#include "DataTestSupport.h"
#include "data/ConnectionCache.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"

#include <QDir>
#include <QSet>

namespace {

using Icon = UserInterface::Icon;

class mADOTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        m_file = createDatabase(QStringLiteral("KAMINOSE.MDB"), Schema::Kind::Liturgy);
        fill(m_file,
             QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, ShortName) VALUES "
                            "(?, ?, ?, ?)"),
             {{12, ole(2024, 3, 5), 155, QStringLiteral("Tuesday")},
              {7, ole(2024, 3, 5), 44, QVariant()}});
    }
    static int cached() {
        return ConnectionCache::existing() ? ConnectionCache::existing()->count() : -1;
    }

    QString m_file;
};

TEST_F(mADOTest, ConnectionStrings) {
    struct Case {
        const char* file;
        qint16 mode;
        const char* host;
        const char* prefix;
        const char* expected;
    };
    const Case cases[] = {
        {"C:\\x.mdb", 0, "", "", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\x.mdb;"},
        {"C:\\x.mdb", 0, "Provider=SQLOLEDB;", "",
         "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\x.mdb;"},
        {"", 0, "", "", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=;"},
        {"C:\\x.mdb", 0, "", "Provider=MSDataShape;",
         "Provider=MSDataShape;Data Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\x.mdb;"},
        {"C:\\x.mdb", -1, "Provider=SQLOLEDB;Data Source=srv;", "",
         "Provider=SQLOLEDB;Data Source=srv;"},
        {"C:\\x.mdb", -1, "Provider=SQLOLEDB;Data Provider=X;provider=y;", "Provider=MSDataShape;",
         "Data Provider=SQLOLEDB;Data Data Provider=X;provider=y;Provider=MSDataShape;"},
        {"C:\\x.mdb", 1, "Provider=SQLOLEDB;", "", ""},
        {"C:\\x.mdb", -2, "Provider=SQLOLEDB;", "", ""},
        {"C:\\x.mdb", 1, "", "Provider=MSDataShape;", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " mode " + std::to_string(c.mode));
        EXPECT_EQ(mADO::mGetConString(QString::fromUtf8(c.file), c.mode, QString::fromUtf8(c.host),
                                      QString::fromUtf8(c.prefix))
                      .toStdString(),
                  c.expected);
    }
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}

TEST_F(mADOTest, DataFilesWhosePathsHoldConnectionStringSyntaxOpen) {
    // Folder, and the Jet string that names the file in it (the folder ends in "/L.MDB").
    const std::pair<const char*, const char*> cases[] = {
        {"d;x=y", "\"%1\""}, {"e;", "\"%1\""}, {"\"q\"", "%1"},
        {"'q'", "%1"},       {"sp ", "%1"},    {"a=b", "%1"},
    };
    for (const auto& [folder, quoted] : cases) {
        SCOPED_TRACE(folder);
        ASSERT_TRUE(QDir(dir()).mkpath(QString::fromUtf8(folder)));
        const QString file = createDatabase(QString::fromUtf8(folder) + QStringLiteral("/L.MDB"),
                                            Schema::Kind::Liturgy);
        fill(file, QStringLiteral("INSERT INTO tbCalenderData (ID, ShortName) VALUES (?, ?)"),
             {{1, QString::fromUtf8(folder)}});
        EXPECT_EQ(jet(file), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                                 QString::fromUtf8(quoted).arg(file) + QLatin1Char(';'));
        EXPECT_EQ(mADO::getResData(connect(file),
                                   QStringLiteral("SELECT ShortName FROM tbCalenderData"), 1, false)
                      .toString(),
                  QString::fromUtf8(folder));
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(mADOTest, OneCachedConnectionPerDataFileAndNoneForAnEmptyName) {
    EXPECT_EQ(cached(), -1); // created on the first getConnection
    const ConnectionPtr a = connect(m_file);
    ASSERT_TRUE(a);
    EXPECT_TRUE(a->isOpen());
    EXPECT_EQ(cached(), 1);
    EXPECT_EQ(connect(m_file), a);
    // Letter case of the path, and another connection string naming the same file.
    EXPECT_EQ(mADO::getConnection(m_file.toLower(), jet(m_file.toLower())), a);
    EXPECT_EQ(mADO::getConnection(m_file, QStringLiteral("Provider=SQLOLEDB;")), a);
    EXPECT_EQ(cached(), 1);
    // A file whose name differs only in letter case from the one on disk opens that one.
    const ConnectionPtr b = mADO::getConnection(QStringLiteral("/nowhere"), jet(m_file.toLower()));
    ASSERT_TRUE(b);
    EXPECT_NE(b, a);
    EXPECT_EQ(b->databaseFile(), m_file);
    EXPECT_EQ(cached(), 2);
    EXPECT_TRUE(ui().messageBoxes().isEmpty());

    // An empty data file never matches a cached connection, nor closes one.
    EXPECT_FALSE(mADO::getConnection(QString(), jet(QString())));
    EXPECT_EQ(cached(), 2);
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_EQ(errHandler().lastErrorProcedure(), QStringLiteral("mADO.getConnection"));
    EXPECT_EQ(errHandler().lastErrorDescription(), QStringLiteral("No data file is named."));
    EXPECT_EQ(
        logRecords().last(),
        QStringLiteral("\tFile: \tConnection String: "
                       "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=;\tmAdo\tgetConnection"));
    EXPECT_FALSE(mADO::closeConnection(QString()));
    EXPECT_TRUE(a->isOpen());
    EXPECT_TRUE(b->isOpen());
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}

TEST_F(mADOTest, FilesThatCannotBeOpenedFailThroughTheErrorHandlerAndTheLog) {
    const QString access =
        writeFile(QStringLiteral("old.mdb"), QByteArray("\x00\x01\x00\x00Standard Jet DB\x00", 20));
    const QString host = QStringLiteral("Provider=SQLOLEDB;Data Source=srv;");
    struct Case {
        QString file;
        QString connectionString;
        QString description;
    };
    const QList<Case> cases = {
        {access, jet(access),
         QStringLiteral("Cannot open the Access database '%1': the file is truncated or damaged "
                        "(its size is no whole number of pages)")
             .arg(access)},
        {m_file, mADO::mGetConString(m_file, -1, host),
         QStringLiteral("Provider cannot be found: this build serves no data source of the "
                        "provider 'SQLOLEDB' (connection to 'srv').")},
        {m_file, mADO::mGetConString(m_file, 1, host),
         QStringLiteral("The connection string '' names no data source.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        ui().clear();
        const int records = int(logRecords().size());
        EXPECT_FALSE(mADO::getConnection(c.file, c.connectionString));
        ASSERT_EQ(ui().messageBoxes().size(), 1);
        const auto& box = ui().messageBoxes().first();
        EXPECT_EQ(box.icon, Icon::Critical);
        EXPECT_TRUE(
            box.details.contains(QStringLiteral("procedure: \r\nmADO.getConnection on line")));
        EXPECT_TRUE(box.details.endsWith(
            QStringLiteral("Error (%1) %2")
                .arg(c.description.startsWith(QStringLiteral("Provider")) ? 3706 : -2147467259)
                .arg(c.description)))
            << box.details.toStdString();
        const QStringList log = logRecords();
        ASSERT_EQ(log.size(), records + 2);
        EXPECT_TRUE(log[records].startsWith(QStringLiteral("\tmADO.getConnection\tError (")));
        EXPECT_EQ(log[records + 1],
                  QStringLiteral("\tFile: ") + c.file + QStringLiteral("\tConnection String: ") +
                      c.connectionString + QStringLiteral("\tmAdo\tgetConnection"));
        EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    }
    EXPECT_EQ(cached(), 0);
}

TEST_F(mADOTest, ResultModesAndFailingStatements) {
    const ConnectionPtr c = connect(m_file);
    ASSERT_TRUE(c);
    const QString onDay =
        QStringLiteral("SELECT ID, ShortName, FeastRef FROM tbCalenderData WHERE Date = ");
    struct Result {
        QString sql;
        qint16 mode;
        QStringList result;
    };
    const QList<Result> results = {
        // 1: the first value as a string; no row or NULL gives the empty string.
        {"SELECT ShortName FROM tbCalenderData WHERE ID=12", 1, {"String", "Tuesday"}},
        {"SELECT ShortName FROM tbCalenderData WHERE ID=99", 1, {"String", ""}},
        {"SELECT ShortName FROM tbCalenderData WHERE ID=7", 1, {"String", ""}},
        {"SELECT MIN(Date) FROM tbCalenderData", 1, {"String", "45356"}},
        // 2: the recordset.
        {"SELECT ID, ShortName FROM tbCalenderData ORDER BY ID",
         2,
         {"Recordset", "7|", "12|Tuesday"}},
        // 3: [column][row]; no row is no table.
        {onDay + "#03/5/2024#", 3, {"Table", "7||44", "12|Tuesday|155"}},
        {onDay + "#03/6/2024#", 3, {"Empty"}},
        // 4: a command; true.
        {"SELECT COUNT(*) FROM tbCalenderData", 4, {"Bool", "true"}},
        // Other modes run the statement and give nothing.
        {"SELECT ID FROM tbCalenderData", 0, {"Empty"}},
    };
    for (const Result& k : results) {
        EXPECT_EQ(resultLines(mADO::getResData(c, k.sql, k.mode, false)), k.result)
            << k.sql.toStdString() << " mode " << k.mode;
    }
    // The first value keeps the value it was read as.
    EXPECT_EQ(mADO::getResData(c, QStringLiteral("SELECT MIN(Date) FROM tbCalenderData"), 1, false)
                  .value()
                  .toDouble(),
              45356.0);
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    EXPECT_TRUE(logRecords().isEmpty());
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);

    // Failing statements show their description unless silent, and are always logged.
    const QByteArray before = readFile(m_file);
    struct Case {
        ConnectionPtr connection;
        QString sql;
        qint16 mode;
        qint32 number;
        QString description; // empty: only its start is known
    };
    const QList<Case> cases = {
        {c, QStringLiteral("SELECT x FROM tbMissing"), 3, -2147217900,
         QStringLiteral("no such table: tbMissing")},
        {c, QStringLiteral("SELECT Missing FROM tbCalenderData"), 1, -2147217900,
         QStringLiteral("no such column: Missing")},
        {c, QStringLiteral("SELECT ID FROM tbCalenderData WHERE Date = #3/5/24#"), 2, -2147217900,
         QStringLiteral("Syntax error in date in query expression '#3/5/24#'.")},
        {c, QStringLiteral("DELETE FROM tbCalenderData"), 4, -2147217900,
         QStringLiteral("attempt to write a readonly database")},
        {c, QString(), 1, -2147217908,
         QStringLiteral("Command text was not set for the command object.")},
        {nullptr, QStringLiteral("SELECT ID FROM tbCalenderData"), 3, 3709,
         QStringLiteral("The connection cannot be used to perform this operation. It is either "
                        "closed or invalid in this context.")},
    };
    for (const bool silent : {false, true}) {
        for (const Case& k : cases) {
            SCOPED_TRACE(k.sql.toStdString() + (silent ? " silent" : ""));
            ui().clear();
            const int records = int(logRecords().size());
            const ResData r = mADO::getResData(k.connection, k.sql, k.mode, silent);
            EXPECT_TRUE(r.isEmpty());
            EXPECT_FALSE(r.toBool());
            const QStringList log = logRecords();
            ASSERT_EQ(log.size(), records + 1);
            EXPECT_EQ(
                log.last(),
                QStringLiteral("\t%1\t%2\tmADO\tgetResData").arg(k.number).arg(k.description));
            if (silent) {
                EXPECT_TRUE(ui().calls().isEmpty());
                continue;
            }
            // The description alone, no beep, no report: not the error handler's message.
            EXPECT_EQ(ui().calls(), QStringList({QStringLiteral("messageBox")}));
            EXPECT_EQ(boxTexts(ui().messageBoxes()),
                      QStringList{"none ok | Liturgy Calendar | " + k.description + " | "});
        }
    }
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    EXPECT_EQ(readFile(m_file), before);
    // The connection is still good.
    EXPECT_EQ(mADO::getResData(c, QStringLiteral("SELECT COUNT(*) FROM tbCalenderData"), 1, true)
                  .toString(),
              QStringLiteral("2"));
}

TEST_F(mADOTest, CloseConnectionClosesEveryConnectionOfTheFile) {
    EXPECT_FALSE(mADO::closeConnection(m_file)); // no cache yet
    // Files whose paths hold the first one's, at the start or at the end, are other files.
    const QString longer = createDatabase(QStringLiteral("KAMINOSE.MDB2"), Schema::Kind::Plan);
    ASSERT_TRUE(QDir(dir()).mkpath(QStringLiteral("deeper") + dir()));
    const QString deeper = createDatabase(QStringLiteral("deeper") + m_file, Schema::Kind::Liturgy);
    const QString third = createDatabase(QStringLiteral("plan.mdb"), Schema::Kind::Plan);
    const ConnectionPtr b = connect(longer);
    const ConnectionPtr d = connect(deeper);
    const ConnectionPtr a = connect(m_file);
    const ConnectionPtr c = connect(third);
    ASSERT_TRUE(a && b && c && d);
    EXPECT_EQ(QSet<Connection*>({a.get(), b.get(), c.get(), d.get()}).size(), 4);
    EXPECT_EQ(a->databaseFile(), m_file);
    // Another connection of the first file, under another string naming it.
    const ConnectionPtr a2 =
        mADO::getConnection(QStringLiteral("/nowhere"),
                            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"%1\"")
                                .arg(m_file.toLower()));
    ASSERT_TRUE(a2);
    EXPECT_EQ(cached(), 5);
    EXPECT_FALSE(mADO::closeConnection(QString()));
    EXPECT_FALSE(mADO::closeConnection(path(QStringLiteral("unknown.mdb"))));
    EXPECT_FALSE(mADO::closeConnection(path(QStringLiteral("KAMINOSE"))));
    EXPECT_EQ(cached(), 5);
    EXPECT_TRUE(mADO::closeConnection(m_file.toLower()));
    EXPECT_EQ(QList<bool>({a->isOpen(), a2->isOpen(), b->isOpen(), c->isOpen(), d->isOpen()}),
              QList<bool>({false, false, true, true, true}));
    EXPECT_EQ(cached(), 3);
    EXPECT_FALSE(mADO::closeConnection(m_file));
    ASSERT_TRUE(connect(m_file));
    // The last connection of the cache goes too, and the result says so.
    for (const QString& file : {longer, deeper, third, m_file})
        EXPECT_TRUE(mADO::closeConnection(file)) << file.toStdString();
    EXPECT_EQ(cached(), 0);
    EXPECT_FALSE(mADO::showConnections());
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}

TEST_F(mADOTest, FixSQLRefusesAccessOnlyStatementsInServerMode) {
    const QString sql = QStringLiteral("SELECT Lyrics, HTM_Data FROM tbLyrics WHERE ID = 42");
    EXPECT_EQ(mADO::fixSQL(sql, 0), sql);
    EXPECT_TRUE(ui().calls().isEmpty());
    EXPECT_EQ(mADO::fixSQL(sql, -1), QString());
    EXPECT_EQ(mADO::fixSQL(sql, -1), QString());
    ASSERT_EQ(ui().messageBoxes().size(), 2);
    EXPECT_EQ(ui().messageBoxes().first().text,
              QStringLiteral("The database server cannot run this request."));
    EXPECT_EQ(ui().messageBoxes().first().buttons, UserInterface::Buttons::Ok);
    ui().clear();
    // Other modes empty it silently; an empty statement fails where it is run, as
    // FailingStatements... shows.
    EXPECT_EQ(mADO::fixSQL(sql, 1), QString());
    EXPECT_EQ(mADO::fixSQL(sql, 2), QString());
    EXPECT_TRUE(ui().calls().isEmpty());
}

} // namespace
