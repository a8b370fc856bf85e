// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/OleDate.h"

#include "common/TestEnv.h"

#include <limits>

class OleDateTest : public TestEnv {};

TEST_F(OleDateTest, DatesAndTimesConvertBothWays) {
    struct Case {
        QDateTime at;
        double value;
    };
    const Case cases[] = {
        {QDateTime(QDate(1899, 12, 30), QTime(0, 0)), 0.0},
        {QDateTime(QDate(1899, 12, 31), QTime(0, 0)), 1.0},
        {QDateTime(QDate(1900, 1, 1), QTime(0, 0)), 2.0},
        {QDateTime(QDate(2024, 3, 5), QTime(0, 0)), 45356.0},
        {QDateTime(QDate(2024, 3, 5), QTime(12, 0)), 45356.5},
        {QDateTime(QDate(2024, 3, 5), QTime(18, 0)), 45356.75},
        {QDateTime(QDate(2024, 2, 29), QTime(6, 0)), 45351.25},
        // Before the epoch the whole days count back and the fraction still counts forward.
        {QDateTime(QDate(1899, 12, 29), QTime(6, 0)), -1.25},
        {QDateTime(QDate(1899, 12, 28), QTime(18, 0)), -2.75},
        {QDateTime(QDate(1899, 12, 29), QTime(0, 0)), -1.0},
        {QDateTime(QDate(100, 1, 1), QTime(0, 0)), -657434.0},
        {QDateTime(QDate(9999, 12, 31), QTime(0, 0)), 2958465.0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at.toString(Qt::ISODate).toStdString());
        EXPECT_DOUBLE_EQ(OleDate::fromDateTime(c.at), c.value);
        EXPECT_EQ(OleDate::toDateTime(c.value), c.at);
        EXPECT_EQ(OleDate::toDate(c.value), c.at.date());
        EXPECT_EQ(OleDate::toTime(c.value), c.at.time());
        if (c.at.time() == QTime(0, 0)) {
            EXPECT_DOUBLE_EQ(OleDate::fromDate(c.at.date()), c.value);
        }
    }
    // -0.5 is noon of the epoch day itself.
    EXPECT_EQ(OleDate::toDateTime(-0.5), QDateTime(QDate(1899, 12, 30), QTime(12, 0)));
    // Values that are no date give invalid results.
    for (const double value :
         {std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity(),
          -std::numeric_limits<double>::infinity(), 1e300, -1e300}) {
        SCOPED_TRACE(value);
        EXPECT_FALSE(OleDate::toDate(value).isValid());
        EXPECT_FALSE(OleDate::toDateTime(value).isValid());
    }
}

TEST_F(OleDateTest, EverySecondOfADaySurvivesTheRoundTrip) {
    int wrong = 0;
    for (const QDate date : {QDate(2024, 3, 5), QDate(1899, 12, 29), QDate(1750, 6, 1)}) {
        for (int s = 0; s < 86400; ++s) {
            const QDateTime at(date, QTime(0, 0).addSecs(s));
            const double value = OleDate::fromDateTime(at);
            if (OleDate::toDateTime(value) != at || OleDate::toTime(value) != at.time() ||
                OleDate::toDate(value) != date)
                ++wrong;
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(OleDateTest, ConversionsRoundToTheNearestSecond) {
    const double day = 45356.0;
    const double second = 1.0 / 86400.0;
    struct Case {
        double value;
        QDateTime at;
    };
    const Case cases[] = {
        // 14:30:15 stored a little short of itself, as sums of fractions are.
        {day + (14 * 3600 + 30 * 60 + 15) * second - 1e-9,
         QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15))},
        {day + (14 * 3600 + 30 * 60 + 14.6) * second,
         QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15))},
        {day + (14 * 3600 + 30 * 60 + 15.4) * second,
         QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15))},
        // Half a second before midnight belongs to the next day.
        {day + 1.0 - 0.4 * second, QDateTime(QDate(2024, 3, 6), QTime(0, 0))},
        {day + 1.0 - 0.6 * second, QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59))},
        {-1.25 - 0.4 * second, QDateTime(QDate(1899, 12, 29), QTime(6, 0))},
        // Milliseconds come back rounded to the second.
        {OleDate::fromDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15, 600))),
         QDateTime(QDate(2024, 3, 5), QTime(14, 30, 16))},
        {OleDate::fromDateTime(QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15, 400))),
         QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15))},
        {OleDate::fromDateTime(QDateTime(QDate(2024, 3, 5), QTime(23, 59, 59, 500))),
         QDateTime(QDate(2024, 3, 6), QTime(0, 0))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.at.toString(Qt::ISODate).toStdString());
        EXPECT_EQ(OleDate::toDateTime(c.value), c.at);
        EXPECT_EQ(OleDate::toDate(c.value), c.at.date());
        EXPECT_EQ(OleDate::toTime(c.value), c.at.time());
    }
}
