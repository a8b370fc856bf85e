// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>

// Weekdays counted as the calendar controls count them: Sunday = 1 to Saturday = 7.
namespace CalendarLocale {

// The weekday of `date`, Sunday = 1.
int weekday(const QDate& date);
// The default locale's first day of the week, Sunday = 1.
int firstDayOfWeek();
// The date itself or the nearest earlier date whose weekday is `firstDayOfWeek` (Sunday = 1).
QDate startOfWeek(const QDate& date, int firstDayOfWeek);

} // namespace CalendarLocale
