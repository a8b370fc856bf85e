// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <cstdio>

// A progress bar for a long task: on a terminal one line redrawn in place, in a log or a pipe a
// plain line at every quarter of the way, so that a redirected stream does not fill up.
class TerminalProgress {
public:
    // `what` starts each line ("Copying to the server"). `terminal`: the stream is a terminal.
    TerminalProgress(FILE* stream, QString what, bool terminal);
    // Whether `stream` is a terminal.
    static bool isTerminal(FILE* stream);

    // Shows `done` of `total` units; a line that reaches the end is finished with a line break.
    void update(qint64 done, qint64 total);
    // Ends a line left open on a terminal, so that a message after it starts on a line of its own.
    void interrupt();

private:
    FILE* m_stream;
    QString m_what;
    bool m_terminal;
    int m_shown = -1;    // the last step shown: a percent on a terminal, else a quarter
    bool m_open = false; // a terminal line is shown and not yet finished
};
