// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>
#include <cstdio>

// A day page file as text to read in a terminal: the headings on lines of their own, underlined
// ('=' for the page's title, '-' below it), each paragraph wrapped at word boundaries to the
// width, a blank line between blocks. Style sheets, scripts and tags are left out, entities are
// decoded and control characters never reach the terminal.
class DayPageText {
public:
    static QString fromHtml(const QByteArray& html, int width);

    // The width of the terminal that `out` writes to; else $COLUMNS; else 80.
    static int terminalWidth(FILE* out);
};
