// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/PrintCommand.h"

#include "app/CommandLine.h"
#include "app/DayCommand.h"
#include "app/HostSession.h"
#include "app/MonthCommand.h"
#include "app/WeekCommand.h"
#include "app/WindowProgram.h"
#include "content/ContentComponents.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cZiRivedUvuridu.h"
#include "day_page/ui/cBrowserHeader.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/ui/HostPrinting.h"
#include "resources/ResourceStrings.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>

namespace {

// The host application's title, which the window gives the component as pAppTitle: the
// window's own text, so that a print says it in the edition's language as the window does.
constexpr const char* kAppTitle = QT_TRANSLATE_NOOP("HostWindow", "Liturgy Calendar");

QString appTitle() {
    return QCoreApplication::translate("HostWindow", kAppTitle);
}

// The weekday and month names in the edition's language, as the window names its calendars.
template <class View> void nameCalendarDays(View& view) {
    const QLocale locale = ResourceStrings::locale();
    view.setDayNames(CalendarPaint::localeDayNames(locale).join(QLatin1Char(',')));
    view.setMonthNames(CalendarPaint::localeMonthNames(locale).join(QLatin1Char(',')));
}

bool whatOf(const QString& name, PrintCommand::Request::What* what) {
    using What = PrintCommand::Request::What;
    static const std::pair<const char*, What> names[] = {
        {"month", What::Month}, {"week", What::Week}, {"day", What::Day}};
    return lookupName(names, name, what);
}

bool monthHasData(const MonthCalendarModel& model) {
    for (int day = 1; day <= model.daysInMonth(); ++day)
        if (!model.dayText(day, 1).isEmpty())
            return true;
    return false;
}

bool weekHasData(const WeekCalendarModel& model) {
    for (QDate d = model.startDate(); d <= model.endDate(); d = d.addDays(1))
        if (!model.dateText(d).isEmpty())
            return true;
    return false;
}

// Prints the calendar `view` through the print preview component, as the window does.
bool printCalendar(const PrintCommand::Request& request, const HostSession& session, QObject* view,
                   const char* method) {
    const std::unique_ptr<QObject> preview =
        ObjectRegistry::CreateObject(QString::fromLatin1(cZiRivedUvuridu::kProgId));
    const QString title = appTitle();
    HostPrinting::setUpPreview(preview.get(), session.edition(), title);
    LateBinding::set(preview.get(), "pctMonth", QVariant::fromValue(view));
    LateBinding::set(preview.get(), "pScaleFactor", qint32(100));
    LateBinding::set(preview.get(), "pCaption", title);
    LateBinding::set(preview.get(), "pOutputFile", request.pdf);
    LateBinding::set(preview.get(), "pPrinterName", request.printer);
    return LateBinding::call(preview.get(), method, {qint32(1), true}).toBool();
}

QString monthName(const QDate& date) {
    return date.toString(QStringLiteral("yyyy-MM"));
}

} // namespace

bool PrintCommand::handles(const QStringList& arguments) {
    return !arguments.isEmpty() && arguments.first() == QLatin1String("print");
}

QString PrintCommand::usage() {
    return WindowProgram::printUsage();
}

bool PrintCommand::parse(const QStringList& arguments, Request* request, QString* error) {
    *request = Request();
    if (!handles(arguments)) {
        *error = QStringLiteral("not a print command");
        return false;
    }
    if (arguments.size() < 2 || !whatOf(arguments.at(1), &request->what)) {
        *error = QCoreApplication::translate("CommandLine", "print what? month, week or day");
        return false;
    }
    const bool day = request->what == Request::What::Day;
    bool dateSeen = false;
    for (qsizetype i = 2; i < arguments.size(); ++i) {
        QString value;
        bool hasValue = false;
        const QString argument = CommandLine::splitOption(arguments.at(i), &value, &hasValue);
        static const char* const options[] = {"--pdf",  "--printer", "--ini",   "--edition",
                                              "--kind", "--entry",   "--server"};
        const bool known =
            std::any_of(std::begin(options), std::end(options),
                        [&](const char* o) { return argument == QLatin1String(o); }) &&
            (day || (argument != QLatin1String("--kind") && argument != QLatin1String("--entry")));
        if (known) {
            if (!hasValue) {
                if (i + 1 >= arguments.size()) {
                    *error = QCoreApplication::translate("CommandLine", "%1 needs a value")
                                 .arg(argument);
                    return false;
                }
                value = arguments.at(++i);
            }
            if (value.isEmpty()) {
                *error =
                    QCoreApplication::translate("CommandLine", "%1 needs a value").arg(argument);
                return false;
            }
            bool ok = true;
            if (argument == QLatin1String("--pdf")) {
                request->pdf = value;
            } else if (argument == QLatin1String("--printer")) {
                request->printer = value;
            } else if (argument == QLatin1String("--ini")) {
                request->iniFile = value;
            } else if (argument == QLatin1String("--server")) {
                request->server = value;
            } else if (argument == QLatin1String("--edition")) {
                request->edition = value.toInt(&ok);
            } else if (argument == QLatin1String("--kind")) {
                ok = DayCommand::parseKind(value, &request->kind);
            } else {
                request->entry = value.toInt(&ok);
                ok = ok && request->entry >= 1;
            }
            if (!ok) {
                *error =
                    QCoreApplication::translate("CommandLine", "'%1' is not a valid value of %2")
                        .arg(value, argument);
                return false;
            }
            continue;
        }
        if (!dateSeen && !argument.startsWith(QLatin1Char('-'))) {
            const bool parsed = day ? DayCommand::parseDate(argument, &request->date)
                                    : CommandLine::parseMonth(argument, &request->date);
            if (!parsed) {
                *error = QCoreApplication::translate("CommandLine", "'%1' is not a %2")
                             .arg(argument, day ? QCoreApplication::translate(
                                                      "CommandLine", "date of the form YYYY-MM-DD")
                                                : QCoreApplication::translate(
                                                      "CommandLine", "month of the form YYYY-MM"));
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
        *error =
            day ? QCoreApplication::translate("CommandLine", "the date (YYYY-MM-DD) is missing")
                : QCoreApplication::translate("CommandLine", "the month (YYYY-MM) is missing");
        return false;
    }
    if (request->pdf.isEmpty() == request->printer.isEmpty()) {
        *error =
            QCoreApplication::translate("CommandLine", "give either --pdf FILE or --printer NAME");
        return false;
    }
    return true;
}

bool PrintCommand::run(const Request& request, const HostSession& session, QString* error) {
    registerContentComponents();
    cZiRivedUvuridu::registerComponent();
    const QString target = request.pdf.isEmpty() ? request.printer : request.pdf;
    // A day or month the data does not reach is said as every command says it.
    const bool day = request.what == Request::What::Day;
    const QDate last = day ? request.date : request.date.addMonths(1).addDays(-1);
    if (!session.covers(request.date, last,
                        day ? request.date.toString(Qt::ISODate) : monthName(request.date), error))
        return false;
    bool printed = false;
    switch (request.what) {
    case Request::What::Month: {
        MonthCalendarView view;
        nameCalendarDays(view);
        MonthCommand::fill(request.date, session, &view.model());
        if (!monthHasData(view.model())) {
            *error = session.outsideData(monthName(request.date));
            return false;
        }
        HostPrinting::prepareMonthForPaper(view.model());
        printed = printCalendar(request, session, &view, "mShowMonth");
        break;
    }
    case Request::What::Week: {
        WeekCalendarView view;
        nameCalendarDays(view);
        WeekCommand::fill(request.date, session, &view.model());
        if (!weekHasData(view.model())) {
            *error = session.outsideData(monthName(request.date));
            return false;
        }
        printed = printCalendar(request, session, &view, "mShowCalendar");
        break;
    }
    case Request::What::Day: {
        // The day page window as the host window sets it up, off screen.
        fThisDay page;
        page.setTag(QString::number(request.kind));
        page.setPAppTitle(appTitle());
        page.setPConnectionString(session.server());
        page.setPVkIniFile(session.iniFile());
        page.setPSQLMode(session.sqlMode());
        page.setPUser(0);
        page.setPVersion(session.edition());
        // A day without readings is reported, not printed as the window's short page.
        page.assembly().setShortPages(false);
        page.mInitialize();
        page.setPDate(OleDate::fromDate(request.date));
        page.mShow(false);
        if (request.entry != 1) {
            if (request.entry > page.dayListCount()) {
                *error =
                    QCoreApplication::translate("CommandLine", "the day list of %1 has no entry %2")
                        .arg(request.date.toString(Qt::ISODate))
                        .arg(request.entry);
                return false;
            }
            page.setDayListIndex(request.entry);
            page.assembly().dayListPicked();
        }
        if (page.location().isEmpty()) {
            *error = QCoreApplication::translate("CommandLine", "there is no page of %1 to print")
                         .arg(request.date.toString(Qt::ISODate));
            return false;
        }
        cBrowserHeader header;
        HostPrinting::setUpBrowserHeader(header, page);
        header.setOutputFile(request.pdf);
        header.setPrinterName(request.printer);
        printed = header.mPrintDirect();
        break;
    }
    }
    // A failure the session has reported is said once, in its own line.
    if (session.failed())
        return false;
    if (!printed) {
        *error = QCoreApplication::translate("CommandLine", "could not print on %1").arg(target);
        return false;
    }
    return true;
}

int PrintCommand::main(int argc, char** argv, FILE* err) {
    // A print shows nothing, so it needs no display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("liturgy-calendar"));
    const QStringList arguments = QCoreApplication::arguments().mid(1);
    // The edition's language from the first mistake on.
    HostSession::chooseLanguage(arguments);
    Request request;
    QString error;
    if (!parse(arguments, &request, &error)) {
        return CommandLine::usageError(err, error, usage());
    }
    HostSession session(err);
    session.setServer(request.server);
    if (!session.open(request.iniFile, request.edition, &error)) {
        std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
        return 1;
    }
    if (!run(request, session, &error)) {
        if (!error.isEmpty())
            std::fprintf(err, "liturgy-calendar: %s\n", qPrintable(error));
        return 1;
    }
    // Where the result went, so that the user can find it.
    if (request.pdf.isEmpty())
        std::printf("%s\n",
                    qPrintable(QCoreApplication::translate("CommandLine", "Sent to the printer %1")
                                   .arg(request.printer)));
    else
        std::printf("%s\n", qPrintable(QFileInfo(request.pdf).absoluteFilePath()));
    return 0;
}
