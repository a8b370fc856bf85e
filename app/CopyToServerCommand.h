// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

// "copy-to-server": moves the liturgy, plan and service databases that an INI file names onto a
// PostgreSQL server for server mode, in one transaction, and checks the row counts afterwards.
class CopyToServerCommand {
public:
    struct Request {
        QString iniFile;
        QString server;       // the server's connection string
        bool replace = false; // replace the tables the server database holds already
    };

    // Whether the arguments (without the program name) are a "copy-to-server" command.
    static bool handles(const QStringList& arguments);
    // False with `error` set when the arguments are not a valid "copy-to-server" command.
    static bool parse(const QStringList& arguments, Request* request, QString* error);
    static QString usage();

    // Copies the databases that `request.iniFile` names, with a progress bar on `err` and the
    // row count of every table on `out`; failures go to `err` after "`program`: ". The exit
    // code: 0 when every row is on the server, 1 when nothing was copied.
    static int copy(const Request& request, const QString& program, FILE* out, FILE* err);

    // The whole command: arguments, copy, report. Returns the exit code.
    static int main(const QStringList& arguments, FILE* out, FILE* err);
};
