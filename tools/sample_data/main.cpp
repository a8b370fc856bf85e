// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// make-sample-data --out DIR [--from YEAR] [--to YEAR]: writes the default data set.
// make-sample-data --server CONNECTION-STRING [--edition CODE] [--replace]: loads one edition of
// it onto a PostgreSQL server, as copy-to-server does.
#include "SampleDataWriter.h"
#include "app/CopyToServerCommand.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
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
    const QCommandLineOption serverOption(
        QStringLiteral("server"),
        QStringLiteral("Load one edition onto this PostgreSQL server instead of writing files."),
        QStringLiteral("CONNECTION-STRING"));
    const QCommandLineOption editionOption(
        QStringLiteral("edition"), QStringLiteral("The edition to load (default the first)."),
        QStringLiteral("CODE"), QString::number(SampleEdition::all().first().code));
    const QCommandLineOption replaceOption(
        QStringLiteral("replace"),
        QStringLiteral("Replace the tables that the server database holds already."));
    parser.addOptions(
        {outOption, fromOption, toOption, bibleOption, serverOption, editionOption, replaceOption});
    parser.process(app);

    const bool toServer = parser.isSet(serverOption);
    if (!parser.positionalArguments().isEmpty() || toServer == parser.isSet(outOption)) {
        err << "make-sample-data: either --out DIR or --server CONNECTION-STRING is required, and "
               "nothing else is expected.\n"
            << parser.helpText();
        return 2;
    }
    if (!toServer && (parser.isSet(editionOption) || parser.isSet(replaceOption))) {
        err << "make-sample-data: --edition and --replace go with --server.\n";
        return 2;
    }
    QString iniName = SampleDataWriter::iniFileName();
    const QString edition = parser.value(editionOption);
    if (toServer && edition != QString::number(SampleEdition::all().first().code)) {
        QStringList codes;
        for (const SampleEdition& sample : SampleEdition::all())
            codes.append(QString::number(sample.code));
        if (!codes.contains(edition)) {
            err << "make-sample-data: " << edition
                << " is no edition of the default data set; the editions are "
                << codes.join(QStringLiteral(", ")) << ".\n";
            return 2;
        }
        iniName = SampleDataWriter::editionIniFileName(edition.toInt());
    }
    bool fromOk = false;
    bool toOk = false;
    SampleDataOptions options;
    // The set for a server is written into a temporary folder and copied from there.
    QTemporaryDir scratch;
    options.outDir = toServer ? scratch.path() + QStringLiteral("/set") : parser.value(outOption);
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
    if (toServer) {
        out.flush();
        CopyToServerCommand::Request request;
        request.iniFile = options.outDir + QLatin1Char('/') + iniName;
        request.server = parser.value(serverOption);
        request.replace = parser.isSet(replaceOption);
        if (const int code = CopyToServerCommand::copy(request, QCoreApplication::applicationName(),
                                                       stdout, stderr))
            return code;
    }
    out << "Done in " << QString::number(double(timer.elapsed()) / 1000.0, 'f', 1) << " s."
        << Qt::endl;
    return 0;
}
