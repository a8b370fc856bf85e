#include "app/WindowProgram.h"

#include "support/ComponentInfo.h"

#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

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
    return QStringLiteral(
        "       liturgy-calendar print month|week YYYY-MM (--pdf FILE | --printer NAME) "
        "[--ini FILE] [--edition CODE] [--server CONNECTION-STRING]\n"
        "       liturgy-calendar print day YYYY-MM-DD [--kind readings|prayers|ordo] [--entry N] "
        "(--pdf FILE | --printer NAME) [--ini FILE] [--edition CODE] "
        "[--server CONNECTION-STRING]\n");
}

QString exportUsage() {
    return QStringLiteral("       liturgy-calendar export month YYYY-MM --odt FILE [--ini FILE] "
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
    const QByteArray program = QFile::encodeName(path());
    std::vector<char*> arguments(argv, argv + argc);
    arguments.push_back(nullptr);
    ::execv(program.constData(), arguments.data());
    const int error = errno;
    std::fprintf(stderr, "liturgy-calendar: cannot start the window program %s: %s\n",
                 program.constData(), std::strerror(error));
    return 1;
}

} // namespace WindowProgram
