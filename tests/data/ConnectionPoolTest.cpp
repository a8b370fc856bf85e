// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/ConnectionPool.h"

#include "DataTestSupport.h"
#include "data/ConnectionCache.h"
#include "data/mADO.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"

#include <QMap>
#include <cstdio>
#include <dirent.h>
#include <functional>
#include <sys/stat.h>

namespace {

// A data file closed through mADO and opened again, as the calendar fills do, watched through
// the databases that stay registered with QtSql.
class ConnectionPoolTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        m_file = liturgy(QStringLiteral("KAMINOSE.MDB"), QStringLiteral("First"));
    }
    // A liturgy database named `name` with one calendar row named `shortName`.
    QString liturgy(const QString& name, const QString& shortName) const {
        const QString file = createDatabase(name, Schema::Kind::Liturgy);
        addRow(file, 1, shortName);
        return file;
    }
    static void addRow(const QString& file, int id, const QString& shortName) {
        fill(file, QStringLiteral("INSERT INTO tbCalenderData (ID, ShortName) VALUES (?, ?)"),
             {{id, shortName}});
    }
    // The short names of the calendar rows, in ID order, joined by ','.
    static QString names(const ConnectionPtr& connection) {
        const QStringList r = resultLines(mADO::getResData(
            connection, QStringLiteral("SELECT ShortName FROM tbCalenderData ORDER BY ID"), 3,
            true));
        return r.first() == QStringLiteral("Table") ? r.mid(1).join(QLatin1Char(','))
                                                    : QStringLiteral("(none)");
    }
    // The databases the data layer holds open: connection name to file.
    static QMap<QString, QString> openDatabases() {
        QMap<QString, QString> out;
        for (const QString& name : QSqlDatabase::connectionNames())
            if (name.startsWith(QStringLiteral("lc_data_")))
                out.insert(name, QSqlDatabase::database(name, false).databaseName());
        return out;
    }
    static int idle() {
        ConnectionCache* cache = ConnectionCache::existing();
        return cache ? cache->pool().idleCount() : -1;
    }

    QString m_file;
};

TEST_F(ConnectionPoolTest, AClosedFileIsOpenedAgainOnItsIdleDatabaseUntilItVanishes) {
    const ConnectionPtr first = connect(m_file);
    ASSERT_TRUE(first);
    EXPECT_EQ(names(first), QStringLiteral("First"));
    const QMap<QString, QString> open = openDatabases();
    ASSERT_EQ(open.size(), 1);
    EXPECT_EQ(open.first(), m_file);

    EXPECT_TRUE(mADO::closeConnection(m_file));
    EXPECT_FALSE(first->isOpen());
    EXPECT_EQ(ConnectionCache::existing()->count(), 0);
    EXPECT_EQ(idle(), 1);
    // The closed connection fails its statements as any closed connection does.
    EXPECT_EQ(names(first), QStringLiteral("(none)"));

    // A new connection object that reads its own connection string back, on the same database.
    const ConnectionPtr second = connect(m_file);
    ASSERT_TRUE(second);
    EXPECT_NE(second, first);
    EXPECT_TRUE(second->isOpen());
    EXPECT_EQ(second->ConnectionString(), jet(m_file));
    EXPECT_EQ(second->databaseFile(), m_file);
    EXPECT_EQ(idle(), 0);
    EXPECT_EQ(openDatabases(), open);
    EXPECT_EQ(names(second), QStringLiteral("First"));
    EXPECT_FALSE(first->isOpen());

    // The path in other letter case names the same file, so the same database serves it.
    EXPECT_TRUE(mADO::closeConnection(m_file));
    const QString lower =
        m_file.left(m_file.lastIndexOf(QLatin1Char('/')) + 1) + QStringLiteral("kaminose.mdb");
    const ConnectionPtr third = connect(lower);
    ASSERT_TRUE(third);
    EXPECT_EQ(third->ConnectionString(), jet(lower));
    EXPECT_EQ(openDatabases(), open);
    EXPECT_EQ(names(third), QStringLiteral("First"));
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
    EXPECT_TRUE(ui().calls().isEmpty());

    // A vanished file fails as before, and its idle database goes.
    ASSERT_TRUE(mADO::closeConnection(m_file));
    EXPECT_EQ(idle(), 1);
    ASSERT_TRUE(QFile::remove(m_file));
    const qsizetype records = logRecords().size();
    EXPECT_FALSE(connect(m_file));
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_TRUE(ui().messageBoxes().first().details.endsWith(
        QStringLiteral("Error (-2147467259) Could not find file '%1'.").arg(m_file)));
    const QStringList log = logRecords();
    ASSERT_EQ(log.size(), records + 2);
    EXPECT_EQ(log.last(), QStringLiteral("\tFile: ") + m_file +
                              QStringLiteral("\tConnection String: ") + jet(m_file) +
                              QStringLiteral("\tmAdo\tgetConnection"));
    EXPECT_EQ(idle(), 0);
    EXPECT_TRUE(openDatabases().isEmpty());
    EXPECT_FALSE(QFile::exists(m_file));
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}

TEST_F(ConnectionPoolTest, AFileChangedOnDiskIsOpenedAfresh) {
    struct Case {
        const char* how;
        std::function<void(const QString&)> change;
        const char* names;
    };
    const QList<Case> cases = {
        {"replaced by a renamed file",
         [this](const QString& file) {
             const QString other = liturgy(QStringLiteral("new.tmp"), QStringLiteral("Other"));
             ASSERT_EQ(::rename(QFile::encodeName(other).constData(),
                                QFile::encodeName(file).constData()),
                       0);
         },
         "Other"},
        {"removed and made again",
         [this](const QString& file) {
             ASSERT_TRUE(QFile::remove(file));
             liturgy(QFileInfo(file).fileName(), QStringLiteral("Again"));
         },
         "Again"},
        {"written in place", [](const QString& file) { addRow(file, 2, QStringLiteral("Added")); },
         "First,Added"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        const QString file = liturgy(QStringLiteral("changed.mdb"), QStringLiteral("First"));
        ASSERT_EQ(names(connect(file)), QStringLiteral("First"));
        const QMap<QString, QString> before = openDatabases();
        ASSERT_TRUE(mADO::closeConnection(file));
        c.change(file);
        const ConnectionPtr again = connect(file);
        ASSERT_TRUE(again);
        EXPECT_EQ(names(again), QString::fromUtf8(c.names));
        const QMap<QString, QString> after = openDatabases();
        ASSERT_EQ(after.size(), 1);
        EXPECT_FALSE(before.contains(after.firstKey()));
        EXPECT_EQ(idle(), 0);
        EXPECT_TRUE(mADO::closeConnection(file));
        ASSERT_TRUE(QFile::remove(file));
    }
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

TEST_F(ConnectionPoolTest, AtMostEightWaitAndTheLongestIdleGoFirst) {
    QStringList files;
    for (int i = 0; i < ConnectionPool::kMaxIdle + 2; ++i) {
        files.append(liturgy(QStringLiteral("f%1.mdb").arg(i), QStringLiteral("F%1").arg(i)));
        ASSERT_TRUE(connect(files.last()));
    }
    for (const QString& file : files)
        ASSERT_TRUE(mADO::closeConnection(file));
    EXPECT_EQ(idle(), ConnectionPool::kMaxIdle);
    QStringList open = openDatabases().values();
    open.sort();
    EXPECT_EQ(open, files.mid(2));

    // The last closed is reused; the first closed is opened afresh, which the pool then keeps.
    const QMap<QString, QString> before = openDatabases();
    EXPECT_EQ(names(connect(files.last())), QStringLiteral("F9"));
    EXPECT_EQ(openDatabases().size(), before.size());
    EXPECT_EQ(names(connect(files.first())), QStringLiteral("F0"));
    EXPECT_EQ(openDatabases().size(), before.size() + 1);
    EXPECT_EQ(idle(), ConnectionPool::kMaxIdle - 1);
    ASSERT_TRUE(mADO::closeConnection(files.first()));
    ASSERT_TRUE(mADO::closeConnection(files.last()));
    EXPECT_EQ(idle(), ConnectionPool::kMaxIdle);
    EXPECT_FALSE(openDatabases().values().contains(files[2]));
    EXPECT_TRUE(openDatabases().values().contains(files.first()));
}

// A connection held past the cache's release comes back to no later cache's pool except through
// Close. The pool's own release with the cache is NoStatementOutlives...'s.
TEST_F(ConnectionPoolTest, AConnectionHeldPastTheCachesReleaseStillWorksAndClosesForGood) {
    const ConnectionPtr held = connect(m_file);
    ASSERT_TRUE(held);
    shared().connectionCache.reset();
    EXPECT_TRUE(held->isOpen());
    EXPECT_EQ(names(held), QStringLiteral("First"));
    held->Close();
    EXPECT_TRUE(openDatabases().isEmpty());
}

// However a database closes, the statements kept on its handle go first: the engine keeps a
// handle with live statements, and its file, open.
TEST_F(ConnectionPoolTest, NoStatementOutlivesItsDatabase) {
    // Every kind of statement run: rows, a first value, bound dates, one that fails to prepare,
    // one that fails while it runs, one stopped after its first row.
    const auto runAll = [](const ConnectionPtr& connection) {
        ASSERT_TRUE(connection);
        EXPECT_EQ(names(connection), QStringLiteral("First,Second"));
        const QString sql[] = {
            QStringLiteral("SELECT count(*) FROM tbCalenderData"),
            QStringLiteral("SELECT ShortName FROM tbCalenderData WHERE Date IS NULL OR Date < "
                           "#1/1/2100# ORDER BY ID"),
            QStringLiteral("SELECT x FROM tbMissing"),
            QStringLiteral("DELETE FROM tbCalenderData"),
        };
        EXPECT_EQ(mADO::getResData(connection, sql[0], 1, true).toString(), QStringLiteral("2"));
        EXPECT_TRUE(mADO::getResData(connection, sql[1], 3, true).isTable());
        EXPECT_FALSE(mADO::getResData(connection, sql[2], 3, true).isTable());
        EXPECT_FALSE(mADO::getResData(connection, sql[3], 4, true).isTable());
        EXPECT_EQ(mADO::getResData(connection, sql[1], 1, true).toString(),
                  QStringLiteral("First"));
    };
    // Renames a new database over `file`.
    const auto replace = [this](const QString& file) {
        const QString fresh = liturgy(QStringLiteral("fresh.tmp"), QStringLiteral("New"));
        ASSERT_EQ(
            std::rename(QFile::encodeName(fresh).constData(), QFile::encodeName(file).constData()),
            0);
    };
    struct Case {
        const char* name;
        std::function<void(const QString& file)> closeAll;
    };
    const Case cases[] = {
        // Without a cache there is no pool: a connection closes for good.
        {"closed without a pool",
         [&](const QString& file) {
             shared().connectionCache.reset();
             auto alone = std::make_shared<Connection>();
             alone->Open(jet(file));
             runAll(alone);
             alone->Close();
             EXPECT_TRUE(openDatabases().isEmpty());
             EXPECT_EQ(idle(), -1);
         }},
        {"destroyed open",
         [&](const QString& file) {
             shared().connectionCache.reset();
             auto alone = std::make_shared<Connection>();
             alone->Open(jet(file));
             runAll(alone);
         }},
        // With an open connection nobody holds.
        {"idle, released with the cache",
         [&](const QString& file) {
             runAll(connect(file));
             ASSERT_TRUE(mADO::closeConnection(file));
             EXPECT_EQ(idle(), 1);
             const std::weak_ptr<Connection> unheld =
                 connect(createDatabase(QStringLiteral("plan.mdb"), Schema::Kind::Plan));
             ASSERT_FALSE(unheld.expired());
             shared().connectionCache.reset();
             EXPECT_TRUE(unheld.expired());
             EXPECT_TRUE(openDatabases().isEmpty());
         }},
        {"idle, pushed out by others",
         [&](const QString& file) {
             runAll(connect(file));
             ASSERT_TRUE(mADO::closeConnection(file));
             for (int i = 0; i < ConnectionPool::kMaxIdle; ++i) {
                 const QString other = liturgy(QStringLiteral("o%1.mdb").arg(i), QString());
                 ASSERT_TRUE(connect(other));
                 ASSERT_TRUE(mADO::closeConnection(other));
             }
         }},
        {"idle, its file replaced",
         [&](const QString& file) {
             runAll(connect(file));
             ASSERT_TRUE(mADO::closeConnection(file));
             replace(file);
             EXPECT_EQ(names(connect(file)), QStringLiteral("New"));
         }},
        {"kept by a reader, its file replaced",
         [&](const QString& file) {
             runAll(connect(file));
             replace(file);
             mADO::dropChangedConnections(file);
             EXPECT_EQ(names(connect(file)), QStringLiteral("New"));
         }},
    };
    int number = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetSharedState();
        const QString file =
            liturgy(QStringLiteral("case%1.mdb").arg(++number), QStringLiteral("First"));
        addRow(file, 2, QStringLiteral("Second"));
        struct stat opened {};
        ASSERT_EQ(stat(QFile::encodeName(file).constData(), &opened), 0);
        c.closeAll(file);
        // No descriptor of this process is on the file that was opened, replaced or not.
        int held = 0;
        DIR* fds = opendir("/proc/self/fd");
        ASSERT_TRUE(fds);
        while (const dirent* entry = readdir(fds)) {
            struct stat st {};
            const QByteArray fd = QByteArray("/proc/self/fd/") + entry->d_name;
            if (entry->d_name[0] != '.' && stat(fd.constData(), &st) == 0 &&
                st.st_dev == opened.st_dev && st.st_ino == opened.st_ino)
                ++held;
        }
        closedir(fds);
        EXPECT_EQ(held, 0);
    }
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

} // namespace
