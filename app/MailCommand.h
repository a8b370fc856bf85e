// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QStringList>
#include <cstdio>

// "mail day": the page of one kind of a date, built as "day" builds it, sent as the day page
// window sends it: the mail client's compose window opens with the page attached, and the
// subject is printed.
class MailCommand {
public:
    // Whether the arguments (without the program name) are a "mail" command.
    static bool handles(const QStringList& arguments);
    static QString usage();
    // The whole command: arguments, session, page, mail. Returns the exit code.
    static int main(const QStringList& arguments, FILE* out, FILE* err);
};
