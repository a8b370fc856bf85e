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
    return first.startsWith(QLatin1String("--")) && first != QLatin1String("--help") &&
           first != QLatin1String("--version");
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
