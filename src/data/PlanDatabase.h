#pragma once

#include <QDate>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QTime>
#include <memory>

class Connection;

// The plan database opened for writing: the one place where services are added to tbMainPlan
// or taken out of it; every other reader opens the file read-only. A missing file is created
// with the plan schema. The file is written in WAL mode with a busy timeout, so that several
// processes planning at once wait for each other instead of failing or losing rows, and every
// change is one transaction: all of it or, on any failure, nothing. Failures throw Failure
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

    PlanDatabase() = default;
    ~PlanDatabase();
    PlanDatabase(const PlanDatabase&) = delete;
    PlanDatabase& operator=(const PlanDatabase&) = delete;

    // Opens `file` (as the INI file names it; found without regard to letter case). A missing
    // file is created when `createMissing`, else it is a failure.
    void open(const QString& file, bool createMissing = true);
    // Opens the plan on the database server that `connectionString` names (its password never
    // in a message); the plan table is made on the first write when the server has none.
    void openServer(const QString& connectionString);
    // The file that was opened (the masked connection string of a server).
    QString file() const { return m_file; }

    // Adds the services, in one transaction.
    void add(const QList<Service>& services);
    // Takes out the services of `date` at `time` (only those of kind `type` when it is not
    // empty), in one transaction, and returns them.
    QList<Service> remove(const QDate& date, const QTime& time, const QString& type);
    // The services from `first` to `last`, in date and time order.
    QList<Service> services(const QDate& first, const QDate& last);
    // The kinds of service in the plan, sorted, each once.
    QStringList serviceTypes();

    // The stored values: the date as a date value, the time as the fraction of a day.
    static double dateValue(const QDate& date);
    static double timeValue(const QTime& time);

private:
    void useWriteAheadLog();
    void requireOpen() const;
    void requireWritable() const;
    // Runs `body` inside one immediate transaction; rolls back and rethrows on failure.
    template <class Body> void inTransaction(Body&& body);
    bool hasTable();
    // Creates the plan table in a database that has none; inside a transaction.
    void ensureTable();
    [[noreturn]] void fail(const QString& what, const QString& why) const;

    // The statement that takes `selectServices()` rows in the order they were written.
    QString inWrittenOrder() const;

    QString m_file;
    QString m_connectionName;
    // The server connection in server mode; m_db is its database then.
    std::unique_ptr<Connection> m_server;
    QSqlDatabase m_db;
    bool m_readOnly = false;
    bool m_tableChecked = false;
};
