// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "controls/CalendarSpeech.h"

#include <QDate>
#include <QList>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

class QWidget;

// A calendar view as a screen reader reads it: a table of weeks, a column per weekday, a cell
// per date. The month and week views implement it; CalendarTableAccessible reads it.
class CalendarGrid {
public:
    virtual ~CalendarGrid() = default;

    // The date of the first cell (top left) and the number of week rows.
    virtual QDate gridStart() const = 0;
    virtual int gridRows() const = 0;
    // Whether the user can choose the date of a cell (a day of the range or of the grid).
    virtual bool gridEnables(const QDate& date) const = 0;
    // A date's cell in the view's coordinates; empty when it is not drawn.
    virtual QRect gridCellRect(const QDate& date) const = 0;
    // What the table is called: the month or range shown.
    virtual QString gridTitle() const = 0;
    // The full weekday names of the columns, in column order.
    virtual QStringList gridColumnNames() const = 0;
    // All the view knows of a date, in words.
    virtual QString gridSpokenDay(const QDate& date) const = 0;
    virtual QDate gridCurrentDate() const = 0;
    // Makes a date current, as a click on it does.
    virtual void gridChoose(const QDate& date) = 0;
    // The view's other controls (buttons, scroll bars) that a screen reader lists after the
    // cells.
    virtual QList<QWidget*> gridControls() const = 0;

    // The colours whose names are said, by colour code; without them no colour is named.
    void setColorTable(const CalendarSpeech::ColorTable& colors) { m_colorTable = colors; }

protected:
    // The words of the view's language, with the colour names.
    CalendarSpeech speechIn(const QLocale& locale) const {
        CalendarSpeech said(locale);
        if (m_colorTable)
            said.setColorTable(*m_colorTable);
        return said;
    }

private:
    std::optional<CalendarSpeech::ColorTable> m_colorTable;
};
