// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The HTML of a day page made safe to lay out: a liturgy database can hold any HTML, and the
// text layout takes time that grows steeply with nesting (twenty nested tables take tens of
// seconds) and with length. Nesting beyond a fixed depth is flattened (the tags are left out,
// their text stays) and a page beyond a fixed length is cut at a tag; each adds a visible note
// at the end of the page. Widget-free; the window, printing and export all show its result.
class DayPageHtml {
public:
    // Characters of HTML that a page keeps.
    static constexpr qsizetype kMaxLength = 128 * 1024;
    // Tables inside tables.
    static constexpr int kMaxTableDepth = 4;
    // Any other elements inside each other.
    static constexpr int kMaxDepth = 32;

    static QString bounded(const QString& html);
    // The notes added at the end of a page that was cut or flattened.
    static QString cutNote();
    static QString flattenedNote();
};
