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

// Every Gregorian year up to 2299, which holds the earliest (1818, 2285) and the latest (1943,
// 2038) Easters there can be.
TEST(ComputusTest, AgreesWithGaussInEveryGregorianYear) {
    for (int year = 1583; year <= 2299; ++year) {
        const QDate easter = Computus::easterSunday(year);
        EXPECT_EQ(easter, gaussEaster(year)) << year;
        EXPECT_EQ(easter.dayOfWeek(), Qt::Sunday) << year;
        EXPECT_GE(easter, QDate(year, 3, 22)) << year;
        EXPECT_LE(easter, QDate(year, 4, 25)) << year;
    }
    EXPECT_EQ(Computus::easterSunday(2024), QDate(2024, 3, 31));
    // Before the Gregorian reform there is no Gregorian Easter.
    EXPECT_FALSE(Computus::easterSunday(1582).isValid());
}
