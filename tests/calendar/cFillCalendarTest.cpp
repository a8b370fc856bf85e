// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cFillCalendar.h"

#include "calendar/CalendarTestData.h"
#include "calendar/cLiturgicalColors.h"
#include "common/TestEnv.h"
#include "controls/MonthCalendarModel.h"
#include "data/ConnectionCache.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/modIni.h"

#include <cstdio>

namespace {

using namespace CalendarTestData;

double march(int day, const QTime& time = QTime(0, 0)) {
    return ole(QDate(2024, 3, day), time);
}

// One day of the month as the calendar shows it.
struct Shown {
    QString line1, line2, line3;
    std::optional<qint32> color;
    int marker = 0;
    bool operator==(const Shown&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Shown& s) {
    return os << '[' << s.line1.toStdString() << '|' << s.line2.toStdString() << '|'
              << s.line3.toStdString() << "] colour "
              << (s.color ? std::to_string(*s.color) : std::string("none")) << " marker "
              << s.marker;
}

class cFillCalendarTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        colors.mSetDefaultColors();
        month.setCurrentDate(QDate(2024, 3, 5));
        liturgyFile = path("Brastelo.MDB");
        planFile = path("Plan.mdb");
    }

    void fill(qint32 version = 1) {
        fillFrom(writeFile("host.ini", iniText(liturgyFile, planFile)), version);
    }

    void fillFrom(const QString& ini, qint32 version = 1) {
        cFillCalendar f;
        f.setPFillData(QVariant());
        f.setPVkIniFile(ini);
        f.setPUser(7);
        f.setPVersion(version);
        f.setPctMonth(&month);
        f.setPoLitColors(&colors);
        EXPECT_FALSE(f.mFillCalendar());
    }

    Shown shown(int day) const {
        return {month.dayText(day, 1), month.dayText(day, 2), month.dayText(day, 3),
                month.dayColor(day), month.dayMarker(day)};
    }

    // Every day of the month not listed in `days` shows nothing.
    void expectMonth(const QMap<int, Shown>& days) const {
        for (int day = 1; day <= month.daysInMonth(); ++day)
            EXPECT_EQ(shown(day), days.value(day)) << "day " << day;
    }

    cLiturgicalColors colors;
    MonthCalendarModel month;
    QString liturgyFile;
    QString planFile;
};

// Names, colours and markers of a month: rows in ID order, each on its civil date.
TEST_F(cFillCalendarTest, NamesColoursAndMarkersOfAMonth) {
    ASSERT_TRUE(
        createLiturgy(liturgyFile, {
                                       {1, march(3), 10, 1, "3rd Sunday in Lent"},
                                       {2, march(10), 11, 1, "4th Sunday in Lent"},
                                       // Four rows on one date: lines 1, 2 and the fourth on line
                                       // 3; the fourth's colour.
                                       {3, march(25), 20, 0, "Annunciation"},
                                       {4, march(25), 21, 3, "Second"},
                                       {5, march(25), 22, 2, "Third"},
                                       {6, march(25), 23, 6, "Fourth"},
                                       // A null name is an empty line, but the day is painted.
                                       {7, march(31), 30, 0, QVariant()},
                                       // ID order, not date order, decides the lines.
                                       {20, march(9), 1, 2, "later id"},
                                       {10, march(9), 1, 3, "earlier id"},
                                       // A time of day belongs to the civil date: not the next
                                       // day when past noon.
                                       {30, march(14, QTime(18, 0)), 1, 2, "evening"},
                                       // Just under the next second rounds to it, not down to
                                       // the last one.
                                       {31, march(15) + 86399.6 / 86400.0, 1, 4, "midnight"},
                                       {40, ole(QDate(2024, 2, 29)), 1, 1, "February"},
                                       {41, ole(QDate(2024, 4, 1)), 1, 1, "April"},
                                   }));
    ASSERT_TRUE(createPlan(planFile, {
                                         {march(3), timeOfDay(11, 0), "Mass", "A"},
                                         {march(10), timeOfDay(11, 0), "Mass", "A"},
                                         {march(10), timeOfDay(18, 0), "Vesp", "B"},
                                         {march(10), timeOfDay(20, 0), "Comp", "B"},
                                         {march(12), QVariant(), "Meeting", "C"},
                                     }));
    // What an earlier month left is cleared first.
    month.setDayText(20, 1, "stale");
    month.setDayText(20, 3, "stale");
    month.paintDay(20, 1);
    month.setDayMarker(20, 3);
    month.setDayText(3, 2, "stale");
    fill();
    expectMonth({
        {3, {"3rd Sunday in Lent", "", "", kViolet, 1}},
        {9, {"earlier id", "later id", "", kGreen, 0}},
        {10, {"4th Sunday in Lent", "", "", kViolet, 3}},
        {12, {"", "", "", std::nullopt, 1}},
        {14, {"evening", "", "", kGreen, 0}},
        {16, {"midnight", "", "", kBlack, 0}},
        {25, {"Annunciation", "Second", "Fourth", kScarlet, 0}},
        {31, {"", "", "", kWhite, 0}},
    });
    // What a screen reader says of the services, each time of day as often as it comes.
    EXPECT_EQ(
        (QList<QStringList>{month.dayServices(3), month.dayServices(10), month.dayServices(12)}),
        (QList<QStringList>{
            {"11:00 AM Mass"}, {"11:00 AM Mass", "6:00 PM Vesp", "8:00 PM Comp"}, {"Meeting"}}));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
    // The fill closes both files' connections when it is done.
    ASSERT_NE(ConnectionCache::existing(), nullptr);
    EXPECT_EQ(ConnectionCache::existing()->count(), 0);
}

TEST_F(cFillCalendarTest, Edition1011LeavesFiveFeastsAndNullFeastsUnpainted) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {
                                               {1, march(1), 155, 2, "f155"},
                                               {2, march(2), 486, 2, "f486"},
                                               {3, march(3), 490, 2, "f490"},
                                               {4, march(4), 530, 2, "f530"},
                                               {5, march(5), 101, 2, "f101"},
                                               {6, march(6), QVariant(), 2, "null feast"},
                                               {7, march(7), 487, 3, "f487"},
                                               // A second row of the date, excluded: the
                                               // first keeps line 1 and its colour.
                                               {8, march(7), 486, 2, "late"},
                                               {9, march(8), 0, 3, "f0"},
                                           }));
    fill(1011);
    expectMonth({{7, {"f487", "", "", kRed, 0}}, {8, {"f0", "", "", kRed, 0}}});

    for (qint32 edition : {1, 47, 1010, 10024}) {
        SCOPED_TRACE(edition);
        fill(edition);
        expectMonth({
            {1, {"f155", "", "", kGreen, 0}},
            {2, {"f486", "", "", kGreen, 0}},
            {3, {"f490", "", "", kGreen, 0}},
            {4, {"f530", "", "", kGreen, 0}},
            {5, {"f101", "", "", kGreen, 0}},
            {6, {"null feast", "", "", kGreen, 0}},
            {7, {"f487", "late", "", kGreen, 0}},
            {8, {"f0", "", "", kRed, 0}},
        });
    }
}

// The INI file and the databases are kept between fills; a change on disk must still be seen
// by the very next fill, however soon it comes and whatever size the file keeps.
TEST_F(cFillCalendarTest, ANewLiturgyPlanOrIniFileIsSeenByTheNextFill) {
    const QString other = path("Brastelz.MDB"); // as long a name
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, march(4), 1, 0, "Old"}}));
    ASSERT_TRUE(createLiturgy(other, {{1, march(4), 1, 3, "New"}}));
    const Shown renamed = {"New", "", "", kRed, 0};
    // The databases wait open in the pool; a file renamed over one is another file.
    const auto renameOver = [&](const QString& file, auto create) {
        const QString replacement = path("new.tmp");
        ASSERT_TRUE(create(replacement));
        ASSERT_EQ(std::rename(QFile::encodeName(replacement).constData(),
                              QFile::encodeName(file).constData()),
                  0);
    };
    const struct {
        const char* how;
        std::function<void(const QString&)> write;
        Shown after;
    } writes[] = {
        {"the INI file in place, the same size",
         [&](const QString&) { writeFile("host.ini", iniText(other, planFile)); }, renamed},
        {"the INI file through modIni::write",
         [&](const QString& ini) { modIni::write(ini, "FILES", "liturgyfile", other); }, renamed},
        {"the plan file renamed over",
         [&](const QString&) {
             renameOver(planFile, [&](const QString& f) {
                 return createPlan(f, {{march(4), QVariant(), "Mass", "A"}});
             });
         },
         {"Old", "", "", kWhite, 1}},
        {"the liturgy file renamed over",
         [&](const QString&) {
             renameOver(liturgyFile, [&](const QString& f) {
                 return createLiturgy(f, {{1, march(4), 1, 3, "New"}});
             });
         },
         renamed},
    };
    for (const auto& w : writes) {
        SCOPED_TRACE(w.how);
        QFile::remove(planFile);
        ASSERT_TRUE(createPlan(planFile, {}));
        const QString ini = writeFile("host.ini", iniText(liturgyFile, planFile));
        fillFrom(ini);
        expectMonth({{4, {"Old", "", "", kWhite, 0}}});
        w.write(ini);
        fillFrom(ini);
        expectMonth({{4, w.after}});
    }
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

// A missing plan file only suppresses the markers; a missing liturgy file is reported, and the
// markers are still shown.
TEST_F(cFillCalendarTest, WithoutOneOfTheFilesTheOtherIsStillShown) {
    const QString missing = path("none.mdb");
    const QString april = path("April.MDB");
    const struct {
        const char* what;
        QString liturgy, plan;
        QMap<int, Shown> month;
        bool reported;
    } cases[] = {
        {"no calendar rows in the month",
         april,
         planFile,
         {{31, {"", "", "", std::nullopt, 3}}},
         false},
        {"a missing plan file", liturgyFile, missing, {{4, {"Day", "", "", kWhite, 0}}}, false},
        {"no plan file named", liturgyFile, QString(), {{4, {"Day", "", "", kWhite, 0}}}, false},
        {"a missing liturgy file", missing, planFile, {{31, {"", "", "", std::nullopt, 3}}}, true},
    };
    ASSERT_TRUE(createLiturgy(april, {{1, ole(QDate(2024, 4, 2)), 1, 5, "April"}}));
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, march(4), 1, 0, "Day"}}));
    ASSERT_TRUE(createPlan(planFile, {{march(31), QVariant(), "Mass", "A"},
                                      {march(31), QVariant(), "Mass", "B"},
                                      {ole(QDate(2024, 4, 1)), QVariant(), "Mass", "A"}}));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ui().clear();
        liturgyFile = c.liturgy;
        planFile = c.plan;
        fill();
        expectMonth(c.month);
        EXPECT_EQ(ui().messageBoxes().isEmpty(), !c.reported);
        if (!c.reported) {
            EXPECT_EQ(errHandler().lastErrorNumber(), 0);
        }
    }
}

TEST_F(cFillCalendarTest, BadColourEndsTheFillThroughTheErrorHandler) {
    struct Case {
        const char* name;
        QVariant color;
        qint32 error;
    };
    const Case cases[] = {
        {"colour 7", 7, 9},           {"colour -1", -1, 9},
        {"colour 2.5", 2.5, 9},       {"null colour", QVariant(), 94},
        {"text colour", "green", 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(liturgyFile);
        QFile::remove(planFile);
        ASSERT_TRUE(createLiturgy(liturgyFile, {
                                                   {1, march(5), 1, 2, "Before"},
                                                   {2, march(12), 1, c.color, "Bad"},
                                                   {3, march(20), 1, 3, "After"},
                                               }));
        ASSERT_TRUE(createPlan(planFile, {{march(5), QVariant(), "Mass", "A"}}));
        ui().clear();
        fill();
        // The name is written before the colour is looked up; the rest is not done.
        expectMonth({{5, {"Before", "", "", kGreen, 0}}, {12, {"Bad", "", "", std::nullopt, 0}}});
        EXPECT_EQ(errHandler().lastErrorNumber(), c.error);
        EXPECT_EQ(errHandler().lastErrorProcedure(), "cFillCalendar.mFillCalendar");
        EXPECT_EQ(ui().messageBoxes().size(), 1);
        EXPECT_EQ(errHandler().pCurStackPointer(), 0);
        shared().connectionCache.reset();
    }
}

TEST_F(cFillCalendarTest, MissingCalendarOrColoursFailWithObjectNotSet) {
    cFillCalendar f;
    f.setPoLitColors(&colors);
    EXPECT_FALSE(f.mFillCalendar());
    EXPECT_EQ(errHandler().lastErrorNumber(), 91);
    cFillCalendar g;
    g.setPctMonth(&month);
    month.setDayText(1, 1, "kept");
    EXPECT_FALSE(g.mFillCalendar());
    EXPECT_EQ(errHandler().lastErrorNumber(), 91);
    EXPECT_EQ(month.dayText(1, 1), "kept");
}

// A fill through the host's server connection is ServerModeFacadeTest's, whole window against
// whole window, and this range is ServerConnectionTest's, run on the server.
TEST_F(cFillCalendarTest, TheDateRangeInEachSqlMode) {
    const QDate last(2024, 3, 31);
    EXPECT_EQ(cFillCalendar::dateRange(3, 2024, last, 0),
              " WHERE Date >=#3/1/2024# AND Date <=#03/31/2024#");
    // A server reads only its own form, so both days are written in it.
    EXPECT_EQ(cFillCalendar::dateRange(3, 2024, last, -1),
              " WHERE Date >='2024-03-01' AND Date <='2024-03-31'");
    EXPECT_EQ(cFillCalendar::dateRange(3, 2024, last, 1), " WHERE Date >=#3/1/2024# AND Date <=");
    EXPECT_EQ(cFillCalendar::dateRange(11, 987, QDate(987, 11, 30), -1),
              " WHERE Date >='0987-11-01' AND Date <='0987-11-30'");
}

} // namespace
