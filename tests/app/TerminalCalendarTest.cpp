// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/TerminalCalendar.h"

#include "app/JsonOutput.h"
#include "common/TestEnv.h"
#include "controls/MonthCalendarModel.h"
#include "controls/WeekCalendarModel.h"

namespace {

// Whole plain months and weeks are compared through the program (LiturgyCalendarProgramTest);
// here what it cannot show: other first days, colours and hostile names.
class TerminalCalendarTest : public TestEnv {
protected:
    // February 2026 begins on a Sunday and has four whole weeks.
    void SetUp() override {
        TestEnv::SetUp();
        month.setCurrentDate(QDate(2026, 2, 10));
        month.setDayText(1, 1, "Septuagesima Sunday");
        month.setDayText(1, 2, "Brigid");
        month.paintDay(1, 0x009100);
        month.setDayMarker(1, 1);
        month.setDayText(18, 1, "Ash Wednesday");
        month.setDayText(18, 3, "Third");
        month.paintDay(18, 0xD777B3);
        month.setDayMarker(18, 3);
    }

    static QString row(const QStringList& cells) {
        QStringList fitted;
        for (const QString& c : cells)
            fitted << c.leftJustified(15, QLatin1Char(' '));
        QString line = fitted.join(QLatin1Char(' '));
        while (line.endsWith(QLatin1Char(' ')))
            line.chop(1);
        return line + QLatin1Char('\n');
    }

    MonthCalendarModel month;
};

TEST_F(TerminalCalendarTest, WeeksFromTheModelsFirstDayAndBlankDaysOutsideTheMonth) {
    month.setFirstDayOfWeek(2); // Monday
    const QString text = TerminalCalendar::month(month, "T", false);
    const QStringList lines = text.split(QLatin1Char('\n'));
    EXPECT_EQ(lines[1], row({"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"}).chopped(1));
    EXPECT_EQ(lines[2], QString(6 * 16, QLatin1Char(' ')) + QStringLiteral(" 1 *"));
    // Five rows of weeks, four lines and a blank line each, title, header and legend.
    EXPECT_EQ(lines.size(), 2 + 5 * 5 + 2);
}

TEST_F(TerminalCalendarTest, ColouredDaysUseTrueColourEscapes) {
    const QString text = TerminalCalendar::month(month, "T", true);
    // Green (0, 145, 0) is dark: white text. Violet (179, 119, 215) is light: black text.
    EXPECT_TRUE(text.contains("\x1b[97;48;2;0;145;0m 1 *           \x1b[0m"));
    EXPECT_TRUE(text.contains("\x1b[30;48;2;179;119;215mAsh Wednesday  \x1b[0m"));
    // Days without colour stay plain.
    EXPECT_TRUE(text.contains("\x1b[0m  2 "));
    EXPECT_FALSE(TerminalCalendar::month(month, "T", false).contains(QLatin1Char('\x1b')));
}

TEST_F(TerminalCalendarTest, ControlCharactersOfNamesNeverReachTheTerminal) {
    const QString name = QStringLiteral("\x1b[2J\x1b]0;Own\x07Lent\x9b\x7f");
    month.setDayText(2, 1, name);
    WeekCalendarModel week;
    week.setStartDate(QDate(2026, 2, 2));
    week.setEndDate(QDate(2026, 2, 2));
    week.setDateText(QDate(2026, 2, 2), name + QStringLiteral("\r\n10:00 AM - \x1b[5m - Mass"));
    EXPECT_EQ(TerminalCalendar::week(week), "Mon 2/2/26\n"
                                            "    ?[2J?]0;Own?Lent??\n"
                                            "    10:00 AM - ?[5m - Mass\n");
    const QStringList lines = TerminalCalendar::month(month, "T", false).split('\n');
    EXPECT_EQ(lines[3], row({"Septuagesima Su", "?[2J?]0;Own?Len"}).chopped(1));
}

// Whole months and weeks are compared through the program (LiturgyCalendarProgramTest).
TEST_F(TerminalCalendarTest, QuotesColoursAndAnEmptyWeek) {
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
