// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/Connection.h"

#include "data/ConnectionCache.h"
#include "data/ConnectionName.h"
#include "data/ConnectionPool.h"
#include "data/DataSource.h"
#include "data/JetDialect.h"
#include "data/PostgresDialect.h"
#include "data/SqliteLibrary.h"
#include "data/SqliteStatement.h"
#include "support/Failure.h"

#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <chrono>
#include <utility>

namespace {

// The numbers and texts of the database objects' own run-time errors.
constexpr qint32 kEngineError = -2147467259;
constexpr qint32 kStatementError = -2147217900;
constexpr qint32 kProviderNotFound = 3706;
constexpr qint32 kAlreadyOpen = 3705;
constexpr qint32 kNotUsable = 3709;
constexpr qint32 kCommandTextNotSet = -2147217908;

// Prepared statements kept per connection; past this many the oldest go.
constexpr qsizetype kMaxPreparedStatements = 64;
// How long statements on a server that was not reached fail at once before it is tried again.
constexpr qint64 kLostServerPauseMs = 5000;

QString errorText(const QSqlError& error) {
    // A server's reason comes in lines (the message, then its code): one line, so that the
    // log keeps one record a line.
    QString text = (error.databaseText().isEmpty() ? error.text() : error.databaseText()).trimmed();
    if (text.contains(QLatin1Char('\n'))) {
        static const QRegularExpression lineBreak(QStringLiteral("\\s*\n\\s*"));
        text.replace(lineBreak, QStringLiteral(" "));
    }
    return text.isEmpty() ? QStringLiteral("The database engine reported an unknown error.") : text;
}

Failure statementFailure(const QSqlError& error) {
    return {kStatementError, errorText(error)};
}

[[noreturn]] void providerNotFound(const DataSource::Target& target) {
    const QString provider = target.provider.isEmpty() ? QStringLiteral("(none)") : target.provider;
    throw Failure(kProviderNotFound,
                  QStringLiteral("Provider cannot be found: this build serves no data source "
                                 "of the provider '%1' (connection to '%2').")
                      .arg(provider, target.dataSource));
}

// The first of `names` that the connection string sets.
QString keyValue(const DataSource::Target& target, std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const auto it = target.keys.constFind(QLatin1String(name));
        if (it != target.keys.constEnd())
            return it.value();
    }
    return {};
}

// This thread's pool of idle databases; none before the connection cache exists or after it
// was released.
ConnectionPool* threadPool() {
    ConnectionCache* cache = ConnectionCache::existing();
    return cache ? &cache->pool() : nullptr;
}

QString upperCase(const QString& text) {
    ConnectionCache* cache = ConnectionCache::existing();
    return cache ? cache->upperCase(text) : text.toUpper();
}

QString pathAsWritten(const QString& dataFile) {
    ConnectionCache* cache = ConnectionCache::existing();
    return cache ? cache->pathAsWritten(dataFile) : DataSource::pathAsWritten(dataFile);
}

QVariant fieldValue(const QSqlQuery& query, int column, bool server) {
    QVariant v = query.value(column);
    if (server)
        return PostgresDialect::toJetValue(v);
    // SQL NULL is a plain null value whatever type the column has.
    if (v.isNull())
        return {};
    return v;
}

} // namespace

Connection::Connection() = default;

Connection::~Connection() {
    release();
}

void Connection::Open(const QString& connectionString) {
    Open(connectionString, DataSource::parse(connectionString));
}

void Connection::Open(const QString& connectionString, const DataSource::Target& target,
                      const std::optional<FileIdentity>& seen) {
    if (isOpen())
        throw Failure(kAlreadyOpen,
                      QStringLiteral("Operation is not allowed when the object is open."));
    switch (target.kind) {
    case DataSource::Target::Kind::None:
        throw Failure(kEngineError,
                      QStringLiteral("The connection string '%1' names no data source.")
                          .arg(DataSource::masked(connectionString)));
    case DataSource::Target::Kind::Server:
        if (!DataSource::isPostgreSQL(target))
            providerNotFound(target);
        openServer(target);
        m_connectionString = connectionString;
        m_upperConnectionString = upperCase(connectionString);
        return;
    case DataSource::Target::Kind::JetFile:
        break;
    }
    // The file as written, when it is the one an idle database was opened on and is unchanged
    // since: one look at its identity, no lookup in its folder, no second read of its head.
    if (!reusePooled(pathAsWritten(target.dataSource), seen)) {
        DataSource::SqliteFile file;
        try {
            file = DataSource::checkedSqliteFile(target.dataSource);
        } catch (const Failure&) {
            // A removed or spoilt file's idle handle must not keep it open.
            if (ConnectionPool* pool = threadPool())
                pool->dropChanged();
            throw;
        }
        openFile(file.path, file.identity);
    }
    m_connectionString = connectionString;
    m_upperConnectionString = upperCase(connectionString);
}

bool Connection::reusePooled(const QString& file, const std::optional<FileIdentity>& seen) {
    ConnectionPool* pool = threadPool();
    if (!pool || pool->idleCount() == 0)
        return false;
    const std::optional<FileIdentity> identity = seen ? seen : FileIdentity::of(file);
    if (!identity || !identity->regularFile)
        return false;
    release();
    return reuseFile(file, *identity);
}

void Connection::openFile(const QString& file, const FileIdentity& identity) {
    release();
    // The identity was taken before the file was opened: a file replaced in between then only
    // costs a fresh open later.
    if (reuseFile(file, identity))
        return;
    m_connectionName = uniqueConnectionName(QLatin1StringView("lc_data"));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);
    m_db.setDatabaseName(file);
    // Read-only, so that no statement changes the file and a missing file is never created.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
    if (!m_db.open()) {
        const QString text = errorText(m_db.lastError());
        release();
        throw Failure(kEngineError,
                      QStringLiteral("Cannot open the database '%1': %2").arg(file, text));
    }
    // The engine reads a file lazily; read its schema now so that a damaged file fails here.
    QString damage;
    {
        QSqlQuery probe(m_db);
        if (!probe.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")))
            damage = errorText(probe.lastError());
    }
    if (!damage.isEmpty()) {
        release();
        throw Failure(kEngineError,
                      QStringLiteral("Cannot open the database '%1': %2").arg(file, damage));
    }
    m_databaseFile = file;
    m_identity = identity;
}

void Connection::openServer(const DataSource::Target& target) {
    release();
    const QString host = keyValue(target, {"SERVER", "HOST", "DATA SOURCE"});
    const QString database = keyValue(target, {"DATABASE", "INITIAL CATALOG"});
    m_connectionName = uniqueConnectionName(QLatin1StringView("lc_data"));
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), m_connectionName);
    if (!m_db.isValid()) {
        release();
        throw Failure(kProviderNotFound,
                      QStringLiteral("Provider cannot be found: the PostgreSQL driver (QPSQL) is "
                                     "not installed."));
    }
    m_db.setHostName(host);
    m_db.setDatabaseName(database);
    m_db.setUserName(keyValue(target, {"USER ID", "UID", "USER", "USERNAME"}));
    m_db.setPassword(keyValue(target, {"PASSWORD", "PWD"}));
    bool portOk = true;
    const QString port = keyValue(target, {"PORT"});
    if (!port.isEmpty())
        m_db.setPort(port.toInt(&portOk));
    if (!portOk || (!port.isEmpty() && (m_db.port() < 1 || m_db.port() > 65535))) {
        release();
        throw Failure(kEngineError,
                      QStringLiteral("The port '%1' is not a port number.").arg(port));
    }
    // A server that does not answer must not hang the window for long.
    QStringList options{QStringLiteral("connect_timeout=10")};
    // The driver splits its options at ';' and '=': only a plain word can pass.
    const auto addOption = [&](const QString& option, const QString& value, const char* pattern,
                               const QString& refusal) {
        if (value.isEmpty())
            return;
        if (!QRegularExpression(QLatin1String(pattern)).match(value).hasMatch()) {
            release();
            throw Failure(kEngineError, refusal.arg(value));
        }
        options.append(option + QLatin1Char('=') + value);
    };
    // A password that is not given comes from libpq's own sources: PGPASSWORD, ~/.pgpass or
    // the service file, so that it need not stand on a command line.
    addOption(QStringLiteral("service"), keyValue(target, {"SERVICE"}), "^[A-Za-z0-9_.-]+$",
              QStringLiteral("The service name '%1' is not valid."));
    addOption(QStringLiteral("sslmode"), keyValue(target, {"SSL MODE", "SSLMODE"}), "^[a-z-]+$",
              QStringLiteral("The SSL mode '%1' is not known."));
    m_db.setConnectOptions(options.join(QLatin1Char(';')));
    if (!m_db.open()) {
        // The server's reason; it never repeats the password.
        const QString text = errorText(m_db.lastError()).trimmed();
        release();
        throw Failure(kEngineError, QStringLiteral("Cannot open the database '%1' on the server "
                                                   "'%2': %3")
                                        .arg(database, host, text));
    }
    m_server = true;
}

bool Connection::reuseFile(const QString& file, const FileIdentity& identity) {
    ConnectionPool* pool = threadPool();
    if (!pool || !m_engineStatements)
        return false;
    std::optional<ConnectionPool::Handle> handle = pool->take(file, identity);
    if (!handle)
        return false;
    m_connectionName = std::move(handle->connectionName);
    m_db = std::move(handle->db);
    m_statements = std::move(handle->statements);
    m_databaseFile = file;
    m_identity = identity;
    return true;
}

void Connection::Close() {
    if (!isOpen())
        return;
    ConnectionPool* pool = threadPool();
    // Kept statements of the one kind must not reach a connection of the other.
    if (!pool || !m_identity || !m_engineStatements) {
        release();
        return;
    }
    pool->put({std::exchange(m_connectionName, QString()), std::exchange(m_db, QSqlDatabase()),
               m_databaseFile, *m_identity, std::exchange(m_statements, {})});
    m_identity.reset();
}

bool Connection::isOpen() const {
    return m_db.isValid() && m_db.isOpen();
}

bool Connection::fileUnchanged() const {
    return !m_identity || FileIdentity::of(m_databaseFile) == m_identity;
}

void Connection::release() {
    m_statements.clear();
    m_server = false;
    m_identity.reset();
    if (m_connectionName.isEmpty())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
    m_connectionName.clear();
}

void Connection::requireOpen() const {
    if (!isOpen())
        throw Failure(kNotUsable,
                      QStringLiteral("The connection cannot be used to perform this operation. "
                                     "It is either closed or invalid in this context."));
}

struct Connection::Statement {
    Statement() = default;
    explicit Statement(const QSqlDatabase& db) : query(db) {}

    QSqlQuery query;
    // On a data file: the statement on the engine's own handle, and the dates to bind.
    std::unique_ptr<SqliteStatement> file;
    QList<double> dates;
    bool described = false;
    QStringList names;
    int lastRowCount = 0; // rows of the last fetchAll
};

Connection::Statement& Connection::run(const QString& sql) {
    if (m_lost)
        reopenLost();
    requireOpen();
    if (sql.trimmed().isEmpty())
        throw Failure(kCommandTextNotSet,
                      QStringLiteral("Command text was not set for the command object."));
    if (m_server)
        return runOnServer(sql);
    JetDialect::Translation translated = JetDialect::toSQLiteWithParameters(sql);
    if (sqlite3* handle = m_engineStatements ? sqliteHandle() : nullptr)
        return fileStatement(handle, std::move(translated));
    std::shared_ptr<Statement> statement = m_statements.value(translated.text);
    if (!statement) {
        if (m_statements.size() >= kMaxPreparedStatements)
            m_statements.clear();
        statement = std::make_shared<Statement>(m_db);
        statement->query.setForwardOnly(true);
        if (!statement->query.prepare(translated.text))
            throw statementFailure(statement->query.lastError());
        m_statements.insert(translated.text, statement);
    }
    QSqlQuery& query = statement->query;
    for (int i = 0; i < translated.dates.size(); ++i)
        query.bindValue(i, translated.dates[i]);
    if (!query.exec()) {
        const QSqlError error = query.lastError();
        query.finish();
        throw statementFailure(error);
    }
    if (!statement->described) {
        const QSqlRecord record = query.record();
        for (int c = 0; c < record.count(); ++c)
            statement->names.append(record.fieldName(c));
        statement->described = true;
    }
    return *statement;
}

Connection::Statement& Connection::fileStatement(sqlite3* handle,
                                                 JetDialect::Translation translated) {
    std::shared_ptr<Statement> statement = m_statements.value(translated.text);
    if (!statement) {
        if (m_statements.size() >= kMaxPreparedStatements)
            m_statements.clear();
        statement = std::make_shared<Statement>();
        QString error;
        statement->file = SqliteStatement::prepare(handle, translated.text, &error);
        if (!statement->file)
            throw Failure(kStatementError, error);
        statement->names = statement->file->columnNames();
        statement->described = true;
        m_statements.insert(translated.text, statement);
    }
    statement->dates = std::move(translated.dates);
    return *statement;
}

RowTable Connection::readFile(Statement& statement, int maxRows) {
    RowTable table(int(statement.names.size()), statement.names);
    // The same statement usually gives about as many rows as the last time.
    if (maxRows < 0)
        table.reserveRows(statement.lastRowCount);
    QString error;
    if (!statement.file->read(statement.dates, &table, maxRows, &error))
        throw Failure(kStatementError, error);
    if (maxRows < 0)
        statement.lastRowCount = table.rowCount();
    return table;
}

sqlite3* Connection::sqliteHandle() const {
    // A driver with its own copy of the engine keeps its handles there: statements go through
    // QtSql then.
    if (!SqliteLibrary::driverSharesOurs())
        return nullptr;
    // The driver documents its handle as a QVariant of this type name.
    const QVariant handle = m_db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

Connection::Statement& Connection::runOnServer(const QString& sql) {
    // Each statement runs once as written: the server plans it, and nothing is kept between.
    const QString text = PostgresDialect::toPostgreSQL(sql);
    m_statements.clear();
    auto statement = std::make_shared<Statement>(m_db);
    statement->query.setForwardOnly(true);
    if (!statement->query.exec(text))
        serverStatementFailed(statement->query.lastError());
    const QSqlRecord record = statement->query.record();
    for (int c = 0; c < record.count(); ++c)
        statement->names.append(record.fieldName(c));
    statement->described = true;
    m_statements.insert(text, statement);
    return *statement;
}

void Connection::noteIfLost() {
    if (!m_server)
        return;
    // The driver keeps a broken connection open; a statement that cannot fail tells.
    {
        QSqlQuery probe(m_db);
        if (probe.exec(QStringLiteral("SELECT 1")))
            return;
    }
    release();
    m_lost = true;
}

void Connection::reopenLost() {
    // Each attempt may wait out the connection timeout, and a fill runs several statements: after
    // a failed attempt the statements fail at once with its reason for a while.
    const qint64 now = m_clock ? m_clock()
                               : std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::steady_clock::now().time_since_epoch())
                                     .count();
    if (m_unreachable && now < m_retryAt)
        throw *m_unreachable;
    try {
        openServer(DataSource::parse(m_connectionString));
    } catch (const Failure& failure) {
        m_unreachable = failure;
        m_retryAt = now + kLostServerPauseMs;
        throw;
    }
    m_unreachable.reset();
    m_lost = false;
}

void Connection::serverStatementFailed(const QSqlError& error) {
    const Failure failure = statementFailure(error);
    m_statements.clear();
    noteIfLost();
    throw failure;
}

RowTable Connection::fetchAll(const QString& sql) {
    Statement& statement = run(sql);
    if (statement.file)
        return readFile(statement, -1);
    QSqlQuery& query = statement.query;
    const int columns = int(statement.names.size());
    RowTable table(columns, statement.names);
    // The same statement usually gives about as many rows as the last time.
    table.reserveRows(statement.lastRowCount);
    while (query.next()) {
        for (int c = 0; c < columns; ++c)
            table.appendValue(fieldValue(query, c, m_server));
        table.endRow();
    }
    const QSqlError error = query.lastError();
    // Reset, so that the kept statement holds no read lock on the file.
    query.finish();
    if (error.isValid() && m_server)
        serverStatementFailed(error);
    if (error.isValid())
        throw statementFailure(error);
    statement.lastRowCount = table.rowCount();
    return table;
}

std::optional<QVariant> Connection::fetchFirstValue(const QString& sql) {
    Statement& statement = run(sql);
    if (statement.file) {
        const RowTable row = readFile(statement, 1);
        if (row.rowCount() == 0)
            return std::nullopt;
        return row.at(0, 0);
    }
    QSqlQuery& query = statement.query;
    std::optional<QVariant> result;
    if (query.next())
        result = fieldValue(query, 0, m_server);
    const QSqlError error = query.lastError();
    query.finish();
    if (error.isValid() && m_server)
        serverStatementFailed(error);
    if (error.isValid())
        throw statementFailure(error);
    return result;
}

void Connection::execute(const QString& sql) {
    Statement& statement = run(sql);
    if (statement.file) {
        readFile(statement, 0);
        return;
    }
    statement.query.finish();
}

RecordsetPtr Connection::openRecordset(const QString& sql) {
    return std::make_shared<Recordset>(fetchAll(sql));
}
