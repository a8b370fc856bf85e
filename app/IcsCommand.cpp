// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/IcsCommand.h"

#include "app/CommandLine.h"
#include "app/DataCoverage.h"
#include "app/HostSession.h"
#include "app/IcalProgram.h"
#include "ical/IcsExport.h"

#include <QCoreApplication>
#include <algorithm>
#include <iterator>

namespace {

int fail(FILE* err, const QString& error) {
    std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
    return 1;
}

} // namespace

bool IcsCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("ics");
}

QString IcsCommand::usage() {
    return IcalProgram::icsUsage();
}

bool IcsCommand::range(const QString& from, const QString& to, const QDate& today, QDate* first,
                       QDate* last, QString* error) {
    *first = QDate(today.year(), today.month(), 1);
    if (!from.isEmpty() && !CommandLine::parseDate(from, first)) {
        *error =
            QCoreApplication::translate("CommandLine", "'%1' is not a date of the form YYYY-MM-DD")
                .arg(from);
        return false;
    }
    *last = first->addYears(1).addDays(-1);
    if (!to.isEmpty() && !CommandLine::parseDate(to, last)) {
        *error =
            QCoreApplication::translate("CommandLine", "'%1' is not a date of the form YYYY-MM-DD")
                .arg(to);
        return false;
    }
    if (*last < *first) {
        *error =
            QCoreApplication::translate("CommandLine", "the range ends (%1) before it begins (%2)")
                .arg(last->toString(Qt::ISODate), first->toString(Qt::ISODate));
        return false;
    }
    if (first->daysTo(*last) >= IcsExport::kMaxDays) {
        *error = QCoreApplication::translate("CommandLine",
                                             "the range from %1 to %2 is longer than %3 days")
                     .arg(first->toString(Qt::ISODate), last->toString(Qt::ISODate))
                     .arg(IcsExport::kMaxDays);
        return false;
    }
    return true;
}

bool IcsCommand::parse(const QStringList& arguments, const QDate& today, Request* request,
                       QString* error) {
    *request = Request();
    QString from;
    QString to;
    bool daysNamed = false;
    bool servicesNamed = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString option = CommandLine::splitOption(arguments.at(i), &value, &hasValue);
        if (option == QLatin1String("--days") || option == QLatin1String("--services")) {
            if (hasValue) {
                *error =
                    QCoreApplication::translate("CommandLine", "%1 takes no value").arg(option);
                return false;
            }
            (option == QLatin1String("--days") ? daysNamed : servicesNamed) = true;
            continue;
        }
        static const char* const valueOptions[] = {"--from", "--to",     "--edition",
                                                   "--ini",  "--server", "--out"};
        if (std::find_if(std::begin(valueOptions), std::end(valueOptions), [&](const char* o) {
                return option == QLatin1String(o);
            }) == std::end(valueOptions)) {
            *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                         .arg(arguments.at(i));
            return false;
        }
        if (!CommandLine::takeValue(arguments, &i, option, hasValue, &value, error))
            return false;
        if (option == QLatin1String("--from")) {
            from = value;
        } else if (option == QLatin1String("--to")) {
            to = value;
        } else if (option == QLatin1String("--ini")) {
            request->iniFile = value;
        } else if (option == QLatin1String("--server")) {
            request->server = value;
        } else if (option == QLatin1String("--out")) {
            request->out = value;
        } else {
            request->editionGiven = true;
            if (!CommandLine::parseEdition(value, &request->edition, error))
                return false;
        }
    }
    if (request->out.isEmpty()) {
        *error = QCoreApplication::translate("CommandLine",
                                             "the file to write is missing: --out FILE.ics");
        return false;
    }
    // Both kinds unless the user names one.
    if (daysNamed || servicesNamed) {
        request->days = daysNamed;
        request->services = servicesNamed;
    }
    return range(from, to, today, &request->from, &request->to, error);
}

int IcsCommand::main(const QStringList& arguments, const QDateTime& now, FILE* out, FILE* err) {
    Request request;
    QString error;
    if (!parse(arguments.mid(1), now.date(), &request, &error))
        return CommandLine::usageError(err, error, usage());
    HostSession session(err);
    session.setServer(request.server);
    if (!session.open(request.iniFile, request.edition, &error, request.editionGiven))
        return fail(err, error);
    if (request.days && !session.covers(request.from, request.to,
                                        DataCoverage::range(request.from, request.to), &error))
        return fail(err, error);
    FeedReader reader(session.iniFile(), session.server());
    CalendarFeed feed;
    if (!IcsExport::toFile(
            reader, request.from, request.to,
            IcsExport::options(session.edition(), request.days, request.services, now), request.out,
            &error, &feed))
        return fail(err, error);
    std::fprintf(out, "%s: %lld days, %lld services\n", qPrintable(request.out),
                 request.days ? qlonglong(feed.days.size()) : 0LL,
                 request.services ? qlonglong(feed.services.size()) : 0LL);
    std::fflush(out);
    return session.failed() ? 1 : 0;
}
