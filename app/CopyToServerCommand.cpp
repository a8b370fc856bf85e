// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/CopyToServerCommand.h"

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/TerminalProgress.h"
#include "data/ServerCopy.h"

#include <QCoreApplication>
#include <algorithm>

bool CopyToServerCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("copy-to-server");
}

QString CopyToServerCommand::usage() {
    return QCoreApplication::translate("CommandLine",
                                       "       liturgy-calendar copy-to-server --ini FILE --server "
                                       "CONNECTION-STRING [--replace]\n");
}

bool CopyToServerCommand::parse(const QStringList& arguments, Request* request, QString* error) {
    *request = Request();
    if (!handles(arguments)) {
        *error = QStringLiteral("not a copy-to-server command");
        return false;
    }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString argument = CommandLine::splitOption(arguments.at(i), &value, &hasValue);
        if (argument == QLatin1String("--replace") && !hasValue) {
            request->replace = true;
            continue;
        }
        if (argument != QLatin1String("--ini") && argument != QLatin1String("--server")) {
            *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                         .arg(arguments.at(i));
            return false;
        }
        if (!hasValue) {
            if (i + 1 >= arguments.size()) {
                *error =
                    QCoreApplication::translate("CommandLine", "%1 needs a value").arg(argument);
                return false;
            }
            value = arguments.at(++i);
        }
        if (value.isEmpty()) {
            *error = argument == QLatin1String("--ini")
                         ? QCoreApplication::translate("CommandLine", "--ini needs a file")
                         : QCoreApplication::translate("CommandLine",
                                                       "--server needs a connection string");
            return false;
        }
        (argument == QLatin1String("--ini") ? request->iniFile : request->server) = value;
    }
    if (request->iniFile.isEmpty() || request->server.isEmpty()) {
        *error = QCoreApplication::translate(
            "CommandLine", "copy-to-server needs --ini FILE and --server CONNECTION-STRING");
        return false;
    }
    return true;
}

int CopyToServerCommand::copy(const Request& request, const QString& program, FILE* out,
                              FILE* err) {
    // The shared state of the component: its error handler and the Access import's settings.
    HostSession session(err);
    QString error;
    QList<ServerCopy::Source> sources;
    QList<ServerCopy::TableCount> counts;
    TerminalProgress progress(err,
                              QCoreApplication::translate("CommandLine", "Copying to the server"),
                              TerminalProgress::isTerminal(err));
    ServerCopy::Options options;
    options.replace = request.replace;
    options.progress = [&progress](qint64 done, qint64 total) { progress.update(done, total); };
    if (!ServerCopy::sourcesOf(request.iniFile, &sources, &error) ||
        !ServerCopy::copy(sources, request.server, options, &counts, &error)) {
        progress.interrupt();
        std::fprintf(err, "%s: %s\n", qPrintable(program), qPrintable(error));
        return 1;
    }
    qsizetype width = 5;
    for (const ServerCopy::TableCount& count : counts)
        width = std::max(width, count.table.size());
    QString report = QStringLiteral("%1  %2  %3\n")
                         .arg(QCoreApplication::translate("CommandLine", "Table"), -int(width))
                         .arg(QCoreApplication::translate("CommandLine", "Data files"), 10)
                         .arg(QCoreApplication::translate("CommandLine", "Server"), 10);
    for (const ServerCopy::TableCount& count : counts)
        report += QStringLiteral("%1  %2  %3\n")
                      .arg(count.table, -int(width))
                      .arg(count.source, 10)
                      .arg(count.server, 10);
    report += QCoreApplication::translate(
        "CommandLine", "Every table on the server holds the rows of its data file.\n");
    std::fputs(qPrintable(report), out);
    std::fflush(out);
    return 0;
}

int CopyToServerCommand::main(const QStringList& arguments, FILE* out, FILE* err) {
    Request request;
    QString error;
    if (!parse(arguments, &request, &error)) {
        return CommandLine::usageError(err, error, usage());
    }
    return copy(request, QStringLiteral("liturgy-calendar"), out, err);
}
