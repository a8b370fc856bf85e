#include "support/ComponentInfo.h"
#include "support/modLog.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    const QStringList args = QCoreApplication::arguments();
    QTextStream out(stdout);
    if (args.size() >= 2 && args.at(1) == QLatin1String("version")) {
        out << ComponentInfo::productName() << ' ' << modLog::versionText() << '\n';
        return 0;
    }
    QTextStream(stderr) << "usage: liturgy-calendar version\n";
    return 2;
}
