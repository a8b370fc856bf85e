// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/PlanDatabase.h"

#include "data/Connection.h"
#include "data/ConnectionName.h"
#include "data/DataSource.h"
#include "data/PostgresDialect.h"
#include "data/Schema.h"
#include "data/ServerCopy.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/mVBFileDisk.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QThread>
#include <QUrl>
#include <atomic>
#include <cerrno>
#include <cmath>
#include <csignal>
#include <sqlite3.h>

namespace {

constexpr qint32 kEngineError = -2147467259;
constexpr qint32 kFileAccess = 75;
constexpr qint32 kDiskFull = 61;
constexpr double kSecondsPerDay = 86400.0;

QString engineText(const QSqlError& error) {
    // A server's reason comes in lines (the message, then its code): one line, so that the
    // log keeps one record a line.
    const QString text = (error.databaseText().isEmpty() ? error.text() : error.databaseText())
                             .trimmed()
                             .replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text.isEmpty() ? QStringLiteral("the database engine reported an unknown error") : text;
}

// A file that nobody may write: no write permission for its owner, or none for this process.
// The permission bits count even for a user whom the system would let write anyway.
bool isReadOnly(const QFileInfo& info) {
    return !(info.permissions() & QFileDevice::WriteOwner) || !info.isWritable();
}

// Less room than one more page of the log and its shared memory need.
bool isNearlyFull(const QString& folder) {
    const QStorageInfo storage(folder);
    return storage.isValid() && storage.bytesAvailable() < 64 * 1024;
}

bool looksLikeSQLite(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = file.read(16);
    return head.isEmpty() || head == QByteArray("SQLite format 3\0", 16);
}

// Removes the drafts of `path` that a run stopped while creating it left behind: those whose
// process is gone.
void removeDeadDrafts(const QString& path) {
    const QFileInfo plan(path);
    static const QRegularExpression draftName(QStringLiteral("^\\.(\\d+)-\\d+\\.new(-journal)?$"));
    const QStringList names = plan.absoluteDir().entryList(
        {plan.fileName() + QStringLiteral(".*.new*")}, QDir::Files | QDir::Hidden);
    for (const QString& name : names) {
        const QRegularExpressionMatch match = draftName.match(name.mid(plan.fileName().size()));
        if (!match.hasMatch())
            continue;
        const pid_t pid = pid_t(match.captured(1).toLongLong());
        if (pid > 0 && ::kill(pid, 0) != 0 && errno == ESRCH)
            QFile::remove(plan.absoluteDir().filePath(name));
    }
}

// Creates the plan database at `path` under a name of its own first, so that a half-made file
// is never seen there and two processes creating it at once both end up with one whole file.
void createPlanFile(const QString& path) {
    static std::atomic<quint64> next{0};
    const QString draft = QStringLiteral("%1.%2-%3.new")
                              .arg(path)
                              .arg(QCoreApplication::applicationPid())
                              .arg(++next);
    QString error;
    if (!Schema::create(draft, Schema::Kind::Plan, &error))
        throw Failure(kEngineError, QCoreApplication::translate(
                                        "PlanDatabase", "Cannot create the plan database '%1': %2")
                                        .arg(path, error));
    if (!QFile::rename(draft, path)) {
        QFile::remove(draft);
        if (!QFileInfo(path).isFile())
            throw Failure(kEngineError, QCoreApplication::translate(
                                            "PlanDatabase", "Cannot create the plan database '%1'.")
                                            .arg(path));
    }
}

} // namespace

PlanDatabase::PlanDatabase() = default;

PlanDatabase::~PlanDatabase() {
    // The server connection owns its database; this copy of the handle goes first.
    m_db = QSqlDatabase();
    m_server.reset();
    if (m_connectionName.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

double PlanDatabase::dateValue(const QDate& date) {
    return double(QDate(1899, 12, 30).daysTo(date));
}

double PlanDatabase::timeValue(const QTime& time) {
    return double(time.msecsSinceStartOfDay()) / (kSecondsPerDay * 1000.0);
}

void PlanDatabase::fail(const QString& what, const QString& why) const {
    throw Failure(
        kEngineError,
        QCoreApplication::translate("PlanDatabase", "%1 '%2': %3").arg(what, m_file, why));
}

void PlanDatabase::fail(const QString& what, const QSqlError& error) const {
    if (isDiskFull(error))
        throw Failure(kDiskFull,
                      QCoreApplication::translate(
                          "PlanDatabase", "%1 '%2': the disk is full, and the plan is as it was")
                          .arg(what, m_file));
    fail(what, engineText(error));
}

bool PlanDatabase::isDiskFull(const QSqlError& error) const {
    const QString code = error.nativeErrorCode();
    if (m_server)
        return code == QLatin1String("53100"); // disk_full
    bool number = false;
    const int primary = code.toInt(&number) & 0xff;
    if (!number)
        return false;
    if (primary == SQLITE_FULL)
        return true;
    // A write into the log or its shared memory on a full file system comes back as an I/O
    // error, not as "full"; what is left on the file system tells them apart.
    return primary == SQLITE_IOERR && isNearlyFull(QFileInfo(m_file).absolutePath());
}

void PlanDatabase::open(const QString& file, bool createMissing, Access access) {
    if (file.trimmed().isEmpty())
        throw Failure(kEngineError,
                      QCoreApplication::translate("PlanDatabase",
                                                  "No plan database is named: the INI file has "
                                                  "no \"PlanFile\" in its section \"Files\"."));
    QString path = file;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_file = mVBFileDisk::resolveLetterCase(path);
    removeDeadDrafts(m_file);
    QFileInfo info(m_file);
    if (!info.exists()) {
        if (!createMissing || access == Access::Read)
            throw Failure(kEngineError,
                          QCoreApplication::translate("PlanDatabase",
                                                      "The plan database '%1' does not exist.")
                              .arg(m_file));
        createPlanFile(m_file);
        info = QFileInfo(m_file);
    }
    if (!info.isFile())
        throw Failure(kEngineError, QCoreApplication::translate(
                                        "PlanDatabase", "The plan database '%1' is not a file.")
                                        .arg(m_file));
    if (access == Access::Write && DataSource::isAccessFile(m_file))
        throw Failure(kEngineError, DataSource::accessWriteRefused(m_file));
    if (!looksLikeSQLite(m_file))
        throw Failure(kEngineError,
                      QCoreApplication::translate(
                          "PlanDatabase", "The plan database '%1' is not a database this program "
                                          "can read.")
                          .arg(m_file));

    // A reader never writes: not the header, not the journal mode, not even a lock file.
    m_readOnly = access == Access::Read || isReadOnly(info);
    m_connectionName = uniqueConnectionName(QLatin1StringView("lc_plan"));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(m_file);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kBusyTimeoutMs);
    if (m_readOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    m_db.setConnectOptions(options);
    if (m_db.open() && !m_readOnly) {
        useWriteAheadLog();
        return;
    }
    QSqlError why = m_db.lastError();
    if (m_db.isOpen() && readable(&why))
        return;
    // A plan in WAL mode in a folder nobody may write has no shared-memory file to read
    // through; nobody can change it there either, so it is read as it stands. On a full disk
    // nobody can change it either, as long as no log holds changes that are not in the file.
    const QString folder = info.absolutePath();
    const QFileInfo log(m_file + QStringLiteral("-wal"));
    if (m_readOnly && (!QFileInfo(folder).isWritable() ||
                       (isNearlyFull(folder) && (!log.exists() || log.size() == 0)))) {
        m_db.close();
        m_db.setDatabaseName(QUrl::fromLocalFile(m_file).toString() +
                             QStringLiteral("?immutable=1"));
        m_db.setConnectOptions(options + QStringLiteral(";QSQLITE_OPEN_URI"));
        if (m_db.open() && readable())
            return;
    }
    fail(QCoreApplication::translate("PlanDatabase", "Cannot open the plan database"), why);
}

bool PlanDatabase::readable(QSqlError* why) {
    QSqlQuery probe(m_db);
    if (probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) && probe.next())
        return true;
    if (why)
        *why = probe.lastError();
    return false;
}

void PlanDatabase::openServer(const QString& connectionString) {
    m_file = DataSource::masked(connectionString);
    auto server = std::make_unique<Connection>();
    server->Open(connectionString);
    if (!server->isServer())
        throw Failure(kEngineError,
                      QCoreApplication::translate(
                          "PlanDatabase", "The connection string '%1' names no database server.")
                          .arg(m_file));
    m_server = std::move(server);
    m_db = m_server->database();
}

void PlanDatabase::useWriteAheadLog() {
    // Readers go on reading while a writer writes, and writers queue behind each other. The
    // mode is the file's own once set; switching takes the whole file, and the engine does not
    // wait for that by itself, so a busy file is tried again until the busy timeout.
    QSqlQuery wal(m_db);
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        if (wal.exec(QStringLiteral("PRAGMA journal_mode")) && wal.next() &&
            wal.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
            return;
        wal.finish();
        if (wal.exec(QStringLiteral("PRAGMA journal_mode=WAL")) && wal.next() &&
            wal.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
            return;
        const QSqlError why = wal.lastError();
        wal.finish();
        if (why.isValid() && isDiskFull(why))
            fail(QCoreApplication::translate("PlanDatabase", "Cannot open the plan database"), why);
        if (waited.elapsed() >= kBusyTimeoutMs)
            fail(QCoreApplication::translate("PlanDatabase", "Cannot open the plan database"),
                 why.isValid() ? engineText(why) : QStringLiteral("database is locked"));
        QThread::msleep(10);
    }
}

void PlanDatabase::requireOpen() const {
    if (!m_db.isOpen())
        throw Failure(kEngineError, QCoreApplication::translate("PlanDatabase",
                                                                "The plan database is not open."));
}

void PlanDatabase::requireWritable() const {
    requireOpen();
    if (m_readOnly)
        throw Failure(kFileAccess,
                      QCoreApplication::translate(
                          "PlanDatabase", "Cannot write the plan database '%1': the file is "
                                          "read-only.")
                          .arg(m_file));
}

template <class Body> void PlanDatabase::inTransaction(Body&& body) {
    QSqlQuery begin(m_db);
    if (!begin.exec(m_server ? QStringLiteral("BEGIN") : QStringLiteral("BEGIN IMMEDIATE")))
        fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
             begin.lastError());
    try {
        // The writers of every workstation queue as on a file: one after another, so that a
        // plan table made by one is there for the next (the number is the plan's own lock).
        QSqlQuery lock(m_db);
        if (m_server && !lock.exec(QStringLiteral("SELECT pg_advisory_xact_lock(715517)")))
            fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
                 lock.lastError());
        ensureTable();
        body();
        QSqlQuery commit(m_db);
        if (!commit.exec(QStringLiteral("COMMIT")))
            fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
                 commit.lastError());
    } catch (...) {
        QSqlQuery(m_db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

bool PlanDatabase::hasTable() {
    if (m_tableChecked)
        return true;
    QSqlQuery query(m_db);
    const QString statement =
        m_server ? QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE "
                                  "table_schema = current_schema() AND table_name = 'tbmainplan'")
                 : QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type = 'table' AND "
                                  "name = 'tbMainPlan' COLLATE NOCASE");
    if (!query.exec(statement) || !query.next())
        fail(QCoreApplication::translate("PlanDatabase", "Cannot read the plan database"),
             query.lastError());
    m_tableChecked = query.value(0).toInt() > 0;
    return m_tableChecked;
}

void PlanDatabase::ensureTable() {
    if (hasTable())
        return;
    // A database that holds other tables (a host's own) gets the plan table beside them.
    QSqlQuery query(m_db);
    const QStringList statements = m_server ? ServerCopy::schemaStatements(Schema::Kind::Plan)
                                            : Schema::statements(Schema::Kind::Plan);
    for (const QString& statement : statements)
        if (!query.exec(statement))
            fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
                 query.lastError());
    m_tableChecked = true;
}

namespace {

// A date value as the plan stores it: the number in a file, the timestamp on a server.
QVariant stored(double value, bool server) {
    if (!server)
        return value;
    return OleDate::toDateTime(value).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

} // namespace

void PlanDatabase::insert(const QList<Service>& services) {
    QSqlQuery insert(m_db);
    if (!insert.prepare(QStringLiteral("INSERT INTO tbMainPlan (Date, Time, ServType, "
                                       "Location) VALUES (?, ?, ?, ?)")))
        fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
             insert.lastError());
    for (const Service& s : services) {
        insert.bindValue(0, stored(dateValue(s.date), bool(m_server)));
        insert.bindValue(1, stored(timeValue(s.time), bool(m_server)));
        insert.bindValue(2, s.type);
        insert.bindValue(3, s.place);
        if (!insert.exec())
            fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
                 insert.lastError());
    }
}

void PlanDatabase::add(const QList<Service>& services, bool allowDuplicates) {
    requireWritable();
    inTransaction([&] {
        if (!allowDuplicates)
            refuseDuplicates(services);
        insert(services);
    });
}

namespace {

// The services a query gives as Date, Time, ServType, Location.
QList<PlanDatabase::Service> servicesOf(QSqlQuery& query) {
    QList<PlanDatabase::Service> found;
    while (query.next()) {
        // A server gives timestamps back; as date values they read as a file's.
        const double date = PostgresDialect::toJetValue(query.value(0)).toDouble();
        const double time = PostgresDialect::toJetValue(query.value(1)).toDouble();
        const double seconds = std::round((time - std::floor(time)) * kSecondsPerDay);
        found.append({QDate(1899, 12, 30).addDays(qint64(std::floor(date))),
                      QTime(0, 0).addSecs(int(seconds) % int(kSecondsPerDay)),
                      query.value(2).toString(), query.value(3).toString()});
    }
    return found;
}

const QString& selectServices() {
    static const QString text = QStringLiteral(
        "SELECT Date, Time, ServType, Location FROM tbMainPlan WHERE Date >= ? AND Date < ?");
    return text;
}

} // namespace

QString PlanDatabase::inWrittenOrder() const {
    return m_server ? QStringLiteral(" ORDER BY ctid") : QStringLiteral(" ORDER BY rowid");
}

QString PlanDatabase::sameService(bool type, bool place) const {
    // Times are compared to the second, whatever fraction a program stored.
    QString where =
        m_server ? QStringLiteral(" AND CAST(date_trunc('second', Time + INTERVAL '0.5 "
                                  "second') AS time) = CAST(? AS time)")
                 : QStringLiteral(" AND CAST(round((Time - CAST(Time AS INTEGER)) * 86400) AS "
                                  "INTEGER) = ?");
    if (type)
        where += QStringLiteral(" AND COALESCE(ServType, '') = ?");
    if (place)
        where += QStringLiteral(" AND COALESCE(Location, '') = ?");
    return where;
}

void PlanDatabase::bindSame(QSqlQuery& q, const Service& service, bool type, bool place) const {
    q.bindValue(0, stored(dateValue(service.date), bool(m_server)));
    q.bindValue(1, stored(dateValue(service.date) + 1, bool(m_server)));
    if (m_server)
        q.bindValue(2, service.time.toString(QStringLiteral("HH:mm:ss")));
    else
        q.bindValue(2, service.time.msecsSinceStartOfDay() / 1000);
    int next = 3;
    if (type)
        q.bindValue(next++, service.type);
    if (place)
        q.bindValue(next, service.place);
}

QList<PlanDatabase::Service> PlanDatabase::matching(const Service& service, bool type, bool place) {
    QSqlQuery select(m_db);
    select.prepare(selectServices() + sameService(type, place) + inWrittenOrder());
    bindSame(select, service, type, place);
    if (!select.exec())
        fail(QCoreApplication::translate("PlanDatabase", "Cannot read the plan database"),
             select.lastError());
    return servicesOf(select);
}

void PlanDatabase::refuseDuplicates(const QList<Service>& services) {
    const QList<Service> found = duplicates(services);
    if (!found.isEmpty())
        throw duplicatesRefused(found);
}

Failure PlanDatabase::duplicatesRefused(const QList<Service>& found) {
    const Service& s = found.first();
    return Failure(
        kEngineError,
        QCoreApplication::translate("PlanDatabase", "The plan already holds %1 %2, %3, %4%5.")
            .arg(s.date.toString(Qt::ISODate), s.time.toString(QStringLiteral("HH:mm")),
                 s.type.isEmpty() ? QCoreApplication::translate("PlanDatabase", "no kind") : s.type,
                 s.place.isEmpty() ? QCoreApplication::translate("PlanDatabase", "no place")
                                   : s.place,
                 found.size() > 1
                     ? QCoreApplication::translate("PlanDatabase", " and %1 more of these services")
                           .arg(found.size() - 1)
                     : QString()));
}

QList<PlanDatabase::Service> PlanDatabase::duplicates(const QList<Service>& services) {
    requireOpen();
    QList<Service> found;
    if (!hasTable())
        return found;
    for (const Service& s : services)
        if (!matching(s, true, true).isEmpty())
            found.append(s);
    return found;
}

bool PlanDatabase::deleteOne(const Service& service) {
    const QString row = m_server ? QStringLiteral("ctid") : QStringLiteral("rowid");
    QSqlQuery erase(m_db);
    erase.prepare(QStringLiteral("DELETE FROM tbMainPlan WHERE %1 = (SELECT %1 FROM tbMainPlan "
                                 "WHERE Date >= ? AND Date < ?%2%3 LIMIT 1)")
                      .arg(row, sameService(true, true), inWrittenOrder()));
    bindSame(erase, service, true, true);
    if (!erase.exec())
        fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
             erase.lastError());
    return erase.numRowsAffected() > 0;
}

PlanDatabase::Removal PlanDatabase::remove(const QDate& date, const QTime& time,
                                           const QString& type, bool all) {
    requireWritable();
    Removal removal;
    inTransaction([&] {
        const Service like{date, time, type, QString()};
        const bool byType = !type.isEmpty();
        removal.services = matching(like, byType, false);
        if (removal.services.isEmpty() || (removal.services.size() > 1 && !all))
            return;
        QSqlQuery erase(m_db);
        erase.prepare(QStringLiteral("DELETE FROM tbMainPlan WHERE Date >= ? AND Date < ?") +
                      sameService(byType, false));
        bindSame(erase, like, byType, false);
        if (!erase.exec())
            fail(QCoreApplication::translate("PlanDatabase", "Cannot write the plan database"),
                 erase.lastError());
        removal.removed = true;
    });
    return removal;
}

bool PlanDatabase::removeOne(const Service& service) {
    requireWritable();
    bool removed = false;
    inTransaction([&] { removed = deleteOne(service); });
    return removed;
}

void PlanDatabase::replace(const Service& old, const Service& now, bool allowDuplicate) {
    requireWritable();
    inTransaction([&] {
        if (!deleteOne(old))
            throw Failure(kEngineError,
                          QCoreApplication::translate(
                              "PlanDatabase", "The service %1 %2 is no longer in the plan '%3'.")
                              .arg(old.date.toString(Qt::ISODate),
                                   old.time.toString(QStringLiteral("HH:mm")), m_file));
        if (!allowDuplicate)
            refuseDuplicates({now});
        insert({now});
    });
}

QList<PlanDatabase::Service> PlanDatabase::services(const QDate& first, const QDate& last) {
    requireOpen();
    if (!hasTable())
        return {};
    QSqlQuery query(m_db);
    query.prepare(selectServices() + inWrittenOrder().replace(QStringLiteral("BY "),
                                                              QStringLiteral("BY Date, Time, ")));
    query.bindValue(0, stored(dateValue(first), bool(m_server)));
    query.bindValue(1, stored(dateValue(last) + 1, bool(m_server)));
    if (!query.exec())
        fail(QCoreApplication::translate("PlanDatabase", "Cannot read the plan database"),
             query.lastError());
    return servicesOf(query);
}

QStringList PlanDatabase::serviceTypes() {
    requireOpen();
    if (!hasTable())
        return {};
    QSqlQuery query(m_db);
    if (!query.exec(QStringLiteral("SELECT DISTINCT ServType FROM tbMainPlan WHERE ServType IS "
                                   "NOT NULL AND ServType <> '' ORDER BY ServType")))
        fail(QCoreApplication::translate("PlanDatabase", "Cannot read the plan database"),
             query.lastError());
    QStringList types;
    while (query.next())
        types.append(query.value(0).toString());
    return types;
}
