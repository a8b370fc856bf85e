// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

struct CommandRequest;
class HostSession;
class QDate;
class WeekCalendarModel;

// "week": the week calendar over the range the host window gives it for the requested month
// (from the start of the week of the first of the month to the month's last day), filled as
// the host window fills it, as JSON or as a list of dates.
class WeekCommand {
public:
    // The output of the command; failures go to the error handler of the session.
    static QString run(const CommandRequest& request, const HostSession& session);
    // Sets the range of `month` on `week` and fills it as the host window fills its week
    // calendar.
    static void fill(const QDate& month, const HostSession& session, WeekCalendarModel* week);
};
