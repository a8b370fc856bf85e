// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <cstdio>

class DayPageAssembly;
class HeadlessDayPageView;
class HostSession;

// "day": the page of one kind (readings, prayers, ordo) of a date, built as the day page of
// that kind builds it when the date is chosen, and, when asked, for another entry of its day
// list as when the user picks it there.
class DayCommand {
public:
    struct Request {
        QDate date;
        qint32 kind = 4; // the page kind: 4 readings, 5 prayers, 7 ordo
        int entry = 1;   // the entry of the day list to show
        bool list = false;
        QString iniFile; // empty: the default data set
        qint32 edition = 1;
        QString server;            // a database server's connection string: server mode
        bool editionGiven = false; // --edition was on the command line
        bool html = false;         // the page file as it is, not as text
        int width = 80;            // the text's width
    };

    // Whether the arguments (without the program name) are a "day" command.
    static bool handles(const QStringList& arguments);
    // False with `error` set when the arguments are not a valid "day" command.
    static bool parse(const QStringList& arguments, Request* request, QString* error);
    static QString usage();
    // A date "YYYY-MM-DD"; a page kind "readings", "prayers" or "ordo". False when the text is
    // not one.
    static bool parseDate(const QString& text, QDate* date);
    static bool parseKind(const QString& name, qint32* kind);

    // Builds the page into `page` as the day page of its kind builds it (the day list and the
    // page file in `view`). False with `error` set when the date is outside the data, the
    // entry does not exist or no page was built.
    static bool build(const Request& request, const HostSession& session, DayPageAssembly& page,
                      HeadlessDayPageView& view, QString* error);

    // Builds the page. `output` gets the page as text to read (with `html` the page file's
    // bytes), or a line that says the page is empty, or with `list` the day list, one
    // "number TAB row TAB text" line an entry. False with `error` set as build() sets it.
    static bool run(const Request& request, const HostSession& session, QByteArray* output,
                    QString* error);

    // The whole command: arguments, session, page, output. Returns the exit code.
    static int main(const QStringList& arguments, FILE* out, FILE* err);
};
