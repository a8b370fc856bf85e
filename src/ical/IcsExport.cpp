// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ical/IcsExport.h"

#include "ical/IcsFile.h"
#include "support/Failure.h"
#include "support/SharedState.h"

#include <QTimeZone>

IcsWriter::Options IcsExport::options(qint32 edition, bool days, bool services,
                                      const QDateTime& now) {
    IcsWriter::Options options;
    options.edition = edition;
    options.editionName = shared().gEditionName;
    options.norwegian = shared().gLanguageOffset == 1000;
    options.days = days;
    options.services = services;
    options.stamp = now;
    options.timeZone = QTimeZone::systemTimeZoneId();
    return options;
}

QByteArray IcsExport::text(FeedReader& reader, const QDate& first, const QDate& last,
                           const IcsWriter::Options& options, CalendarFeed* feed) {
    const CalendarFeed read = reader.read(first, last, options.days, options.services);
    if (feed)
        *feed = read;
    return IcsWriter::write(read, options);
}

bool IcsExport::toFile(FeedReader& reader, const QDate& first, const QDate& last,
                       const IcsWriter::Options& options, const QString& path, QString* error,
                       CalendarFeed* feed) {
    QByteArray bytes;
    try {
        bytes = text(reader, first, last, options, feed);
    } catch (const Failure& failure) {
        *error = failure.description();
        return false;
    }
    return IcsFile::write(path, bytes, error);
}
