// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ChurchYear.h"

#include "Computus.h"
#include "Lectionary.h"
#include "SampleEdition.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

QByteArray resource(const char* name) {
    QFile file(QStringLiteral(":/sample_data/") + QString::fromLatin1(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

class ChurchYearTest : public ::testing::Test {
protected:
    void SetUp() override {
        QString error;
        ASSERT_TRUE(m_feasts.loadText(resource("feasts.txt"), "feasts.txt", &error))
            << error.toStdString();
    }
    // "name/feast/colour" of every row of a date.
    QStringList rows(const QDate& date, CalendarStyle style = {}) const {
        QStringList list;
        for (const LiturgicalDay& day : ChurchYear(m_feasts, style).daysOf(date))
            list.append(QStringLiteral("%1/%2/%3")
                            .arg(day.name.isNull() ? QStringLiteral("<null>") : day.name)
                            .arg(day.feast)
                            .arg(day.colour));
        return list;
    }
    FeastTable m_feasts;
};

} // namespace

// The numbered Sundays between the seasons; the principal days, which bound the seasons, are
// EveryEditionKeepsThePrincipalDays... below, in every year.
TEST_F(ChurchYearTest, SeasonBoundariesOfSomeYears) {
    const struct {
        QDate date;
        const char* kept; // name of the last row, the day the church keeps
    } cases[] = {
        {QDate(2024, 12, 29), "Christmas 1"}, {QDate(2025, 1, 5), "Christmas 2"},
        {QDate(2025, 1, 19), "Epiphany 2"},   {QDate(2025, 2, 23), "Epiphany 7"},
        {QDate(2025, 6, 22), "Pentecost 2"},  {QDate(2025, 11, 16), "Pentecost 23"},
        {QDate(2038, 2, 28), "Epiphany 8"},   {QDate(2008, 1, 27), "Epiphany 3"},
        {QDate(2008, 5, 25), "Pentecost 2"},  {QDate(2025, 5, 29), "Ascension Day"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(c.date).last().section(QLatin1Char('/'), 0, 0), QString::fromUtf8(c.kept))
            << c.date.toString(Qt::ISODate).toStdString();
}

TEST_F(ChurchYearTest, RowsOfADate) {
    const struct {
        QDate date;
        QStringList rows;
    } cases[] = {
        // A plain weekday: one row without a name.
        {QDate(2025, 7, 8), {"<null>/0/2"}},
        // A festival on a weekday stands alone; after a green Sunday or a Sunday of Christmas.
        {QDate(2026, 4, 25), {"Mark, Evangelist/307/3"}},
        {QDate(2025, 8, 24), {"Pentecost 11/50/2", "Bartholomew, Apostle/316/3"}},
        {QDate(2022, 12, 26), {"Stephen, Martyr/325/3"}},
        {QDate(2021, 12, 26), {"Christmas 1/7/0", "Stephen, Martyr/325/3"}},
        // A feast of our Lord or All Saints replaces a green Sunday or one after Christmas.
        {QDate(2025, 9, 14), {"Holy Cross Day/317/3"}},
        {QDate(2023, 1, 1), {"Name of Jesus/300/0"}},
        {QDate(2020, 11, 1), {"All Saints/70/0"}},
        // Principal days stand alone; what falls on them is moved.
        {QDate(2025, 11, 30), {"Advent 1/1/1"}},
        {QDate(2025, 12, 1), {"Andrew, Apostle/323/3"}},
        {QDate(2025, 4, 25), {"<null>/0/0"}},
        {QDate(2025, 4, 28), {"Mark, Evangelist/307/3"}},
        {QDate(2020, 5, 31), {"Pentecost/39/3"}},
        {QDate(2020, 6, 1), {"Visitation/309/0"}},
        // A commemoration stands before the weekday and never on a Sunday.
        {QDate(2025, 12, 13), {"Lucy, Martyr/155/3", "<null>/0/1"}},
        {QDate(2026, 12, 13), {"Advent 3/3/1"}},
        // Christmas Eve on the fourth Sunday of Advent leaves the day its Advent colour.
        {QDate(2023, 12, 24), {"Christmas Eve/5/0", "Advent 4/4/1"}},
        // All Saints: 1 November in English.
        {QDate(2025, 11, 1), {"All Saints/70/0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(c.date), c.rows) << c.date.toString(Qt::ISODate).toStdString();
}

TEST_F(ChurchYearTest, NorwegianYear) {
    // The Norwegian edition's style, as the edition table gives it.
    CalendarStyle norwegian;
    for (const SampleEdition& edition : SampleEdition::all())
        norwegian = edition.style.norwegian ? edition.style : norwegian;
    ASSERT_TRUE(norwegian.norwegian);
    const struct {
        QDate date;
        QStringList rows;
    } cases[] = {
        // Kristi åpenbaringsdag on the first Sunday after New Year's Day; 6 January a weekday.
        {QDate(2025, 1, 5), {"Kristi åpenbaringsdag/9/0"}},
        {QDate(2025, 1, 6), {"<null>/0/0"}},
        {QDate(2023, 1, 8), {"Kristi åpenbaringsdag/9/0"}},
        {QDate(2025, 1, 12), {"2. søndag i åpenbaringstiden/11/2"}},
        {QDate(2025, 2, 9), {"6. søndag i åpenbaringstiden/15/2"}},
        // Såmannssøndag, Kristi forklarelsesdag, Fastelavnssøndag.
        {QDate(2025, 2, 16), {"Såmannssøndag/98/2"}},
        {QDate(2025, 2, 23), {"Kristi forklarelsesdag/19/0"}},
        {QDate(2025, 3, 2), {"Fastelavnssøndag/99/0"}},
        // Holy Week in violet, Skjærtorsdag too; Langfredag black.
        {QDate(2025, 4, 13), {"Palmesøndag/26/1"}},
        {QDate(2025, 4, 14), {"Mandag i den stille uke/27/1"}},
        {QDate(2025, 4, 17), {"Skjærtorsdag/30/1"}},
        {QDate(2025, 4, 18), {"Langfredag/103/4"}},
        {QDate(2025, 4, 21), {"2. påskedag/100/0"}},
        {QDate(2025, 6, 1), {"Søndag før pinse/37/0"}},
        {QDate(2025, 6, 9), {"2. pinsedag/102/3"}},
        // Treenighetstiden counts from Treenighetssøndag.
        {QDate(2025, 6, 15), {"Treenighetssøndag/40/0"}},
        {QDate(2025, 6, 22), {"2. søndag i treenighetstiden/72/2"}},
        {QDate(2025, 7, 20), {"Aposteldagen/105/3"}},
        {QDate(2025, 6, 29), {"3. søndag i treenighetstiden/73/2"}},
        {QDate(2008, 11, 16), {"27. søndag i treenighetstiden/97/2"}},
        // Olsok on a Sunday and on a weekday.
        {QDate(2029, 7, 29), {"10. søndag i treenighetstiden/80/2", "Olsok/101/3"}},
        {QDate(2025, 7, 29), {"Olsok/101/3"}},
        // Bots- og bønnedag, the last Sunday of October; Allehelgensdag, the first of November.
        {QDate(2025, 10, 26), {"Bots- og bønnedag/106/1"}},
        {QDate(2027, 10, 31), {"Bots- og bønnedag/106/1"}},
        {QDate(2027, 11, 1), {"Reformasjonsdagen/322/3"}},
        {QDate(2025, 11, 2), {"Allehelgensdag/70/0"}},
        {QDate(2025, 11, 9), {"22. søndag i treenighetstiden/92/2"}},
        {QDate(2025, 11, 23), {"Kristi kongedag/69/0"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(c.date, norwegian).join(" | ").toStdString(),
                  c.rows.join(" | ").toStdString())
            << c.date.toString(Qt::ISODate).toStdString();
}

// Palm Sunday, Holy Week, Good Friday, the Transfiguration, Trinity Sunday and Christ the King
// are the every-year test's in the other editions, and NorwegianYear's in the Norwegian one.
TEST_F(ChurchYearTest, ColoursBySeasonAndEdition) {
    CalendarStyle styles[4];
    styles[1].blueAdvent = true;
    styles[2].norwegian = true;
    styles[2].blackGoodFriday = true;
    styles[2].violetHolyWeek = true;
    styles[3].scarletHolyWeek = true;
    const struct {
        QDate date;
        int colour[4]; // plain, blue Advent, Norwegian, scarlet Holy Week
    } cases[] = {
        {QDate(2025, 11, 30), {1, 5, 1, 1}}, // Advent 1
        {QDate(2025, 12, 3), {1, 5, 1, 1}},  // weekday in Advent
        {QDate(2025, 12, 25), {0, 0, 0, 0}}, // Christmas Day
        {QDate(2025, 12, 26), {3, 3, 3, 3}}, // a martyr beside a white day
        {QDate(2025, 1, 2), {0, 0, 0, 0}},   // weekday of Christmas
        {QDate(2025, 1, 14), {2, 2, 2, 2}},  // weekday after the Epiphany
        {QDate(2025, 3, 5), {1, 1, 1, 1}},   // Ash Wednesday
        {QDate(2025, 3, 11), {1, 1, 1, 1}},  // weekday in Lent
        {QDate(2025, 4, 19), {1, 1, 1, 1}},  // Holy Saturday
        {QDate(2025, 4, 22), {0, 0, 0, 0}},  // weekday of Easter
        {QDate(2025, 6, 8), {3, 3, 3, 3}},   // Pentecost
        {QDate(2025, 8, 3), {2, 2, 2, 2}},   // Sunday after Pentecost or Trinity
        {QDate(2025, 8, 5), {2, 2, 2, 2}},   // weekday after Pentecost
    };
    for (const auto& c : cases)
        for (int style = 0; style < 4; ++style)
            EXPECT_EQ(ChurchYear(m_feasts, styles[style]).daysOf(c.date).first().colour,
                      c.colour[style])
                << c.date.toString(Qt::ISODate).toStdString() << " style " << style;
}

TEST_F(ChurchYearTest, LectionaryYearAndProperOfASunday) {
    const struct {
        QDate date;
        char year;
    } cases[] = {
        {QDate(2022, 11, 26), 'C'}, {QDate(2022, 11, 27), 'A'}, {QDate(2023, 6, 1), 'A'},
        {QDate(2023, 12, 2), 'A'},  {QDate(2023, 12, 3), 'B'},  {QDate(2024, 12, 1), 'C'},
        {QDate(2025, 1, 1), 'C'},   {QDate(2025, 11, 29), 'C'}, {QDate(2025, 11, 30), 'A'},
        {QDate(1990, 12, 2), 'B'},  {QDate(2060, 11, 28), 'C'},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChurchYear::lectionaryYear(c.date), QLatin1Char(c.year))
            << c.date.toString(Qt::ISODate).toStdString();
    // The proper of a Sunday.
    const std::pair<QDate, int> propers[] = {
        {QDate(2025, 5, 18), 0}, {QDate(2008, 5, 25), 3},   {QDate(2025, 6, 1), 4},
        {QDate(2025, 6, 22), 7}, {QDate(2025, 11, 16), 28}, {QDate(2025, 11, 23), 29},
    };
    for (const auto& [date, proper] : propers)
        EXPECT_EQ(ChurchYear::properOf(date), proper) << date.toString(Qt::ISODate).toStdString();
}

namespace {

// The principal days of a year, from Easter as ComputusTest proves it: date, feast (0 for a
// weekday of Easter Week) and kind.
enum Kind {
    Advent,
    WhiteFeast,
    Lent,
    Palm,
    HolyWeek,
    Maundy,
    GoodFriday,
    HolySaturday,
    Easter,
    Pentecost,
    Trinity
};

struct PrincipalDay {
    QDate date;
    int feast;
    Kind kind;
};

// The first `weekday` on or after `date`.
QDate onOrAfter(QDate date, int weekday) {
    while (date.dayOfWeek() != weekday)
        date = date.addDays(1);
    return date;
}

QList<PrincipalDay> principalDays(int year) {
    const QDate easter = Computus::easterSunday(year);
    const QDate advent = onOrAfter(QDate(year, 11, 27), Qt::Sunday);
    QList<PrincipalDay> days{{QDate(year, 1, 6), 9, WhiteFeast},
                             {QDate(year, 12, 25), 6, WhiteFeast},
                             {easter.addDays(-46), 20, Lent},
                             {easter.addDays(-7), 26, Palm},
                             {easter.addDays(-3), 30, Maundy},
                             {easter.addDays(-2), 103, GoodFriday},
                             {easter.addDays(-1), 104, HolySaturday},
                             {easter, 31, Easter},
                             {easter.addDays(39), 38, Easter},
                             {easter.addDays(49), 39, Pentecost},
                             {easter.addDays(56), 40, Trinity},
                             // The Sundays of the feasts of our Lord
                             {onOrAfter(QDate(year, 1, 7), Qt::Sunday), 10, WhiteFeast},
                             {easter.addDays(-49), 19, WhiteFeast},
                             {advent.addDays(-7), 69, WhiteFeast}};
    if (QDate(year, 12, 24).dayOfWeek() != Qt::Sunday)
        days.append({QDate(year, 12, 24), 5, WhiteFeast});
    for (int i = 0; i < 4; ++i)
        days.append({advent.addDays(7 * i), 1 + i, Advent});
    for (int i = 0; i < 5; ++i)
        days.append({easter.addDays(-42 + 7 * i), 21 + i, Lent});
    for (int i = 0; i < 3; ++i)
        days.append({easter.addDays(-6 + i), 27 + i, HolyWeek});
    for (int i = 1; i <= 6; ++i) {
        days.append({easter.addDays(i), 0, Easter});
        days.append({easter.addDays(7 * i), 31 + i, Easter});
    }
    return days;
}

} // namespace

TEST_F(ChurchYearTest, EveryEditionKeepsThePrincipalDaysAndEveryFestivalFrom1990To2060) {
    Lectionary lectionary;
    QString error;
    ASSERT_TRUE(lectionary.loadText(resource("lectionary.txt"), "lectionary.txt", &error))
        << error.toStdString();
    // The colour of each kind of principal day in the editions 1, 1007, 1011 and 1015.
    const QMap<int, QList<int>> colours{{1, {1, 0, 1, 3, 3, 0, 3, 1, 0, 3, 0}},
                                        {1007, {1, 0, 1, 6, 6, 0, 6, 1, 0, 3, 0}},
                                        {1011, {1, 0, 1, 3, 1, 0, 3, 1, 0, 3, 0}},
                                        {1015, {5, 0, 1, 3, 3, 0, 3, 1, 0, 3, 0}}};
    // Where festivals are kept in some years: moved off a principal day, or where they fall.
    const struct {
        int feast;
        QDate date;
    } kept[] = {
        {306, QDate(2024, 4, 8)},  {306, QDate(2016, 4, 4)},   {306, QDate(2013, 4, 8)},
        {306, QDate(2007, 3, 26)}, {306, QDate(2025, 3, 25)},  {306, QDate(2008, 3, 31)},
        {305, QDate(2008, 4, 1)},  {305, QDate(2017, 3, 20)},  {307, QDate(2038, 5, 3)},
        {304, QDate(1993, 2, 25)}, {309, QDate(2020, 6, 1)},   {310, QDate(2006, 6, 12)},
        {323, QDate(2025, 12, 1)}, {324, QDate(2025, 12, 22)}, {308, QDate(2008, 5, 2)},
        {316, QDate(2025, 8, 24)}, {303, QDate(2025, 2, 2)},
    };
    for (const SampleEdition& edition : SampleEdition::all()) {
        // The Norwegian edition keeps the Church of Norway's order (NorwegianYear below).
        if (edition.style.norwegian)
            continue;
        const ChurchYear churchYear(m_feasts, edition.style);
        const QList<int>& colour = colours.value(edition.code);
        ASSERT_EQ(colour.size(), 11) << edition.code;
        QMap<QDate, int> keptOn;
        for (int year = 1990; year <= 2060; ++year) {
            QMap<QDate, PrincipalDay> principal;
            for (const PrincipalDay& day : principalDays(year))
                principal.insert(day.date, day);
            QMap<int, int> festivalsOfTheYear;
            for (QDate d(year, 1, 1); d.year() == year; d = d.addDays(1)) {
                const std::string where = QStringLiteral("%1 %2")
                                              .arg(edition.code)
                                              .arg(d.toString(Qt::ISODate))
                                              .toStdString();
                const QList<LiturgicalDay> rows = churchYear.daysOf(d);
                ASSERT_FALSE(rows.isEmpty()) << where;
                const auto found = principal.constFind(d);
                if (found != principal.constEnd()) {
                    // Alone, but for Christmas Eve before the fourth Sunday of Advent.
                    const int others = found->feast == 4 && d.day() == 24 ? 1 : 0;
                    EXPECT_EQ(rows.size(), 1 + others) << where;
                    EXPECT_EQ(rows.last().feast, found->feast) << where;
                    EXPECT_EQ(rows.last().colour, colour.at(found->kind)) << where;
                    EXPECT_TRUE(churchYear.isPrincipal(d)) << where;
                } else {
                    EXPECT_FALSE(churchYear.isPrincipal(d)) << where;
                }
                for (const LiturgicalDay& day : rows) {
                    EXPECT_EQ(day.feast == 0, day.name.isNull()) << where;
                    if (day.feast == 0)
                        continue;
                    const Feast* feast = m_feasts.byNumber(day.feast);
                    ASSERT_TRUE(feast) << where;
                    EXPECT_GE(day.colour, 0);
                    EXPECT_LE(day.colour, 6);
                    EXPECT_FALSE(feast->rank == Feast::Rank::Commemoration &&
                                 d.dayOfWeek() == Qt::Sunday)
                        << where;
                    if (feast->rank == Feast::Rank::Festival ||
                        feast->rank == Feast::Rank::FeastOfOurLord)
                        ++festivalsOfTheYear[day.feast];
                    if (feast->rank != Feast::Rank::Principal || d.dayOfWeek() == Qt::Sunday)
                        keptOn.insert(d, day.feast);
                    // Every Sunday and festival has its gospel.
                    bool gospel = false;
                    for (const LectionaryReading& r :
                         lectionary.readings(day.lectionaryDay, ChurchYear::lectionaryYear(d)))
                        gospel = gospel || r.component == 204;
                    EXPECT_TRUE(gospel) << where << " " << day.name.toStdString();
                }
            }
            // Each festival once a year, moved or not.
            for (const Feast& feast : m_feasts.all()) {
                const bool festival = feast.rank == Feast::Rank::Festival ||
                                      feast.rank == Feast::Rank::FeastOfOurLord;
                EXPECT_EQ(festivalsOfTheYear.value(feast.number), festival ? 1 : 0)
                    << edition.code << " " << year << " " << feast.nameEn.toStdString();
            }
        }
        for (const auto& k : kept)
            EXPECT_EQ(keptOn.value(k.date), k.feast)
                << edition.code << " " << k.date.toString(Qt::ISODate).toStdString();
    }
}
