#include "ChurchYear.h"

#include "Lectionary.h"

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
        ASSERT_TRUE(m_feasts.loadText(resource("feasts.txt"), QStringLiteral("feasts.txt"), &error))
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

TEST_F(ChurchYearTest, SeasonBoundariesOfSomeYears) {
    const struct {
        QDate date;
        const char* first; // name of the first row
    } cases[] = {
        {QDate(2024, 12, 1), "Advent 1"},
        {QDate(2024, 12, 22), "Advent 4"},
        {QDate(2024, 12, 24), "Christmas Eve"},
        {QDate(2024, 12, 25), "Christmas Day"},
        {QDate(2024, 12, 29), "Christmas 1"},
        {QDate(2025, 1, 5), "Christmas 2"},
        {QDate(2025, 1, 6), "Epiphany"},
        {QDate(2025, 1, 12), "Baptism of our Lord"},
        {QDate(2025, 1, 19), "Epiphany 2"},
        {QDate(2025, 2, 23), "Epiphany 7"},
        {QDate(2025, 3, 2), "Transfiguration"},
        {QDate(2025, 3, 5), "Ash Wednesday"},
        {QDate(2025, 3, 9), "Lent 1"},
        {QDate(2025, 4, 6), "Lent 5"},
        {QDate(2025, 4, 13), "Palm Sunday"},
        {QDate(2025, 4, 14), "Monday in Holy Week"},
        {QDate(2025, 4, 17), "Maundy Thursday"},
        {QDate(2025, 4, 18), "Good Friday"},
        {QDate(2025, 4, 19), "Holy Saturday"},
        {QDate(2025, 4, 20), "Easter Day"},
        {QDate(2025, 4, 27), "Easter 2"},
        {QDate(2025, 5, 29), "Ascension Day"},
        {QDate(2025, 6, 1), "Easter 7"},
        {QDate(2025, 6, 8), "Pentecost"},
        {QDate(2025, 6, 15), "Trinity Sunday"},
        {QDate(2025, 6, 22), "Pentecost 2"},
        {QDate(2025, 11, 16), "Pentecost 23"},
        {QDate(2025, 11, 23), "Christ the King"},
        {QDate(2025, 11, 30), "Advent 1"},
        {QDate(2038, 2, 28), "Epiphany 8"},
        {QDate(2038, 3, 7), "Transfiguration"},
        {QDate(2038, 4, 25), "Easter Day"},
        {QDate(2008, 1, 13), "Baptism of our Lord"},
        {QDate(2008, 1, 27), "Epiphany 3"},
        {QDate(2008, 2, 3), "Transfiguration"},
        {QDate(2008, 5, 25), "Pentecost 2"},
        {QDate(2022, 12, 25), "Christmas Day"},
        {QDate(2023, 1, 1), "Christmas 1"},
        {QDate(2023, 12, 24), "Advent 4"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(rows(c.date).first().section(QLatin1Char('/'), 0, 0), QString::fromUtf8(c.first))
            << c.date.toString(Qt::ISODate).toStdString();
}

TEST_F(ChurchYearTest, RowsOfADate) {
    // A plain weekday: one row without a name.
    EXPECT_EQ(rows(QDate(2025, 7, 8)), QStringList{QStringLiteral("<null>/0/2")});
    // A festival on a weekday is the only row; beside a Sunday it is the second.
    EXPECT_EQ(rows(QDate(2025, 4, 25)), QStringList{QStringLiteral("Mark, Evangelist/307/3")});
    EXPECT_EQ(rows(QDate(2025, 11, 30)), (QStringList{QStringLiteral("Advent 1/1/1"),
                                                      QStringLiteral("Andrew, Apostle/323/3")}));
    // A commemoration always stands beside the day of the week.
    EXPECT_EQ(rows(QDate(2025, 12, 13)),
              (QStringList{QStringLiteral("<null>/0/1"), QStringLiteral("Lucy, Martyr/155/3")}));
    // Christmas Eve on the fourth Sunday of Advent keeps its own row.
    EXPECT_EQ(rows(QDate(2023, 12, 24)),
              (QStringList{QStringLiteral("Advent 4/4/1"), QStringLiteral("Christmas Eve/5/0")}));
    // All Saints: 1 November in English, the first Sunday of November in Norwegian.
    CalendarStyle norwegian;
    norwegian.norwegian = true;
    EXPECT_EQ(rows(QDate(2025, 11, 1)), QStringList{QStringLiteral("All Saints/70/0")});
    EXPECT_EQ(rows(QDate(2025, 11, 1), norwegian), QStringList{QStringLiteral("<null>/0/2")});
    EXPECT_EQ(rows(QDate(2025, 11, 2), norwegian),
              QStringList{QStringLiteral("Allehelgensdag/70/0")});
    EXPECT_EQ(rows(QDate(2025, 11, 9), norwegian),
              QStringList{QStringLiteral("21. søndag etter trinitatis/91/2")});
    EXPECT_EQ(rows(QDate(2025, 6, 22), norwegian),
              QStringList{QStringLiteral("1. søndag etter trinitatis/71/2")});
}

TEST_F(ChurchYearTest, ColoursBySeasonAndEdition) {
    CalendarStyle plain;
    CalendarStyle blue;
    blue.blueAdvent = true;
    CalendarStyle norwegian;
    norwegian.norwegian = true;
    norwegian.blackGoodFriday = true;
    CalendarStyle scarlet;
    scarlet.scarletHolyWeek = true;
    const struct {
        QDate date;
        int plain, blue, norwegian, scarlet;
    } cases[] = {
        {QDate(2025, 11, 30), 1, 5, 1, 1}, // Advent 1
        {QDate(2025, 12, 3), 1, 5, 1, 1},  // weekday in Advent
        {QDate(2025, 12, 25), 0, 0, 0, 0}, // Christmas Day
        {QDate(2025, 1, 2), 0, 0, 0, 0},   // weekday of Christmas
        {QDate(2025, 1, 14), 2, 2, 2, 2},  // weekday after the Epiphany
        {QDate(2025, 3, 2), 0, 0, 0, 0},   // Transfiguration
        {QDate(2025, 3, 5), 1, 1, 1, 1},   // Ash Wednesday
        {QDate(2025, 3, 11), 1, 1, 1, 1},  // weekday in Lent
        {QDate(2025, 4, 13), 3, 3, 1, 6},  // Palm Sunday
        {QDate(2025, 4, 15), 3, 3, 1, 6},  // Tuesday in Holy Week
        {QDate(2025, 4, 17), 0, 0, 0, 0},  // Maundy Thursday
        {QDate(2025, 4, 18), 3, 3, 4, 6},  // Good Friday
        {QDate(2025, 4, 19), 1, 1, 1, 1},  // Holy Saturday
        {QDate(2025, 4, 22), 0, 0, 0, 0},  // weekday of Easter
        {QDate(2025, 6, 8), 3, 3, 3, 3},   // Pentecost
        {QDate(2025, 6, 15), 0, 0, 0, 0},  // Trinity Sunday
        {QDate(2025, 8, 3), 2, 2, 2, 2},   // Sunday after Pentecost or Trinity
        {QDate(2025, 8, 5), 2, 2, 2, 2},   // weekday after Pentecost
        {QDate(2025, 11, 23), 0, 0, 0, 0}, // Christ the King
    };
    for (const auto& c : cases) {
        const QString date = c.date.toString(Qt::ISODate);
        EXPECT_EQ(ChurchYear(m_feasts, plain).daysOf(c.date).first().colour, c.plain)
            << date.toStdString();
        EXPECT_EQ(ChurchYear(m_feasts, blue).daysOf(c.date).first().colour, c.blue)
            << date.toStdString();
        EXPECT_EQ(ChurchYear(m_feasts, norwegian).daysOf(c.date).first().colour, c.norwegian)
            << date.toStdString();
        EXPECT_EQ(ChurchYear(m_feasts, scarlet).daysOf(c.date).first().colour, c.scarlet)
            << date.toStdString();
    }
    // Martyrs are red beside a white day.
    EXPECT_EQ(ChurchYear(m_feasts, plain).daysOf(QDate(2025, 12, 26)).first().colour, 3);
}

TEST_F(ChurchYearTest, LectionaryYearBeginsOnTheFirstSundayOfAdvent) {
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
    EXPECT_EQ(ChurchYear::firstSundayOfAdvent(2025), QDate(2025, 11, 30));
    EXPECT_EQ(ChurchYear::firstSundayOfAdvent(2022), QDate(2022, 11, 27));
    EXPECT_EQ(ChurchYear::firstSundayOfAdvent(2023), QDate(2023, 12, 3));
}

TEST_F(ChurchYearTest, ProperOfASunday) {
    EXPECT_EQ(ChurchYear::properOf(QDate(2025, 5, 18)), 0);
    EXPECT_EQ(ChurchYear::properOf(QDate(2008, 5, 25)), 3);
    EXPECT_EQ(ChurchYear::properOf(QDate(2025, 6, 1)), 4);
    EXPECT_EQ(ChurchYear::properOf(QDate(2025, 6, 22)), 7);
    EXPECT_EQ(ChurchYear::properOf(QDate(2025, 11, 16)), 28);
    EXPECT_EQ(ChurchYear::properOf(QDate(2025, 11, 23)), 29);
}

TEST_F(ChurchYearTest, EveryDateHasRowsWithFeastsAndReadingsFrom1990To2060) {
    Lectionary lectionary;
    QString error;
    ASSERT_TRUE(
        lectionary.loadText(resource("lectionary.txt"), QStringLiteral("lectionary.txt"), &error))
        << error.toStdString();
    CalendarStyle norwegian;
    norwegian.norwegian = true;
    for (const CalendarStyle& style : {CalendarStyle{}, norwegian}) {
        const ChurchYear year(m_feasts, style);
        for (QDate d(1990, 1, 1); d <= QDate(2060, 12, 31); d = d.addDays(1)) {
            const QList<LiturgicalDay> days = year.daysOf(d);
            ASSERT_FALSE(days.isEmpty()) << d.toString(Qt::ISODate).toStdString();
            if (d.dayOfWeek() == Qt::Sunday) {
                ASSERT_NE(days.first().feast, 0) << d.toString(Qt::ISODate).toStdString();
                EXPECT_FALSE(
                    lectionary.readings(days.first().lectionaryDay, ChurchYear::lectionaryYear(d))
                        .isEmpty())
                    << d.toString(Qt::ISODate).toStdString();
            }
            for (const LiturgicalDay& day : days) {
                EXPECT_EQ(day.feast == 0, day.name.isNull());
                EXPECT_TRUE(day.feast == 0 || m_feasts.byNumber(day.feast))
                    << d.toString(Qt::ISODate).toStdString();
                EXPECT_GE(day.colour, 0);
                EXPECT_LE(day.colour, 6);
            }
        }
    }
}
