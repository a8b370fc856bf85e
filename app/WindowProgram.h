// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The window and everything that draws (the screenshot included) live in a program of their
// own, liturgy-calendar-window, so that the commands that only print text load no widget, GUI
// or print library. The front program hands such a command line over to it unchanged.
namespace WindowProgram {

// Whether the command line is the window program's: no command, or options only (--ini,
// --edition, --screenshot, --date, --server) but not --help or --version, or a command that
// draws (print, export).
bool wanted(int argc, char** argv);

// The usage lines of the commands that draw.
QString printUsage();
QString exportUsage();
QString usage();

// Where the window program is: in the component's helper folder (libexec/VoVoruzevUdadudar/
// beside an installation, or the build tree's).
QString path();

// Replaces this process with the window program on the same arguments; returns (with a message
// on standard error and exit code 1) only when it cannot be started.
int exec(int argc, char** argv);

} // namespace WindowProgram
