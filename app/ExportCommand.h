// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QStringList>

// "export": a month (through the month export) or the page of one kind of a date (copied into
// a new document, as the host window exports a day page) written as OpenDocument text to a
// file; nothing is opened. It draws no window, but documents need a GUI application, which it
// starts off screen.
class ExportCommand {
public:
    // Whether the arguments (with the program name) are an "export" command.
    static bool handles(int argc, char** argv);
    static QString usage();
    // The whole command. Returns the exit code.
    static int main(int argc, char** argv);
    // The same on the arguments without the program name, within a running application.
    static int run(const QStringList& arguments, FILE* out, FILE* err);
};
