// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"
#include "ical/CalendarFeed.h"

#include <QDate>
#include <QString>

// Reads calendar feeds from the liturgy and plan databases that an INI file names ("Files",
// "LiturgyFile" and "PlanFile"), or from the database server of a host's connection string.
// Connections stay open between reads, so that a server answers many requests on one; a data
// file that changed on disk is opened again. Every failure throws Failure with a sentence that
// says what could not be read.
class FeedReader {
public:
    // `server` empty: the INI file's data files; else the server that the string names.
    FeedReader(QString iniFile, QString server);

    // The feed of the dates from `first` to `last`: the calendar rows with the references of
    // their readings when `withDays`, the planned services when `withServices`. A plan file
    // that does not exist is a plan without services, as in the week calendar.
    CalendarFeed read(const QDate& first, const QDate& last, bool withDays, bool withServices);

private:
    // The connection kept for `connectionString`, opened (again) when needed.
    struct Kept {
        QString connectionString;
        ConnectionPtr connection;
    };
    ConnectionPtr connect(Kept& kept, const QString& connectionString);
    QString filesKey(const char* key) const;
    // The SQL date literal of the current mode.
    QString literal(const QDate& date) const;

    QString m_iniFile;
    QString m_server;
    Kept m_liturgy;
    Kept m_plan;
};
