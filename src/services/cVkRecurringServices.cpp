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
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QHash>
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
        throw Failure::invalidCall(
            QStringLiteral("the time '%1' is not a time of the form HH:MM").arg(text));
    return time;
}

QList<QDate> cVkRecurringServices::seriesDates() const {
    if (m_weekday < 0 || m_weekday > 7)
        throw Failure::invalidCall(
            QStringLiteral("the weekday %1 is not one of 1 (Monday) to 7 (Sunday)").arg(m_weekday));
    if (m_interval < 1 || m_interval > kMaxInterval)
        throw Failure::invalidCall(QStringLiteral("the interval must be from 1 to %1 weeks, not %2")
                                       .arg(kMaxInterval)
                                       .arg(m_interval));
    if (m_count < 0 || m_count > kMaxSeries)
        throw Failure::invalidCall(
            QStringLiteral("the number of services must be from 1 to %1, not %2")
                .arg(kMaxSeries)
                .arg(m_count));
    const QDate from = dateOf(m_firstDate != 0 ? m_firstDate : m_date, "the first date");
    QDate first = from;
    if (m_weekday != 0)
        first = from.addDays((m_weekday - from.dayOfWeek() + 7) % 7);
    QList<QDate> dates;
    if (m_count > 0) {
        for (int i = 0; i < m_count; ++i)
            dates.append(first.addDays(qint64(i) * 7 * m_interval));
        if (!dates.last().isValid())
            throw Failure::invalidCall(QStringLiteral("the series runs past the last date"));
        return dates;
    }
    if (m_lastDate == 0)
        throw Failure::invalidCall(QStringLiteral("a series needs a last date or a number of "
                                                  "services"));
    const QDate last = dateOf(m_lastDate, "the last date");
    if (last < from)
        throw Failure::invalidCall(QStringLiteral("the last date %1 lies before the first date %2")
                                       .arg(isoDate(last), isoDate(from)));
    const qint64 step = 7 * qint64(m_interval);
    const qint64 span = first <= last ? first.daysTo(last) / step + 1 : 0;
    if (span > kMaxSeries)
        throw Failure::invalidCall(QStringLiteral("a series holds at most %1 services; this one "
                                                  "would hold %2")
                                       .arg(kMaxSeries)
                                       .arg(span));
    for (qint64 i = 0; i < span; ++i)
        dates.append(first.addDays(i * step));
    if (dates.isEmpty())
        throw Failure::invalidCall(
            QStringLiteral("no such weekday lies from %1 to %2").arg(isoDate(from), isoDate(last)));
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

void cVkRecurringServices::openPlan(PlanDatabase& plan, bool createMissing) const {
    if (onServer())
        plan.openServer(m_connectionString);
    else
        plan.open(planFile(), createMissing);
}

bool cVkRecurringServices::write(const QList<QDate>& dates) {
    m_written.clear();
    const QTime time = serviceTime();
    QList<PlanDatabase::Service> services;
    services.reserve(dates.size());
    for (const QDate& date : dates)
        services.append({date, time, m_serviceType, m_location});
    PlanDatabase plan;
    openPlan(plan, true);
    plan.add(services);
    m_written = std::move(services);
    return true;
}

QStringList cVkRecurringServices::knownServiceTypes() const {
    try {
        PlanDatabase plan;
        openPlan(plan, false);
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
        openPlan(plan, false);
        services = plan.services(first, last);
    });
    return services;
}

QList<PlanDatabase::Service>
cVkRecurringServices::removeServices(const QDate& date, const QTime& time, const QString& type) {
    ProcScope scope("cVkRecurringServices.removeServices");
    QList<PlanDatabase::Service> removed;
    scope.run([&] {
        PlanDatabase plan;
        openPlan(plan, false);
        removed = plan.remove(date, time, type);
    });
    return removed;
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
