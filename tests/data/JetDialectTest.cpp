// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/JetDialect.h"

#include "DataTestSupport.h"
#include "data/mADO.h"
#include "support/Failure.h"

#include <QDateTime>

namespace {

struct Rewrite {
    const char* jet;
    const char* sqlite;
};

TEST(JetDialectTest, RewritesDateLiteralsOutsideStringsAndNames) {
    const Rewrite cases[] = {
        {"SELECT ID FROM tbCalenderData", "SELECT ID FROM tbCalenderData"},
        {"", ""},
        // one- and two-digit months and days, three- and four-digit years
        {"WHERE Date = #03/5/2024#", "WHERE Date = 45356"},
        {"WHERE Date = #3/5/2024#", "WHERE Date = 45356"},
        {"WHERE Date = #03/05/2024#", "WHERE Date = 45356"},
        {"WHERE Date = #3/05/2024#", "WHERE Date = 45356"},
        {"WHERE Date = #2024-03-05#", "WHERE Date = 45356"},
        {"WHERE Date = # 3/5/2024 #", "WHERE Date = 45356"},
        {"#12/30/1899#", "0"},
        {"#12/31/9999#", "2958465"},
        {"#2/29/2024#", "45351"},
        {"#1/1/100#", "(-657434)"},
        // times of day, 24-hour and AM/PM, with and without seconds
        {"#3/5/2024 10:30#", "45356.4375"},
        {"#3/5/2024 10:30:00#", "45356.4375"},
        {"#3/5/2024 18:00:00#", "45356.75"},
        {"#3/5/2024 6:00 PM#", "45356.75"},
        {"#3/5/2024 06:00:00 pm#", "45356.75"},
        {"#3/5/2024 12:00 AM#", "45356"},
        {"#3/5/2024 12:00 PM#", "45356.5"},
        {"#3/5/2024 12:30AM#", "45356.020833333336"},
        {"#12/29/1899 06:00#", "(-1.25)"},
        {"#06:00#", "0.25"},
        {"#6:00 PM#", "0.75"},
        // strings, double-quoted strings and bracketed names stay as they are
        {"WHERE Navn = '#3/5/2024#' AND Date = #3/5/2024#",
         "WHERE Navn = '#3/5/2024#' AND Date = 45356"},
        {"WHERE Navn = 'It''s #1, # and #' AND Date < #1/2/1900#",
         "WHERE Navn = 'It''s #1, # and #' AND Date < 3"},
        {"WHERE Navn = \"#x#\" AND Date > #1/1/1900#", "WHERE Navn = \"#x#\" AND Date > 2"},
        {"SELECT [Date#1], [a #3/5/2024# b] FROM t WHERE [x] = #1/1/1900#",
         "SELECT [Date#1], [a #3/5/2024# b] FROM t WHERE [x] = 2"},
        {"WHERE Navn = 'unterminated #3/5/2024#", "WHERE Navn = 'unterminated #3/5/2024#"},
        // the number stays a token of its own; a minus before a negative value is no comment
        {"WHERE Date=#3/5/2024#AND ID=1", "WHERE Date=45356 AND ID=1"},
        {"WHERE Date>=#3/5/2024#", "WHERE Date>=45356"},
        {"WHERE(Date=#3/5/2024#)", "WHERE(Date=45356)"},
        {"SELECT Date-#1/1/1800# FROM t", "SELECT Date-(-36522) FROM t"},
        // the month statement of the calendar, both literals
        {"SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData  WHERE Date "
         ">=#02/26/2024# AND Date <=#04/7/2024# ORDER BY ID",
         "SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData  WHERE Date "
         ">=45348 AND Date <=45389 ORDER BY ID"},
        // server-mode dates are strings and stay strings
        {"WHERE Date = '2024-03-05'", "WHERE Date = '2024-03-05'"},
    };
    for (const Rewrite& c : cases) {
        SCOPED_TRACE(c.jet);
        EXPECT_EQ(JetDialect::toSQLite(QString::fromUtf8(c.jet)).toStdString(), c.sqlite);
    }
}

TEST(JetDialectTest, LiteralsBecomeParametersInOrder) {
    struct Case {
        const char* jet;
        const char* text;
        QList<double> dates;
    };
    const Case cases[] = {
        {"SELECT 1", "SELECT 1", {}},
        {"WHERE Date >=#02/26/2024# AND Date <=#04/7/2024# ORDER BY ID",
         "WHERE Date >=? AND Date <=? ORDER BY ID",
         {45348, 45389}},
        {"WHERE Navn = '#3/5/2024#' AND Date=#3/5/2024 6:00 PM#AND [a#]=1",
         "WHERE Navn = '#3/5/2024#' AND Date=? AND [a#]=1",
         {45356.75}},
        {"WHERE Date = #1/1/1800#", "WHERE Date = ?", {-36522}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.jet);
        const JetDialect::Translation t =
            JetDialect::toSQLiteWithParameters(QString::fromUtf8(c.jet));
        EXPECT_EQ(t.text.toStdString(), c.text);
        EXPECT_EQ(t.dates, c.dates);
    }
    EXPECT_THROW(JetDialect::toSQLiteWithParameters(QStringLiteral("WHERE Date = #2/30/2024#")),
                 Failure);
}

TEST(JetDialectTest, MalformedLiteralsFailNamingTheLiteral) {
    // Each literal stands after "WHERE Date = ": no month 13 or 0, no 30 February, no 29 February
    // in 2023, no day 0, two- and five-digit years, zeros, missing or other separators, hours,
    // minutes and seconds out of range, a digit that is not 0-9, nothing, unterminated.
    const QStringList literals =
        QString::fromUtf8(
            "#13/5/2024#|#0/5/2024#|#2/30/2024#|#2/29/2023#|#3/0/2024#|#3/5/24#|#3/5/99#|"
            "#3/5/02024#|#03/005/2024#|#0/0/0#|#3/5#|#3-5-2024#|#5.3.2024#|#3/5/2024x#|"
            "#3/5/2024 25:00#|#3/5/2024 10:60#|#3/5/2024 10:30:61#|#3/5/2024 13:00 PM#|"
            "#3/5/2024 0:30 AM#|#3/5/2024 10#|#3/5/202410:30#|#\xd9\xa3/5/2024#|##|#   #|"
            "#abc#|#3/5/2024")
            .split(QLatin1Char('|'));
    // A lone '#' outside a string is named alone.
    QList<std::pair<QString, QString>> cases = {
        {QStringLiteral("WHERE Navn = '#' AND x = #"), QStringLiteral("#")}};
    for (const QString& literal : literals)
        cases.append({QStringLiteral("WHERE Date = ") + literal, literal});
    for (const auto& [sql, named] : cases) {
        SCOPED_TRACE(sql.toStdString());
        try {
            const QString out = JetDialect::toSQLite(sql);
            ADD_FAILURE() << "rewritten to " << out.toStdString();
        } catch (const Failure& f) {
            EXPECT_EQ(f.number(), -2147217900);
            EXPECT_EQ(f.description(),
                      QStringLiteral("Syntax error in date in query expression '%1'.").arg(named));
        }
    }
}

// The rewritten literal finds the row stored with the same date value: equal to the second,
// compared as numbers.
class JetDialectOnDatabaseTest : public DataTest {};

TEST_F(JetDialectOnDatabaseTest, LiteralsCompareEqualToStoredDateValues) {
    const QString file = createDatabase(QStringLiteral("times.db"), Schema::Kind::Liturgy);
    QList<QVariantList> rows;
    QStringList literals;
    int id = 0;
    for (int seconds = 0; seconds < 86400; seconds += 997) {
        const QDate dates[] = {QDate(2024, 3, 5), QDate(1899, 12, 29), QDate(9999, 12, 31)};
        for (const QDate& date : dates) {
            const QTime time = QTime(0, 0).addSecs(seconds);
            rows.append({++id, OleDate::fromDateTime(QDateTime(date, time, Qt::UTC))});
            literals.append(QStringLiteral("#%1/%2/%3 %4#")
                                .arg(date.month())
                                .arg(date.day())
                                .arg(date.year())
                                .arg(time.toString(QStringLiteral("h:mm:ss AP"))));
        }
    }
    fill(file, QStringLiteral("INSERT INTO tbCalenderData (ID, Date) VALUES (?, ?)"), rows);
    const ConnectionPtr connection = connect(file);
    ASSERT_TRUE(connection);
    for (int i = 0; i < literals.size(); ++i) {
        SCOPED_TRACE(literals[i].toStdString());
        const ResData r = mADO::getResData(
            connection, QStringLiteral("SELECT ID FROM tbCalenderData WHERE Date = ") + literals[i],
            1, false);
        EXPECT_EQ(r.toString().toStdString(), QString::number(i + 1).toStdString());
    }
    // A range of whole days holds the times of its days and nothing else.
    const ResData count = mADO::getResData(
        connection,
        QStringLiteral("SELECT COUNT(*) FROM tbCalenderData WHERE Date >= #3/5/2024# AND "
                       "Date < #3/6/2024#"),
        1, false);
    EXPECT_EQ(count.toString(), QString::number(literals.size() / 3));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

} // namespace
