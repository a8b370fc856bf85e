// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "calendar/CalendarSpan.h"
#include "data/PlanDatabase.h"
#include "services/ServiceDialogs.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class cVkSettings;

// The recurring-services component: plans one service or a weekly series into tbMainPlan of
// the plan database (INI "Files", "PlanFile"; in server mode the host's database server). The host
// window creates it by its programmatic identifier for one command, sets the properties by name,
// shows a dialog and writes what the user chose; the command line sets the same properties and
// writes without a dialog.
class cVkRecurringServices : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)
    Q_PROPERTY(qint32 pUser READ pUser WRITE setPUser)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(QString pAppTitle READ pAppTitle WRITE setPAppTitle)
    Q_PROPERTY(QObject* pVkSettings READ pVkSettings)
    Q_PROPERTY(qint32 pScanDirection READ pScanDirection WRITE setPScanDirection)
    Q_PROPERTY(double pDate READ pDate WRITE setPDate)
    Q_PROPERTY(QString pConnectionString READ pConnectionString WRITE setPConnectionString)
    Q_PROPERTY(bool pSQLMode READ pSQLMode WRITE setPSQLMode)
    // What is written: the time ("HH:MM"; empty takes the settings' default time), the kind
    // of service and the place.
    Q_PROPERTY(QString pTime READ pTime WRITE setPTime)
    Q_PROPERTY(QString pServiceType READ pServiceType WRITE setPServiceType)
    Q_PROPERTY(QString pLocation READ pLocation WRITE setPLocation)
    // A series: the weekday (1 Monday to 7 Sunday; 0 the weekday of the first date), every
    // pInterval weeks from the first such day on or after pFirstDate (0: pDate), up to
    // pLastDate or for pCount services (0: up to the last date).
    Q_PROPERTY(qint32 pWeekday READ pWeekday WRITE setPWeekday)
    Q_PROPERTY(qint32 pInterval READ pInterval WRITE setPInterval)
    Q_PROPERTY(double pFirstDate READ pFirstDate WRITE setPFirstDate)
    Q_PROPERTY(double pLastDate READ pLastDate WRITE setPLastDate)
    Q_PROPERTY(qint32 pCount READ pCount WRITE setPCount)
    // Whether a date outside the liturgy data may be planned (never one outside the years
    // 1900 to 2200), and whether a service the plan already holds may be planned again.
    Q_PROPERTY(bool pAllowOutsideData READ pAllowOutsideData WRITE setPAllowOutsideData)
    Q_PROPERTY(bool pAllowDuplicate READ pAllowDuplicate WRITE setPAllowDuplicate)

public:
    static constexpr const char* kProgId = "RaVidIzarorid.cVkRecurringServices";
    // The most services one series may hold.
    static constexpr int kMaxSeries = 1000;
    static constexpr int kMaxInterval = 52;

    explicit cVkRecurringServices(std::unique_ptr<ServiceDialogs> dialogs = nullptr,
                                  QObject* parent = nullptr);
    ~cVkRecurringServices() override;

    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& v) { m_vkIniFile = v; }
    qint32 pUser() const { return m_user; }
    void setPUser(qint32 v) { m_user = v; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 v) { m_version = v; }
    QString pAppTitle() const { return m_appTitle; }
    void setPAppTitle(const QString& v) { m_appTitle = v; }
    QObject* pVkSettings() const;
    cVkSettings& settings() const { return *m_settings; }
    qint32 pScanDirection() const { return m_scanDirection; }
    void setPScanDirection(qint32 v) { m_scanDirection = v; }
    double pDate() const { return m_date; }
    void setPDate(double v) { m_date = v; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& v) { m_connectionString = v; }
    bool pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(bool v) { m_sqlMode = v; }
    QString pTime() const { return m_time; }
    void setPTime(const QString& v) { m_time = v; }
    QString pServiceType() const { return m_serviceType; }
    void setPServiceType(const QString& v) { m_serviceType = v; }
    QString pLocation() const { return m_location; }
    void setPLocation(const QString& v) { m_location = v; }
    qint32 pWeekday() const { return m_weekday; }
    void setPWeekday(qint32 v) { m_weekday = v; }
    qint32 pInterval() const { return m_interval; }
    void setPInterval(qint32 v) { m_interval = v; }
    double pFirstDate() const { return m_firstDate; }
    void setPFirstDate(double v) { m_firstDate = v; }
    double pLastDate() const { return m_lastDate; }
    void setPLastDate(double v) { m_lastDate = v; }
    qint32 pCount() const { return m_count; }
    void setPCount(qint32 v) { m_count = v; }
    bool pAllowOutsideData() const { return m_allowOutsideData; }
    void setPAllowOutsideData(bool v) { m_allowOutsideData = v; }
    bool pAllowDuplicate() const { return m_allowDuplicate; }
    void setPAllowDuplicate(bool v) { m_allowDuplicate = v; }

    // The dialog for one service; true on OK, false on Cancel or when there is no dialog.
    Q_INVOKABLE bool mShowCreateOne();
    // Writes the one service of pDate; true when it was written.
    Q_INVOKABLE bool mCreateOneService();
    // The dialog for a series; true on OK.
    Q_INVOKABLE bool mShow();
    // Writes the whole series in one transaction; true when it was written.
    Q_INVOKABLE bool mCreateServices();
    // The dialog for changing the service that pDate, pTime, pServiceType and pLocation
    // describe; true on OK. mChangeService then puts the changed service in its place.
    Q_INVOKABLE bool mShowChange();
    Q_INVOKABLE bool mChangeService();
    // Takes the service that pDate, pTime, pServiceType and pLocation describe out of the
    // plan; true when it was there.
    Q_INVOKABLE bool mRemoveService();

    // What the last successful mCreateOneService, mCreateServices or mChangeService wrote, in
    // order.
    const QList<PlanDatabase::Service>& written() const { return m_written; }
    // What the status bar says after a write: "Planned: " (or "Changed: ") and the service,
    // or the number of services and their first and last date; "Removed: " and the service
    // after mRemoveService; empty before any.
    Q_INVOKABLE QString plannedText() const;
    // The service that pDate, pTime, pServiceType and pLocation describe, as the status bar
    // names it ("Tue 22 Dec 2026 19:30, Carol Service, St Mary's Church"); empty for none.
    Q_INVOKABLE QString serviceText() const;
    // The services the properties describe on `dates`.
    QList<PlanDatabase::Service> servicesOn(const QList<QDate>& dates) const;
    // Why `dates` cannot be planned, in a sentence that names the years or the span of the
    // liturgy data (dates written in `dateFormat`); empty when they can.
    QString refusal(const QList<QDate>& dates, const QString& dateFormat) const;
    // The two halves of the refusal: outside the years 1900 to 2200, outside the liturgy data
    // (whatever pAllowOutsideData says).
    QString yearsRefusal(const QList<QDate>& dates, const QString& dateFormat) const;
    QString dataRefusal(const QList<QDate>& dates, const QString& dateFormat) const;
    // Those of `services` that the plan already holds; empty when the plan cannot be read.
    QList<PlanDatabase::Service> duplicates(const QList<PlanDatabase::Service>& services) const;
    // Whether mShowChange is under way: the dialog changes a service rather than adding one.
    bool changing() const { return m_original.has_value(); }
    // The dates of the series as the properties describe it; throws Failure when they do not
    // describe one (no end, a count out of range, a last date before the first...).
    QList<QDate> seriesDates() const;
    // The time of the service(s); throws Failure when it is not a time "HH:MM".
    QTime serviceTime() const;
    // The plan file the INI file names (empty when it names none).
    QString planFile() const;
    // The kinds of service already in the plan, for the dialogs to offer; empty when the plan
    // cannot be read.
    QStringList knownServiceTypes() const;
    // The name of the first liturgical day of each date (empty where there is none).
    QStringList dayNames(const QList<QDate>& dates) const;
    // The services planned from `first` to `last`.
    QList<PlanDatabase::Service> plannedServices(const QDate& first, const QDate& last) const;
    // The services of `date` at `time` (of kind `type` when given), taken out of the plan
    // when there is one or `all`; nothing when none matched or the plan could not be written
    // (reported).
    PlanDatabase::Removal removeServices(const QDate& date, const QTime& time, const QString& type,
                                         bool all);

    // Whether the plan is on the host's database server: SQL mode -1 and a connection string.
    bool onServer() const { return m_sqlMode && !m_connectionString.isEmpty(); }

private:
    // Opens the plan: the server's in server mode, else the INI's file (created when missing
    // if `createMissing`).
    void openPlan(PlanDatabase& plan, bool createMissing,
                  PlanDatabase::Access access = PlanDatabase::Access::Write) const;
    // The service the properties describe on pDate.
    PlanDatabase::Service describedService() const;
    // The first and last date of the liturgy data; read once.
    const CalendarSpan& liturgySpan() const;
    // Writes one service for each date, all or none.
    bool write(const QList<QDate>& dates);

    std::unique_ptr<ServiceDialogs> m_dialogs;
    cVkSettings* m_settings;
    QString m_vkIniFile;
    qint32 m_user = 0;
    qint32 m_version = 0;
    QString m_appTitle;
    qint32 m_scanDirection = 0;
    double m_date = 0;
    QString m_connectionString;
    bool m_sqlMode = false;
    QString m_time;
    QString m_serviceType;
    QString m_location;
    qint32 m_weekday = 0;
    qint32 m_interval = 1;
    double m_firstDate = 0;
    double m_lastDate = 0;
    qint32 m_count = 0;
    bool m_allowOutsideData = false;
    bool m_allowDuplicate = false;
    QList<PlanDatabase::Service> m_written;
    std::optional<PlanDatabase::Service> m_original;
    std::optional<PlanDatabase::Service> m_removed;
    mutable std::optional<CalendarSpan> m_span;
};
