// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/CalendarLocale.h"

#include "common/TestEnv.h"

#include <QLocale>

namespace {

class CalendarLocaleTest : public TestEnv {};

TEST_F(CalendarLocaleTest, FirstDayOfWeekFollowsTheLocaleAndStartsTheWeek) {
    EXPECT_EQ(CalendarLocale::firstDayOfWeek(), 1); // en_US: Sunday
    QLocale::setDefault(QLocale(QLocale::NorwegianBokmal, QLocale::Norway));
    EXPECT_EQ(CalendarLocale::firstDayOfWeek(), 2); // Monday
    QLocale::setDefault(QLocale(QLocale::Arabic, QLocale::Egypt));
    EXPECT_EQ(CalendarLocale::firstDayOfWeek(), 7); // Saturday

    // The start of a week, found by the weekday numbers from Sunday, which it proves too.
    struct Case {
        QDate date;
        int firstDay;
        QDate expected;
    };
    const Case cases[] = {
        {QDate(2024, 3, 1), 1, QDate(2024, 2, 25)}, // Friday, weeks from Sunday
        {QDate(2024, 3, 1), 2, QDate(2024, 2, 26)}, // weeks from Monday
        {QDate(2024, 3, 1), 6, QDate(2024, 3, 1)},  // the date itself starts its week
        {QDate(2024, 3, 1), 7, QDate(2024, 2, 24)},
        {QDate(2024, 9, 1), 1, QDate(2024, 9, 1)},
        {QDate(2024, 9, 1), 2, QDate(2024, 8, 26)},
        {QDate(2025, 1, 1), 1, QDate(2024, 12, 29)}, // across the year
        {QDate(2024, 3, 1), 0, QDate(2024, 2, 23)},  // an impossible setting stops after a week
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.toString(Qt::ISODate).toStdString() + " " + std::to_string(c.firstDay));
        EXPECT_EQ(CalendarLocale::startOfWeek(c.date, c.firstDay), c.expected);
    }
}

} // namespace
