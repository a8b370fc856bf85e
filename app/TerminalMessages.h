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

    Answer messageBox(Icon icon, Buttons buttons, const QString& title,
                      const QString& text) override;

    // The one line shown for a message box of that text.
    static QString plainLine(const QString& text);

private:
    FILE* m_out;
};
