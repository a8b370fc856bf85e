// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cFillWeekCalendar.h"

#include "calendar/CalendarTestData.h"
#include "calendar/cLiturgicalColors.h"
#include "common/TestEnv.h"
#include "controls/WeekCalendarModel.h"
#include "data/ConnectionCache.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"

#include <QFile>

namespace {

using namespace CalendarTestData;

double day(int month, int d, const QTime& time = QTime(0, 0)) {
    return ole(QDate(2024, month, d), time);
}

// One date of the range as the week calendar shows it.
struct Shown {
    QString text;
    std::optional<qint32> c1, c2, c3;
    int marker = 0;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
    auto color = [](const std::optional<qint32>& c) {
        return c ? std::to_string(*c) : std::string("none");
    };
    QString text = s.text;
    text.replace("\r\n", "|");
    return os << '"' << text.toStdString() << "\" " << color(s.c1) << ' ' << color(s.c2) << ' '
              << color(s.c3) << " marker " << s.marker;
}

class cFillWeekCalendarTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        colors.mSetDefaultColors();
        // The range of March 2024 in weeks from Sunday.
        week.setStartDate(QDate(2024, 2, 25));
        week.setEndDate(QDate(2024, 3, 31));
        liturgyFile = path("KorvaLume.MDB");
        planFile = path("Plan.mdb");
    }

    void fill(qint32 version = 1) {
        const QString ini = writeFile("host.ini", iniText(liturgyFile, planFile));
        cFillWeekCalendar f;
        f.setPVkIniFile(ini);
        f.setPVersion(version);
        f.setPctCalendar(&week);
        f.setPoLitColors(&colors);
        EXPECT_FALSE(f.mFillCalendar());
    }

    Shown shown(const QDate& date) const {
        return {week.dateText(date), week.dateColor(date, 1), week.dateColor(date, 2),
                week.dateColor(date, 3), week.dateMarker(date)};
    }

    // Every date of the range not listed shows nothing.
    void expectRange(const QMap<QDate, Shown>& dates) const {
        for (QDate d = week.startDate(); d <= week.endDate(); d = d.addDays(1))
            EXPECT_EQ(shown(d), dates.value(d)) << d.toString(Qt::ISODate).toStdString();
    }

    cLiturgicalColors colors;
    WeekCalendarModel week;
    QString liturgyFile;
    QString planFile;
};

// Names, then services, of each date of the range, from its first week to its end.
TEST_F(cFillWeekCalendarTest, NamesThenServicesOfEachDate) {
    ASSERT_TRUE(
        createLiturgy(liturgyFile, {
                                       {1, day(3, 10), 11, 1, "Laetare"},
                                       {2, day(3, 10), 12, 3, "St. Nobody"},
                                       {3, day(3, 17), 13, 1, "Judica"},
                                       {4, day(3, 17), 14, 0, "Two"},
                                       {5, day(3, 17), 15, 2, QVariant()},
                                       {6, day(3, 17), 16, 4, "Four"},
                                       {7, day(2, 1), 1, 2, "Feb 1"},
                                       {8, day(2, 24), 1, 2, "Feb 24"},
                                       {9, day(2, 25), 1, 2, "Feb 25"},
                                       {10, day(2, 29, QTime(23, 0)), 1, 3, "late"},
                                       {11, day(3, 31, QTime(0, 0, 1)), 1, 2, "a second past"},
                                       {12, day(4, 1), 1, 2, "Apr 1"},
                                   }));
    ASSERT_TRUE(
        createPlan(planFile, {
                                 // Stored out of time order: the statement orders them.
                                 {day(3, 10), timeOfDay(18, 0), "Vespers", "Chapel"},
                                 {day(3, 10), timeOfDay(10, 0), "Mass", "Cathedral"},
                                 // A service on a date without a calendar row.
                                 {day(3, 12), timeOfDay(19, 30), "Choir", QVariant()},
                                 // The last date of the range.
                                 {day(3, 31), QVariant(), "Easter", "Hill"},
                                 {day(2, 24), timeOfDay(9, 0), "Mass", "A"},
                                 {day(2, 25), timeOfDay(9, 0), "Mass", "A"},
                                 {day(2, 25), timeOfDay(10, 0) - 0.1 / 86400.0, "Mass", "B"},
                             }));
    fill();
    expectRange({
        {QDate(2024, 2, 25),
         {"Feb 25\r\n9:00 AM - A - Mass\r\n10:00 AM - B - Mass", kGreen, std::nullopt, std::nullopt,
          3}},
        {QDate(2024, 2, 29), {"late", kRed, std::nullopt, std::nullopt, 0}},
        {QDate(2024, 3, 10),
         {"Laetare\r\nSt. Nobody\r\n10:00 AM - Cathedral - Mass\r\n6:00 PM - Chapel - Vespers",
          kViolet, kRed, std::nullopt, 3}},
        {QDate(2024, 3, 12),
         {"\r\n7:30 PM -  - Choir", std::nullopt, std::nullopt, std::nullopt, 1}},
        {QDate(2024, 3, 17), {"Judica\r\nTwo\r\n\r\nFour", kViolet, kWhite, kBlack, 0}},
        {QDate(2024, 3, 31), {"\r\n - Hill - Easter", std::nullopt, std::nullopt, std::nullopt, 1}},
    });
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    ASSERT_NE(ConnectionCache::existing(), nullptr);
    EXPECT_EQ(ConnectionCache::existing()->count(), 0);
}

TEST_F(cFillWeekCalendarTest, EveryFeastInEveryEdition) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, day(3, 1), 155, 2, "f155"},
                                            {2, day(3, 2), 486, 2, "f486"},
                                            {3, day(3, 3), 490, 2, "f490"},
                                            {4, day(3, 4), 530, 2, "f530"},
                                            {5, day(3, 5), 101, 2, "f101"},
                                            {6, day(3, 6), QVariant(), 2, "null"}}));
    // What an earlier range left is cleared first; the missing plan file only leaves the
    // services out, without a message.
    week.setDateText(QDate(2024, 3, 20), "stale");
    week.setDateColor(QDate(2024, 3, 20), 2, 1);
    week.setDateMarker(QDate(2024, 3, 20), 3);
    week.setDateColor(QDate(2024, 3, 2), 3, 1);
    for (qint32 edition : {1011, 1}) {
        SCOPED_TRACE(edition);
        fill(edition);
        QMap<QDate, Shown> expected;
        const char* names[] = {"f155", "f486", "f490", "f530", "f101", "null"};
        for (int i = 0; i < 6; ++i)
            expected.insert(QDate(2024, 3, i + 1),
                            {names[i], kGreen, std::nullopt, std::nullopt, 0});
        expectRange(expected);
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(cFillWeekCalendarTest, BadColourOrNullEndsTheFill) {
    const std::pair<QVariant, qint32> cases[] = {{7, 9}, {QVariant(), 94}, {-3, 9}};
    for (const auto& [color, error] : cases) {
        SCOPED_TRACE(error);
        QFile::remove(liturgyFile);
        QFile::remove(planFile);
        ASSERT_TRUE(createLiturgy(
            liturgyFile,
            {{1, day(3, 3), 1, 2, "A"}, {2, day(3, 3), 1, color, "B"}, {3, day(3, 9), 1, 2, "C"}}));
        ASSERT_TRUE(createPlan(planFile, {{day(3, 3), timeOfDay(10, 0), "Mass", "A"}}));
        ui().clear();
        fill();
        // The text is written before the colour is looked up.
        expectRange({{QDate(2024, 3, 3), {"A\r\nB", kGreen, std::nullopt, std::nullopt, 0}}});
        EXPECT_EQ(errHandler().lastErrorNumber(), error);
        EXPECT_EQ(errHandler().lastErrorProcedure(), "cFillWeekCalendar.mFillCalendar");
        EXPECT_EQ(ui().messageBoxes().size(), 1);
        shared().connectionCache.reset();
    }
}

} // namespace
