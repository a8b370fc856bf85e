// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>

// What a calendar feed carries: the liturgical days and the planned services of a date range,
// read from the databases the host names, before they are written in any format.
class CalendarFeed {
public:
    // One calendar row.
    struct Day {
        qint32 id = 0; // the row's ID in tbCalenderData
        QDate date;
        QString name;           // ShortName; empty when the row has none
        qint32 colorCode = -1;  // Day_Color; -1 when the row has none that is a colour
        QStringList references; // the references of its readings, in reading order
    };
    // One planned service.
    struct Service {
        QDate date;
        QTime time; // invalid when the plan gives none
        QString kind;
        QString place;
        QString dayName; // the name of the day the church keeps on that date; may be empty
    };

    QList<Day> days;
    QList<Service> services;

    // A digest of everything the feed holds, in order: equal feeds give equal digests, and a
    // change to any value gives another. The web feed's entity tag.
    QByteArray digest() const;
};
