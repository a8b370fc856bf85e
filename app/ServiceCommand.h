// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QTime>
#include <cstdio>

// "service": plans services into the plan database, lists and removes them, through the
// recurring-services component (its properties set by name, no dialog):
//   service add YYYY-MM-DD [--time HH:MM] [--type TEXT] [--place TEXT]
//   service add --every WEEKDAY --from YYYY-MM-DD (--to YYYY-MM-DD | --count N) [--interval N]
//               [--time HH:MM] [--type TEXT] [--place TEXT]
//   (both also [--force] [--allow-duplicate])
//   service list YYYY-MM [--json]
//   service remove YYYY-MM-DD --time HH:MM [--type TEXT] [--all]
// Each prints the services it wrote, found or removed, one "date TAB time TAB kind TAB place"
// line a service, control characters of the texts shown as '?'. A date outside the years 1900
// to 2200 is refused, one outside the liturgy data unless --force, a service the plan already
// holds unless --allow-duplicate; a removal that matches several services lists them and
// removes none unless --all. With --server CONNECTION-STRING the plan is the database
// server's.
class ServiceCommand {
public:
    struct Request {
        enum class Action { Add, AddSeries, List, Remove };
        Action action = Action::Add;
        QDate date;   // add, remove: the date; list: the first of the month
        QString time; // "HH:MM"; empty for the default time
        QString type;
        QString place;
        int weekday = 0; // 1 Monday to 7 Sunday
        QDate from;
        QDate to;
        int count = 0;
        int interval = 1;
        bool json = false;
        bool force = false;          // add: dates outside the liturgy data too
        bool allowDuplicate = false; // add: services the plan already holds too
        bool all = false;            // remove: every matching service
        QString iniFile;             // empty: the default data set
        qint32 edition = 1;
        QString server; // a database server's connection string: the plan is the server's
    };

    // Whether the arguments (without the program name) are a "service" command.
    static bool handles(const QStringList& arguments);
    // False with `error` set when the arguments are not a valid "service" command.
    static bool parse(const QStringList& arguments, Request* request, QString* error);
    static QString usage();

    // The whole command: arguments, session, component, output. Returns the exit code.
    static int main(const QStringList& arguments, FILE* out, FILE* err);
};
