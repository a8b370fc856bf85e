// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

// "import": converts a church's Access database once into an SQLite file (which the INI file
// can then name), or lists its tables with their row counts.
class ImportCommand {
public:
    struct Request {
        QString file; // the Access database
        QString out;  // with --out: the SQLite file to write
        bool list = false;
    };

    // Whether the arguments (without the program name) are an "import" command.
    static bool handles(const QStringList& arguments);
    // False with `error` set when the arguments are not a valid "import" command.
    static bool parse(const QStringList& arguments, Request* request, QString* error);
    static QString usage();

    // Converts or lists. `output` gets one "table TAB rows" line a table with --list, nothing
    // with --out. False with `error` set when the file cannot be read or written.
    static bool run(const Request& request, QString* output, QString* error);

    // The whole command: arguments, work, output. Returns the exit code (2 for bad arguments,
    // 1 for a failure).
    static int main(const QStringList& arguments, FILE* out, FILE* err);
};
