// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/Connection.h"

#include "DataTestSupport.h"
#include "controls/FailureNumber.h"
#include "support/Failure.h"

#include <QDir>

namespace {

class ConnectionTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        m_file = createDatabase(QStringLiteral("Liturgy.MDB"), Schema::Kind::Liturgy);
        fill(m_file,
             QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, ShortName) "
                            "VALUES (?, ?, ?, ?, ?)"),
             {{2, ole(2024, 3, 5), 155, 5, QStringLiteral("Tuesday")},
              {1, ole(2024, 3, 5), 44, 1, QVariant()},
              {3, ole(2024, 3, 6), 0, 0, QStringLiteral("Wednesday")}});
    }
    QStringList folderContents() const {
        return QDir(dir()).entryList(QDir::Files | QDir::NoDotAndDotDot | QDir::Hidden);
    }

    QString m_file;
};

TEST_F(ConnectionTest, ReadsRowsAsTheStatementOrdersThem) {
    Connection c;
    EXPECT_FALSE(c.isOpen());
    c.Open(jet(m_file));
    EXPECT_TRUE(c.isOpen());
    EXPECT_EQ(c.ConnectionString(), jet(m_file));
    EXPECT_EQ(c.databaseFile(), m_file);
    const auto onDay = [&](const char* literal) {
        return c.fetchAll(QStringLiteral("SELECT ID, Date, FeastRef, ShortName FROM tbCalenderData "
                                         "WHERE Date = %1 ORDER BY ID")
                              .arg(QString::fromUtf8(literal)));
    };
    const RowTable t = onDay("#3/5/2024#");
    EXPECT_EQ(rowsText(t), QStringLiteral("1|45356|44|NULL\n2|45356|155|Tuesday"));
    EXPECT_EQ(t.columnName(1), QStringLiteral("Date"));
    EXPECT_EQ(t.at(1, 0).typeId(), QMetaType::Double);
    EXPECT_FALSE(t.at(3, 0).isValid()); // NULL

    // The same statement again, and one that differs only in its date, each get their own rows.
    EXPECT_EQ(rowsText(onDay("#3/5/2024#")), rowsText(t));
    EXPECT_EQ(rowsText(onDay("#3/6/2024#")), QStringLiteral("3|45357|0|Wednesday"));
    // No row: a table without rows.
    const RowTable none = onDay("#3/7/2024#");
    EXPECT_TRUE(none.isTable());
    EXPECT_EQ(none.columnCount(), 4);
    EXPECT_EQ(none.rowCount(), 0);
    EXPECT_EQ(c.fetchFirstValue(QStringLiteral("SELECT ShortName FROM tbCalenderData WHERE ID=3"))
                  ->toString(),
              QStringLiteral("Wednesday"));
    EXPECT_FALSE(c.fetchFirstValue(QStringLiteral("SELECT ID FROM tbCalenderData WHERE ID=9")));
    EXPECT_FALSE(c.fetchFirstValue(QStringLiteral("SELECT ShortName FROM tbCalenderData WHERE "
                                                  "ID=1"))
                     ->isValid());
}

TEST_F(ConnectionTest, TheEngineHandleAndQtSqlGiveTheSameResults) {
    // Each statement's result, whole: column names, then each value with its type, or the
    // failure's number and text.
    const auto result = [](Connection& c, const QString& sql, bool first) {
        QStringList out;
        try {
            if (first) {
                const std::optional<QVariant> v = c.fetchFirstValue(sql);
                return QStringList{v ? QString::fromLatin1(v->typeName()) + ':' + v->toString()
                                     : QStringLiteral("none")};
            }
            const RowTable t = c.fetchAll(sql);
            for (int col = 0; col < t.columnCount(); ++col)
                out << t.columnName(col);
            for (int row = 0; row < t.rowCount(); ++row)
                for (int col = 0; col < t.columnCount(); ++col)
                    out << QString::fromLatin1(t.at(col, row).typeName()) + ':' +
                               t.at(col, row).toString();
        } catch (const Failure& f) {
            out << QString::number(f.number()) + ' ' + f.description();
        }
        return out;
    };
    const std::pair<const char*, bool> cases[] = {
        {"SELECT ID, Date, FeastRef, ShortName FROM tbCalenderData WHERE Date = #3/5/2024# ORDER "
         "BY ID",
         false},
        {"SELECT ID, Date FROM tbCalenderData WHERE Date = #3/6/2024# ORDER BY ID", false},
        {"SELECT ID AS Number, 1.5 AS Half, x'00ff' AS Bytes, 'å' AS Text, NULL AS Empty FROM "
         "tbCalenderData WHERE ID = 3",
         false},
        {"SELECT COUNT(*) FROM tbCalenderData WHERE ShortName IS NULL", true},
        {"SELECT ShortName FROM tbCalenderData WHERE ID = 9", true},
        {"SELECT ShortName FROM tbCalenderData WHERE ID = 1", true},
        {"SELECT Missing FROM tbCalenderData", false},
        {"SELECT ID FROM tbNowhere", true},
    };
    Connection engine;
    engine.Open(jet(m_file));
    Connection qtSql;
    qtSql.setEngineStatements(false);
    qtSql.Open(jet(m_file));
    for (const auto& [sql, first] : cases) {
        const QString statement = QString::fromUtf8(sql);
        // Twice: a kept statement runs again with its values bound anew.
        for (int round = 0; round < 2; ++round) {
            const QStringList fromEngine = result(engine, statement, first);
            EXPECT_EQ(fromEngine, result(qtSql, statement, first)) << sql;
            EXPECT_FALSE(fromEngine.isEmpty()) << sql;
        }
    }
}

TEST_F(ConnectionTest, NothingIsWrittenToTheDataFile) {
    const QByteArray before = readFile(m_file);
    const QStringList files = folderContents();
    {
        Connection c;
        c.Open(jet(m_file));
        QString text;
        EXPECT_EQ(
            failureNumber([&] { c.execute(QStringLiteral("DELETE FROM tbCalenderData")); }, &text),
            -2147217900);
        EXPECT_TRUE(text.contains(QStringLiteral("readonly"))) << text.toStdString();
        EXPECT_NE(failureNumber([&] { c.execute(QStringLiteral("CREATE TABLE t (x)")); }), 0);
        EXPECT_NE(failureNumber(
                      [&] { c.execute(QStringLiteral("SELECT 1; DELETE FROM tbCalenderData")); }),
                  0);
        // A statement without a write runs as a command.
        c.execute(QStringLiteral("SELECT COUNT(*) FROM tbCalenderData"));
        EXPECT_EQ(c.fetchAll(QStringLiteral("SELECT ID FROM tbCalenderData")).rowCount(), 3);
    }
    EXPECT_EQ(readFile(m_file), before);
    EXPECT_EQ(folderContents(), files);
}

TEST_F(ConnectionTest, ATruncatedDatabaseFailsWithoutChange) {
    // A truncated copy: the header survives, most pages do not.
    fill(m_file, QStringLiteral("INSERT INTO tbContent (ID, HTM_Data) VALUES (?, ?)"), [] {
        QList<QVariantList> rows;
        for (int i = 1; i <= 400; ++i)
            rows.append({i, QString(200, QLatin1Char('x'))});
        return rows;
    }());
    const QByteArray whole = readFile(m_file);
    ASSERT_GT(whole.size(), 8192);
    const QString truncated =
        writeFile(QStringLiteral("truncated.mdb"), whole.left(whole.size() / 3));
    {
        Connection c;
        const qint32 number = failureNumber([&] {
            c.Open(jet(truncated));
            c.fetchAll(QStringLiteral("SELECT HTM_Data FROM tbContent ORDER BY ID"));
        });
        EXPECT_NE(number, 0);
    }
    EXPECT_EQ(readFile(truncated), whole.left(whole.size() / 3));
}

TEST_F(ConnectionTest, OpenAndCloseFailures) {
    Connection c;
    EXPECT_EQ(failureNumber([&] { c.fetchAll(QStringLiteral("SELECT 1")); }), 3709);
    EXPECT_FALSE(c.isOpen());

    c.Open(jet(m_file));
    EXPECT_EQ(failureNumber([&] { c.Open(jet(m_file)); }), 3705);
    EXPECT_EQ(failureNumber([&] { c.fetchAll(QStringLiteral("  ")); }), -2147217908);
    c.Close();
    EXPECT_FALSE(c.isOpen());
    c.Close();
    EXPECT_EQ(failureNumber([&] { c.fetchAll(QStringLiteral("SELECT ID FROM tbCalenderData")); }),
              3709);
    // A closed connection opens again.
    c.Open(jet(m_file));
    EXPECT_EQ(c.fetchAll(QStringLiteral("SELECT ID FROM tbCalenderData")).rowCount(), 3);
}

} // namespace
