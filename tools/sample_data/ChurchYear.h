// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "FeastTable.h"

#include <QDate>
#include <QHash>
#include <QList>
#include <QMap>
#include <QString>

// One row of the calendar: a liturgical day of a date. A plain weekday has feast 0 and a null
// name (the day list shows the weekday's name then).
struct LiturgicalDay {
    QDate date;
    int feast = 0;
    QString name;
    int colour = 0;
    QString lectionaryDay; // key of its readings; empty when it has none
    QString group;         // prayer group; empty for a plain weekday
};

// How an edition keeps the church year: the Church of Norway's order or the lectionary's, and the
// colours in which churches differ.
struct CalendarStyle {
    bool norwegian = false; // the Church of Norway's names, counting and days
    bool blueAdvent = false;
    bool blackGoodFriday = false;
    bool scarletHolyWeek = false;
    bool violetHolyWeek = false; // Monday to Wednesday of Holy Week
};

// The church year computed from Easter and the fixed dates.
class ChurchYear {
public:
    enum Colour { White = 0, Violet, Green, Red, Black, Blue, Scarlet };

    ChurchYear(const FeastTable& feasts, CalendarStyle style);

    // The rows of `date` in their order, never empty. The last row is the day the church keeps,
    // whose colour the month shows: a principal day stands alone (a festival that falls on it
    // is moved to the next free weekday); a festival follows the Sunday it falls on, or
    // replaces it when it is a feast of our Lord or All Saints; a commemoration stands before
    // the weekday and is left out on Sundays and principal days.
    QList<LiturgicalDay> daysOf(const QDate& date) const;
    // Whether no festival or commemoration may share `date`: the Sundays of Advent, Lent and
    // Easter, the principal feasts, Ash Wednesday, Holy Week and Easter Week.
    bool isPrincipal(const QDate& date) const;

    // The first Sunday of Advent of `year` (between 27 November and 3 December).
    static QDate firstSundayOfAdvent(int year);
    // The Sunday after the Epiphany of `year` (between 7 and 13 January).
    static QDate baptismOfTheLord(int year);
    // The lectionary year 'A', 'B' or 'C' of the church year that `date` lies in.
    static QChar lectionaryYear(const QDate& date);
    // The proper (3 to 29) of a Sunday after Trinity Sunday: Proper 4 is the Sunday between
    // 29 May and 4 June; 0 before 24 May.
    static int properOf(const QDate& sunday);

private:
    // Where the fixed festivals and commemorations of a year are kept, after the transfers.
    struct Placement {
        QMap<QDate, const Feast*> festivals;
        QMap<QDate, const Feast*> commemorations;
    };
    const Placement& placement(int year) const;
    QDate transferDate(const QDate& date, const Placement& placed) const;
    const Feast* sundayFeast(const QDate& sunday, QString* lectionaryDay) const;
    const Feast* commonSunday(const QDate& sunday, QString* lectionaryDay) const;
    const Feast* norwegianSunday(const QDate& sunday, QString* lectionaryDay) const;
    // The Church of Norway's Epiphany: the first Sunday after New Year's Day.
    static QDate norwegianEpiphany(int year);
    const Feast* principalWeekday(const QDate& date) const;
    const Feast* feast(const char* key) const;
    LiturgicalDay row(const QDate& date, const Feast& feast, const QString& lectionaryDay) const;
    int feastColour(const Feast& feast) const;
    int weekdayColour(const QDate& date) const;
    int advent() const { return m_style.blueAdvent ? Blue : Violet; }

    const FeastTable& m_feasts;
    CalendarStyle m_style;
    mutable QHash<int, Placement> m_placements; // by year
};
