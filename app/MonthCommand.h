#pragma once

#include <QString>

struct CommandRequest;
class HostSession;

// "month": the month calendar of the requested month, filled as the host window fills it, as
// JSON or as a terminal calendar.
class MonthCommand {
public:
    // The output of the command; failures go to the error handler of the session.
    static QString run(const CommandRequest& request, const HostSession& session, bool colour);
};
