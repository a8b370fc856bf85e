// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The iCalendar commands, "ics" and "serve", run in a helper program of their own,
// liturgy-calendar-ical, so that the other commands load neither libical nor a network or
// HTTP library. The front program hands such a command line over to it unchanged.
namespace IcalProgram {

// Whether the command line is the iCalendar program's.
bool wanted(int argc, char** argv);
// The usage lines of "ics" and "serve".
QString icsUsage();
QString serveUsage();
// Replaces this process with the iCalendar program; returns 1 only when it cannot be started.
int exec(int argc, char** argv);

} // namespace IcalProgram
