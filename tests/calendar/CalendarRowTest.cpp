// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/CalendarRow.h"

#include "calendar/CalendarTestData.h"
#include "common/TestEnv.h"
#include "controls/FailureNumber.h"

#include <QtNumeric>

namespace {

using namespace CalendarTestData;

class CalendarRowTest : public TestEnv {};

TEST_F(CalendarRowTest, CivilDateRoundsToTheSecond) {
    const double day = ole(QDate(2024, 3, 10));
    const std::pair<QVariant, QDate> cases[] = {
        // An evening, and half a second before midnight, are cFillCalendarTest's.
        {day + 86399.4 / 86400.0, QDate(2024, 3, 10)}, // 23:59:59.4
        {QVariant(qint64(45361)), QDate(2024, 3, 10)}, // an integer value
        {"45361.5", QDate(2024, 3, 10)},               // numeric text
        {-1.25, QDate(1899, 12, 29)},                  // before the epoch
    };
    for (const auto& [value, expected] : cases) {
        SCOPED_TRACE(value.toString().toStdString());
        EXPECT_EQ(CalendarRow::civilDate(value, "Date"), expected);
    }
}

TEST_F(CalendarRowTest, UnusableDatesAndTimesFail) {
    // Numbers beyond the range of date values (0100-01-01 to 9999-12-31) are no dates.
    const std::pair<QVariant, qint32> cases[] = {
        {QVariant(), 94}, {"2024-03-10", 13}, {qQNaN(), 13},   {qInf(), 13},   {1e300, 13},
        {-1e300, 13},     {9.2e18, 13},       {2958466.0, 13}, {-657435.0, 13}};
    for (const auto& [value, error] : cases) {
        SCOPED_TRACE(value.toString().toStdString());
        EXPECT_EQ(failureNumber([&] { CalendarRow::civilDate(value, "Date"); }), error);
        if (!value.isNull()) {
            EXPECT_EQ(failureNumber([&] { CalendarRow::shortTime(value); }), error);
        }
    }
    EXPECT_EQ(CalendarRow::civilDate(2958465.5, "Date"), QDate(9999, 12, 31));
    EXPECT_EQ(CalendarRow::civilDate(-657434.0, "Date"), QDate(100, 1, 1));
}

// The colour codes, good and bad, null texts and times, and a time a hair under the hour are
// the fill tests', through whole fills; numeric text is a code too.
TEST_F(CalendarRowTest, TextsAndTimes) {
    EXPECT_EQ(CalendarRow::text(42), "42");
    // The date part of a time is ignored.
    EXPECT_EQ(CalendarRow::shortTime(ole(QDate(2024, 3, 31), QTime(18, 45))), "6:45 PM");
    EXPECT_EQ(failureNumber([&] { CalendarRow::shortTime("ten"); }), 13);
    EXPECT_EQ(CalendarRow::color({10, 11, 12, 13, 14, 15, 16}, "3"), 13);
}

} // namespace
