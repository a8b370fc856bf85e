// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/ImportCommand.h"

#include "app/CommandLine.h"
#include "data/AccessImport.h"
#include "data/Connection.h"
#include "data/DataSource.h"
#include "support/Failure.h"
#include "support/mVBFileDisk.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString quotedName(const QString& name) {
    QString q = name;
    q.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + q + QLatin1Char('"');
}

QString tableCounts(const QString& file) {
    Connection connection;
    connection.Open(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + file +
                    QLatin1Char(';'));
    const RowTable tables = connection.fetchAll(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid"));
    QString output;
    for (int row = 0; row < tables.rowCount(); ++row) {
        const QString name = tables.at(0, row).toString();
        const std::optional<QVariant> count =
            connection.fetchFirstValue(QStringLiteral("SELECT COUNT(*) FROM ") + quotedName(name));
        output += name + QLatin1Char('\t') + (count ? count->toString() : QStringLiteral("0")) +
                  QLatin1Char('\n');
    }
    connection.Close();
    return output;
}

void convert(const QString& file, const QString& out) {
    if (!DataSource::isAccessFile(file)) {
        // Missing, unreadable or of no known format: the data layer's own message.
        DataSource::sqliteFileFor(file);
        throw Failure(-2147467259, QCoreApplication::translate(
                                       "CommandLine",
                                       "'%1' is an SQLite database already; the INI file can name "
                                       "it as it is.")
                                       .arg(file));
    }
    QString source = file;
    source.replace(QLatin1Char('\\'), QLatin1Char('/'));
    AccessImport::copy(QFileInfo(mVBFileDisk::resolveLetterCase(source)).absoluteFilePath(), out,
                       file, false);
}

} // namespace

bool ImportCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("import");
}

QString ImportCommand::usage() {
    return QCoreApplication::translate(
        "CommandLine", "       liturgy-calendar import FILE.mdb --out FILE.sqlite | --list\n");
}

bool ImportCommand::parse(const QStringList& arguments, Request* request, QString* error) {
    *request = Request();
    if (!handles(arguments)) {
        *error = QStringLiteral("not an import command");
        return false;
    }
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == QLatin1String("--list")) {
            request->list = true;
        } else if (argument == QLatin1String("--out")) {
            if (i + 1 >= arguments.size() || arguments.at(i + 1).isEmpty()) {
                *error = QCoreApplication::translate("CommandLine", "--out needs a file name");
                return false;
            }
            request->out = arguments.at(++i);
        } else if (argument.startsWith(QLatin1String("--")) || !request->file.isEmpty()) {
            *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                         .arg(argument);
            return false;
        } else {
            request->file = argument;
        }
    }
    if (request->file.isEmpty()) {
        *error =
            QCoreApplication::translate("CommandLine", "import needs the Access database to read");
        return false;
    }
    if (request->list == !request->out.isEmpty()) {
        *error =
            QCoreApplication::translate("CommandLine", "import needs either --out FILE or --list");
        return false;
    }
    return true;
}

bool ImportCommand::run(const Request& request, QString* output, QString* error) {
    output->clear();
    try {
        if (request.list)
            *output = tableCounts(request.file);
        else
            convert(request.file, request.out);
    } catch (const Failure& failure) {
        *error = failure.description();
        return false;
    }
    return true;
}

int ImportCommand::main(const QStringList& arguments, FILE* out, FILE* err) {
    Request request;
    QString error;
    if (!parse(arguments, &request, &error)) {
        return CommandLine::usageError(err, error, usage());
    }
    QString output;
    if (!run(request, &output, &error)) {
        std::fprintf(err, "liturgy-calendar: %s\n", error.toUtf8().constData());
        return 1;
    }
    std::fputs(output.toUtf8().constData(), out);
    return std::fflush(out) == 0 ? 0 : 1;
}
