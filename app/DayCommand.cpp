// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/DayCommand.h"

#include "app/CommandLine.h"
#include "app/DayPageText.h"
#include "app/HostSession.h"
#include "app/TerminalText.h"
#include "content/ContentComponents.h"
#include "day_page/DayPageAssembly.h"
#include "day_page/HeadlessDayPageView.h"
#include "support/ComponentInfo.h"
#include "support/OleDate.h"

#include <QCoreApplication>
#include <QFile>

namespace {

const QString kBlank = QStringLiteral("About:Blank");

} // namespace

bool DayCommand::parseKind(const QString& name, qint32* kind) {
    static const std::pair<const char*, qint32> kinds[] = {
        {"readings", DayPageAssembly::kReadings},
        {"prayers", DayPageAssembly::kPrayers},
        {"ordo", DayPageAssembly::kOrdo},
    };
    return lookupName(kinds, name, kind);
}

bool DayCommand::parseDate(const QString& text, QDate* date) {
    return CommandLine::parseDate(text, date);
}

bool DayCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("day");
}

QString DayCommand::usage() {
    return QCoreApplication::translate(
        "CommandLine", "       liturgy-calendar day YYYY-MM-DD [--kind readings|prayers|ordo] "
                       "[--entry N] [--list | --html] [--ini FILE] [--edition CODE] "
                       "[--server CONNECTION-STRING]\n");
}

bool DayCommand::parse(const QStringList& arguments, Request* request, QString* error) {
    *request = Request();
    if (!handles(arguments)) {
        *error = QStringLiteral("not a day command");
        return false;
    }
    bool dateSeen = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString argument = CommandLine::splitOption(arguments.at(i), &value, &hasValue);
        if (argument == QLatin1String("--list") && !hasValue) {
            request->list = true;
            continue;
        }
        if (argument == QLatin1String("--html") && !hasValue) {
            request->html = true;
            continue;
        }
        const bool valueOption =
            argument == QLatin1String("--kind") || argument == QLatin1String("--entry") ||
            argument == QLatin1String("--ini") || argument == QLatin1String("--edition") ||
            argument == QLatin1String("--server");
        if (valueOption) {
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    *error = QCoreApplication::translate("CommandLine", "%1 needs a value")
                                 .arg(argument);
                    return false;
                }
                value = arguments.at(++i);
            }
            bool ok = false;
            if (argument == QLatin1String("--kind")) {
                if (!parseKind(value, &request->kind)) {
                    *error =
                        QCoreApplication::translate(
                            "CommandLine", "the page kind '%1' is not readings, prayers or ordo")
                            .arg(value);
                    return false;
                }
            } else if (argument == QLatin1String("--entry")) {
                request->entry = value.toInt(&ok);
                if (!ok || request->entry < 1) {
                    *error = QCoreApplication::translate("CommandLine",
                                                         "the entry '%1' is not a number from 1")
                                 .arg(value);
                    return false;
                }
            } else if (argument == QLatin1String("--ini")) {
                if (value.isEmpty()) {
                    *error = QCoreApplication::translate("CommandLine", "--ini needs a file");
                    return false;
                }
                request->iniFile = value;
            } else if (argument == QLatin1String("--server")) {
                if (value.isEmpty()) {
                    *error = QCoreApplication::translate("CommandLine",
                                                         "--server needs a connection string");
                    return false;
                }
                request->server = value;
            } else {
                request->edition = value.toInt(&ok);
                request->editionGiven = true;
                if (!ok) {
                    *error = QCoreApplication::translate("CommandLine",
                                                         "the edition code '%1' is not a number")
                                 .arg(value);
                    return false;
                }
            }
            continue;
        }
        if (!dateSeen && !argument.startsWith(QLatin1Char('-'))) {
            if (!parseDate(argument, &request->date)) {
                *error = QCoreApplication::translate("CommandLine",
                                                     "'%1' is not a date of the form YYYY-MM-DD")
                             .arg(argument);
                return false;
            }
            dateSeen = true;
            continue;
        }
        *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                     .arg(arguments.at(i));
        return false;
    }
    if (!dateSeen) {
        *error = QCoreApplication::translate("CommandLine", "the date (YYYY-MM-DD) is missing");
        return false;
    }
    return true;
}

bool DayCommand::build(const Request& request, const HostSession& session, DayPageAssembly& page,
                       HeadlessDayPageView& view, QString* error) {
    const QString date = request.date.toString(Qt::ISODate);
    if (!session.covers(request.date, request.date, date, error))
        return false;
    registerContentComponents();
    // The settings the host window gives its day pages.
    page.setPVkIniFile(session.iniFile());
    page.setPConnectionString(session.server());
    page.setPSQLMode(session.sqlMode());
    page.setPUser(0);
    page.setPVersion(session.edition());
    page.setPAppTitle(ComponentInfo::title());
    page.setPageKind(request.kind);
    page.mInitialize();

    page.setPDate(OleDate::fromDate(request.date));
    qsizetype shown = view.navigations().size();
    page.mShow(false);
    bool built = view.navigations().size() > shown;
    if (request.entry != 1) {
        if (request.entry > view.dayListCount()) {
            *error =
                QCoreApplication::translate("CommandLine", "the day list of %1 has no entry %2")
                    .arg(request.date.toString(Qt::ISODate))
                    .arg(request.entry);
            return false;
        }
        shown = view.navigations().size();
        view.setDayListIndex(request.entry);
        page.dayListPicked();
        built = view.navigations().size() > shown;
    }
    if (!built && !request.list) {
        *error = QCoreApplication::translate("CommandLine", "the page could not be built");
        return false;
    }
    return true;
}

bool DayCommand::run(const Request& request, const HostSession& session, QByteArray* output,
                     QString* error) {
    output->clear();
    HeadlessDayPageView view;
    DayPageAssembly page(view);
    if (!build(request, session, page, view, error))
        return false;

    if (request.list) {
        for (int i = 1; i <= view.dayListCount(); ++i)
            *output += QByteArray::number(i) + '\t' + QByteArray::number(view.dayListItemValue(i)) +
                       '\t' + TerminalText::printable(view.dayListText(i)).toUtf8() + '\n';
        return true;
    }
    // The page shows nothing: said in words, as the browser's blank page says nothing.
    if (view.location() == kBlank) {
        QString kind = QCoreApplication::translate("CommandLine", "readings");
        if (request.kind == DayPageAssembly::kPrayers)
            kind = QCoreApplication::translate("CommandLine", "prayers");
        else if (request.kind == DayPageAssembly::kOrdo)
            kind = QCoreApplication::translate("CommandLine", "ordo");
        *output = QCoreApplication::translate("CommandLine", "The %1 page of %2 is empty.\n")
                      .arg(kind, request.date.toString(Qt::ISODate))
                      .toUtf8();
        return true;
    }
    QFile file(view.location());
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QCoreApplication::translate("CommandLine", "the page file '%1' cannot be read")
                     .arg(view.location());
        return false;
    }
    *output = file.readAll();
    if (!request.html)
        *output = DayPageText::fromHtml(*output, request.width).toUtf8();
    return true;
}

int DayCommand::main(const QStringList& arguments, FILE* out, FILE* err) {
    Request request;
    QString error;
    if (!parse(arguments, &request, &error)) {
        return CommandLine::usageError(err, error, usage());
    }
    request.width = DayPageText::terminalWidth(out);
    HostSession session(err);
    session.setServer(request.server);
    if (!session.open(request.iniFile, request.edition, &error, request.editionGiven)) {
        std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
        return 1;
    }
    QByteArray output;
    if (!run(request, session, &output, &error)) {
        std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
        return 1;
    }
    if (session.failed())
        return 1;
    std::fwrite(output.constData(), 1, size_t(output.size()), out);
    std::fflush(out);
    return 0;
}
