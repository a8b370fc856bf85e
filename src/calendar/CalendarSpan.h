// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"

#include <QDate>

// The dates that the calendar rows of a liturgy database cover, bounded to the years the
// component supports. A date outside them (a corrupted value, a year in the millions) is bad
// data: it is left out and flagged, so that a view walking the span stays small.
class CalendarSpan {
public:
    static constexpr int kFirstYear = 1900;
    static constexpr int kLastYear = 2200;

    // Reads the first and last date of tbCalenderData through `connection`. Empty (invalid
    // dates) when no row holds a date in the supported years. A failed read (no such table) is
    // reported unless `silent`; the span is empty then.
    static CalendarSpan read(const ConnectionPtr& connection, bool silent = false);

    QDate first() const { return m_first; }
    QDate last() const { return m_last; }
    bool isEmpty() const { return !m_first.isValid() || !m_last.isValid() || m_first > m_last; }
    // Whether some row holds a value that is no date in the supported years.
    bool hasBadDates() const { return m_badDates; }
    // The text that reports the bad rows.
    static QString badDatesText();

private:
    QDate m_first;
    QDate m_last;
    bool m_badDates = false;
};
