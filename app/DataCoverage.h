// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"

#include <QDate>
#include <QString>

// What the liturgy database that an INI file names covers: the first and last date of its
// calendar. The command line answers a date outside it in words instead of an empty page.
class DataCoverage {
public:
    // Reads "LiturgyFile" of section "Files" and the first and last date of that database's
    // calendar, or of the calendar on the database server `server` names when it is not empty.
    // False with `error` set when the database is missing or holds no calendar rows.
    bool read(const QString& iniFile, const QString& server, QString* error);

    // Whether a day from `from` to `to` lies in the data; else `error` names `asked` (the date
    // or month as the user gave it) and what the data covers.
    bool covers(const QDate& from, const QDate& to, const QString& asked, QString* error) const;
    // The one wording of a date or month (`asked`) that the data does not reach.
    QString outside(const QString& asked) const;

    // "1990-01-01 to 2060-12-31"
    QString span() const;
    // Days from `from` to `to` in the same words, in the language of the messages.
    static QString range(const QDate& from, const QDate& to);

private:
    bool readSpan(const ConnectionPtr& connection, QString* error);

    QString m_liturgyFile;
    QString m_name; // the liturgy database in messages
    QDate m_first;
    QDate m_last;
};
