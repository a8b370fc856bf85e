// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <optional>

class MonthCalendarModel;
class WeekCalendarModel;

// The JSON forms of the filled calendars, each one object on one line, keys in a fixed order.
namespace JsonOutput {

// A JSON string literal of `text`.
QString quote(const QString& text);
// "#RRGGBB" of a 0x00BBGGRR colour (red in the low byte).
QString hex(qint32 color);
// The JSON string of hex(color), null when there is none.
QString color(const std::optional<qint32>& color);

// {"edition", "edition_name", "year", "month", "days": [{"date", "lines", "color", "marker"}]}
QString month(qint32 edition, const QString& editionName, const MonthCalendarModel& model);
// {"from", "to", "days": [{"date", "text", "colors", "marker"}]}
QString week(const WeekCalendarModel& model);

} // namespace JsonOutput
