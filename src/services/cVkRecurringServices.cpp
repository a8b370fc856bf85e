// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "services/cVkRecurringServices.h"

#include "calendar/CalendarFill.h"
#include "calendar/CalendarRow.h"
#include "data/SqlDate.h"
#include "data/mADO.h"
#include "services/ServiceDialogs.h"
#include "services/cVkSettings.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <cmath>

namespace {

enum CalendarColumn { kDate = 1, kShortName = 4 };

QDate dateOf(double value, const char* what) {
    const QDate date = OleDate::toDate(value);
    if (!std::isfinite(value) || !date.isValid())
        throw Failure::invalidCall(QStringLiteral("%1 is not a date").arg(QLatin1String(what)));
    return date;
}

QString isoDate(const QDate& date) {
    return date.toString(Qt::ISODate);
}

} // namespace

cVkRecurringServices::cVkRecurringServices(std::unique_ptr<ServiceDialogs> dialogs, QObject* parent)
    : QObject(parent), m_dialogs(std::move(dialogs)), m_settings(new cVkSettings(this)) {}

cVkRecurringServices::~cVkRecurringServices() = default;

QObject* cVkRecurringServices::pVkSettings() const {
    return m_settings;
}

QString cVkRecurringServices::planFile() const {
    return modIni::read(m_vkIniFile, QStringLiteral("Files"), QStringLiteral("PlanFile"));
}

QTime cVkRecurringServices::serviceTime() const {
    const QString text = m_time.isEmpty() ? m_settings->pDefaultServiceTime() : m_time;
    static const QRegularExpression form(QStringLiteral("^(\\d{1,2}):(\\d{2})$"));
    const QRegularExpressionMatch match = form.match(text.trimmed());
    const QTime time =
        match.hasMatch() ? QTime(match.captured(1).toInt(), match.captured(2).toInt()) : QTime();
    if (!time.isValid())
        throw Failure::invalidCall(tr("the time '%1' is not a time of the form HH:MM").arg(text));
    return time;
}

QList<QDate> cVkRecurringServices::seriesDates() const {
    if (m_weekday < 0 || m_weekday > 7)
        throw Failure::invalidCall(
            tr("the weekday %1 is not one of 1 (Monday) to 7 (Sunday)").arg(m_weekday));
    if (m_interval < 1 || m_interval > kMaxInterval)
        throw Failure::invalidCall(tr("the interval must be from 1 to %1 weeks, not %2")
                                       .arg(kMaxInterval)
                                       .arg(m_interval));
    if (m_count < 0 || m_count > kMaxSeries)
        throw Failure::invalidCall(
            tr("the number of services must be from 1 to %1, not %2").arg(kMaxSeries).arg(m_count));
    const QDate from = dateOf(m_firstDate != 0 ? m_firstDate : m_date, "the first date");
    QDate first = from;
    if (m_weekday != 0)
        first = from.addDays((m_weekday - from.dayOfWeek() + 7) % 7);
    QList<QDate> dates;
    if (m_count > 0) {
        for (int i = 0; i < m_count; ++i)
            dates.append(first.addDays(qint64(i) * 7 * m_interval));
        if (!dates.last().isValid())
            throw Failure::invalidCall(tr("the series runs past the last date"));
        return dates;
    }
    if (m_lastDate == 0)
        throw Failure::invalidCall(tr("a series needs a last date or a number of "
                                      "services"));
    const QDate last = dateOf(m_lastDate, "the last date");
    if (last < from)
        throw Failure::invalidCall(
            tr("the last date %1 lies before the first date %2").arg(isoDate(last), isoDate(from)));
    const qint64 step = 7 * qint64(m_interval);
    const qint64 span = first <= last ? first.daysTo(last) / step + 1 : 0;
    if (span > kMaxSeries)
        throw Failure::invalidCall(tr("a series holds at most %1 services; this one "
                                      "would hold %2")
                                       .arg(kMaxSeries)
                                       .arg(span));
    for (qint64 i = 0; i < span; ++i)
        dates.append(first.addDays(i * step));
    if (dates.isEmpty())
        throw Failure::invalidCall(
            tr("no such weekday lies from %1 to %2").arg(isoDate(from), isoDate(last)));
    return dates;
}

bool cVkRecurringServices::mShowCreateOne() {
    ProcScope scope("cVkRecurringServices.mShowCreateOne");
    bool result = false;
    scope.run([&] {
        if (!m_dialogs)
            throw Failure::cannotCreateObject(QStringLiteral("the service dialog"));
        result = m_dialogs->editOne(*this);
    });
    return result;
}

bool cVkRecurringServices::mShow() {
    ProcScope scope("cVkRecurringServices.mShow");
    bool result = false;
    scope.run([&] {
        if (!m_dialogs)
            throw Failure::cannotCreateObject(QStringLiteral("the series dialog"));
        result = m_dialogs->editSeries(*this);
    });
    return result;
}

bool cVkRecurringServices::mCreateOneService() {
    ProcScope scope("cVkRecurringServices.mCreateOneService");
    bool result = false;
    scope.run([&] { result = write({dateOf(m_date, "the date of the service")}); });
    return result;
}

bool cVkRecurringServices::mCreateServices() {
    ProcScope scope("cVkRecurringServices.mCreateServices");
    bool result = false;
    scope.run([&] { result = write(seriesDates()); });
    return result;
}

bool cVkRecurringServices::mShowChange() {
    ProcScope scope("cVkRecurringServices.mShowChange");
    bool result = false;
    scope.run([&] {
        if (!m_dialogs)
            throw Failure::cannotCreateObject(QStringLiteral("the service dialog"));
        m_original = describedService();
        result = m_dialogs->editOne(*this);
        if (!result)
            m_original.reset();
    });
    return result;
}

bool cVkRecurringServices::mChangeService() {
    ProcScope scope("cVkRecurringServices.mChangeService");
    bool result = false;
    scope.run([&] {
        if (!m_original)
            throw Failure::invalidCall(QStringLiteral("no service is being changed"));
        result = write({dateOf(m_date, "the date of the service")});
    });
    return result;
}

bool cVkRecurringServices::mRemoveService() {
    ProcScope scope("cVkRecurringServices.mRemoveService");
    bool result = false;
    scope.run([&] {
        const PlanDatabase::Service service = describedService();
        PlanDatabase plan;
        openPlan(plan, false);
        m_removed.reset();
        result = plan.removeOne(service);
        if (result)
            m_removed = service;
    });
    return result;
}

void cVkRecurringServices::openPlan(PlanDatabase& plan, bool createMissing,
                                    PlanDatabase::Access access) const {
    if (onServer())
        plan.openServer(m_connectionString);
    else
        plan.open(planFile(), createMissing, access);
}

PlanDatabase::Service cVkRecurringServices::describedService() const {
    return {dateOf(m_date, "the date of the service"), serviceTime(), m_serviceType, m_location};
}

QList<PlanDatabase::Service> cVkRecurringServices::servicesOn(const QList<QDate>& dates) const {
    const QTime time = serviceTime();
    QList<PlanDatabase::Service> services;
    services.reserve(dates.size());
    for (const QDate& date : dates)
        services.append({date, time, m_serviceType, m_location});
    return services;
}

const CalendarSpan& cVkRecurringServices::liturgySpan() const {
    if (m_span)
        return *m_span;
    m_span = CalendarSpan();
    const QString file =
        modIni::read(m_vkIniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
    if (!onServer() && !mVBFileDisk::fileExists(file))
        return *m_span;
    try {
        const qint16 mode = onServer() ? -1 : 0;
        const ConnectionPtr connection =
            mADO::getConnection(file, mADO::mGetConString(file, mode, m_connectionString));
        // A database without a calendar (a server that holds only the plan) is told by the
        // refusal's own sentence, not by the engine's.
        m_span = CalendarSpan::read(connection, true);
        mADO::closeConnection(file);
    } catch (const Failure&) {
        // Unreadable data covers nothing: the refusal says so.
    }
    return *m_span;
}

QString cVkRecurringServices::yearsRefusal(const QList<QDate>& dates,
                                           const QString& dateFormat) const {
    const QDate low(CalendarSpan::kFirstYear, 1, 1);
    const QDate high(CalendarSpan::kLastYear, 12, 31);
    for (const QDate& date : dates)
        if (!date.isValid() || date < low || date > high)
            return tr("%1 lies outside the years in which services can be planned, %2 to %3.")
                .arg(date.isValid() ? date.toString(dateFormat) : tr("A date"),
                     low.toString(dateFormat), high.toString(dateFormat));
    return {};
}

QString cVkRecurringServices::dataRefusal(const QList<QDate>& dates,
                                          const QString& dateFormat) const {
    if (dates.isEmpty())
        return {};
    const CalendarSpan& span = liturgySpan();
    if (span.isEmpty())
        return tr("%1 cannot be checked against the liturgy data: the liturgy database holds "
                  "no calendar.")
            .arg(dates.first().toString(dateFormat));
    for (const QDate& date : dates)
        if (date < span.first() || date > span.last())
            return tr("%1 lies outside the liturgy data, which covers %2 to %3.")
                .arg(date.toString(dateFormat), span.first().toString(dateFormat),
                     span.last().toString(dateFormat));
    return {};
}

QString cVkRecurringServices::refusal(const QList<QDate>& dates, const QString& dateFormat) const {
    const QString years = yearsRefusal(dates, dateFormat);
    if (!years.isEmpty() || m_allowOutsideData)
        return years;
    return dataRefusal(dates, dateFormat);
}

QList<PlanDatabase::Service>
cVkRecurringServices::duplicates(const QList<PlanDatabase::Service>& services) const {
    if (!onServer() && !mVBFileDisk::fileExists(planFile()))
        return {};
    try {
        PlanDatabase plan;
        openPlan(plan, false, PlanDatabase::Access::Read);
        QList<PlanDatabase::Service> found = plan.duplicates(services);
        // The service being changed is no duplicate of itself.
        if (m_original)
            found.removeOne(*m_original);
        return found;
    } catch (const Failure&) {
        // The write reports what is wrong with the plan.
        return {};
    }
}

namespace {

// In the edition's language, as the rest of the status bar is.
QString statusDay(const QDate& date) {
    return languageLocale().toString(date, QStringLiteral("ddd d MMM yyyy"));
}

// The time, kind and place of a service, as the status bar names them.
QString timeKindPlace(const PlanDatabase::Service& s) {
    QString what = s.time.toString(QStringLiteral("HH:mm"));
    for (const QString& part : {s.type, s.place})
        if (!part.isEmpty())
            what += QStringLiteral(", ") + part;
    return what;
}

// A service as the status bar names it: its day, time, kind and place.
QString describe(const PlanDatabase::Service& s) {
    return statusDay(s.date) + QLatin1Char(' ') + timeKindPlace(s);
}

} // namespace

QString cVkRecurringServices::serviceText() const {
    try {
        return describe(describedService());
    } catch (const Failure&) {
        // The properties describe no service.
        return {};
    }
}

QString cVkRecurringServices::plannedText() const {
    if (m_removed)
        return tr("Removed: %1").arg(describe(*m_removed));
    if (m_written.isEmpty())
        return {};
    const PlanDatabase::Service& s = m_written.first();
    const QString done = m_original ? tr("Changed:") : tr("Planned:");
    if (m_written.size() == 1)
        return QStringLiteral("%1 %2").arg(done, describe(s));
    return tr("%1 %2 services, %3 to %4, %5")
        .arg(done)
        .arg(m_written.size())
        .arg(statusDay(s.date), statusDay(m_written.last().date), timeKindPlace(s));
}

bool cVkRecurringServices::write(const QList<QDate>& dates) {
    m_written.clear();
    m_removed.reset();
    const QString refused = refusal(dates, QStringLiteral("yyyy-MM-dd"));
    if (!refused.isEmpty())
        throw Failure::invalidCall(refused);
    QList<PlanDatabase::Service> services = servicesOn(dates);
    // Refused before the plan is opened for writing, which would change the file; the write
    // checks again inside its transaction.
    const QList<PlanDatabase::Service> found =
        m_allowDuplicate ? QList<PlanDatabase::Service>() : duplicates(services);
    if (!found.isEmpty())
        throw PlanDatabase::duplicatesRefused(found);
    PlanDatabase plan;
    openPlan(plan, true);
    if (m_original)
        plan.replace(*m_original, services.first(), m_allowDuplicate);
    else
        plan.add(services, m_allowDuplicate);
    m_written = std::move(services);
    return true;
}

QStringList cVkRecurringServices::knownServiceTypes() const {
    try {
        PlanDatabase plan;
        openPlan(plan, false, PlanDatabase::Access::Read);
        return plan.serviceTypes();
    } catch (const Failure&) {
        // The dialog offers no kinds then; the write reports what is wrong with the file.
        return {};
    }
}

QList<PlanDatabase::Service> cVkRecurringServices::plannedServices(const QDate& first,
                                                                   const QDate& last) const {
    ProcScope scope("cVkRecurringServices.plannedServices");
    QList<PlanDatabase::Service> services;
    scope.run([&] {
        // A plan that was never written holds no services yet.
        const QString file = planFile();
        if (!onServer() && !file.trimmed().isEmpty() && !mVBFileDisk::fileExists(file))
            return;
        PlanDatabase plan;
        openPlan(plan, false, PlanDatabase::Access::Read);
        services = plan.services(first, last);
    });
    return services;
}

PlanDatabase::Removal cVkRecurringServices::removeServices(const QDate& date, const QTime& time,
                                                           const QString& type, bool all) {
    ProcScope scope("cVkRecurringServices.removeServices");
    PlanDatabase::Removal removal;
    scope.run([&] {
        PlanDatabase plan;
        openPlan(plan, false);
        removal = plan.remove(date, time, type, all);
    });
    return removal;
}

QStringList cVkRecurringServices::dayNames(const QList<QDate>& dates) const {
    QStringList names(dates.size());
    if (dates.isEmpty())
        return names;
    ProcScope scope("cVkRecurringServices.dayNames");
    scope.run([&] {
        const qint16 mode = onServer() ? -1 : 0;
        const QString range = QStringLiteral(" WHERE Date >=") +
                              getSQLDate(OleDate::fromDate(dates.first()), 0, 0, 0, mode) +
                              QStringLiteral(" AND Date <=") +
                              getSQLDate(OleDate::fromDate(dates.last()), 0, 0, 0, mode);
        const QString file =
            modIni::read(m_vkIniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
        // The list shows dates only, rather than a message on every change, without the file.
        if (!onServer() && !mVBFileDisk::fileExists(file))
            return;
        const ConnectionPtr connection =
            mADO::getConnection(file, mADO::mGetConString(file, mode, m_connectionString));
        const ResData rows =
            mADO::getResData(connection, CalendarFill::calendarStatement(range, false), 3, false);
        mADO::closeConnection(file);
        if (!rows.isTable())
            return;
        // The first row of a date (in ID order) names it.
        QHash<QDate, QString> first;
        const RowTable& table = rows.table();
        for (int row = 0; row < table.rowCount(); ++row) {
            const QDate date = CalendarRow::civilDate(table.at(kDate, row), "Date");
            if (!first.contains(date))
                first.insert(date, CalendarRow::text(table.at(kShortName, row)));
        }
        for (qsizetype i = 0; i < dates.size(); ++i)
            names[i] = first.value(dates.at(i));
    });
    return names;
}
