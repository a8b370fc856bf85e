#pragma once

#include "FeastTable.h"

#include <QDate>
#include <QList>
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

// How an edition keeps the church year: the Sundays after Trinity (Norwegian) or after Pentecost,
// and the colours in which churches differ.
struct CalendarStyle {
    bool norwegian = false;
    bool blueAdvent = false;
    bool blackGoodFriday = false;
    bool scarletHolyWeek = false;
};

// The church year computed from Easter and the fixed dates.
class ChurchYear {
public:
    enum Colour { White = 0, Violet, Green, Red, Black, Blue, Scarlet };

    ChurchYear(const FeastTable& feasts, CalendarStyle style);

    // The rows of `date` in their order: the Sunday or principal day (or the plain weekday), then
    // a fixed festival or commemoration beside it. Never empty.
    QList<LiturgicalDay> daysOf(const QDate& date) const;

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
    const Feast* sundayFeast(const QDate& sunday, QString* lectionaryDay) const;
    const Feast* principalWeekday(const QDate& date) const;
    const Feast* feast(const char* key) const;
    LiturgicalDay row(const QDate& date, const Feast& feast, const QString& lectionaryDay) const;
    int feastColour(const Feast& feast) const;
    int weekdayColour(const QDate& date) const;
    int advent() const { return m_style.blueAdvent ? Blue : Violet; }

    const FeastTable& m_feasts;
    CalendarStyle m_style;
};
