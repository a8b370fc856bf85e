// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/HeadlessUserInterface.h"

#include <cstdio>

// The command line's messages: the first message box of a command becomes one line on the
// stream, "liturgy-calendar: " and what went wrong in plain words. A failure reported by the error
// handler is given by its description alone; the procedure, line and error number stay in the
// error report and the log.
class TerminalMessages : public HeadlessUserInterface {
public:
    explicit TerminalMessages(FILE* out);

    // The one line shown for a message box of that text.
    static QString plainLine(const QString& text);
    // Qt's and the drivers' own remarks ("QSqlQuery::exec: database not open", the off-screen
    // platform's "does not support propagateSizeHints()") go to the log; the terminal shows
    // only the program's messages, which say the same in the user's words. Critical and fatal
    // ones still reach standard error.
    static void routeQtMessagesToLog();

protected:
    Answer showMessage(Icon icon, Buttons buttons, const QString& title, const QString& text,
                       const QString& details) override;

private:
    FILE* m_out;
};
