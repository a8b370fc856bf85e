// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The iCalendar program: "ics" and "serve", started by liturgy-calendar for such a command line.

#include "app/HostSession.h"
#include "app/IcsCommand.h"
#include "app/ServeCommand.h"

#include <QCoreApplication>
#include <QDateTime>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // The edition's language from the first mistake on.
    HostSession::chooseLanguage(arguments);
    if (ServeCommand::handles(arguments))
        return ServeCommand::main(arguments, stdout, stderr);
    return IcsCommand::main(arguments, QDateTime::currentDateTime(), stdout, stderr);
}
