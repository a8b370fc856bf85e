#include "calendar/cThisDay.h"

#include "calendar/CalendarTestData.h"
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

    static QList<QVariantList> rowsOf(const RowTable& table) {
        QList<QVariantList> rows;
        for (int r = 0; r < table.rowCount(); ++r) {
            QVariantList row;
            for (int c = 0; c < table.columnCount(); ++c)
                row << table.at(c, r);
            rows << row;
        }
        return rows;
    }

    QString liturgyFile;
};

TEST_F(cThisDayTest, AllRowsOfTheDateWithNullsKept) {
    cThisDay day = make(QDate(2024, 3, 5));
    EXPECT_FALSE(day.pLiturgicalDays().isTable());
    ASSERT_TRUE(day.mResolve());
    const RowTable& table = day.pLiturgicalDays();
    ASSERT_TRUE(table.isTable());
    EXPECT_EQ(table.columnCount(), 3);
    const QList<QVariantList> rows = rowsOf(table);
    ASSERT_EQ(rows.size(), 2);
    // The database's order; both rows, ID, ShortName, FeastRef.
    QList<QVariantList> expected = {{3, QVariant(), 41}, {7, "Tue", 40}};
    if (rows[0][0].toInt() == 7)
        std::swap(expected[0], expected[1]);
    for (int r = 0; r < 2; ++r) {
        EXPECT_EQ(rows[r][0].toInt(), expected[r][0].toInt());
        EXPECT_EQ(rows[r][1].isNull(), expected[r][1].isNull());
        EXPECT_EQ(rows[r][1].toString(), expected[r][1].toString());
        EXPECT_EQ(rows[r][2].toInt(), expected[r][2].toInt());
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(cThisDayTest, ADateWithoutRowsKeepsTheEarlierResultSilently) {
    cThisDay day = make(QDate(2024, 3, 6));
    ASSERT_TRUE(day.mResolve());
    EXPECT_TRUE(day.pLiturgicalDays().at(2, 0).isNull()); // a NULL feast stays NULL
    EXPECT_EQ(day.pLiturgicalDays().at(1, 0).toString(), "Wed");
    day.setPDate(ole(QDate(2024, 3, 7)));
    EXPECT_FALSE(day.mResolve());
    EXPECT_EQ(day.pLiturgicalDays().at(0, 0).toInt(), 9);
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
