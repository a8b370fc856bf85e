// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/ServiceCommand.h"

#include "app/CommandLine.h"
#include "app/HostSession.h"
#include "app/JsonOutput.h"
#include "app/TerminalText.h"
#include "services/ServiceComponents.h"
#include "services/cVkRecurringServices.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <memory>

namespace {

using Action = ServiceCommand::Request::Action;
using Service = PlanDatabase::Service;

bool weekdayOf(const QString& name, int* weekday) {
    static const std::pair<const char*, int> days[] = {
        {"monday", 1}, {"tuesday", 2},  {"wednesday", 3}, {"thursday", 4},
        {"friday", 5}, {"saturday", 6}, {"sunday", 7},
    };
    const QString key = name.toLower();
    for (const auto& [text, day] : days) {
        const QLatin1String full(text);
        if (key == full || (key.size() == 3 && full.startsWith(key))) {
            *weekday = day;
            return true;
        }
    }
    return false;
}

bool timeOf(const QString& text) {
    static const QRegularExpression form(QStringLiteral("^(\\d{2}):(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    return match.hasMatch() &&
           QTime(match.captured(1).toInt(), match.captured(2).toInt()).isValid();
}

bool numberIn(const QString& text, int low, int high, int* value) {
    bool ok = false;
    *value = text.toInt(&ok);
    return ok && *value >= low && *value <= high;
}

QString line(const Service& s) {
    // Text from the plan never forges a line or reaches the terminal as an escape sequence.
    return s.date.toString(Qt::ISODate) + QLatin1Char('\t') +
           s.time.toString(QStringLiteral("HH:mm")) + QLatin1Char('\t') +
           TerminalText::printable(s.type) + QLatin1Char('\t') + TerminalText::printable(s.place) +
           QLatin1Char('\n');
}

QString lines(const QList<Service>& services) {
    QString text;
    for (const Service& s : services)
        text += line(s);
    return text;
}

// The flags each action takes.
bool setFlag(ServiceCommand::Request* r, const QString& argument) {
    const bool adds = r->action == Action::Add || r->action == Action::AddSeries;
    if (adds && argument == QLatin1String("--force"))
        r->force = true;
    else if (adds && argument == QLatin1String("--allow-duplicate"))
        r->allowDuplicate = true;
    else if (r->action == Action::Remove && argument == QLatin1String("--all"))
        r->all = true;
    else if (r->action == Action::List && argument == QLatin1String("--json"))
        r->json = true;
    else
        return false;
    return true;
}

QString json(const QDate& month, const QList<Service>& services) {
    QStringList items;
    for (const Service& s : services)
        items.append(QStringLiteral("{\"date\":%1,\"time\":%2,\"type\":%3,\"place\":%4}")
                         .arg(JsonOutput::quote(s.date.toString(Qt::ISODate)),
                              JsonOutput::quote(s.time.toString(QStringLiteral("HH:mm"))),
                              JsonOutput::quote(s.type), JsonOutput::quote(s.place)));
    return QStringLiteral("{\"month\":%1,\"services\":[%2]}\n")
        .arg(JsonOutput::quote(month.toString(QStringLiteral("yyyy-MM"))),
             items.join(QLatin1Char(',')));
}

// Which options each action takes.
bool takes(Action action, const QString& option) {
    static const QStringList common = {QStringLiteral("--ini"), QStringLiteral("--edition"),
                                       QStringLiteral("--server")};
    static const QStringList fields = {QStringLiteral("--time"), QStringLiteral("--type"),
                                       QStringLiteral("--place")};
    static const QStringList series = {QStringLiteral("--every"), QStringLiteral("--from"),
                                       QStringLiteral("--to"), QStringLiteral("--count"),
                                       QStringLiteral("--interval")};
    if (common.contains(option))
        return true;
    switch (action) {
    case Action::Add:
    case Action::AddSeries:
        return fields.contains(option) || series.contains(option);
    case Action::List:
        return false;
    case Action::Remove:
        return option == QLatin1String("--time") || option == QLatin1String("--type");
    }
    return false;
}

bool setOption(const QString& option, const QString& value, ServiceCommand::Request* r,
               QString* error) {
    const auto bad = [&](const QString& text) {
        *error = text;
        return false;
    };
    if (option == QLatin1String("--ini")) {
        if (value.isEmpty())
            return bad(QCoreApplication::translate("CommandLine", "--ini needs a file"));
        r->iniFile = value;
    } else if (option == QLatin1String("--server")) {
        if (value.isEmpty())
            return bad(
                QCoreApplication::translate("CommandLine", "--server needs a connection string"));
        r->server = value;
    } else if (option == QLatin1String("--edition")) {
        bool ok = false;
        r->edition = value.toInt(&ok);
        if (!ok)
            return bad(
                QCoreApplication::translate("CommandLine", "the edition code '%1' is not a number")
                    .arg(value));
    } else if (option == QLatin1String("--time")) {
        if (!timeOf(value))
            return bad(
                QCoreApplication::translate("CommandLine", "'%1' is not a time of the form HH:MM")
                    .arg(value));
        r->time = value;
    } else if (option == QLatin1String("--type")) {
        r->type = value;
    } else if (option == QLatin1String("--place")) {
        r->place = value;
    } else if (option == QLatin1String("--every")) {
        if (!weekdayOf(value, &r->weekday))
            return bad(QCoreApplication::translate("CommandLine",
                                                   "'%1' is not a weekday (monday to sunday)")
                           .arg(value));
        r->action = Action::AddSeries;
    } else if (option == QLatin1String("--from") || option == QLatin1String("--to")) {
        QDate* date = option == QLatin1String("--from") ? &r->from : &r->to;
        if (!CommandLine::parseDate(value, date))
            return bad(QCoreApplication::translate("CommandLine",
                                                   "'%1' is not a date of the form YYYY-MM-DD")
                           .arg(value));
    } else if (option == QLatin1String("--count")) {
        if (!numberIn(value, 1, cVkRecurringServices::kMaxSeries, &r->count))
            return bad(QCoreApplication::translate(
                           "CommandLine", "the number of services '%1' is not from 1 to %2")
                           .arg(value)
                           .arg(cVkRecurringServices::kMaxSeries));
    } else if (option == QLatin1String("--interval")) {
        if (!numberIn(value, 1, cVkRecurringServices::kMaxInterval, &r->interval))
            return bad(QCoreApplication::translate("CommandLine",
                                                   "the interval '%1' is not from 1 to %2 weeks")
                           .arg(value)
                           .arg(cVkRecurringServices::kMaxInterval));
    }
    return true;
}

// Whether the options given make a whole request of its action.
bool complete(const ServiceCommand::Request& r, bool positional, QString* error) {
    const bool seriesOptions = r.from.isValid() || r.to.isValid() || r.count > 0;
    switch (r.action) {
    case Action::Add:
        if (seriesOptions) {
            *error = QCoreApplication::translate("CommandLine",
                                                 "--from, --to and --count go with --every");
            return false;
        }
        if (!positional) {
            *error = QCoreApplication::translate("CommandLine",
                                                 "the date (YYYY-MM-DD) or --every is missing");
            return false;
        }
        return true;
    case Action::AddSeries:
        if (positional) {
            *error = QCoreApplication::translate(
                "CommandLine", "a series takes its dates from --from, not a date");
            return false;
        }
        if (!r.from.isValid()) {
            *error = QCoreApplication::translate("CommandLine", "a series needs --from YYYY-MM-DD");
            return false;
        }
        if (r.to.isValid() == (r.count > 0)) {
            *error = QCoreApplication::translate(
                "CommandLine", "a series needs either --to YYYY-MM-DD or --count N");
            return false;
        }
        if (r.to.isValid() && r.to < r.from) {
            *error = QCoreApplication::translate("CommandLine", "--to %1 lies before --from %2")
                         .arg(r.to.toString(Qt::ISODate), r.from.toString(Qt::ISODate));
            return false;
        }
        return true;
    case Action::List:
        if (!positional)
            *error = QCoreApplication::translate("CommandLine", "the month (YYYY-MM) is missing");
        return positional;
    case Action::Remove:
        if (!positional || r.time.isEmpty()) {
            *error = QCoreApplication::translate(
                "CommandLine", "remove needs the date (YYYY-MM-DD) and --time HH:MM");
            return false;
        }
        return true;
    }
    return false;
}

// Whether the services of `dates` must not be written: outside the years or the liturgy
// data, or already in the plan; `error` says why and what lets them be written.
bool refused(const cVkRecurringServices& services, const ServiceCommand::Request& r,
             const QList<QDate>& dates, QString* error) {
    const QString iso = QStringLiteral("yyyy-MM-dd");
    *error = services.yearsRefusal(dates, iso);
    if (!error->isEmpty())
        return true;
    *error = r.force ? QString() : services.dataRefusal(dates, iso);
    if (!error->isEmpty()) {
        *error += QCoreApplication::translate("CommandLine", " --force plans it anyway.");
        return true;
    }
    if (r.allowDuplicate)
        return false;
    const QList<Service> found = services.duplicates(services.servicesOn(dates));
    if (found.isEmpty())
        return false;
    *error = QCoreApplication::translate(
                 "CommandLine", "the plan already holds %n of these services; --allow-duplicate "
                                "plans them again:\n")
                 .replace(QLatin1String("%n"), QString::number(found.size())) +
             lines(found);
    error->chop(1);
    return true;
}

// Runs the request on the component; the services to print, or false when the component
// reported a failure (or nothing matched a removal, `error` set then).
bool run(const ServiceCommand::Request& r, const HostSession& session, QString* output,
         QString* error) {
    ProcScope scope("liturgy-calendar.service");
    bool done = false;
    scope.run([&] {
        const std::unique_ptr<QObject> object =
            ObjectRegistry::CreateObject(QString::fromLatin1(cVkRecurringServices::kProgId));
        auto* services = qobject_cast<cVkRecurringServices*>(object.get());
        if (!services)
            throw Failure::memberNotSupported(QString::fromLatin1(cVkRecurringServices::kProgId));
        LateBinding::set(services, "pVkIniFile", session.iniFile());
        LateBinding::set(services, "pVersion", session.edition());
        LateBinding::set(services, "pSQLMode", session.sqlMode() == -1);
        LateBinding::set(services, "pConnectionString", session.server());
        LateBinding::set(services, "pTime", r.time);
        LateBinding::set(services, "pServiceType", r.type);
        LateBinding::set(services, "pLocation", r.place);
        LateBinding::set(services, "pAllowOutsideData", r.force);
        LateBinding::set(services, "pAllowDuplicate", r.allowDuplicate);
        switch (r.action) {
        case Action::Add:
            LateBinding::set(services, "pDate", OleDate::fromDate(r.date));
            if (!refused(*services, r, {r.date}, error) &&
                !LateBinding::call(services, "mCreateOneService").toBool())
                return;
            break;
        case Action::AddSeries:
            LateBinding::set(services, "pWeekday", r.weekday);
            LateBinding::set(services, "pInterval", r.interval);
            LateBinding::set(services, "pFirstDate", OleDate::fromDate(r.from));
            LateBinding::set(services, "pLastDate", r.to.isValid() ? OleDate::fromDate(r.to) : 0.0);
            LateBinding::set(services, "pCount", r.count);
            if (!refused(*services, r, services->seriesDates(), error) &&
                !LateBinding::call(services, "mCreateServices").toBool())
                return;
            break;
        case Action::List: {
            const QList<Service> found =
                services->plannedServices(r.date, r.date.addDays(r.date.daysInMonth() - 1));
            if (r.json) {
                *output = json(r.date, found);
            } else {
                for (const Service& s : found)
                    *output += line(s);
            }
            done = true;
            return;
        }
        case Action::Remove: {
            const PlanDatabase::Removal removal = services->removeServices(
                r.date, QTime::fromString(r.time, QStringLiteral("HH:mm")), r.type, r.all);
            const QList<Service>& removed = removal.services;
            if (!removal.removed && removed.size() > 1) {
                *error =
                    QCoreApplication::translate(
                        "CommandLine", "%1 services are planned on %2 at %3; none was removed. "
                                       "Name the kind with --type, or remove them all with "
                                       "--all:\n%4")
                        .arg(removed.size())
                        .arg(r.date.toString(Qt::ISODate), r.time, lines(removed));
                error->chop(1);
                return;
            }
            if (removed.isEmpty()) {
                *error =
                    QCoreApplication::translate("CommandLine",
                                                "no service is planned on %1 at %2%3")
                        .arg(r.date.toString(Qt::ISODate), r.time,
                             r.type.isEmpty()
                                 ? QString()
                                 : QCoreApplication::translate("CommandLine", " of the kind '%1'")
                                       .arg(r.type));
                return;
            }
            *output = lines(removed);
            done = true;
            return;
        }
        }
        if (!error->isEmpty())
            return;
        *output = lines(services->written());
        done = true;
    });
    return done;
}

} // namespace

bool ServiceCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("service");
}

QString ServiceCommand::usage() {
    return QCoreApplication::translate(
        "CommandLine",
        "       liturgy-calendar service add YYYY-MM-DD [--time HH:MM] [--type TEXT] "
        "[--place TEXT] [--force] [--allow-duplicate]\n"
        "       liturgy-calendar service add --every WEEKDAY --from YYYY-MM-DD (--to YYYY-MM-DD "
        "| --count N) [--interval N] [--time HH:MM] [--type TEXT] [--place TEXT] [--force] "
        "[--allow-duplicate]\n"
        "       liturgy-calendar service list YYYY-MM [--json]\n"
        "       liturgy-calendar service remove YYYY-MM-DD --time HH:MM [--type TEXT] [--all]\n"
        "       (each also with [--ini FILE] [--edition CODE] [--server CONNECTION-STRING])\n");
}

bool ServiceCommand::parse(const QStringList& arguments, Request* request, QString* error) {
    *request = Request();
    if (!handles(arguments)) {
        *error = QStringLiteral("not a service command");
        return false;
    }
    static const std::pair<const char*, Action> actions[] = {
        {"add", Action::Add},
        {"list", Action::List},
        {"remove", Action::Remove},
    };
    if (arguments.size() < 2 || !lookupName(actions, arguments.at(1), &request->action)) {
        *error =
            arguments.size() < 2
                ? QCoreApplication::translate("CommandLine", "service needs add, list or remove")
                : QCoreApplication::translate("CommandLine", "unknown service action '%1'")
                      .arg(arguments.at(1));
        return false;
    }
    const Action action = request->action;
    bool positional = false;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString argument = CommandLine::splitOption(arguments.at(i), &value, &hasValue);
        if (!hasValue && setFlag(request, argument))
            continue;
        if (argument.startsWith(QLatin1String("--"))) {
            if (!takes(action, argument)) {
                *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                             .arg(arguments.at(i));
                return false;
            }
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    *error = QCoreApplication::translate("CommandLine", "%1 needs a value")
                                 .arg(argument);
                    return false;
                }
                value = arguments.at(++i);
            }
            if (!setOption(argument, value, request, error))
                return false;
            continue;
        }
        if (positional) {
            *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                         .arg(argument);
            return false;
        }
        const bool ok = action == Action::List ? CommandLine::parseMonth(argument, &request->date)
                                               : CommandLine::parseDate(argument, &request->date);
        if (!ok) {
            *error = action == Action::List
                         ? QCoreApplication::translate("CommandLine",
                                                       "'%1' is not a month of the form YYYY-MM")
                               .arg(argument)
                         : QCoreApplication::translate("CommandLine",
                                                       "'%1' is not a date of the form YYYY-MM-DD")
                               .arg(argument);
            return false;
        }
        positional = true;
    }
    return complete(*request, positional, error);
}

int ServiceCommand::main(const QStringList& arguments, FILE* out, FILE* err) {
    Request request;
    QString error;
    if (!parse(arguments, &request, &error)) {
        std::fprintf(err, "liturgy-calendar: %s\n%s\n%s", qPrintable(error),
                     qPrintable(QCoreApplication::translate("CommandLine", "usage:")),
                     qPrintable(usage()));
        return 2;
    }
    HostSession session(err);
    if (!session.open(request.iniFile, request.edition, &error)) {
        std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
        return 1;
    }
    session.setServer(request.server);
    registerServiceComponents();
    QString output;
    if (!run(request, session, &output, &error)) {
        if (!error.isEmpty())
            std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
        return 1;
    }
    const QByteArray bytes = output.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), out);
    std::fflush(out);
    return session.failed() ? 1 : 0;
}
