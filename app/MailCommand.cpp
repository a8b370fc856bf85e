// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/MailCommand.h"

#include "app/CommandLine.h"
#include "app/DayCommand.h"
#include "app/HostSession.h"
#include "day_page/DayPageAssembly.h"
#include "day_page/DayPageSend.h"
#include "day_page/HeadlessDayPageView.h"
#include "mail/MailComponents.h"
#include "support/mVBFileDisk.h"

#include <QCoreApplication>

namespace {

int fail(FILE* err, const QString& error, int code) {
    std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
    return code;
}

} // namespace

bool MailCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("mail");
}

QString MailCommand::usage() {
    return QCoreApplication::translate(
        "CommandLine", "       liturgy-calendar mail day YYYY-MM-DD [--kind readings|prayers|"
                       "ordo] [--entry N] [--ini FILE] [--edition CODE] "
                       "[--server CONNECTION-STRING]\n");
}

int MailCommand::main(const QStringList& arguments, FILE* out, FILE* err) {
    DayCommand::Request request;
    QString error;
    if (arguments.size() < 2 || arguments.at(1) != QLatin1String("day"))
        return fail(err,
                    QCoreApplication::translate("CommandLine",
                                                "mail sends a day page: mail day YYYY-MM-DD") +
                        QLatin1Char('\n') + CommandLine::usageLine(usage()),
                    2);
    if (!DayCommand::parse(arguments.mid(1), &request, &error) || request.list || request.html) {
        if (request.list || request.html)
            error = QCoreApplication::translate("CommandLine", "%1 is not an option of mail")
                        .arg(request.list ? QStringLiteral("--list") : QStringLiteral("--html"));
        return fail(err, error + QLatin1Char('\n') + CommandLine::usageLine(usage()), 2);
    }
    HostSession session(err);
    session.setServer(request.server);
    if (!session.open(request.iniFile, request.edition, &error))
        return fail(err, error, 1);
    registerMailComponents();
    HeadlessDayPageView view;
    DayPageAssembly page(view);
    if (!DayCommand::build(request, session, page, view, &error))
        return fail(err, error, 1);
    const QString location = view.location();
    if (location.compare(QStringLiteral("About:Blank"), Qt::CaseInsensitive) == 0)
        return fail(
            err,
            QCoreApplication::translate("CommandLine", "the page of %1 is empty; nothing was sent")
                .arg(request.date.toString(Qt::ISODate)),
            1);
    QString subject;
    if (!DayPageSend::mSend(page, view, mVBFileDisk::fileNamePart(location), qint16(request.kind),
                            &subject)) {
        // A failure said already (no mail program, above all) gets the way round it.
        if (!session.failed())
            return fail(
                err, QCoreApplication::translate("CommandLine", "no mail client took the message"),
                1);
        return fail(err,
                    QCoreApplication::translate(
                        "CommandLine",
                        "to send the page by hand, save it with: liturgy-calendar day "
                        "%1 --html > page.html")
                        .arg(request.date.toString(Qt::ISODate)),
                    1);
    }
    std::fprintf(out, "%s\n", subject.toUtf8().constData());
    std::fflush(out);
    return session.failed() ? 1 : 0;
}
