// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <optional>

class MonthCalendarModel;
class WeekCalendarModel;

// The filled calendars as terminal text. With colour, each day is drawn on its liturgical
// colour with 24-bit escapes; without, as plain text.
class TerminalCalendar {
public:
    // Width of a day cell in characters, the separating blank included.
    static constexpr int kCellWidth = 16;

    // A title line, the weekday names from the first day of the week, then a grid of weeks:
    // per day its number and marker ("*" one service, "**" more) and its three name lines cut
    // to fit the cell.
    static QString month(const MonthCalendarModel& model, const QString& title, bool colour);
    // Per date of the range: its weekday and date and its marker, then its text lines
    // indented. The colours are left to the JSON output.
    static QString week(const WeekCalendarModel& model);

    // The text of a marker.
    static QString marker(int marker);

private:
    static QString paint(const QString& text, const std::optional<qint32>& background, bool colour);
};
