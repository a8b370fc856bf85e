// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/ExportCommand.h"

#include "app/CommandLine.h"
#include "app/DayCommand.h"
#include "app/HostSession.h"
#include "app/WindowProgram.h"
#include "day_page/DayPageAssembly.h"
#include "day_page/DayPageHtml.h"
#include "day_page/HeadlessDayPageView.h"
#include "day_page/PageDocument.h"
#include "host_window/CLiturgicalMonth.h"
#include "host_window/DocumentComponents.h"
#include "host_window/cWordApplication.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"
#include "support/mVBFileDisk.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

namespace {

int fail(FILE* err, const QString& error, int code) {
    std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
    return code;
}

// Takes "--odt FILE" (or "--odt=FILE") out of `arguments`; false with `error` set when it is
// missing, given twice or has no file.
bool takeOdt(QStringList* arguments, QString* file, QString* error) {
    file->clear();
    int seen = 0;
    for (qsizetype i = 0; i < arguments->size(); ++i) {
        const QString argument = arguments->at(i);
        if (argument.startsWith(QLatin1String("--odt="))) {
            *file = argument.mid(6);
        } else if (argument == QLatin1String("--odt")) {
            if (i + 1 >= arguments->size()) {
                *error = QCoreApplication::translate("CommandLine", "--odt needs a file");
                return false;
            }
            *file = arguments->takeAt(i + 1);
        } else {
            continue;
        }
        arguments->removeAt(i--);
        ++seen;
    }
    if (seen > 1) {
        *error = QCoreApplication::translate("CommandLine", "--odt is given more than once");
        return false;
    }
    if (file->isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "--odt FILE is missing");
        return false;
    }
    return true;
}

// The month as the host window exports it, saved to `file`.
bool exportMonth(const CommandRequest& request, const HostSession& session, const QString& file) {
    ProcScope scope("ExportCommand.exportMonth");
    return scope.run([&] {
        const std::unique_ptr<QObject> month =
            ObjectRegistry::CreateObject(QString::fromLatin1(CLiturgicalMonth::kProgId));
        LateBinding::set(month.get(), "pShowFeast", true);
        LateBinding::set(month.get(), "pFeastOnlyOnSundays", false);
        LateBinding::set(month.get(), "pYear", request.month.year());
        LateBinding::set(month.get(), "pMonth", request.month.month());
        LateBinding::set(month.get(), "pFirstDay", 0);
        LateBinding::set(month.get(), "pVkIniFile", session.iniFile());
        LateBinding::set(month.get(), "pVersion", session.edition());
        if (session.sqlMode() == -1) {
            LateBinding::set(month.get(), "pSQLMode", true);
            LateBinding::set(month.get(), "pConnectionString", session.server());
        }
        if (!LateBinding::call(month.get(), "ExportToWord", {0}).toBool())
            return;
        LateBinding::call(LateBinding::getObject(month.get(), "pDocument"), "SaveAs", {file});
    });
}

// The page file pasted into a new document, as the host window exports a day page, saved
// to `file`.
bool exportPage(const QString& pageFile, const QString& file) {
    ProcScope scope("ExportCommand.exportPage");
    return scope.run([&] {
        const QString html = DayPageHtml::bounded(mVBFileDisk::readTextFile(pageFile));
        PageDocument text;
        text.setHtml(html);
        ui().setClipboardHtml(html, text.toPlainText());
        const std::unique_ptr<QObject> word =
            ObjectRegistry::CreateObject(QString::fromLatin1(cWordApplication::kProgId));
        QObject* document = LateBinding::objectOf(
            LateBinding::call(LateBinding::getObject(word.get(), "Documents"), "Add"));
        QObject* selection =
            LateBinding::getObject(LateBinding::getObject(document, "Application"), "Selection");
        LateBinding::call(selection, "Paste");
        LateBinding::call(selection, "GoTo", {-1, QStringLiteral("\\StartOfDoc")});
        LateBinding::call(document, "SaveAs", {file});
    });
}

// Says where the document went, so that the user can find it; the exit code of success.
int written(FILE* out, const QString& file) {
    std::fprintf(out, "%s\n", qPrintable(QFileInfo(file).absoluteFilePath()));
    std::fflush(out);
    return 0;
}

} // namespace

bool ExportCommand::handles(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], "export") == 0;
}

QString ExportCommand::usage() {
    return WindowProgram::exportUsage();
}

int ExportCommand::main(int argc, char** argv) {
    // Nothing is shown: the off-screen platform works with and without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    // The edition's language from the first mistake on.
    HostSession::chooseLanguage(QGuiApplication::arguments().mid(1));
    return run(QGuiApplication::arguments().mid(1), stdout, stderr);
}

int ExportCommand::run(const QStringList& arguments, FILE* out, FILE* err) {
    QStringList rest = arguments.mid(1);
    QString file;
    QString error;
    const QString what = rest.value(0);
    if (what != QLatin1String("day") && what != QLatin1String("month"))
        return fail(err,
                    QCoreApplication::translate("CommandLine", "export takes day or month") +
                        QLatin1Char('\n') + CommandLine::usageLine(usage()),
                    2);
    if (!takeOdt(&rest, &file, &error))
        return fail(err, error + QLatin1Char('\n') + CommandLine::usageLine(usage()), 2);

    if (what == QLatin1String("month")) {
        CommandRequest request;
        if (!CommandLine::parse(rest, &request, &error) || request.json) {
            if (request.json)
                error =
                    QCoreApplication::translate("CommandLine", "--json is not an option of export");
            return fail(err, error + QLatin1Char('\n') + CommandLine::usageLine(usage()), 2);
        }
        HostSession session(err);
        session.setServer(request.server);
        if (!session.open(request.iniFile, request.edition, &error))
            return fail(err, error, 1);
        const QString month = request.month.toString(QStringLiteral("yyyy-MM"));
        if (!session.covers(request.month, request.month.addMonths(1).addDays(-1), month, &error))
            return fail(err, error, 1);
        registerDocumentComponents(false);
        if (!exportMonth(request, session, file) || session.failed())
            return fail(
                err, QCoreApplication::translate("CommandLine", "the month was not exported"), 1);
        return written(out, file);
    }

    DayCommand::Request request;
    if (!DayCommand::parse(rest, &request, &error) || request.list || request.html) {
        if (request.list || request.html)
            error = QCoreApplication::translate("CommandLine", "%1 is not an option of export")
                        .arg(request.list ? QStringLiteral("--list") : QStringLiteral("--html"));
        return fail(err, error + QLatin1Char('\n') + CommandLine::usageLine(usage()), 2);
    }
    HostSession session(err);
    session.setServer(request.server);
    if (!session.open(request.iniFile, request.edition, &error))
        return fail(err, error, 1);
    registerDocumentComponents(false);
    HeadlessDayPageView view;
    DayPageAssembly page(view);
    if (!DayCommand::build(request, session, page, view, &error))
        return fail(err, error, 1);
    if (view.location().compare(QStringLiteral("About:Blank"), Qt::CaseInsensitive) == 0)
        return fail(err,
                    QCoreApplication::translate("CommandLine",
                                                "the page of %1 is empty; nothing was exported")
                        .arg(request.date.toString(Qt::ISODate)),
                    1);
    if (!exportPage(view.location(), file) || session.failed())
        return fail(err, QCoreApplication::translate("CommandLine", "the page was not exported"),
                    1);
    return written(out, file);
}
