// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/JsonOutput.h"

#include "common/TestEnv.h"
#include "controls/MonthCalendarModel.h"
#include "controls/WeekCalendarModel.h"

namespace {

class JsonOutputTest : public TestEnv {};

TEST_F(JsonOutputTest, QuotesAndRedGreenBlueColours) {
    const std::pair<QString, QString> cases[] = {
        {JsonOutput::quote("a\"b\\c\r\nd\te\x01 ø"), "\"a\\\"b\\\\c\\r\\nd\\te\\u0001 ø\""},
        {JsonOutput::quote(QString()), "\"\""},
        {JsonOutput::color(0x0080FF), "\"#FF8000\""},
        {JsonOutput::color(0xD777B3), "\"#B377D7\""},
        {JsonOutput::color(0), "\"#000000\""},
        {JsonOutput::color(0x12345678), "\"#785634\""},
        {JsonOutput::color(std::nullopt), "null"},
    };
    for (const auto& [actual, expected] : cases)
        EXPECT_EQ(actual, expected);
}

TEST_F(JsonOutputTest, MonthHasOneElementPerDay) {
    MonthCalendarModel model;
    model.setCurrentDate(QDate(2023, 2, 14));
    model.setDayText(1, 1, "First");
    model.setDayText(1, 3, "Third \"q\"");
    model.paintDay(1, 0x009100);
    model.setDayMarker(28, 3);
    QString expected = "{\"edition\":1011,\"edition_name\":\"The Korva "
                       "Diocese\",\"year\":2023,\"month\":2,\"days\":[";
    expected += "{\"date\":\"2023-02-01\",\"lines\":[\"First\",\"\",\"Third "
                "\\\"q\\\"\"],\"color\":\"#009100\",\"marker\":0}";
    for (int day = 2; day <= 28; ++day)
        expected += QStringLiteral(",{\"date\":\"2023-02-%1\",\"lines\":[\"\",\"\",\"\"],"
                                   "\"color\":null,\"marker\":%2}")
                        .arg(day, 2, 10, QLatin1Char('0'))
                        .arg(day == 28 ? 3 : 0);
    expected += "]}";
    EXPECT_EQ(JsonOutput::month(1011, "The Korva Diocese", model), expected);
}

TEST_F(JsonOutputTest, WeekHasOneElementPerDateOfTheRange) {
    WeekCalendarModel model;
    model.setStartDate(QDate(2024, 2, 28));
    model.setEndDate(QDate(2024, 3, 1));
    model.setDateText(QDate(2024, 2, 29), "A\r\nB");
    model.setDateColor(QDate(2024, 2, 29), 1, 0xFFFFFF);
    model.setDateColor(QDate(2024, 2, 29), 3, 0x0000C6);
    model.setDateMarker(QDate(2024, 3, 1), 1);
    EXPECT_EQ(JsonOutput::week(model),
              "{\"from\":\"2024-02-28\",\"to\":\"2024-03-01\",\"days\":["
              "{\"date\":\"2024-02-28\",\"text\":\"\",\"colors\":[null,null,null],"
              "\"marker\":0},"
              "{\"date\":\"2024-02-29\",\"text\":\"A\\r\\nB\",\"colors\":"
              "[\"#FFFFFF\",null,\"#C60000\"],\"marker\":0},"
              "{\"date\":\"2024-03-01\",\"text\":\"\",\"colors\":[null,null,null],"
              "\"marker\":1}]}");
    // An empty range.
    model.setStartDate(QDate(2024, 3, 2));
    EXPECT_EQ(JsonOutput::week(model),
              "{\"from\":\"2024-03-02\",\"to\":\"2024-03-01\",\"days\":[]}");
}

} // namespace
