// make-sample-data --out DIR [--from YEAR] [--to YEAR]: writes the default data set.
#include "SampleDataWriter.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("make-sample-data"));
    QTextStream out(stdout);
    QTextStream err(stderr);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the default data set of the liturgy calendar: the liturgy databases of the "
        "sample editions, a plan and a service database, the style sheets and liturgy.ini."));
    parser.addHelpOption();
    const QCommandLineOption outOption(QStringLiteral("out"),
                                       QStringLiteral("Folder to write the set into."),
                                       QStringLiteral("DIR"));
    const QCommandLineOption fromOption(QStringLiteral("from"),
                                        QStringLiteral("First year (default 1990)."),
                                        QStringLiteral("YEAR"), QStringLiteral("1990"));
    const QCommandLineOption toOption(QStringLiteral("to"),
                                      QStringLiteral("Last year (default 2060)."),
                                      QStringLiteral("YEAR"), QStringLiteral("2060"));
    const QCommandLineOption bibleOption(QStringLiteral("bible"),
                                         QStringLiteral("SWORD Bible module (default WEB)."),
                                         QStringLiteral("MODULE"), QStringLiteral("WEB"));
    parser.addOptions({outOption, fromOption, toOption, bibleOption});
    parser.process(app);

    if (!parser.positionalArguments().isEmpty() || !parser.isSet(outOption)) {
        err << "make-sample-data: --out DIR is required, and nothing else is expected.\n"
            << parser.helpText();
        return 2;
    }
    bool fromOk = false;
    bool toOk = false;
    SampleDataOptions options;
    options.outDir = parser.value(outOption);
    options.fromYear = parser.value(fromOption).toInt(&fromOk);
    options.toYear = parser.value(toOption).toInt(&toOk);
    options.bibleModule = parser.value(bibleOption);
    if (!fromOk || !toOk) {
        err << "make-sample-data: --from and --to take a year.\n";
        return 2;
    }

    QElapsedTimer timer;
    timer.start();
    out << "Writing the default data set for " << options.fromYear << " to " << options.toYear
        << " into " << options.outDir << Qt::endl;
    SampleDataWriter writer(options, [&out](const QString& line) { out << line << Qt::endl; });
    QString error;
    if (!writer.run(&error)) {
        err << "make-sample-data: " << error << Qt::endl;
        return 1;
    }
    out << "Done in " << QString::number(double(timer.elapsed()) / 1000.0, 'f', 1) << " s."
        << Qt::endl;
    return 0;
}
