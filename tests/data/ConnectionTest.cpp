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
                for (int col = 0; col < t.columnCount(); ++col) {
                    const QVariant v = t.at(col, row);
                    out << QString::fromLatin1(v.typeName()) + ':' +
                               (v.typeId() == QMetaType::QByteArray ? v.toByteArray().toHex()
                                                                    : v.toString());
                }
        } catch (const Failure& f) {
            out << QString::number(f.number()) + ' ' + f.description();
        }
        return out;
    };
    struct Case {
        const char* sql;
        bool first;
        QStringList result;
    };
    const Case cases[] = {
        {"SELECT ID, Date, FeastRef, ShortName FROM tbCalenderData WHERE Date = #3/5/2024# ORDER "
         "BY ID",
         false,
         {"ID", "Date", "FeastRef", "ShortName", "qlonglong:1", "double:45356", "qlonglong:44", ":",
          "qlonglong:2", "double:45356", "qlonglong:155", "QString:Tuesday"}},
        {"SELECT ID, Date FROM tbCalenderData WHERE Date = #3/6/2024# ORDER BY ID",
         false,
         {"ID", "Date", "qlonglong:3", "double:45357"}},
        // No row: the columns alone.
        {"SELECT ID, Date FROM tbCalenderData WHERE Date = #3/7/2024# ORDER BY ID",
         false,
         {"ID", "Date"}},
        {"SELECT ID AS Number, 1.5 AS Half, x'00ff' AS Bytes, 'å' AS Text, NULL AS Empty FROM "
         "tbCalenderData WHERE ID = 3",
         false,
         {"Number", "Half", "Bytes", "Text", "Empty", "qlonglong:3", "double:1.5",
          "QByteArray:00ff", "QString:å", ":"}},
        {"SELECT COUNT(*) FROM tbCalenderData WHERE ShortName IS NULL", true, {"qlonglong:1"}},
        {"SELECT ShortName FROM tbCalenderData WHERE ID = 3", true, {"QString:Wednesday"}},
        {"SELECT ShortName FROM tbCalenderData WHERE ID = 9", true, {"none"}},
        {"SELECT ShortName FROM tbCalenderData WHERE ID = 1", true, {":"}},
        {"SELECT Missing FROM tbCalenderData", false, {"-2147217900 no such column: Missing"}},
        {"SELECT ID FROM tbNowhere", true, {"-2147217900 no such table: tbNowhere"}},
    };
    Connection engine;
    engine.Open(jet(m_file));
    Connection qtSql;
    qtSql.setEngineStatements(false);
    qtSql.Open(jet(m_file));
    for (const Case& c : cases) {
        const QString statement = QString::fromUtf8(c.sql);
        // Twice: a kept statement runs again with its values bound anew.
        for (int round = 0; round < 2; ++round) {
            EXPECT_EQ(result(engine, statement, c.first), c.result) << c.sql;
            EXPECT_EQ(result(qtSql, statement, c.first), c.result) << c.sql;
        }
    }
}

TEST_F(ConnectionTest, NothingIsWrittenToTheDataFileAndOpenAndCloseFailWhereTheyMust) {
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

        // Opening an open connection, an empty statement, and statements once it is closed,
        // fail; a closed connection opens again.
        EXPECT_EQ(failureNumber([&] { c.Open(jet(m_file)); }), 3705);
        EXPECT_EQ(failureNumber([&] { c.fetchAll(QStringLiteral("  ")); }), -2147217908);
        c.Close();
        EXPECT_FALSE(c.isOpen());
        c.Close();
        EXPECT_EQ(failureNumber([&] { c.fetchAll(QStringLiteral("SELECT 1")); }), 3709);
        c.Open(jet(m_file));
        EXPECT_EQ(c.fetchAll(QStringLiteral("SELECT ID FROM tbCalenderData")).rowCount(), 3);
    }
    // A connection never opened fails its statements as a closed one.
    Connection never;
    EXPECT_EQ(failureNumber([&] { never.fetchAll(QStringLiteral("SELECT 1")); }), 3709);
    EXPECT_FALSE(never.isOpen());
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

} // namespace
