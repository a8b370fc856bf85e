// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/WindowProgram.h"

#include "app/HelperProgram.h"
#include "support/ComponentInfo.h"
#include "support/ExternalProgram.h"

#include <QCoreApplication>
#include <cstring>

namespace {

// How long the desktop's notification tool may take.
constexpr int kNotifyWaitMs = 5000;

// Whether the command line asks for the window itself, for a person (from the desktop's menu,
// say) rather than for a picture or a print, and there is a display to show it on.
bool wantsWindow(int argc, char** argv) {
    if (argc > 1 && (std::strcmp(argv[1], "print") == 0 || std::strcmp(argv[1], "export") == 0))
        return false;
    for (int i = 1; i < argc; ++i)
        if (std::strncmp(argv[i], "--screenshot", 12) == 0)
            return false;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

// The person who started the window from the desktop's menu reads no terminal, and this program
// loads no widget library to show a message with: the desktop's notification says what failed
// and what to do. Without the notification tool the terminal's message is all there is.
void tellTheDesktop(const QString& detail) {
    const QString title = QCoreApplication::translate("HostWindow", "Liturgy Calendar");
    const QString text =
        QCoreApplication::translate("WindowProgram",
                                    "The program cannot start: its window program is missing or "
                                    "damaged.\n\nReinstall %1. If the fault remains, give your "
                                    "support the details: %2")
            .arg(title, detail);
    ExternalProgram::run(QStringLiteral("notify-send"),
                         {QStringLiteral("--app-name=") + title,
                          QStringLiteral("--icon=liturgy-calendar"),
                          QStringLiteral("--urgency=critical"), title,
                          // The desktop reads the body as markup: a path's & or < is text.
                          text.toHtmlEscaped()},
                         kNotifyWaitMs);
}

} // namespace

namespace WindowProgram {

bool wanted(int argc, char** argv) {
    if (argc < 2)
        return true;
    const QString first = QString::fromLocal8Bit(argv[1]);
    if (first == QLatin1String("print") || first == QLatin1String("export"))
        return true;
    return first.startsWith(QLatin1String("--")) && first != QLatin1String("--help") &&
           first != QLatin1String("--version");
}

QString printUsage() {
    return QCoreApplication::translate(
        "CommandLine",
        "       liturgy-calendar print month|week YYYY-MM (--pdf FILE | --printer NAME) "
        "[--ini FILE] [--edition CODE] [--server CONNECTION-STRING]\n"
        "       liturgy-calendar print day YYYY-MM-DD [--kind readings|prayers|ordo] [--entry N] "
        "(--pdf FILE | --printer NAME) [--ini FILE] [--edition CODE] "
        "[--server CONNECTION-STRING]\n");
}

QString exportUsage() {
    return QCoreApplication::translate(
        "CommandLine", "       liturgy-calendar export month YYYY-MM --odt FILE [--ini FILE] "
                       "[--edition CODE] [--server CONNECTION-STRING]\n"
                       "       liturgy-calendar export day YYYY-MM-DD [--kind readings|"
                       "prayers|ordo] [--entry N] --odt FILE [--ini FILE] [--edition CODE] "
                       "[--server CONNECTION-STRING]\n");
}

QString usage() {
    return printUsage() + exportUsage();
}

QString path() {
    return ComponentInfo::helperPath(QStringLiteral("liturgy-calendar-window"));
}

int exec(int argc, char** argv) {
    return HelperProgram::exec(
        QStringLiteral("liturgy-calendar-window"),
        QT_TRANSLATE_NOOP("HelperProgram", "cannot start the window program %1: %2"), argc, argv,
        [window = wantsWindow(argc, argv)](const QString& detail) {
            if (window)
                tellTheDesktop(detail);
        });
}

} // namespace WindowProgram
