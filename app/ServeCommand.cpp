// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/ServeCommand.h"

#include "app/CommandLine.h"
#include "app/FeedServer.h"
#include "app/HostSession.h"
#include "app/IcalProgram.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

// The write end of the pipe that turns a signal into an event of the event loop; a signal
// handler may do no more than write to it.
int gSignalPipe[2] = {-1, -1};

void onSignal(int) {
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(gSignalPipe[1], &byte, 1);
}

} // namespace

bool ServeCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("serve");
}

QString ServeCommand::usage() {
    return IcalProgram::serveUsage();
}

bool ServeCommand::parseListen(const QString& text, QHostAddress* address, quint16* port) {
    const qsizetype colon = text.lastIndexOf(QLatin1Char(':'));
    if (colon <= 0)
        return false;
    QString host = text.left(colon);
    if (host.startsWith(QLatin1Char('[')) && host.endsWith(QLatin1Char(']')))
        host = host.mid(1, host.size() - 2);
    bool ok = false;
    const uint number = text.mid(colon + 1).toUInt(&ok);
    if (!ok || number > 65535 || !address->setAddress(host))
        return false;
    *port = quint16(number);
    return true;
}

bool ServeCommand::parse(const QStringList& arguments, Request* request, QString* error) {
    *request = Request();
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString option = CommandLine::splitOption(arguments.at(i), &value, &hasValue);
        const bool known = option == QLatin1String("--listen") ||
                           option == QLatin1String("--edition") ||
                           option == QLatin1String("--ini") || option == QLatin1String("--server");
        if (!known) {
            *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                         .arg(arguments.at(i));
            return false;
        }
        if (!CommandLine::takeValue(arguments, &i, option, hasValue, &value, error))
            return false;
        if (option == QLatin1String("--listen")) {
            if (!parseListen(value, &request->address, &request->port)) {
                *error =
                    QCoreApplication::translate(
                        "CommandLine", "'%1' is not an address and port such as 127.0.0.1:8080")
                        .arg(value);
                return false;
            }
        } else if (option == QLatin1String("--ini")) {
            request->iniFile = value;
        } else if (option == QLatin1String("--server")) {
            request->server = value;
        } else {
            request->editionGiven = true;
            if (!CommandLine::parseEdition(value, &request->edition, error))
                return false;
        }
    }
    return true;
}

int ServeCommand::main(const QStringList& arguments, FILE* out, FILE* err) {
    Request request;
    QString error;
    if (!parse(arguments.mid(1), &request, &error))
        return CommandLine::usageError(err, error, usage());
    HostSession session(err);
    session.setServer(request.server);
    // The settings are checked once before the first request, so that a mistake shows at once.
    if (!session.open(request.iniFile, request.edition, &error, request.editionGiven)) {
        std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
        return 1;
    }

    FeedServer server(session, request.iniFile, request.server, request.edition,
                      request.editionGiven, out, err, [] { return QDateTime::currentDateTime(); });
    const quint16 port = server.listen(request.address, request.port);
    if (port == 0) {
        std::fprintf(err, "liturgy-calendar: cannot listen on %s port %u\n",
                     qPrintable(request.address.toString()), unsigned(request.port));
        return 1;
    }

    // Ctrl+C and a termination signal end the event loop, so that the server closes its
    // connections and the session cleans up as at any other end.
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, gSignalPipe) != 0) {
        std::fprintf(err, "liturgy-calendar: cannot set up the signal handling\n");
        return 1;
    }
    QSocketNotifier notifier(gSignalPipe[0], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [] { QCoreApplication::quit(); });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);

    const QString host = request.address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + request.address.toString() + QLatin1Char(']')
                             : request.address.toString();
    std::fprintf(out, "serving the calendar feeds on http://%s:%u/calendar.ics\n", qPrintable(host),
                 unsigned(port));
    std::fflush(out);
    const int code = QCoreApplication::exec();

    signal(SIGINT, SIG_DFL);
    signal(SIGTERM, SIG_DFL);
    ::close(gSignalPipe[0]);
    ::close(gSignalPipe[1]);
    gSignalPipe[0] = gSignalPipe[1] = -1;
    std::fprintf(out, "stopped\n");
    std::fflush(out);
    return code;
}
