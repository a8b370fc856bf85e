// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "DataTestSupport.h"
#include "common/ServerTestDatabase.h"
#include "data/ConnectionCache.h"
#include "data/ServerCopy.h"
#include "data/SqlDate.h"
#include "data/mADO.h"
#include "support/CErrHandler.h"

namespace {

// A liturgy and plan database in a file and the same rows copied onto a server database.
class ServerConnectionTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        server = std::make_unique<ServerTestDatabase>();
        SKIP_WITHOUT_SERVER(*server);
        file = createDatabase(QStringLiteral("Kaminose.MDB"), Schema::Kind::Liturgy);
        fill(file,
             QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, ShortName) "
                            "VALUES (?, ?, ?, ?, ?)"),
             {{12, ole(2024, 3, 5), 155, 1, QStringLiteral("Tuesday")},
              {7, ole(2024, 3, 5), QVariant(), 2, QVariant()},
              {3, ole(2024, 3, 31), 50, 0, QStringLiteral("O'Easter")},
              {4, ole(2024, 4, 1), 51, 0, QStringLiteral("Monday")}});
        plan = createDatabase(QStringLiteral("Plan.mdb"), Schema::Kind::Plan);
        fill(plan, QStringLiteral("INSERT INTO tbMainPlan VALUES (?, ?, ?, ?)"),
             {{ole(2024, 3, 5), 0.75, QStringLiteral("Vespers"), QVariant()},
              {ole(2024, 3, 5), 0.4375, QStringLiteral("Mass"), QStringLiteral("Nave")}});
        QString error;
        ASSERT_TRUE(
            ServerCopy::copy(file, Schema::Kind::Liturgy, server->connectionString(), &error))
            << error.toStdString();
        ASSERT_TRUE(ServerCopy::copy(plan, Schema::Kind::Plan, server->connectionString(), &error))
            << error.toStdString();
    }
    void TearDown() override {
        DataTest::TearDown();
        server.reset();
    }

    // Every value of a result as "type:text", rows on lines, or the text of a mode-1 result.
    static QString dump(const ResData& result) {
        if (!result.isTable())
            return QStringLiteral("value:") + result.toString();
        const RowTable& t = result.table();
        QStringList rows;
        for (int r = 0; r < t.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < t.columnCount(); ++c) {
                const QVariant v = t.at(c, r);
                cells += v.isNull()
                             ? QStringLiteral("null")
                             : QString::fromLatin1(v.typeName()) + QLatin1Char(':') + v.toString();
            }
            rows += cells.join(QLatin1Char('|'));
        }
        return rows.join(QLatin1Char('\n'));
    }

    std::unique_ptr<ServerTestDatabase> server;
    QString file;
    QString plan;
};

TEST_F(ServerConnectionTest, StatementsGiveTheSameResultsAsFromTheFile) {
    const double march5 = ole(2024, 3, 5);
    const auto range = [&](qint16 mode) {
        return QStringLiteral(" WHERE Date >=") + getSQLDate(ole(2024, 3, 1), 0, 0, 0, mode) +
               QStringLiteral(" AND Date <=") + getSQLDate(ole(2024, 3, 31), 0, 0, 0, mode);
    };
    // RANGE stands for March 2024 and DAY for 3/5/2024, each as the mode writes them.
    struct Case {
        QString sql;
        qint16 resultMode;
        bool planTable;
        QString expected;
    };
    const QList<Case> cases = {
        {"SELECT ID, ShortName, FeastRef FROM tbCalenderData WHERE Date = DAY ORDER BY ID", 3,
         false, "int:7|null|null\nint:12|QString:Tuesday|int:155"},
        {"SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData RANGE ORDER BY ID", 3,
         false,
         "int:3|double:45382|int:50|int:0|QString:O'Easter\n"
         "int:7|double:45356|null|int:2|null\n"
         "int:12|double:45356|int:155|int:1|QString:Tuesday"},
        {"SELECT Time, Date, ServType FROM tbMainPlan RANGE ORDER BY Date,Time", 3, true,
         "double:0.4375|double:45356|QString:Mass\ndouble:0.75|double:45356|QString:Vespers"},
        // A null stands where the file puts it.
        {"SELECT ID FROM tbCalenderData ORDER BY FeastRef, ID", 3, false,
         "int:7\nint:3\nint:4\nint:12"},
        {"SELECT ID FROM tbCalenderData ORDER BY FeastRef DESC, ID", 3, false,
         "int:12\nint:4\nint:3\nint:7"},
        {"SELECT MAX(Date) FROM tbCalenderData", 1, false, "value:45383"},
        // A Jet literal also reads on the server.
        {"SELECT FeastRef FROM tbCalenderData WHERE tbCalenderData.Date = #3/31/2024# ORDER BY "
         "tbCalenderData.ID",
         1, false, "value:50"},
        {"SELECT ShortName FROM tbCalenderData WHERE ID=99", 1, false, "value:"},
    };
    const auto statement = [&](QString sql, qint16 mode) {
        return sql.replace(QStringLiteral("RANGE"), range(mode))
            .replace(QStringLiteral("DAY"), getSQLDate(march5, 0, 0, 0, mode));
    };
    for (const Case& c : cases) {
        const QString fileStatement = statement(c.sql, 0);
        const QString serverStatement = statement(c.sql, -1);
        SCOPED_TRACE(serverStatement.toStdString());
        const QString source = c.planTable ? plan : file;
        const ResData fromFile =
            mADO::getResData(connect(source), fileStatement, c.resultMode, false);
        const ResData fromServer = mADO::getResData(
            mADO::getConnection(source,
                                mADO::mGetConString(source, -1, server->connectionString())),
            serverStatement, c.resultMode, false);
        // SQLite gives its integers as 64-bit numbers; the values are the same.
        EXPECT_EQ(dump(fromFile).replace(QStringLiteral("qlonglong:"), QStringLiteral("int:")),
                  c.expected);
        EXPECT_EQ(dump(fromServer), c.expected);
    }
    EXPECT_EQ(ui().messageBoxes().size(), 0);
    // The server's connection is found again by its string, whichever file asked for it.
    ASSERT_TRUE(ConnectionCache::existing());
    EXPECT_EQ(ConnectionCache::existing()->count(), 3);
}

TEST_F(ServerConnectionTest, FailuresGiveTheServersReasonAndNeverThePassword) {
    const QString secret = QStringLiteral("Wr0ng;S3cret");
    QString missingDatabase = server->connectionString();
    missingDatabase.replace(QRegularExpression(QStringLiteral("Database=[^;]*")),
                            QStringLiteral("Database=nosuchdb"));
    struct Case {
        QString connectionString;
        QString reason;
    };
    const QList<Case> cases = {
        {server->withPassword(secret), QStringLiteral("password authentication failed for user")},
        {missingDatabase, QStringLiteral("database \"nosuchdb\" does not exist")},
        {QStringLiteral("Provider=PostgreSQL;Server=%1;Database=x;User ID=lc;Password=%2;")
             .arg(path(QStringLiteral("nosocket")), secret),
         QStringLiteral("No such file or directory")},
        {QStringLiteral("Provider=PostgreSQL;Server=h;Port=70000;Database=x;Password=%1;")
             .arg(secret),
         QStringLiteral("The port '70000' is not a port number.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason.toStdString());
        ui().clear();
        const int records = int(logRecords().size());
        EXPECT_FALSE(mADO::getConnection(file, c.connectionString));
        ASSERT_EQ(ui().messageBoxes().size(), 1);
        const QString text = ui().messageBoxes().first().text;
        EXPECT_TRUE(text.contains(c.reason)) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("S3cret"))) << text.toStdString();
        const QStringList log = logRecords();
        ASSERT_EQ(log.size(), records + 2);
        QString masked = c.connectionString;
        masked.replace(secret, QStringLiteral("********"));
        if (!masked.contains(QStringLiteral("********")))
            masked.replace(QRegularExpression(QStringLiteral("Password=[^;]*")),
                           QStringLiteral("Password=********"));
        EXPECT_EQ(log[records + 1], QStringLiteral("\tFile: ") + file +
                                        QStringLiteral("\tConnection String: ") + masked +
                                        QStringLiteral("\tmAdo\tgetConnection"));
    }
    EXPECT_FALSE(readFile(modLog::logFilePath()).contains("S3cret"));
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}

} // namespace

TEST_F(ServerConnectionTest, ALostConnectionFailsOnceAndIsOpenedAgain) {
    const QString sql = QStringLiteral("SELECT ShortName FROM tbCalenderData WHERE ID=12");
    const ConnectionPtr connection = mADO::getConnection(file, server->connectionString());
    ASSERT_TRUE(connection);
    const QString backend =
        mADO::getResData(connection, QStringLiteral("SELECT pg_backend_pid()"), 1, false)
            .toString();
    ASSERT_FALSE(backend.isEmpty());
    // The server ends the connection's backend, as a restart of the server would.
    {
        Connection admin;
        admin.Open(server->connectionString());
        EXPECT_EQ(admin
                      .fetchFirstValue(QStringLiteral("SELECT pg_terminate_backend(") + backend +
                                       QStringLiteral(")"))
                      ->toInt(),
                  -1);
    }
    const int records = int(logRecords().size());
    EXPECT_EQ(mADO::getResData(connection, sql, 1, false).toString(), QString());
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    const QString text = ui().messageBoxes().first().text;
    EXPECT_EQ(text, QStringLiteral("FATAL:  terminating connection due to administrator "
                                   "command (57P01)"));
    const QStringList log = logRecords();
    ASSERT_EQ(log.size(), records + 1);
    EXPECT_EQ(log.last(),
              QStringLiteral("\t-2147217900\t") + text + QStringLiteral("\tmADO\tgetResData"));
    // The next query opens the connection again, in the same cached connection.
    EXPECT_EQ(mADO::getResData(connection, sql, 1, false).toString(), QStringLiteral("Tuesday"));
    EXPECT_EQ(mADO::getConnection(file, server->connectionString()), connection);
    EXPECT_NE(mADO::getResData(connection, QStringLiteral("SELECT pg_backend_pid()"), 1, false)
                  .toString(),
              backend);
    EXPECT_EQ(ui().messageBoxes().size(), 1);

    // A server that cannot be reached again: the query that finds it gone fails with its reason,
    // so do the queries of the next five seconds without trying, and then it is tried again.
    qint64 now = 0;
    connection->setClock([&now] { return now; });
    const QString name = QRegularExpression(QStringLiteral("Database=([^;]*)"))
                             .match(server->connectionString())
                             .captured(1);
    Connection cluster;
    cluster.Open(qEnvironmentVariable("LC_TEST_POSTGRES"));
    cluster.execute(QStringLiteral("DROP DATABASE %1 WITH (FORCE)").arg(name));
    const QString pid = QStringLiteral("SELECT pg_backend_pid()");
    EXPECT_EQ(mADO::getResData(connection, pid, 1, false).toString(), QString());
    EXPECT_EQ(mADO::getResData(connection, pid, 1, false).toString(), QString());
    cluster.execute(QStringLiteral("CREATE DATABASE ") + name);
    now += 4999;
    EXPECT_EQ(mADO::getResData(connection, pid, 1, false).toString(), QString());
    now += 1;
    EXPECT_FALSE(mADO::getResData(connection, pid, 1, false).toString().isEmpty());
    ASSERT_EQ(ui().messageBoxes().size(), 4);
    EXPECT_EQ(ui().messageBoxes()[3].text, ui().messageBoxes()[2].text);
    EXPECT_EQ(
        ui().messageBoxes()[1].text,
        QStringLiteral("FATAL:  terminating connection due to administrator command (57P01)"));
    EXPECT_TRUE(ui().messageBoxes()[2].text.startsWith(
        QStringLiteral("Cannot open the database '%1' on the server '").arg(name)))
        << ui().messageBoxes()[2].text.toStdString();
    EXPECT_TRUE(ui().messageBoxes()[2].text.endsWith(
        QStringLiteral("FATAL:  database \"%1\" does not exist").arg(name)))
        << ui().messageBoxes()[2].text.toStdString();
    const QString password = QRegularExpression(QStringLiteral("Password=([^;]*)"))
                                 .match(server->connectionString())
                                 .captured(1);
    EXPECT_FALSE(readFile(modLog::logFilePath()).contains(password.toUtf8()));
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}
