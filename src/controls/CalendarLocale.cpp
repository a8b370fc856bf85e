// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/CalendarLocale.h"

#include <QLocale>

namespace CalendarLocale {

int weekday(const QDate& date) {
    return date.dayOfWeek() % 7 + 1;
}

int firstDayOfWeek() {
    return int(QLocale().firstDayOfWeek()) % 7 + 1;
}

QDate startOfWeek(const QDate& date, int firstDayOfWeek) {
    QDate day = date;
    // Seven steps at most, whatever the setting holds.
    for (int i = 0; i < 7 && weekday(day) != firstDayOfWeek; ++i)
        day = day.addDays(-1);
    return day;
}

} // namespace CalendarLocale
