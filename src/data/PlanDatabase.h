// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTime>
#include <memory>

class Connection;
class Failure;
class QSqlError;

// The plan database: the one place where services are added to tbMainPlan or taken out of it.
// Opened for reading, the file is opened read-only and never changed, so that a plan in a
// read-only folder can be listed. Opened for writing, a missing file is created with the plan
// schema and the file is switched to WAL mode with a busy timeout, so that several processes
// planning at once wait for each other instead of failing or losing rows; every change is one
// transaction: all of it or, on any failure, nothing. Failures throw Failure
// with a message that names the file and says why. In server mode the plan is tbMainPlan of
// the host's database server instead, written the same way: one transaction a change, the
// writers of all workstations one after another.
class PlanDatabase {
public:
    struct Service {
        QDate date;
        QTime time;
        QString type;
        QString place;
        bool operator==(const Service&) const = default;
    };

    // How long a writer waits for another process's transaction.
    static constexpr int kBusyTimeoutMs = 10000;

    enum class Access { Read, Write };

    // What a removal found and whether it took them out.
    struct Removal {
        QList<Service> services;
        bool removed = false;
    };

    PlanDatabase();
    ~PlanDatabase();
    PlanDatabase(const PlanDatabase&) = delete;
    PlanDatabase& operator=(const PlanDatabase&) = delete;

    // Opens `file` (as the INI file names it; found without regard to letter case). For
    // writing, a missing file is created when `createMissing`, else it is a failure; for
    // reading, a missing file is always a failure.
    void open(const QString& file, bool createMissing = true, Access access = Access::Write);
    // Opens the plan on the database server that `connectionString` names (its password never
    // in a message); the plan table is made on the first write when the server has none.
    void openServer(const QString& connectionString);
    // The file that was opened (the masked connection string of a server).
    QString file() const { return m_file; }

    // Adds the services, in one transaction. Unless `allowDuplicates`, a service that the plan
    // already holds (same date, time, kind and place) fails the whole change.
    void add(const QList<Service>& services, bool allowDuplicates = true);
    // The services of `date` at `time` (only those of kind `type` when it is not empty), taken
    // out in one transaction when there is one of them or `all`; several are only listed.
    Removal remove(const QDate& date, const QTime& time, const QString& type, bool all = true);
    // Takes one row holding `service` out; false when the plan holds none.
    bool removeOne(const Service& service);
    // Takes one row holding `old` out and adds `now` in its place, in one transaction. Fails
    // when `old` is no longer there and, unless `allowDuplicate`, when `now` already is.
    void replace(const Service& old, const Service& now, bool allowDuplicate);
    // Those of `services` that the plan already holds.
    QList<Service> duplicates(const QList<Service>& services);
    // The failure that refuses `found`, services the plan already holds.
    static Failure duplicatesRefused(const QList<Service>& found);
    // The services from `first` to `last`, in date and time order.
    QList<Service> services(const QDate& first, const QDate& last);
    // The kinds of service in the plan, sorted, each once.
    QStringList serviceTypes();

    // The stored values: the date as a date value, the time as the fraction of a day.
    static double dateValue(const QDate& date);
    static double timeValue(const QTime& time);

private:
    void useWriteAheadLog();
    // Whether the open connection can read the file's schema; `why` gets the engine's reason
    // when it cannot.
    bool readable(QSqlError* why = nullptr);
    void requireOpen() const;
    void requireWritable() const;
    // Runs `body` inside one immediate transaction; rolls back and rethrows on failure.
    template <class Body> void inTransaction(Body&& body);
    bool hasTable();
    // Creates the plan table in a database that has none; inside a transaction.
    void ensureTable();
    [[noreturn]] void fail(const QString& what, const QString& why) const;
    // The same with the engine's reason; a full disk is said as such.
    [[noreturn]] void fail(const QString& what, const QSqlError& error) const;
    bool isDiskFull(const QSqlError& error) const;

    // The statement that takes `selectServices()` rows in the order they were written.
    QString inWrittenOrder() const;
    // The conditions after "Date >= ? AND Date < ?" that pick the services at the time of
    // `service`, of its kind when `type`, at its place when `place`; bindSame binds them all.
    QString sameService(bool type, bool place) const;
    void bindSame(QSqlQuery& query, const Service& service, bool type, bool place) const;
    // The rows like `service` (see sameService), in written order.
    QList<Service> matching(const Service& service, bool type, bool place);
    // Fails the change when the plan holds any of `services`.
    void refuseDuplicates(const QList<Service>& services);
    // Deletes the first written row holding `service`; false when there is none.
    bool deleteOne(const Service& service);
    void insert(const QList<Service>& services);

    QString m_file;
    QString m_connectionName;
    // The server connection in server mode; m_db is its database then.
    std::unique_ptr<Connection> m_server;
    QSqlDatabase m_db;
    bool m_readOnly = false;
    bool m_tableChecked = false;
};
