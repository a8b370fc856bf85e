// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "ical/FeedReader.h"
#include "ical/IcsWriter.h"

#include <QDate>
#include <QDateTime>
#include <QString>

// One iCalendar file of a date range, as the command line, the web feed and the window's
// export make it: read, written, and put on the disk whole.
class IcsExport {
public:
    // The longest range one file or feed may cover, so that a request cannot ask for centuries.
    static constexpr qint64 kMaxDays = 5 * 366;

    // The options of a feed of `edition` made at `now`: the edition's name and language as the
    // session set them, the services in the system's time zone.
    static IcsWriter::Options options(qint32 edition, bool days, bool services,
                                      const QDateTime& now);
    // The iCalendar text of the dates from `first` to `last`; throws Failure when the data
    // cannot be read. `feed`, when given, gets what was written.
    static QByteArray text(FeedReader& reader, const QDate& first, const QDate& last,
                           const IcsWriter::Options& options, CalendarFeed* feed = nullptr);
    // The same text written to `path`; false with `error` set when the data cannot be read or
    // the file cannot be written, and then nothing changed on the disk.
    static bool toFile(FeedReader& reader, const QDate& first, const QDate& last,
                       const IcsWriter::Options& options, const QString& path, QString* error,
                       CalendarFeed* feed = nullptr);
};
