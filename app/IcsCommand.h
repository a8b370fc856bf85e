// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <cstdio>

// "ics": the liturgical days and the planned services of a date range written as an iCalendar
// file, for calendar programs to import.
class IcsCommand {
public:
    struct Request {
        QDate from;
        QDate to;
        bool days = true;
        bool services = true;
        QString iniFile;
        qint32 edition = 1;
        bool editionGiven = false;
        QString server;
        QString out;
    };

    // Whether the arguments (without the program name) are an "ics" command.
    static bool handles(const QStringList& arguments);
    static QString usage();
    // Reads the arguments after "ics"; the range defaults to the month of `today` and a year on.
    // False with `error` set when they are not valid.
    static bool parse(const QStringList& arguments, const QDate& today, Request* request,
                      QString* error);
    // The range of the texts `from` and `to` (YYYY-MM-DD; either may be empty for the default
    // from the first of the month of `today` to a year later). False with `error` set, a
    // sentence, when a text is no date, the range is backwards or longer than IcsExport::kMaxDays.
    static bool range(const QString& from, const QString& to, const QDate& today, QDate* first,
                      QDate* last, QString* error);
    // The whole command; `now` is the time the file is made. Returns the exit code.
    static int main(const QStringList& arguments, const QDateTime& now, FILE* out, FILE* err);
};
