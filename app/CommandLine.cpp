// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/CommandLine.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <iterator>

namespace {

using Command = CommandRequest::Command;

bool commandOf(const QString& name, Command* command) {
    static const std::pair<const char*, Command> commands[] = {
        {"version", Command::Version}, {"--version", Command::Version}, {"help", Command::Help},
        {"--help", Command::Help},     {"month", Command::Month},       {"week", Command::Week},
        {"edition", Command::Edition},
    };
    return lookupName(commands, name, command);
}

// The command words of liturgy-calendar and of its helper programs.
bool isCommandWord(const QString& word) {
    static const char* const words[] = {"version", "help",  "month",  "week",           "edition",
                                        "day",     "mail",  "import", "copy-to-server", "service",
                                        "ics",     "serve", "print",  "export"};
    return std::any_of(std::begin(words), std::end(words),
                       [&](const char* w) { return word == QLatin1String(w); });
}

// The options that take the next argument as their value (when not written "--name=value").
bool takesValue(const QString& option) {
    static const char* const options[] = {
        "--ini",   "--edition", "--server",   "--kind", "--entry", "--pdf",    "--printer",
        "--odt",   "--date",    "--from",     "--to",   "--out",   "--type",   "--time",
        "--place", "--every",   "--interval", "--days", "--count", "--listen", "--screenshot"};
    return std::any_of(std::begin(options), std::end(options),
                       [&](const char* o) { return option == QLatin1String(o); });
}

} // namespace

QStringList CommandLine::commandFirst(const QStringList& arguments) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (!argument.startsWith(QLatin1String("--"))) {
            if (i == 0 || !isCommandWord(argument))
                return arguments;
            // The leading options go after the command's own words: "print month", "mail day".
            static const char* const withSubcommand[] = {"print", "export", "mail", "service"};
            const bool twoWords =
                std::any_of(std::begin(withSubcommand), std::end(withSubcommand),
                            [&](const char* w) { return argument == QLatin1String(w); });
            QStringList ordered = arguments.mid(i);
            const qsizetype at = qMin(ordered.size(), qsizetype(twoWords ? 2 : 1));
            for (qsizetype k = i - 1; k >= 0; --k)
                ordered.insert(at, arguments.at(k));
            return ordered;
        }
        if (!argument.contains(QLatin1Char('=')) && takesValue(argument))
            ++i;
    }
    return arguments;
}

void CommandLine::languageOptions(const QStringList& arguments, QString* iniFile, qint32* edition) {
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString option = splitOption(arguments.at(i), &value, &hasValue);
        if (option != QLatin1String("--ini") && option != QLatin1String("--edition"))
            continue;
        if (!hasValue) {
            if (i + 1 >= arguments.size())
                return;
            value = arguments.at(++i);
        }
        if (option == QLatin1String("--ini")) {
            *iniFile = value;
            continue;
        }
        bool ok = false;
        const qint32 code = value.toInt(&ok);
        if (ok)
            *edition = code;
    }
}

QString CommandLine::usage() {
    // The word is padded so that the commands below line up with the first.
    return QCoreApplication::translate("CommandLine", "usage:").leftJustified(6) +
           QCoreApplication::translate(
               "CommandLine", " liturgy-calendar version\n"
                              "       liturgy-calendar month YYYY-MM [--ini FILE] [--edition CODE] "
                              "[--server CONNECTION-STRING] [--json]\n"
                              "       liturgy-calendar week YYYY-MM [--ini FILE] [--edition CODE] "
                              "[--server CONNECTION-STRING] [--json]\n"
                              "       liturgy-calendar edition [--ini FILE] [--edition CODE] "
                              "[--server CONNECTION-STRING]\n"
                              "       liturgy-calendar help\n");
}

bool CommandLine::parseMonth(const QString& text, QDate* month) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const int year = match.captured(1).toInt();
    const int monthNumber = match.captured(2).toInt();
    // Date values start in the year 100.
    if (year < 100 || monthNumber < 1 || monthNumber > 12)
        return false;
    *month = QDate(year, monthNumber, 1);
    return true;
}

bool CommandLine::parseDate(const QString& text, QDate* date) {
    static const QRegularExpression form(QStringLiteral("^(\\d{4})-(\\d{2})-(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return false;
    const QDate parsed(match.captured(1).toInt(), match.captured(2).toInt(),
                       match.captured(3).toInt());
    if (!parsed.isValid() || parsed.year() < 100)
        return false;
    *date = parsed;
    return true;
}

bool CommandLine::takeValue(const QStringList& arguments, qsizetype* i, const QString& option,
                            bool hasValue, QString* value, QString* error) {
    if (!hasValue) {
        if (*i + 1 >= arguments.size()) {
            *error = QCoreApplication::translate("CommandLine", "%1 needs a value").arg(option);
            return false;
        }
        *value = arguments.at(++*i);
    }
    if (value->isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "%1 needs a value").arg(option);
        return false;
    }
    return true;
}

bool CommandLine::parseEdition(const QString& text, qint32* edition, QString* error) {
    bool ok = false;
    *edition = text.toInt(&ok);
    if (!ok)
        *error = QCoreApplication::translate("CommandLine", "the edition code '%1' is not a number")
                     .arg(text);
    return ok;
}

QString CommandLine::splitOption(const QString& argument, QString* value, bool* hasValue) {
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    if (!argument.startsWith(QLatin1String("--")) || equals <= 0)
        return argument;
    *value = argument.mid(equals + 1);
    *hasValue = true;
    return argument.left(equals);
}

bool CommandLine::parse(const QStringList& arguments, CommandRequest* request, QString* error) {
    *request = CommandRequest();
    if (arguments.isEmpty()) {
        *error = QCoreApplication::translate("CommandLine", "no command given");
        return false;
    }
    if (!commandOf(arguments.first(), &request->command)) {
        *error = QCoreApplication::translate("CommandLine", "unknown command '%1'")
                     .arg(arguments.first());
        return false;
    }
    const Command command = request->command;
    const bool takesMonth = command == Command::Month || command == Command::Week;
    const bool takesOptions = command != Command::Version && command != Command::Help;
    bool monthSeen = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString argument = CommandLine::splitOption(arguments.at(i), &value, &hasValue);
        const bool valueOption =
            argument == QLatin1String("--ini") || argument == QLatin1String("--edition") ||
            ((takesMonth || command == Command::Edition) && argument == QLatin1String("--server"));
        if (takesOptions && valueOption) {
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    *error = QCoreApplication::translate("CommandLine", "%1 needs a value")
                                 .arg(argument);
                    return false;
                }
                value = arguments.at(++i);
            }
            if (argument == QLatin1String("--ini")) {
                if (value.isEmpty()) {
                    *error = QCoreApplication::translate("CommandLine", "--ini needs a file");
                    return false;
                }
                request->iniFile = value;
                continue;
            }
            if (argument == QLatin1String("--server")) {
                if (value.isEmpty()) {
                    *error = QCoreApplication::translate("CommandLine",
                                                         "--server needs a connection string");
                    return false;
                }
                request->server = value;
                continue;
            }
            bool ok = false;
            request->edition = value.toInt(&ok);
            request->editionGiven = true;
            if (!ok) {
                *error = QCoreApplication::translate("CommandLine",
                                                     "the edition code '%1' is not a number")
                             .arg(value);
                return false;
            }
            continue;
        }
        if (takesMonth && argument == QLatin1String("--json") && !hasValue) {
            request->json = true;
            continue;
        }
        if (takesMonth && !monthSeen && !argument.startsWith(QLatin1Char('-'))) {
            if (!parseMonth(argument, &request->month)) {
                *error = QCoreApplication::translate("CommandLine",
                                                     "'%1' is not a month of the form YYYY-MM")
                             .arg(argument);
                return false;
            }
            monthSeen = true;
            continue;
        }
        *error = QCoreApplication::translate("CommandLine", "unexpected argument '%1'")
                     .arg(arguments.at(i));
        return false;
    }
    if (takesMonth && !monthSeen) {
        *error = QCoreApplication::translate("CommandLine", "the month (YYYY-MM) is missing");
        return false;
    }
    return true;
}

int CommandLine::usageError(FILE* err, const QString& error, const QString& usage) {
    std::fprintf(err, "liturgy-calendar: %s\n%s\n", qPrintable(error),
                 qPrintable(usageLine(usage)));
    return 2;
}

QString CommandLine::usageLine(const QString& usage) {
    return QCoreApplication::translate("CommandLine", "usage: %1").arg(usage.trimmed());
}
