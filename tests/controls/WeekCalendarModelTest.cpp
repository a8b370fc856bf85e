// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/WeekCalendarModel.h"

#include "common/TestEnv.h"
#include "controls/FailureNumber.h"

namespace {

class WeekCalendarModelTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        model = std::make_unique<WeekCalendarModel>();
        model->setStartDate(QDate(2024, 2, 25));
        model->setEndDate(QDate(2024, 3, 31));
    }
    std::unique_ptr<WeekCalendarModel> model;
};

TEST_F(WeekCalendarModelTest, DateMembersInsideTheRangeUntilCleared) {
    const QDate d(2024, 2, 25);
    model->setDateText(d, QStringLiteral("a\r\nb"));
    model->setDateColor(d, 1, 0xFFFFFF);
    model->setDateColor(d, 3, 0x404040);
    model->setDateMarker(d, 3);
    // What the members hold shows in the week's reading and print (CalendarAccessibilityTest,
    // PrintTest); here their bounds and clear.
    EXPECT_EQ(model->dateColor(d, 2), std::nullopt);
    EXPECT_EQ(failureNumber([&] { model->setDateColor(d, 0, 1); }), 9);
    EXPECT_EQ(failureNumber([&] { model->setDateColor(d, 4, 1); }), 9);
    EXPECT_EQ(failureNumber([&] { model->setStartDate(QDate()); }), 9);

    model->clear();
    EXPECT_EQ(model->dateText(d), QString());
    EXPECT_EQ(model->dateColor(d, 1), std::nullopt);
    EXPECT_EQ(model->dateColor(d, 3), std::nullopt);
    EXPECT_EQ(model->dateMarker(d), 0);
}

TEST_F(WeekCalendarModelTest, DatesOutsideTheRangeKeepNothing) {
    for (const QDate& d : {QDate(2024, 2, 24), QDate(2024, 4, 1), QDate(2024, 2, 1)}) {
        SCOPED_TRACE(d.toString(Qt::ISODate).toStdString());
        model->setDateText(d, QStringLiteral("outside"));
        model->setDateColor(d, 1, 5);
        model->setDateMarker(d, 1);
        EXPECT_EQ(model->dateText(d), QString());
        EXPECT_EQ(model->dateColor(d, 1), std::nullopt);
        EXPECT_EQ(model->dateMarker(d), 0);
    }
    // Nor do they appear when the range later grows over them.
    model->setStartDate(QDate(2024, 2, 1));
    EXPECT_EQ(model->dateText(QDate(2024, 2, 1)), QString());
}

} // namespace
