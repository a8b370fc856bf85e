#include "calendar/cFillCalendar.h"

#include "calendar/CalendarTestData.h"
#include "calendar/cLiturgicalColors.h"
#include "common/ServerTestDatabase.h"
#include "common/TestEnv.h"
#include "controls/MonthCalendarModel.h"
#include "data/ConnectionCache.h"
#include "data/ServerCopy.h"
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
        liturgyFile = path(QStringLiteral("Brastelo.MDB"));
        planFile = path(QStringLiteral("Plan.mdb"));
    }

    void fill(qint32 version = 1, qint16 sqlMode = 0, const QString& connectionString = {}) {
        fillFrom(writeFile(QStringLiteral("host.ini"), iniText(liturgyFile, planFile)), version,
                 sqlMode, connectionString);
    }

    void fillFrom(const QString& ini, qint32 version = 1, qint16 sqlMode = 0,
                  const QString& connectionString = {}) {
        cFillCalendar f;
        f.setPFillData(QVariant());
        f.setPVkIniFile(ini);
        f.setPUser(7);
        f.setPVersion(version);
        f.setPctMonth(&month);
        f.setPoLitColors(&colors);
        f.setPSQLMode(sqlMode);
        f.setPConnectionString(connectionString);
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

TEST_F(cFillCalendarTest, NamesColoursAndMarkersOfAMonth) {
    ASSERT_TRUE(
        createLiturgy(liturgyFile, {
                                       {1, march(3), 10, 1, QStringLiteral("3rd Sunday in Lent")},
                                       {2, march(10), 11, 1, QStringLiteral("4th Sunday in Lent")},
                                       // Four rows on one date: lines 1, 2 and the fourth on line
                                       // 3; the fourth's colour.
                                       {3, march(25), 20, 0, QStringLiteral("Annunciation")},
                                       {4, march(25), 21, 3, QStringLiteral("Second")},
                                       {5, march(25), 22, 2, QStringLiteral("Third")},
                                       {6, march(25), 23, 6, QStringLiteral("Fourth")},
                                       // A null name is an empty line, but the day is painted.
                                       {7, march(31), 30, 0, QVariant()},
                                   }));
    ASSERT_TRUE(
        createPlan(planFile, {
                                 {march(3), ole(QDate(1899, 12, 30), QTime(11, 0)), "Mass", "A"},
                                 {march(10), ole(QDate(1899, 12, 30), QTime(11, 0)), "Mass", "A"},
                                 {march(10), ole(QDate(1899, 12, 30), QTime(18, 0)), "Vesp", "B"},
                                 {march(10), ole(QDate(1899, 12, 30), QTime(20, 0)), "Comp", "B"},
                                 {march(12), QVariant(), "Meeting", "C"},
                             }));
    fill();
    expectMonth({
        {3, {"3rd Sunday in Lent", "", "", kViolet, 1}},
        {10, {"4th Sunday in Lent", "", "", kViolet, 3}},
        {12, {"", "", "", std::nullopt, 1}},
        {25, {"Annunciation", "Second", "Fourth", kScarlet, 0}},
        {31, {"", "", "", kWhite, 0}},
    });
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
    // The fill closes both files' connections when it is done.
    ASSERT_NE(ConnectionCache::existing(), nullptr);
    EXPECT_EQ(ConnectionCache::existing()->count(), 0);
}

TEST_F(cFillCalendarTest, Edition1011LeavesFiveFeastsAndNullFeastsUnpainted) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {
                                               {1, march(1), 155, 2, QStringLiteral("f155")},
                                               {2, march(2), 486, 2, QStringLiteral("f486")},
                                               {3, march(3), 490, 2, QStringLiteral("f490")},
                                               {4, march(4), 530, 2, QStringLiteral("f530")},
                                               {5, march(5), 101, 2, QStringLiteral("f101")},
                                               {6, march(6), QVariant(), 2, "null feast"},
                                               {7, march(7), 487, 3, QStringLiteral("f487")},
                                               // A second row of the date, excluded: the
                                               // first keeps line 1 and its colour.
                                               {8, march(7), 486, 2, QStringLiteral("late")},
                                               {9, march(8), 0, 3, QStringLiteral("f0")},
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

TEST_F(cFillCalendarTest, RowsInIdOrderAndTheirDatesTimesAndMonths) {
    ASSERT_TRUE(createLiturgy(
        liturgyFile,
        {
            // ID order, not date order, decides the lines.
            {20, march(9), 1, 2, QStringLiteral("later id")},
            {10, march(9), 1, 3, QStringLiteral("earlier id")},
            // A time of day belongs to the civil date: not the next day when past noon.
            {30, march(14, QTime(18, 0)), 1, 2, QStringLiteral("evening")},
            // Just under the next second rounds to it, not down to the last one.
            {31, march(15) + 86399.6 / 86400.0, 1, 4, QStringLiteral("midnight")},
            {40, ole(QDate(2024, 2, 29)), 1, 1, QStringLiteral("February")},
            {41, ole(QDate(2024, 4, 1)), 1, 1, QStringLiteral("April")},
        }));
    fill();
    expectMonth({
        {9, {"earlier id", "later id", "", kGreen, 0}},
        {14, {"evening", "", "", kGreen, 0}},
        {16, {"midnight", "", "", kBlack, 0}},
    });
}

// The INI file and the databases are kept between fills; a change on disk must still be seen
// by the very next fill, however soon it comes and whatever size the file keeps.
TEST_F(cFillCalendarTest, ANewLiturgyFileWrittenIntoTheIniFileIsSeenByTheNextFill) {
    const QString other = path(QStringLiteral("Brastelz.MDB")); // as long a name
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, march(4), 1, 0, QStringLiteral("Old")}}));
    ASSERT_TRUE(createLiturgy(other, {{1, march(4), 1, 3, QStringLiteral("New")}}));
    const QList<std::pair<const char*, std::function<void(const QString&)>>> writes = {
        {"in place, the same size",
         [&](const QString&) { writeFile(QStringLiteral("host.ini"), iniText(other, planFile)); }},
        {"through modIni::write",
         [&](const QString& ini) {
             modIni::write(ini, QStringLiteral("FILES"), QStringLiteral("liturgyfile"), other);
         }},
    };
    for (const auto& [how, write] : writes) {
        SCOPED_TRACE(how);
        const QString ini = writeFile(QStringLiteral("host.ini"), iniText(liturgyFile, planFile));
        fillFrom(ini);
        expectMonth({{4, {"Old", "", "", kWhite, 0}}});
        write(ini);
        fillFrom(ini);
        expectMonth({{4, {"New", "", "", kRed, 0}}});
    }
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

TEST_F(cFillCalendarTest, AReplacedLiturgyFileIsSeenByTheNextFill) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, march(4), 1, 0, QStringLiteral("Old")}}));
    const QString ini = writeFile(QStringLiteral("host.ini"), iniText(liturgyFile, planFile));
    fillFrom(ini);
    expectMonth({{4, {"Old", "", "", kWhite, 0}}});
    // The database waits open in the pool; a file renamed over it is another file.
    const QString replacement = path(QStringLiteral("new.tmp"));
    ASSERT_TRUE(createLiturgy(replacement, {{1, march(5), 1, 3, QStringLiteral("Replaced")}}));
    ASSERT_EQ(std::rename(QFile::encodeName(replacement).constData(),
                          QFile::encodeName(liturgyFile).constData()),
              0);
    fillFrom(ini);
    expectMonth({{5, {"Replaced", "", "", kRed, 0}}});
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

TEST_F(cFillCalendarTest, AnEarlierMonthIsClearedFirst) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, march(2), 1, 5, QStringLiteral("Only")}}));
    month.setDayText(20, 1, QStringLiteral("stale"));
    month.setDayText(20, 3, QStringLiteral("stale"));
    month.paintDay(20, 1);
    month.setDayMarker(20, 3);
    month.setDayText(2, 2, QStringLiteral("stale"));
    fill();
    expectMonth({{2, {"Only", "", "", kBlue, 0}}});
}

TEST_F(cFillCalendarTest, WithoutCalendarRowsOnlyMarkers) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, ole(QDate(2024, 4, 2)), 1, 5, "April"}}));
    ASSERT_TRUE(createPlan(planFile, {{march(31), QVariant(), "Mass", "A"},
                                      {march(31), QVariant(), "Mass", "B"},
                                      {ole(QDate(2024, 4, 1)), QVariant(), "Mass", "A"}}));
    fill();
    expectMonth({{31, {"", "", "", std::nullopt, 3}}});
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

TEST_F(cFillCalendarTest, MissingPlanFileOnlySuppressesMarkers) {
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, march(4), 1, 0, QStringLiteral("Day")}}));
    for (const QString& plan : {path(QStringLiteral("none.mdb")), QString()}) {
        SCOPED_TRACE(plan.toStdString());
        planFile = plan;
        fill();
        expectMonth({{4, {"Day", "", "", kWhite, 0}}});
    }
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
}

TEST_F(cFillCalendarTest, BadColourEndsTheFillThroughTheErrorHandler) {
    struct Case {
        const char* name;
        QVariant color;
        qint32 error;
    };
    const Case cases[] = {
        {"colour 7", 7, 9},
        {"colour -1", -1, 9},
        {"colour 2.5", 2.5, 9},
        {"null colour", QVariant(), 94},
        {"text colour", QStringLiteral("green"), 13},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(liturgyFile);
        QFile::remove(planFile);
        ASSERT_TRUE(
            createLiturgy(liturgyFile, {
                                           {1, march(5), 1, 2, QStringLiteral("Before")},
                                           {2, march(12), 1, c.color, QStringLiteral("Bad")},
                                           {3, march(20), 1, 3, QStringLiteral("After")},
                                       }));
        ASSERT_TRUE(createPlan(planFile, {{march(5), QVariant(), "Mass", "A"}}));
        ui().clear();
        fill();
        // The name is written before the colour is looked up; the rest is not done.
        expectMonth({{5, {"Before", "", "", kGreen, 0}}, {12, {"Bad", "", "", std::nullopt, 0}}});
        EXPECT_EQ(errHandler().lastErrorNumber(), c.error);
        EXPECT_EQ(errHandler().lastErrorProcedure(), QStringLiteral("cFillCalendar.mFillCalendar"));
        EXPECT_EQ(ui().messageBoxes().size(), 1);
        EXPECT_EQ(errHandler().pCurStackPointer(), 0);
        shared().connectionCache.reset();
    }
}

TEST_F(cFillCalendarTest, MissingLiturgyFileIsReportedAndMarkersStillShown) {
    liturgyFile = path(QStringLiteral("missing.mdb"));
    ASSERT_TRUE(createPlan(planFile, {{march(8), QVariant(), "Mass", "A"}}));
    fill();
    expectMonth({{8, {"", "", "", std::nullopt, 1}}});
    EXPECT_FALSE(ui().messageBoxes().isEmpty());
}

TEST_F(cFillCalendarTest, MissingCalendarOrColoursFailWithObjectNotSet) {
    cFillCalendar f;
    f.setPoLitColors(&colors);
    EXPECT_FALSE(f.mFillCalendar());
    EXPECT_EQ(errHandler().lastErrorNumber(), 91);
    cFillCalendar g;
    g.setPctMonth(&month);
    month.setDayText(1, 1, QStringLiteral("kept"));
    EXPECT_FALSE(g.mFillCalendar());
    EXPECT_EQ(errHandler().lastErrorNumber(), 91);
    EXPECT_EQ(month.dayText(1, 1), QStringLiteral("kept"));
}

TEST_F(cFillCalendarTest, StatementsAndTheDateRangeInEachSqlMode) {
    const QDate last(2024, 3, 31);
    EXPECT_EQ(cFillCalendar::dateRange(3, 2024, last, 0),
              QStringLiteral(" WHERE Date >=#3/1/2024# AND Date <=#03/31/2024#"));
    // A server reads only its own form, so both days are written in it.
    EXPECT_EQ(cFillCalendar::dateRange(3, 2024, last, -1),
              QStringLiteral(" WHERE Date >='2024-03-01' AND Date <='2024-03-31'"));
    EXPECT_EQ(cFillCalendar::dateRange(3, 2024, last, 1),
              QStringLiteral(" WHERE Date >=#3/1/2024# AND Date <="));
    EXPECT_EQ(cFillCalendar::dateRange(11, 987, QDate(987, 11, 30), -1),
              QStringLiteral(" WHERE Date >='0987-11-01' AND Date <='0987-11-30'"));
    const QString range = QStringLiteral(" WHERE Date >=#3/1/2024# AND Date <=#03/31/2024#");
    EXPECT_EQ(cFillCalendar::calendarStatement(range, false),
              QStringLiteral("SELECT ID, Date, FeastRef, Day_Color, ShortName FROM "
                             "tbCalenderData  WHERE Date >=#3/1/2024# AND Date <=#03/31/2024# "
                             "ORDER BY ID"));
    EXPECT_EQ(cFillCalendar::calendarStatement(range, true),
              QStringLiteral("SELECT ID, Date, FeastRef, Day_Color, ShortName FROM "
                             "tbCalenderData  WHERE Date >=#3/1/2024# AND Date <=#03/31/2024# "
                             "AND FeastRef <> 155 AND FeastRef <> 486 AND FeastRef <> 490 AND "
                             "FeastRef <> 530 AND FeastRef <> 101 ORDER BY ID"));
    EXPECT_EQ(cFillCalendar::planStatement(range),
              QStringLiteral("SELECT Time, Date, ServType FROM tbMainPlan  WHERE Date "
                             ">=#3/1/2024# AND Date <=#03/31/2024# ORDER BY Date,Time"));
}

TEST_F(cFillCalendarTest, ServerModeUsesTheHostsConnection) {
    // A host's server database that holds every table; the host's string names it.
    ServerTestDatabase server;
    SKIP_WITHOUT_SERVER(server);
    ASSERT_TRUE(createLiturgy(liturgyFile, {{1, march(6), 1, 2, QStringLiteral("Server day")},
                                            {2, march(1), 1, 3, QStringLiteral("First")},
                                            {3, ole(QDate(2024, 4, 1)), 1, 3, "April"}}));
    ASSERT_TRUE(createPlan(planFile, {{march(6), QVariant(), "Mass", "A"},
                                      {ole(QDate(2024, 5, 6)), QVariant(), "Mass", "A"}}));
    QString error;
    ASSERT_TRUE(
        ServerCopy::copy(liturgyFile, Schema::Kind::Liturgy, server.connectionString(), &error))
        << error.toStdString();
    ASSERT_TRUE(ServerCopy::copy(planFile, Schema::Kind::Plan, server.connectionString(), &error))
        << error.toStdString();
    // The files the INI names hold nothing of it: every row comes from the server.
    QFile::remove(liturgyFile);
    ASSERT_TRUE(createLiturgy(liturgyFile, {}));
    fill(1, -1, server.connectionString());
    expectMonth({{1, {"First", "", "", kRed, 0}}, {6, {"Server day", "", "", kGreen, 1}}});
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    resetSharedState();
}

} // namespace
