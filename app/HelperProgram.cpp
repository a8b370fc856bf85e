// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/HelperProgram.h"

#include "support/ComponentInfo.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

namespace HelperProgram {

int exec(const QString& name, const char* what, int argc, char** argv) {
    const QByteArray program = QFile::encodeName(ComponentInfo::helperPath(name));
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    ::execv(program.constData(), arguments.data());
    const int error = errno;
    std::fprintf(stderr, "liturgy-calendar: cannot start the %s %s: %s\n", what,
                 program.constData(), std::strerror(error));
    return 1;
}

} // namespace HelperProgram
