// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/HelperProgram.h"

#include "app/HostSession.h"
#include "support/ComponentInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <unistd.h>
#include <vector>

namespace HelperProgram {

int exec(const QString& name, const char* failure, int argc, char** argv,
         const std::function<void(const QString&)>& tell) {
    const QString path = ComponentInfo::helperPath(name);
    const QByteArray program = QFile::encodeName(path);
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    ::execv(program.constData(), arguments.data());
    const QString reason = QString::fromLocal8Bit(std::strerror(errno));
    // The edition's language needs the application object that the helper would have made.
    std::optional<QCoreApplication> app;
    if (!QCoreApplication::instance()) {
        app.emplace(argc, argv);
        QCoreApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    }
    HostSession::chooseLanguage(QCoreApplication::arguments().mid(1));
    const QString message = QCoreApplication::translate("HelperProgram", failure)
                                .arg(QDir::toNativeSeparators(path), reason);
    std::fprintf(stderr, "liturgy-calendar: %s\n", message.toLocal8Bit().constData());
    if (tell)
        tell(message);
    return 1;
}

} // namespace HelperProgram
