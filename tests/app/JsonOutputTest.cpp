// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/JsonOutput.h"

#include "common/TestEnv.h"
#include "controls/WeekCalendarModel.h"

namespace {

class JsonOutputTest : public TestEnv {};

// Whole months and weeks are compared through the program (LiturgyCalendarProgramTest).
TEST_F(JsonOutputTest, QuotesColoursAndAnEmptyWeek) {
    WeekCalendarModel emptyWeek;
    emptyWeek.setStartDate(QDate(2024, 3, 2));
    emptyWeek.setEndDate(QDate(2024, 3, 1));
    const std::pair<QString, QString> cases[] = {
        {JsonOutput::quote("a\"b\\c\r\nd\te\x01 ø"), "\"a\\\"b\\\\c\\r\\nd\\te\\u0001 ø\""},
        {JsonOutput::quote(QString()), "\"\""},
        {JsonOutput::color(0x0080FF), "\"#FF8000\""},
        {JsonOutput::color(0xD777B3), "\"#B377D7\""},
        {JsonOutput::color(0), "\"#000000\""},
        {JsonOutput::color(0x12345678), "\"#785634\""},
        {JsonOutput::color(std::nullopt), "null"},
        // A range that ends before it starts has no days.
        {JsonOutput::week(emptyWeek),
         "{\"from\":\"2024-03-02\",\"to\":\"2024-03-01\",\"days\":[]}"},
    };
    for (const auto& [actual, expected] : cases)
        EXPECT_EQ(actual, expected);
}

} // namespace
