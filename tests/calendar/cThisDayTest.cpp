// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cThisDay.h"

#include "calendar/CalendarTestData.h"
#include "common/RowText.h"
#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"

namespace {

using namespace CalendarTestData;

class cThisDayTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        liturgyFile = path("Velmarka.MDB");
        ASSERT_TRUE(
            createLiturgy(liturgyFile, {
                                           {7, ole(QDate(2024, 3, 5)), 40, 1, "Tue"},
                                           {3, ole(QDate(2024, 3, 5)), 41, 0, QVariant()},
                                           {9, ole(QDate(2024, 3, 6)), QVariant(), 1, "Wed"},
                                       }));
    }

    cThisDay make(const QDate& date) const {
        cThisDay day;
        day.setPUser(1);
        day.setPVersion(47);
        day.setPVkIniFile(path("host.ini"));
        day.setPSQLMode(0);
        day.setPDate(ole(date));
        day.setPLiturgyFile(liturgyFile);
        return day;
    }

    // The rows as sorted "ID|ShortName|FeastRef" lines, whatever order the database gave.
    static QStringList rowsOf(const RowTable& table) {
        QStringList rows = rowLines(table, "<null>");
        rows.sort();
        return rows;
    }

    QString liturgyFile;
};

// Every row of the date with its ID, ShortName and FeastRef, nulls kept; a date without rows
// keeps the earlier result, silently.
TEST_F(cThisDayTest, AllRowsOfTheDateWithNullsKept) {
    cThisDay day = make(QDate(2024, 3, 5));
    EXPECT_FALSE(day.pLiturgicalDays().isTable());
    const std::pair<QDate, QStringList> cases[] = {
        {QDate(2024, 3, 5), {"3|<null>|41", "7|Tue|40"}},
        {QDate(2024, 3, 6), {"9|Wed|<null>"}},
        {QDate(2024, 3, 7), {"9|Wed|<null>"}},
    };
    for (const auto& [date, rows] : cases) {
        day.setPDate(ole(date));
        EXPECT_EQ(day.mResolve(), date.day() != 7);
        EXPECT_EQ(rowsOf(day.pLiturgicalDays()), rows);
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

TEST_F(cThisDayTest, StatementInEachSqlMode) {
    const double date = ole(QDate(2024, 3, 5));
    const QString prefix = "SELECT ID, ShortName, FeastRef FROM tbCalenderData WHERE Date = ";
    EXPECT_EQ(cThisDay::statement(date, 0), prefix + QStringLiteral("#03/5/2024#"));
    EXPECT_EQ(cThisDay::statement(date, -1), prefix + QStringLiteral("'2024-03-05'"));
    EXPECT_EQ(cThisDay::statement(date, 1), prefix);
}

TEST_F(cThisDayTest, FailuresGiveFalseAndAreReported) {
    for (const QString& file : {path("missing.mdb"), QString()}) {
        SCOPED_TRACE(file.toStdString());
        ui().clear();
        cThisDay day = make(QDate(2024, 3, 5));
        day.setPLiturgyFile(file);
        EXPECT_FALSE(day.mResolve());
        EXPECT_FALSE(day.pLiturgicalDays().isTable());
        EXPECT_FALSE(ui().messageBoxes().isEmpty());
        EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    }
    // SQL mode 1 builds no connection string and no date literal.
    cThisDay day = make(QDate(2024, 3, 5));
    day.setPSQLMode(1);
    EXPECT_FALSE(day.mResolve());
}

} // namespace
