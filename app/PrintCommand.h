// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdio>

class HostSession;

// "print": the month calendar, the week calendar or a day page of one kind, printed through
// the same print preview component and browser print header as the window's Print command,
// without any dialog, on a PDF file or a named printer. Needs no display.
class PrintCommand {
public:
    struct Request {
        enum class What { Month, Week, Day };
        What what = What::Month;
        QDate date;      // the first of the month for "month" and "week"
        qint32 kind = 4; // day pages: 4 readings, 5 prayers, 7 ordo
        int entry = 1;   // day pages: the entry of the day list
        QString pdf;     // the PDF file to write, or
        QString printer; // the printer to print on
        QString iniFile; // empty: the default data set
        qint32 edition = 1;
        QString server; // a database server's connection string: server mode
    };

    // Whether the arguments (without the program name) are a "print" command.
    static bool handles(const QStringList& arguments);
    // False with `error` set when the arguments are not a valid "print" command.
    static bool parse(const QStringList& arguments, Request* request, QString* error);
    static QString usage();

    // Prints. False with `error` set when there is nothing to print for the request or the
    // printing failed; a PDF is then not written.
    static bool run(const Request& request, const HostSession& session, QString* error);

    // The whole command: an application without a display, arguments, session, printing.
    // Returns the exit code.
    static int main(int argc, char** argv, FILE* err);
};
