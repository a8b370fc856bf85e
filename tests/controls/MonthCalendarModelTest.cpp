// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/MonthCalendarModel.h"

#include "common/TestEnv.h"
#include "controls/FailureNumber.h"

#include <functional>

namespace {

class MonthCalendarModelTest : public TestEnv {};

// The first day of the week by locale is CalendarLocaleTest's.
TEST_F(MonthCalendarModelTest, MovingTheMonthMovesTheCurrentDateAndKeepsTheDaysWithinTheirBounds) {
    MonthCalendarModel model;
    EXPECT_EQ(model.currentDate(), QDate(2024, 3, 5)); // today
    model.setCurrentDate(QDate(2024, 1, 31));
    model.setDayText(3, 2, QStringLiteral("January 3"));
    model.setMonth(2);
    // The days keep their members until cleared.
    EXPECT_EQ(model.dayText(3, 2), QStringLiteral("January 3"));
    EXPECT_EQ(model.currentDate(), QDate(2024, 2, 29));
    model.setYear(2023);
    EXPECT_EQ(model.currentDate(), QDate(2023, 2, 28));
    model.setMonth(12);
    EXPECT_EQ(model.currentDate(), QDate(2023, 12, 28));
    model.setCurrentDate(QDate(2025, 6, 15));
    EXPECT_EQ(model.month(), 6);
    EXPECT_EQ(model.year(), 2025);
    EXPECT_EQ(model.dateOfDay(30), QDate(2025, 6, 30));

    // Day members and their bounds.
    model.setCurrentDate(QDate(2024, 2, 10));
    model.setDayText(29, 3, QStringLiteral("Leap"));
    model.paintDay(29, 0x0080FF);
    model.setDayMarker(29, 3);
    EXPECT_EQ(model.dayText(29, 3), QStringLiteral("Leap"));

    // Impossible months, years, dates and days: refused, and nothing changes.
    const std::function<void()> refused[] = {
        [&] { model.setMonth(0); },
        [&] { model.setMonth(13); },
        [&] { model.setYear(0); },
        [&] { model.setCurrentDate(QDate()); },
        [&] { model.setFirstDayOfWeek(8); },
        [&] { model.setDayText(30, 1, QStringLiteral("x")); },
        [&] { model.setDayText(0, 1, QStringLiteral("x")); },
        [&] { model.setDayText(1, 4, QStringLiteral("x")); },
        [&] { model.setDayText(1, 0, QStringLiteral("x")); },
        [&] { model.paintDay(30, 1); },
        [&] { model.setDayMarker(-1, 1); },
        [&] { (void)model.dayText(32, 1); },
    };
    for (size_t i = 0; i < std::size(refused); ++i)
        EXPECT_EQ(failureNumber(refused[i]), 9) << "case " << i;
    EXPECT_EQ(model.currentDate(), QDate(2024, 2, 10));
    EXPECT_EQ(model.firstDayOfWeek(), 1);
}

} // namespace
