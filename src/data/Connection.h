// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/DataSource.h"
#include "data/JetDialect.h"
#include "data/Recordset.h"
#include "data/RowTable.h"
#include "support/Failure.h"
#include "support/FileIdentity.h"

#include <QHash>
#include <QSqlDatabase>
#include <QString>
#include <QVariant>
#include <functional>
#include <memory>
#include <optional>

class QSqlError;
class QSqlQuery;
struct sqlite3;

// One open database connection, made from a connection string. A Jet connection string
// ("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<file>;") opens its data file: an SQLite
// database directly, whatever its extension. Statements are given in the Jet dialect and
// translated just before they run. The file is opened read-only, so nothing a statement does
// can change it. A PostgreSQL string ("Provider=PostgreSQL;Server=...;Database=...;") opens
// that server through QPSQL, with the statements bridged to its dialect. Every operation that fails
// throws Failure, like the run-time error of the database object it stands for; mADO turns those
// into its failure paths.
class Connection {
public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens the data source that `connectionString` names; throws Failure when it cannot.
    void Open(const QString& connectionString);
    // The same, for a caller that has already read the string into `target`, and that may have
    // just looked at its data file as named (`seen`, its identity then).
    void Open(const QString& connectionString, const DataSource::Target& target,
              const std::optional<FileIdentity>& seen = std::nullopt);
    // The connection string the connection was opened with.
    QString ConnectionString() const { return m_connectionString; }
    // The connection string in upper case, for finding a connection by its data file.
    const QString& upperConnectionString() const { return m_upperConnectionString; }
    // Closes the connection. The open database goes back to this thread's connection pool (when
    // the connection cache exists) for the next Open of the same unchanged file.
    void Close();
    bool isOpen() const;
    // Whether the database file on disk is still the one that was opened (true for a server):
    // one look at the file.
    bool fileUnchanged() const;
    // Whether the connection is to a database server.
    bool isServer() const { return m_server; }
    // The open database, for the tools that write to a server.
    QSqlDatabase& database() { return m_db; }
    // The database file that was opened (empty before Open).
    QString databaseFile() const { return m_databaseFile; }
    // The clock, in milliseconds, that spaces the attempts to reach a lost server again: a
    // steady clock unless a test gives its own.
    void setClock(std::function<qint64()> clock) { m_clock = std::move(clock); }
    // Whether a data file's statements may run on the driver's own engine handle (the default;
    // only with a driver on the core's SQLite library) or always go through QtSql. Set before
    // Open; a connection that goes through QtSql is not pooled.
    void setEngineStatements(bool allowed) { m_engineStatements = allowed; }

    // Runs a statement and returns all its rows (a table without rows when there are none).
    RowTable fetchAll(const QString& sql);
    // Runs a statement and returns the first column of its first row; nothing when there is
    // no row.
    std::optional<QVariant> fetchFirstValue(const QString& sql);
    // Runs a statement that gives no rows back (any rows it gives are dropped).
    void execute(const QString& sql);
    // Opens a read-only recordset on a statement, for readers that keep their own.
    RecordsetPtr openRecordset(const QString& sql);

    // A statement prepared on the open database.
    struct Statement;

private:
    // The prepared statement of `sql`, executed with its date values (on a data file: with
    // them to bind, run by readFile); throws Failure.
    Statement& run(const QString& sql);
    void requireOpen() const;
    // The kept statement of `translated` on the data file's engine handle, its dates to bind.
    Statement& fileStatement(sqlite3* handle, JetDialect::Translation translated);
    // Up to `maxRows` rows of a file statement (all when negative); throws Failure.
    RowTable readFile(Statement& statement, int maxRows);
    // The engine handle of the open data file; null when the driver gives none.
    sqlite3* sqliteHandle() const;
    // Opens the checked SQLite `file`, which had `identity` just before.
    void openFile(const QString& file, const FileIdentity& identity);
    // Opens the PostgreSQL server of `target` through QPSQL; throws Failure with its reason.
    void openServer(const DataSource::Target& target);
    // Runs a statement on the server, bridged from the Jet dialect; throws Failure.
    Statement& runOnServer(const QString& sql);
    // After a failed statement on the server: whether the server connection itself is gone
    // (server restarted, backend ended). Its database is let go then, and the next statement
    // opens the connection again.
    void noteIfLost();
    // Opens the lost server connection again; throws Failure with the reason it was not reached,
    // at once while the pause after a failed attempt lasts.
    void reopenLost();
    // The failure of a statement that the server refused with `error`.
    [[noreturn]] void serverStatementFailed(const QSqlError& error);
    // Takes the pooled database of `file` as it is on disk now (`seen`, when the caller has just
    // looked); false when there is none.
    bool reusePooled(const QString& file, const std::optional<FileIdentity>& seen);
    // Takes the pooled database of `file` opened when it had `identity`; false when none.
    bool reuseFile(const QString& file, const FileIdentity& identity);
    void release();

    QString m_connectionString;
    QString m_upperConnectionString;
    QString m_connectionName;
    QSqlDatabase m_db;
    QString m_databaseFile;
    // Whether the connection is to a server rather than a file.
    bool m_server = false;
    bool m_engineStatements = true;
    // A server connection that broke: opened again from m_connectionString on its next use.
    bool m_lost = false;
    // The reason the lost server was last not reached, and when it may be tried again.
    std::optional<Failure> m_unreachable;
    qint64 m_retryAt = 0;
    std::function<qint64()> m_clock;
    // The database file as it was on disk just before it was opened.
    std::optional<FileIdentity> m_identity;
    // Statements already prepared on this connection, by their translated text.
    QHash<QString, std::shared_ptr<Statement>> m_statements;
};

using ConnectionPtr = std::shared_ptr<Connection>;
