// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "ical/CalendarFeed.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Writes a calendar feed as one iCalendar object (RFC 5545 with the calendar properties of
// RFC 7986), built and serialised by libical:
// - each liturgical day an all-day event named after the day, in its liturgical colour (COLOR,
//   a CSS colour name, and CATEGORIES, the colour's name in the edition's language), the
//   references of its readings as its description, shown as free time;
// - each service an hour from its local time in the given time zone, whose VTIMEZONE the
//   object carries, named after its kind and the day, at its place.
// UIDs come from the edition, the row and the date only, so that a calendar program that
// reads the feed again, on any machine, updates its events instead of doubling them.
class IcsWriter {
public:
    struct Options {
        qint32 edition = 0;
        QString editionName;    // in the calendar's name; may be empty
        bool norwegian = false; // the edition's language: Norwegian, else English
        bool days = true;
        bool services = true;
        QDateTime stamp; // DTSTAMP: when the object was made
        // The IANA name of the zone that the services' times are local to (the system's). A
        // zone without offset writes UTC times; a zone the system does not know writes local
        // times without a zone.
        QByteArray timeZone;
    };

    // The whole iCalendar text, CR LF lines.
    static QByteArray write(const CalendarFeed& feed, const Options& options);

    // The CSS colour name that stands for a liturgical colour code (0 to 6); empty for none.
    static QString cssColor(qint32 code);
    // The name of a liturgical colour code in English or Norwegian; empty for none.
    static QString colorName(qint32 code, bool norwegian);
    // The calendar's NAME.
    static QString calendarName(const Options& options);

    static QString dayUid(qint32 edition, const CalendarFeed::Day& day);
    // `occurrence` counts the services of the same date, time, kind and place from 1.
    static QString serviceUid(const CalendarFeed::Service& service, int occurrence);
};
