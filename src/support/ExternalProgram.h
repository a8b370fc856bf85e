// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// A program of the desktop (xdg-email, xdg-open, xdg-mime), found on PATH and started with an
// argument list, never through a shell, so no value is ever read as shell syntax.
namespace ExternalProgram {

enum class Outcome {
    Finished,      // exited on its own; see exitCode
    NotFound,      // not on PATH
    FailedToStart, // found but could not be started
    Crashed,       // ended by a signal
    StillRunning,  // still at work after the wait; left to run on its own
};

struct Result {
    Outcome outcome = Outcome::NotFound;
    int exitCode = -1;
    QByteArray output; // standard output, when asked for
};

// The full path of `name` on PATH; empty when it is not there.
QString find(const QString& name);

// Starts `name` with `arguments` and waits up to `waitMs` for it to end. A program that is
// still running then (a mail client that stays in the foreground) goes on by itself.
Result run(const QString& name, const QStringList& arguments, int waitMs,
           bool captureOutput = false);

} // namespace ExternalProgram
