// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/CommandLine.h"
#include "app/CopyToServerCommand.h"
#include "app/DayCommand.h"
#include "app/EditionCommand.h"
#include "app/HostSession.h"
#include "app/IcalProgram.h"
#include "app/ImportCommand.h"
#include "app/MailCommand.h"
#include "app/MonthCommand.h"
#include "app/ServiceCommand.h"
#include "app/TerminalMessages.h"
#include "app/WeekCommand.h"
#include "app/WindowProgram.h"
#include "data/DataSource.h"
#include "support/ComponentInfo.h"
#include "support/modLog.h"

#include <QCoreApplication>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace {

// Colour escapes only for a terminal, and never when the user asked for none.
bool colourOutput() {
    return isatty(STDOUT_FILENO) && qEnvironmentVariableIsEmpty("NO_COLOR");
}

// The usage of every command, one a line.
QString usage() {
    return CommandLine::usage() + DayCommand::usage() + ServiceCommand::usage() +
           ImportCommand::usage() + IcalProgram::icsUsage() + IcalProgram::serveUsage() +
           MailCommand::usage() + CopyToServerCommand::usage() + WindowProgram::usage();
}

// Every local user can read a program's arguments (ps) for as long as it runs.
void warnOfPasswordInArguments(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--server") != 0)
            continue;
        const QString value = QString::fromLocal8Bit(argv[i + 1]);
        if (DataSource::masked(value) == value)
            continue;
        std::fputs("liturgy-calendar: warning: other users of this computer can read the "
                   "password given with --server; leave it out and set PGPASSWORD, put it in "
                   "~/.pgpass or use service=NAME\n",
                   stderr);
        return;
    }
}

int runCommand(int argc, char** argv) {
    TerminalMessages::routeQtMessagesToLog();
    // The window is a program of its own, so that the commands below load no widget library.
    if (WindowProgram::wanted(argc, argv))
        return WindowProgram::exec(argc, argv);
    // So are the iCalendar commands, which alone load libical and the HTTP server.
    if (IcalProgram::wanted(argc, argv))
        return IcalProgram::exec(argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    // The messages speak the edition's language from the first mistake on.
    HostSession::chooseLanguage(QCoreApplication::arguments().mid(1));

    if (DayCommand::handles(QCoreApplication::arguments().mid(1)))
        return DayCommand::main(QCoreApplication::arguments().mid(1), stdout, stderr);
    if (ServiceCommand::handles(QCoreApplication::arguments().mid(1)))
        return ServiceCommand::main(QCoreApplication::arguments().mid(1), stdout, stderr);
    if (ImportCommand::handles(QCoreApplication::arguments().mid(1)))
        return ImportCommand::main(QCoreApplication::arguments().mid(1), stdout, stderr);
    if (MailCommand::handles(QCoreApplication::arguments().mid(1)))
        return MailCommand::main(QCoreApplication::arguments().mid(1), stdout, stderr);
    if (CopyToServerCommand::handles(QCoreApplication::arguments().mid(1)))
        return CopyToServerCommand::main(QCoreApplication::arguments().mid(1), stdout, stderr);

    CommandRequest request;
    QString error;
    if (!CommandLine::parse(QCoreApplication::arguments().mid(1), &request, &error)) {
        err << "liturgy-calendar: " << error << '\n' << usage();
        return 2;
    }
    if (request.command == CommandRequest::Command::Help) {
        out << usage();
        return 0;
    }
    if (request.command == CommandRequest::Command::Version) {
        out << ComponentInfo::productName() << ' ' << modLog::versionText() << '\n';
        return 0;
    }

    HostSession session;
    session.setServer(request.server);
    if (!session.open(request.iniFile, request.edition, &error, request.editionGiven)) {
        err << "liturgy-calendar: " << error << '\n';
        return 1;
    }
    // The month and week calendars of a month the data does not reach would be empty.
    const bool calendar = request.command == CommandRequest::Command::Month ||
                          request.command == CommandRequest::Command::Week;
    if (calendar && !session.covers(request.month, request.month.addMonths(1).addDays(-1),
                                    request.month.toString(QStringLiteral("yyyy-MM")), &error)) {
        err << "liturgy-calendar: " << error << '\n';
        return 1;
    }
    QString output;
    switch (request.command) {
    case CommandRequest::Command::Month:
        output = MonthCommand::run(request, session, colourOutput());
        break;
    case CommandRequest::Command::Week:
        output = WeekCommand::run(request, session);
        break;
    case CommandRequest::Command::Edition:
        output = EditionCommand::run(session);
        break;
    case CommandRequest::Command::Version:
    case CommandRequest::Command::Help:
        break;
    }
    // A command that failed shows only why, never a half-filled result.
    if (session.failed())
        return 1;
    out << output;
    out.flush();
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    warnOfPasswordInArguments(argc, argv);
    // Options may come before the command; every command and helper reads them after it.
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given.append(QString::fromLocal8Bit(argv[i]));
    std::vector<QByteArray> kept{QByteArray(argv[0])};
    for (const QString& argument : CommandLine::commandFirst(given))
        kept.push_back(argument.toLocal8Bit());
    std::vector<char*> ordered;
    for (QByteArray& argument : kept)
        ordered.push_back(argument.data());
    ordered.push_back(nullptr);
    const int status = runCommand(argc, ordered.data());
    // Output that did not reach its file (a full disk, for one) is a failure, not a success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::fputs("liturgy-calendar: the output cannot be written\n", stderr);
        return status == 0 ? 1 : status;
    }
    return status;
}
