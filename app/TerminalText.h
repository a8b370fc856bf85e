// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// Database text on its way to a terminal.
class TerminalText {
public:
    // `text` with every control character (C0, DEL, C1) replaced by '?', so that a name cannot
    // send escape sequences (colours, a window title, a cleared screen) to the user's terminal.
    static QString printable(const QString& text);
};
