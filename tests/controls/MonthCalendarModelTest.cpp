// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/MonthCalendarModel.h"

#include "common/TestEnv.h"
#include "controls/FailureNumber.h"

#include <QLocale>

namespace {

class MonthCalendarModelTest : public TestEnv {};

TEST_F(MonthCalendarModelTest, StartsOnTodayWithTheLocalesFirstDayOfWeek) {
    MonthCalendarModel model;
    EXPECT_EQ(model.currentDate(), QDate(2024, 3, 5));
    EXPECT_EQ(model.currentDay(), 5);
    EXPECT_EQ(model.month(), 3);
    EXPECT_EQ(model.year(), 2024);
    EXPECT_EQ(model.daysInMonth(), 31);
    EXPECT_EQ(model.firstDayOfWeek(), 1);

    QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    EXPECT_EQ(MonthCalendarModel().firstDayOfWeek(), 2);
}

TEST_F(MonthCalendarModelTest, MovingTheShownMonthMovesTheCurrentDateAndKeepsTheDays) {
    MonthCalendarModel model;
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
}

TEST_F(MonthCalendarModelTest, RefusesImpossibleMonthsYearsAndDates) {
    MonthCalendarModel model;
    EXPECT_EQ(failureNumber([&] { model.setMonth(0); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setMonth(13); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setYear(0); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setCurrentDate(QDate()); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setFirstDayOfWeek(8); }), 9);
    EXPECT_EQ(model.currentDate(), QDate(2024, 3, 5));
}

TEST_F(MonthCalendarModelTest, DayMembersAndTheirBounds) {
    MonthCalendarModel model;
    model.setCurrentDate(QDate(2024, 2, 10));
    model.setDayText(29, 3, QStringLiteral("Leap"));
    model.paintDay(29, 0x0080FF);
    model.setDayMarker(29, 3);
    EXPECT_EQ(model.dayText(29, 3), QStringLiteral("Leap"));
    EXPECT_EQ(model.dayText(29, 1), QString());
    EXPECT_EQ(model.dayColor(29), std::optional<qint32>(0x0080FF));
    EXPECT_EQ(model.dayColor(1), std::nullopt);
    EXPECT_EQ(model.dayMarker(29), 3);
    EXPECT_EQ(model.dayMarker(28), 0);

    EXPECT_EQ(failureNumber([&] { model.setDayText(30, 1, QStringLiteral("x")); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setDayText(0, 1, QStringLiteral("x")); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setDayText(1, 4, QStringLiteral("x")); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setDayText(1, 0, QStringLiteral("x")); }), 9);
    EXPECT_EQ(failureNumber([&] { model.paintDay(30, 1); }), 9);
    EXPECT_EQ(failureNumber([&] { model.setDayMarker(-1, 1); }), 9);
    EXPECT_EQ(failureNumber([&] { (void)model.dayText(32, 1); }), 9);
}

TEST_F(MonthCalendarModelTest, EachClearClearsOnlyItsOwnMembers) {
    MonthCalendarModel model;
    model.setDayText(5, 1, QStringLiteral("Name"));
    model.paintDay(5, 0x009100);
    model.setDayMarker(5, 1);

    model.clearDayAttributes();
    EXPECT_EQ(model.dayText(5, 1), QStringLiteral("Name"));
    EXPECT_EQ(model.dayColor(5), std::nullopt);
    EXPECT_EQ(model.dayMarker(5), 0);

    model.paintDay(5, 0x009100);
    model.clearDayTexts();
    EXPECT_EQ(model.dayText(5, 1), QString());
    EXPECT_EQ(model.dayColor(5), std::optional<qint32>(0x009100));
}

} // namespace
