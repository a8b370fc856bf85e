// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "Computus.h"

#include <gtest/gtest.h>

namespace {

// Gauss's Easter formula with Lichtenberg's secular corrections: a formulation of its own,
// independent of the anonymous Gregorian algorithm under test.
QDate gaussEaster(int year) {
    const int k = year / 100;
    const int m = 15 + (3 * k + 3) / 4 - (8 * k + 13) / 25;
    const int s = 2 - (3 * k + 3) / 4;
    const int a = year % 19;
    const int d = (19 * a + m) % 30;
    const int r = (d + a / 11) / 29;
    const int og = 21 + d - r;
    const int sz = 7 - (year + year / 4 + s) % 7;
    const int oe = 7 - (og - sz) % 7;
    const int marchDay = og + oe;
    return QDate(year, 3, 1).addDays(marchDay - 1);
}

} // namespace

TEST(ComputusTest, AgreesWithGaussFrom1900To2100) {
    for (int year = 1900; year <= 2100; ++year) {
        const QDate easter = Computus::easterSunday(year);
        EXPECT_EQ(easter, gaussEaster(year)) << year;
        EXPECT_EQ(easter.dayOfWeek(), Qt::Sunday) << year;
        EXPECT_GE(easter, QDate(year, 3, 22)) << year;
        EXPECT_LE(easter, QDate(year, 4, 25)) << year;
    }
}

TEST(ComputusTest, KnownDatesAndLimits) {
    const struct {
        int year;
        QDate easter;
    } cases[] = {
        {1818, QDate(1818, 3, 22)}, // earliest possible
        {1943, QDate(1943, 4, 25)}, // latest possible
        {1954, QDate(1954, 4, 18)}, {1981, QDate(1981, 4, 19)}, {2000, QDate(2000, 4, 23)},
        {2008, QDate(2008, 3, 23)}, {2011, QDate(2011, 4, 24)}, {2024, QDate(2024, 3, 31)},
        {2025, QDate(2025, 4, 20)}, {2038, QDate(2038, 4, 25)}, {2285, QDate(2285, 3, 22)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Computus::easterSunday(c.year), c.easter) << c.year;
    // Before the Gregorian reform there is no Gregorian Easter.
    EXPECT_FALSE(Computus::easterSunday(1582).isValid());
    EXPECT_EQ(Computus::easterSunday(1583), QDate(1583, 4, 10));
}
