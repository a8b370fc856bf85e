// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>

class MonthCalendarModel;
class QPainter;
class WeekCalendarModel;

// The month and week calendars laid out on paper, as vector text and rectangles: the page's
// header at its top, its footer at its bottom and the calendar between them. Sizes of text are
// in points, so that the same layout reads alike on every printer; lengths given in twips
// are converted with the painter's resolution.
namespace CalendarPrinting {

struct Page {
    QRectF area;        // the printable area, in the painter's coordinates
    QString header;     // drawn at the top left of every page
    QString footer;     // drawn at the bottom left of every page
    double scale = 1.0; // the calendar's share of the area (1 = all of it)
};

// One page: the month and year as a title, the weekday names from the model's first day of
// the week, six weeks of day cells in their colours (when the model prints colours) with the
// day number, the service marker and the three name lines, wrapped or shortened to fit.
// `dayNames` are Sunday first, `monthNames` January first.
void drawMonth(QPainter& painter, const Page& page, const MonthCalendarModel& model,
               const QStringList& dayNames, const QStringList& monthNames);

// The weeks of the model's range, as many pages as their text needs: the month and year of
// the range's end as a title, a row a week with a cell a date (its weekday and day, its colour
// bars, its text lines). `newPage` starts the next page (false when it cannot); the number of
// pages drawn is returned.
int drawWeeks(QPainter& painter, const Page& page, const WeekCalendarModel& model,
              const QStringList& dayNames, const QStringList& monthNames,
              const std::function<bool()>& newPage);

} // namespace CalendarPrinting
