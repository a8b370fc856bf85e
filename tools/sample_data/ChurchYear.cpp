// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ChurchYear.h"

#include "Computus.h"

#include <algorithm>

namespace {

// Days from `date` forward to the next Sunday (0 when it is one).
int daysToSunday(const QDate& date) {
    return (7 - date.dayOfWeek()) % 7;
}

constexpr int kPalmSunday = 26;
constexpr int kHolyWednesday = 29;
constexpr int kMaundyThursday = 30;
constexpr int kGoodFriday = 103;
constexpr int kOlsok = 101;
constexpr int kPeterAndPaul = 312;

} // namespace

ChurchYear::ChurchYear(const FeastTable& feasts, CalendarStyle style)
    : m_feasts(feasts), m_style(style) {}

QDate ChurchYear::firstSundayOfAdvent(int year) {
    const QDate earliest(year, 11, 27);
    return earliest.addDays(daysToSunday(earliest));
}

QDate ChurchYear::baptismOfTheLord(int year) {
    const QDate earliest(year, 1, 7);
    return earliest.addDays(daysToSunday(earliest));
}

QChar ChurchYear::lectionaryYear(const QDate& date) {
    const int begun = date >= firstSundayOfAdvent(date.year()) ? date.year() : date.year() - 1;
    switch ((begun + 1) % 3) {
    case 1:
        return QLatin1Char('A');
    case 2:
        return QLatin1Char('B');
    default:
        return QLatin1Char('C');
    }
}

int ChurchYear::properOf(const QDate& sunday) {
    const QDate proper4(sunday.year(), 5, 29);
    const qint64 days = proper4.daysTo(sunday);
    if (days < -5)
        return 0;
    if (days < 0)
        return 3;
    return 4 + int(days / 7);
}

const Feast* ChurchYear::feast(const char* key) const {
    return m_feasts.byKey(QString::fromLatin1(key));
}

const Feast* ChurchYear::sundayFeast(const QDate& d, QString* lectionaryDay) const {
    return m_style.norwegian ? norwegianSunday(d, lectionaryDay) : commonSunday(d, lectionaryDay);
}

QDate ChurchYear::norwegianEpiphany(int year) {
    const QDate earliest(year, 1, 2);
    return earliest.addDays(daysToSunday(earliest));
}

const Feast* ChurchYear::norwegianSunday(const QDate& d, QString* lectionaryDay) const {
    // The Church of Norway names and counts its Sundays in its own way; its readings are the
    // lectionary's for the date, but for the feasts it keeps on another day than the lectionary.
    QString common;
    const Feast* sunday = commonSunday(d, &common);
    const auto byDate = [&](const char* key) {
        *lectionaryDay = common.isEmpty() && sunday ? sunday->lectionaryDay : common;
        return feast(key);
    };
    const qint64 fromEaster = Computus::easterSunday(d.year()).daysTo(d);
    const QDate epiphany = norwegianEpiphany(d.year());
    if (d == epiphany)
        return feast("epiphany");
    if (d > epiphany && fromEaster < -63) {
        const Feast* numbered =
            m_feasts.byNumber(FeastTable::epiphanySunday(int(epiphany.daysTo(d) / 7) + 1));
        *lectionaryDay = common.isEmpty() && sunday ? sunday->lectionaryDay : common;
        return numbered;
    }
    if (fromEaster == -63)
        return byDate("sower_sunday");
    if (fromEaster == -56)
        return feast("transfiguration");
    if (fromEaster == -49)
        return byDate("shrove_sunday");
    if (fromEaster <= 56 || sunday == feast("christ_the_king") ||
        d >= firstSundayOfAdvent(d.year()) || (d.month() == 1 && d < epiphany))
        return sunday;
    const int week = int(fromEaster - 56) / 7;
    if (week == 5)
        return feast("apostles_day");
    if (d.month() == 10 && d.day() >= 25)
        return byDate("day_of_prayer");
    if (d.month() == 11 && d.day() <= 7)
        return feast("all_saints");
    *lectionaryDay = common;
    return m_feasts.byNumber(FeastTable::trinitySunday(week + 1));
}

const Feast* ChurchYear::commonSunday(const QDate& d, QString* lectionaryDay) const {
    const int year = d.year();
    const int month = d.month();
    const int day = d.day();
    const QDate advent1 = firstSundayOfAdvent(year);
    if (month == 12 && day == 25)
        return feast("christmas_day");
    if (month == 12 && day >= 26)
        return feast("christmas1");
    if (d >= advent1)
        return m_feasts.byKey(QStringLiteral("advent%1").arg(advent1.daysTo(d) / 7 + 1));
    if (month == 1) {
        if (day == 1)
            return feast("christmas1");
        if (day <= 5)
            return feast("christmas2");
        if (day == 6)
            return feast("epiphany");
        if (day <= 13)
            return feast("baptism");
    }
    const qint64 fromEaster = Computus::easterSunday(year).daysTo(d);
    if (fromEaster < -49) {
        const int n = int(baptismOfTheLord(year).daysTo(d) / 7) + 1;
        return m_feasts.byNumber(FeastTable::epiphanySunday(n));
    }
    if (fromEaster == -49)
        return feast("transfiguration");
    if (fromEaster < -7)
        return m_feasts.byKey(QStringLiteral("lent%1").arg(7 + fromEaster / 7));
    if (fromEaster == -7)
        return feast("palm_sunday");
    if (fromEaster == 0)
        return feast("easter_day");
    if (fromEaster < 49)
        return m_feasts.byKey(QStringLiteral("easter%1").arg(fromEaster / 7 + 1));
    if (fromEaster == 49)
        return feast("pentecost");
    if (fromEaster == 56)
        return feast("trinity");
    if (d == advent1.addDays(-7))
        return feast("christ_the_king");
    const int proper = properOf(d);
    *lectionaryDay =
        proper == 3 ? QStringLiteral("epiphany8") : QStringLiteral("proper%1").arg(proper);
    return m_feasts.byNumber(FeastTable::pentecostSunday(int(fromEaster - 49) / 7));
}

const Feast* ChurchYear::principalWeekday(const QDate& d) const {
    if (d.month() == 12 && d.day() == 24)
        return feast("christmas_eve");
    if (d.month() == 12 && d.day() == 25)
        return feast("christmas_day");
    // The Church of Norway keeps the Epiphany on a Sunday, and the second days of Easter and
    // Pentecost.
    if (d.month() == 1 && d.day() == 6 && !m_style.norwegian)
        return feast("epiphany");
    const qint64 fromEaster = Computus::easterSunday(d.year()).daysTo(d);
    if (m_style.norwegian && fromEaster == 1)
        return feast("easter_monday");
    if (m_style.norwegian && fromEaster == 50)
        return feast("whit_monday");
    switch (fromEaster) {
    case -46:
        return feast("ash_wednesday");
    case -6:
        return feast("holy_monday");
    case -5:
        return feast("holy_tuesday");
    case -4:
        return feast("holy_wednesday");
    case -3:
        return feast("maundy_thursday");
    case -2:
        return feast("good_friday");
    case -1:
        return feast("holy_saturday");
    case 39:
        return feast("ascension");
    default:
        return nullptr;
    }
}

bool ChurchYear::isPrincipal(const QDate& date) const {
    if (date.dayOfWeek() != Qt::Sunday) {
        const qint64 fromEaster = Computus::easterSunday(date.year()).daysTo(date);
        return principalWeekday(date) || (fromEaster > 0 && fromEaster < 7);
    }
    QString lectionaryDay;
    const Feast* sunday = sundayFeast(date, &lectionaryDay);
    // The Sundays after Christmas and the green Sundays may give way to a festival.
    return sunday && sunday->colour != Green && sunday != feast("christmas1") &&
           sunday != feast("christmas2");
}

QDate ChurchYear::transferDate(const QDate& date, const Placement& placed) const {
    // Out of Holy Week and Easter Week a festival goes to the first free day after the Second
    // Sunday of Easter; elsewhere to the next free weekday.
    const QDate easter = Computus::easterSunday(date.year());
    const qint64 fromEaster = easter.daysTo(date);
    QDate day = fromEaster >= -7 && fromEaster <= 7 ? easter.addDays(8) : date.addDays(1);
    while (day.dayOfWeek() == Qt::Sunday || isPrincipal(day) || placed.festivals.contains(day))
        day = day.addDays(1);
    return day;
}

const ChurchYear::Placement& ChurchYear::placement(int year) const {
    const auto found = m_placements.constFind(year);
    if (found != m_placements.constEnd())
        return found.value();
    Placement placed;
    QList<QPair<QDate, const Feast*>> moved;
    const auto keep = [&](const QDate& date, const Feast* fixed) {
        // The Church of Norway keeps Olsok as a festival, on a Sunday too, and Peter and Paul
        // on the apostles' Sunday.
        if (m_style.norwegian && fixed->number == kPeterAndPaul)
            return;
        const bool festival = m_style.norwegian && fixed->number == kOlsok;
        if (fixed->rank == Feast::Rank::Commemoration && !festival) {
            if (date.dayOfWeek() != Qt::Sunday && !isPrincipal(date))
                placed.commemorations.insert(date, fixed);
        } else if (isPrincipal(date)) {
            moved.append({date, fixed});
        } else {
            placed.festivals.insert(date, fixed);
        }
    };
    for (const Feast& fixed : m_feasts.all()) {
        // 29 February is no date of a common year.
        const QDate date = fixed.month ? QDate(year, fixed.month, fixed.day) : QDate();
        if (date.isValid())
            keep(date, &fixed);
    }
    // All Saints keeps 1 November in the English editions; the Norwegian church keeps it on the
    // first Sunday of November instead of that Sunday.
    if (!m_style.norwegian)
        keep(QDate(year, 11, 1), feast("all_saints"));
    // The Annunciation is moved first: Joseph gives way to it when both leave Holy Week.
    const Feast* annunciation = m_feasts.fixedOn(3, 25);
    std::stable_sort(moved.begin(), moved.end(), [annunciation](const auto& a, const auto& b) {
        return (a.second == annunciation) > (b.second == annunciation);
    });
    for (const auto& [date, festival] : moved)
        placed.festivals.insert(transferDate(date, placed), festival);
    // A festival moved onto a commemoration's day takes it.
    for (auto it = placed.festivals.cbegin(); it != placed.festivals.cend(); ++it)
        placed.commemorations.remove(it.key());
    return *m_placements.insert(year, placed);
}

QList<LiturgicalDay> ChurchYear::daysOf(const QDate& date) const {
    const Placement& placed = placement(date.year());
    const Feast* festival = placed.festivals.value(date);
    const Feast* commemoration = placed.commemorations.value(date);
    const LiturgicalDay weekday{date, 0, QString(), weekdayColour(date), QString(), QString()};
    QList<LiturgicalDay> rows;
    if (date.dayOfWeek() == Qt::Sunday) {
        QString lectionaryDay;
        const Feast* sunday = sundayFeast(date, &lectionaryDay);
        // Christmas Eve on the fourth Sunday of Advent comes first, so that the day keeps the
        // colour of Advent.
        if (date.month() == 12 && date.day() == 24)
            rows.append(row(date, *feast("christmas_eve"), QString()));
        // A feast of our Lord and All Saints replace a Sunday that gives way; other festivals
        // stand after it.
        const bool replaces = festival && (festival->rank == Feast::Rank::FeastOfOurLord ||
                                           festival == feast("all_saints"));
        if (sunday && !replaces)
            rows.append(row(date, *sunday, lectionaryDay));
        if (festival)
            rows.append(row(date, *festival, QString()));
    } else if (const Feast* principal = principalWeekday(date)) {
        rows.append(row(date, *principal, QString()));
    } else if (festival) {
        rows.append(row(date, *festival, QString()));
    } else {
        if (commemoration)
            rows.append(row(date, *commemoration, QString()));
        rows.append(weekday);
    }
    if (rows.isEmpty())
        rows.append(weekday);
    return rows;
}

LiturgicalDay ChurchYear::row(const QDate& date, const Feast& feast,
                              const QString& lectionaryDay) const {
    return LiturgicalDay{date,
                         feast.number,
                         feast.name(m_style.norwegian),
                         feastColour(feast),
                         lectionaryDay.isEmpty() ? feast.lectionaryDay : lectionaryDay,
                         feast.group};
}

int ChurchYear::feastColour(const Feast& feast) const {
    if (feast.group == QLatin1String("advent") && feast.colour == Violet)
        return advent();
    if (feast.number == kGoodFriday) {
        if (m_style.blackGoodFriday)
            return Black;
        if (m_style.scarletHolyWeek)
            return Scarlet;
    }
    if (feast.number > kPalmSunday && feast.number <= kHolyWednesday) {
        if (m_style.scarletHolyWeek)
            return Scarlet;
        if (m_style.violetHolyWeek)
            return Violet;
    }
    if (feast.number == kPalmSunday && m_style.scarletHolyWeek)
        return Scarlet;
    if (feast.number == kPalmSunday && m_style.norwegian)
        return Violet;
    // The Church of Norway keeps Maundy Thursday in violet.
    if (feast.number == kMaundyThursday && m_style.norwegian)
        return Violet;
    return feast.colour;
}

int ChurchYear::weekdayColour(const QDate& d) const {
    const int year = d.year();
    if (d >= firstSundayOfAdvent(year))
        return d.month() == 12 && d.day() >= 25 ? White : advent();
    if (d.month() == 1 &&
        d < (m_style.norwegian ? norwegianEpiphany(year).addDays(7) : baptismOfTheLord(year)))
        return White;
    const qint64 fromEaster = Computus::easterSunday(year).daysTo(d);
    if (fromEaster < -46)
        return Green;
    if (fromEaster < 0)
        return Violet;
    if (fromEaster < 49)
        return White;
    return Green;
}
