// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The command-line parsers on any arguments (one a line): a request they accept is one the
// commands can carry out.
#include "FuzzInput.h"
#include "FuzzWorld.h"
#include "app/CommandLine.h"
#include "app/DayCommand.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzInput in(data, size);
    QStringList arguments;
    while (!in.atEnd())
        arguments.append(in.line());

    CommandRequest request;
    QString error;
    if (CommandLine::parse(arguments, &request, &error)) {
        const bool monthly = request.command == CommandRequest::Command::Month ||
                             request.command == CommandRequest::Command::Week;
        FuzzWorld::check(!monthly || (request.month.isValid() && request.month.day() == 1),
                         "month and week name a month");
    } else {
        FuzzWorld::check(!error.isEmpty(), "a refused command says why");
    }

    DayCommand::Request day;
    if (DayCommand::parse(arguments, &day, &error)) {
        FuzzWorld::check(DayCommand::handles(arguments), "a day command is handled as one");
        FuzzWorld::check(day.date.isValid(), "a day command names a date");
        FuzzWorld::check(day.kind == 4 || day.kind == 5 || day.kind == 7, "a page kind");
        FuzzWorld::check(day.entry >= 1, "an entry of the day list");
    }
    return 0;
}
