// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/IcalProgram.h"

#include "app/HelperProgram.h"

#include <QCoreApplication>

namespace IcalProgram {

bool wanted(int argc, char** argv) {
    if (argc < 2)
        return false;
    const QString first = QString::fromLocal8Bit(argv[1]);
    return first == QLatin1String("ics") || first == QLatin1String("serve");
}

QString icsUsage() {
    return QCoreApplication::translate(
        "CommandLine", "       liturgy-calendar ics [--from YYYY-MM-DD] [--to YYYY-MM-DD] "
                       "[--days] [--services] [--edition CODE] [--ini FILE] "
                       "[--server CONNECTION-STRING] --out FILE.ics\n");
}

QString serveUsage() {
    return QCoreApplication::translate(
        "CommandLine", "       liturgy-calendar serve [--listen ADDRESS:PORT] [--edition CODE] "
                       "[--ini FILE] [--server CONNECTION-STRING]\n");
}

int exec(int argc, char** argv) {
    return HelperProgram::exec(
        QStringLiteral("liturgy-calendar-ical"),
        QT_TRANSLATE_NOOP("HelperProgram", "cannot start the iCalendar program %1: %2"), argc,
        argv);
}

} // namespace IcalProgram
