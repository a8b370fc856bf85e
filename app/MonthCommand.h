// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

struct CommandRequest;
class HostSession;
class MonthCalendarModel;
class QDate;

// "month": the month calendar of the requested month, filled as the host window fills it, as
// JSON or as a terminal calendar.
class MonthCommand {
public:
    // The output of the command; failures go to the error handler of the session.
    static QString run(const CommandRequest& request, const HostSession& session, bool colour);
    // Fills `model` with the month of `month` as the host window fills its month calendar.
    static void fill(const QDate& month, const HostSession& session, MonthCalendarModel* model);
};
