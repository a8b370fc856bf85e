// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/TypedDateTime.h"

#include <gtest/gtest.h>

namespace {

TEST(TypedDateTimeTest, ReadsDatesAndTimesAsTyped) {
    const QLocale us(QLocale::English, QLocale::UnitedStates);
    const QLocale nb(QLocale::NorwegianBokmal, QLocale::Norway);
    const QLocale de(QLocale::German, QLocale::Germany);
    struct Case {
        QLocale locale;
        QString text;
        QDate date;
    };
    const QDate carol(2026, 12, 22);
    // US dates as shown, in ISO form and as yyyyMMdd digits, and times with and without their
    // colon, are ServiceDialogsTest's, typed into the dialogs.
    const QList<Case> cases = {
        {us, "12222026", carol},
        {us, "12/22/26", carol},
        {us, " 2/17/2027 ", {2027, 2, 17}},
        {nb, "22.12.2026", carol},
        {nb, "2026-12-22", carol},
        {nb, "22122026", carol},
        {de, "22.12.26", carol},
        {de, "2027-02-17", {2027, 2, 17}},
        {QLocale::c(), "22 Dec 2026", carol},
        {us, "13/22/2026", {}},
        {us, "2026-02-30", {}},
        {us, "1222026", {}},
        {us, "Tuesday", {}},
        {us, "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TypedDateTime::parseDate(c.text, c.locale), c.date)
            << c.locale.name().toStdString() << " " << c.text.toStdString();
    EXPECT_EQ(TypedDateTime::dateFormat(us), "M/d/yyyy");
    EXPECT_EQ(TypedDateTime::dateFormat(nb), "dd.MM.yyyy");

    const std::pair<QString, QTime> times[] = {
        {"930", {9, 30}}, {"9", {9, 0}}, {"19.30", {19, 30}},
        {"24:00", {}},    {"19:3", {}},  {"7 pm", {}},
    };
    for (const auto& [text, time] : times)
        EXPECT_EQ(TypedDateTime::parseTime(text), time) << text.toStdString();
}

} // namespace
