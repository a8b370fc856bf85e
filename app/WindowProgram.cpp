// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/WindowProgram.h"

#include "app/HelperProgram.h"
#include "support/ComponentInfo.h"

#include <QCoreApplication>

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
    return HelperProgram::exec(QStringLiteral("liturgy-calendar-window"), "window program", argc,
                               argv);
}

} // namespace WindowProgram
