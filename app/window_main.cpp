// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The window program: the host application's window, and the commands that draw (print,
// export), started by liturgy-calendar for such a command line.

#include "app/ExportCommand.h"
#include "app/HostWindow.h"
#include "app/PrintCommand.h"
#include "app/TerminalMessages.h"

#include <QString>

int main(int argc, char** argv) {
    TerminalMessages::routeQtMessagesToLog();
    if (argc > 1 && PrintCommand::handles({QString::fromLocal8Bit(argv[1])}))
        return PrintCommand::main(argc, argv, stderr);
    if (ExportCommand::handles(argc, argv))
        return ExportCommand::main(argc, argv);
    return HostWindow::run(argc, argv);
}
