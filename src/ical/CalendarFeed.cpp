// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ical/CalendarFeed.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QIODevice>

QByteArray CalendarFeed::digest() const {
    // The values are streamed with their lengths, so that no two different feeds run together
    // into the same bytes.
    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << qint32(days.size());
    for (const Day& day : days)
        out << day.id << day.date << day.name << day.colorCode << day.references;
    out << qint32(services.size());
    for (const Service& service : services)
        out << service.date << service.time << service.kind << service.place << service.dayName;
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}
