// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/SqlDate.h"

#include "data/JetDialect.h"
#include "support/Failure.h"
#include "support/OleDate.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

struct Case {
    double date;
    qint16 month, day, year, mode;
    const char* literal;
};

double ole(int y, int m, int d) {
    return OleDate::fromDate(QDate(y, m, d));
}

TEST(SqlDateTest, LiteralsInEveryMode) {
    const Case cases[] = {
        {ole(2024, 3, 5), 0, 0, 0, 0, "#03/5/2024#"},
        {ole(2024, 3, 5), 0, 0, 0, -1, "'2024-03-05'"},
        {ole(2024, 3, 5), 0, 0, 0, 1, ""},
        {ole(2024, 3, 5), 0, 0, 0, -2, ""},
        {ole(2024, 12, 25), 0, 0, 0, 0, "#12/25/2024#"},
        {ole(2024, 12, 25), 0, 0, 0, -1, "'2024-12-25'"},
        // month and day are ignored when the date is not zero
        {ole(2024, 3, 5), 7, 8, 1999, 0, "#03/5/2024#"},
        // a time of day does not change the day; half a second before midnight rounds over
        {ole(2024, 3, 5) + 0.75, 0, 0, 0, 0, "#03/5/2024#"},
        {ole(2024, 3, 5) + 1 - 0.4 / 86400, 0, 0, 0, 0, "#03/6/2024#"},
        {0.5, 0, 0, 0, 0, "#12/30/1899#"},
        {ole(1899, 12, 29) - 0.25, 0, 0, 0, 0, "#12/29/1899#"},
        {ole(100, 1, 1), 0, 0, 0, 0, "#01/1/100#"},
        {ole(100, 1, 1), 0, 0, 0, -1, "'0100-01-01'"},
        {ole(9999, 12, 31), 0, 0, 0, 0, "#12/31/9999#"},
        // a zero date is written from month, day and year, the Access form in every mode
        {0, 3, 5, 2024, 0, "#3/5/2024#"},
        {0, 3, 5, 2024, -1, "#3/5/2024#"},
        {0, 12, 25, 2024, 1, "#12/25/2024#"},
        {0, 0, 0, 0, 0, "#0/0/0#"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.literal) + " mode " + std::to_string(c.mode));
        EXPECT_EQ(getSQLDate(c.date, c.month, c.day, c.year, c.mode).toStdString(), c.literal);
    }
    // An impossible date value fails instead of writing another date.
    EXPECT_THROW(getSQLDate(std::nan(""), 0, 0, 0, 0), Failure);
    EXPECT_THROW(getSQLDate(HUGE_VAL, 0, 0, 0, -1), Failure);
}

// What the Access form writes, the connection layer reads back as the same day.
TEST(SqlDateTest, AccessLiteralReadsBackAsTheSameDay) {
    for (double day = ole(100, 1, 1); day <= ole(9999, 12, 31); day += 997) {
        const QString literal = getSQLDate(day, 0, 0, 0, 0);
        const QString number = JetDialect::toSQLite(literal);
        const QString expected =
            day < 0 ? QStringLiteral("(%1)").arg(qint64(day)) : QString::number(qint64(day));
        ASSERT_EQ(number.toStdString(), expected.toStdString()) << literal.toStdString();
    }
}

} // namespace
