// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/ServerCopy.h"

#include "data/Connection.h"
#include "data/ConnectionName.h"
#include "data/DataSource.h"
#include "data/PlanWatch.h"
#include "data/PostgresDialect.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/modIni.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <memory>

namespace {

constexpr qint32 kEngineError = -2147467259;
constexpr qint32 kStatementError = -2147217900;
// Rows sent to the server in one statement: a round trip per row would make a large liturgy
// database take minutes.
constexpr int kRowsPerInsert = 250;

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

QString kindName(Schema::Kind kind) {
    switch (kind) {
    case Schema::Kind::Liturgy:
        return QCoreApplication::translate("ServerCopy", "liturgy database");
    case Schema::Kind::Plan:
        return QCoreApplication::translate("ServerCopy", "plan database");
    case Schema::Kind::Service:
        return QCoreApplication::translate("ServerCopy", "service database");
    case Schema::Kind::ItemData:
        break;
    }
    return QCoreApplication::translate("ServerCopy", "item data file");
}

// A table of the file schema: its columns, and which of them hold date values.
struct Table {
    QString name;
    QStringList columns;
    QList<bool> isDate;
    QString createStatement; // in the server's types
};

QList<Table> tablesOf(Schema::Kind kind) {
    static const QRegularExpression create(QStringLiteral("^CREATE TABLE (\\w+) \\((.*)\\)$"));
    QList<Table> tables;
    for (const QString& statement : Schema::statements(kind)) {
        const QRegularExpressionMatch m = create.match(statement);
        if (!m.hasMatch())
            continue;
        Table table;
        table.name = m.captured(1);
        QStringList serverColumns;
        for (const QString& column : m.captured(2).split(QStringLiteral(", "))) {
            QStringList words = column.split(QLatin1Char(' '));
            table.columns.append(words.first());
            table.isDate.append(words.size() > 1 &&
                                PostgresDialect::columnType(words[1]) != words[1]);
            if (words.size() > 1)
                words[1] = PostgresDialect::columnType(words[1]);
            serverColumns.append(words.join(QLatin1Char(' ')));
        }
        table.createStatement = QStringLiteral("CREATE TABLE %1 (%2)")
                                    .arg(table.name, serverColumns.join(QStringLiteral(", ")));
        tables.append(table);
    }
    return tables;
}

// The table a database of `kind` cannot be without: a file that lacks it is of another kind.
QString keyTable(Schema::Kind kind) {
    switch (kind) {
    case Schema::Kind::Liturgy:
        return QStringLiteral("tbCalenderData");
    case Schema::Kind::Plan:
        return QStringLiteral("tbMainPlan");
    case Schema::Kind::Service:
        return QStringLiteral("tbUserText");
    case Schema::Kind::ItemData:
        break;
    }
    return QStringLiteral("tbContent");
}

QSqlQuery exec(const QSqlDatabase& db, const QString& sql) {
    QSqlQuery query(db);
    if (!query.exec(sql))
        throw Failure(kStatementError, sql + QStringLiteral(": ") + query.lastError().text());
    return query;
}

qint64 rowCount(const QSqlDatabase& db, const QString& table) {
    QSqlQuery query = exec(db, QStringLiteral("SELECT COUNT(*) FROM ") + table);
    return query.next() ? query.value(0).toLongLong() : 0;
}

// One source opened read-only: which of its kind's tables and columns it has, and their rows.
class SourceFile {
public:
    SourceFile(const ServerCopy::Source& source) : m_kind(source.kind) {
        QString file;
        try {
            file = DataSource::sqliteFileFor(source.dataFile);
        } catch (const Failure& failure) {
            throw Failure(failure.number(),
                          QCoreApplication::translate("ServerCopy", "The %1 cannot be read: %2")
                              .arg(kindName(m_kind), failure.description()));
        }
        m_name = uniqueConnectionName(QLatin1StringView("lc_copy"));
        m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
        m_db.setDatabaseName(file);
        m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!m_db.open())
            throw Failure(
                kEngineError,
                QCoreApplication::translate("ServerCopy", "The %1 '%2' cannot be read: %3")
                    .arg(kindName(m_kind), source.dataFile, m_db.lastError().text()));
        // One read transaction for the counts and the rows: a program that plans into the file
        // meanwhile changes neither (write-ahead-log mode keeps the snapshot of the first read).
        if (!m_db.transaction())
            throw Failure(
                kEngineError,
                QCoreApplication::translate("ServerCopy", "The %1 '%2' cannot be read: %3")
                    .arg(kindName(m_kind), source.dataFile, m_db.lastError().text()));
        for (const Table& table : tablesOf(m_kind)) {
            const QStringList present = presentColumns(table);
            if (present.isEmpty() && table.name == keyTable(m_kind))
                throw Failure(
                    kEngineError,
                    QCoreApplication::translate("ServerCopy", "The %1 '%2' has no table %3.")
                        .arg(kindName(m_kind), source.dataFile, table.name));
            m_columns.append(present);
            m_rows.append(present.isEmpty() ? 0 : rowCount(m_db, table.name));
        }
    }
    ~SourceFile() {
        m_db.rollback();
        m_db.close();
        m_db = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_name);
    }
    SourceFile(const SourceFile&) = delete;
    SourceFile& operator=(const SourceFile&) = delete;

    Schema::Kind kind() const { return m_kind; }
    QSqlDatabase& db() { return m_db; }
    // The columns of the kind's `index`th table that the file has (none: it lacks the table).
    const QStringList& columns(qsizetype index) const { return m_columns[index]; }
    qint64 rows(qsizetype index) const { return m_rows[index]; }
    qint64 allRows() const {
        qint64 sum = 0;
        for (const qint64 rows : m_rows)
            sum += rows;
        return sum;
    }

private:
    // The schema's columns of `table` that the file has, without regard to letter case.
    QStringList presentColumns(const Table& table) const {
        QSqlQuery query =
            exec(m_db, QStringLiteral("SELECT name FROM pragma_table_info('%1')").arg(table.name));
        QStringList names;
        while (query.next())
            names.append(query.value(0).toString().toLower());
        QStringList present;
        for (const QString& column : table.columns) {
            if (names.contains(column.toLower()))
                present.append(column);
        }
        return present;
    }

    Schema::Kind m_kind;
    QString m_name;
    QSqlDatabase m_db;
    QList<QStringList> m_columns;
    QList<qint64> m_rows;
};

QVariant serverValue(const QVariant& value, bool isDate, const QString& table,
                     const QString& column) {
    if (value.isNull() || !isDate)
        return value;
    bool numeric = false;
    const double ole = value.toDouble(&numeric);
    if (!numeric || !OleDate::inRange(ole))
        throw Failure(-2147217913, QCoreApplication::translate(
                                       "ServerCopy", "The value '%1' of %2.%3 is no date.")
                                       .arg(value.toString(), table, column));
    return OleDate::toDateTime(ole).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// The statement that inserts `rows` rows of `columns` into `table`.
QString insertStatement(const QString& table, const QStringList& columns, int rows) {
    QStringList marks(columns.size(), QStringLiteral("?"));
    const QString row = QLatin1Char('(') + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
    return QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
        .arg(table, columns.join(QStringLiteral(", ")),
             QStringList(rows, row).join(QStringLiteral(", ")));
}

// Copies every row of one table from the source to the server.
void copyTable(SourceFile& source, const QSqlDatabase& target, const Table& table,
               const QStringList& columns, const std::function<void()>& rowDone) {
    QList<bool> isDate;
    for (const QString& column : columns)
        isDate.append(table.isDate[table.columns.indexOf(column)]);
    QSqlQuery read(source.db());
    read.setForwardOnly(true);
    const QString select =
        QStringLiteral("SELECT %1 FROM %2").arg(columns.join(QStringLiteral(", ")), table.name);
    if (!read.exec(select))
        throw Failure(kStatementError, table.name + QStringLiteral(": ") + read.lastError().text());
    QSqlQuery write(target);
    int preparedRows = 0;
    QVariantList batch;
    // Sends the rows gathered so far in one statement.
    const auto flush = [&]() {
        const int rows = int(batch.size() / columns.size());
        if (rows == 0)
            return;
        if (rows != preparedRows) {
            if (!write.prepare(insertStatement(table.name, columns, rows)))
                throw Failure(kStatementError,
                              table.name + QStringLiteral(": ") + write.lastError().text());
            preparedRows = rows;
        }
        for (qsizetype i = 0; i < batch.size(); ++i)
            write.bindValue(int(i), batch[i]);
        if (!write.exec())
            throw Failure(kStatementError,
                          table.name + QStringLiteral(": ") + write.lastError().text());
        batch.clear();
        for (int r = 0; r < rows; ++r)
            rowDone();
    };
    while (read.next()) {
        for (qsizetype c = 0; c < columns.size(); ++c)
            batch.append(serverValue(read.value(int(c)), isDate[c], table.name, columns[c]));
        if (batch.size() == kRowsPerInsert * columns.size())
            flush();
    }
    if (read.lastError().isValid())
        throw Failure(kStatementError, table.name + QStringLiteral(": ") + read.lastError().text());
    flush();
}

// The tables of the server's current schema among `tables`, as the schema names them.
QStringList existingTables(const QSqlDatabase& db, const QList<Table>& tables) {
    QStringList lower;
    for (const Table& table : tables)
        lower.append(QLatin1Char('\'') + table.name.toLower() + QLatin1Char('\''));
    QSqlQuery query = exec(db, QStringLiteral("SELECT table_name FROM information_schema.tables "
                                              "WHERE table_schema = current_schema() AND "
                                              "table_name IN (%1)")
                                   .arg(lower.join(QStringLiteral(", "))));
    QStringList found;
    while (query.next())
        found.append(query.value(0).toString());
    QStringList names;
    for (const Table& table : tables) {
        if (found.contains(table.name.toLower()))
            names.append(table.name);
    }
    return names;
}

// Opens the server; a string that names anything else is refused before anything is opened.
void openServer(Connection& server, const QString& connectionString) {
    if (!DataSource::isPostgreSQL(DataSource::parse(connectionString)))
        throw Failure(kEngineError,
                      QCoreApplication::translate(
                          "ServerCopy", "The connection string '%1' names no PostgreSQL server.")
                          .arg(DataSource::masked(connectionString)));
    server.Open(connectionString);
}

void copyInto(QSqlDatabase& target, std::vector<std::unique_ptr<SourceFile>>& sources,
              const ServerCopy::Options& options, QList<ServerCopy::TableCount>* counts) {
    QList<Table> tables;
    for (const Schema::Kind kind : options.kinds)
        tables += tablesOf(kind);
    const QStringList existing = existingTables(target, tables);
    if (!existing.isEmpty() && !options.replace) {
        QSqlQuery name = exec(target, QStringLiteral("SELECT current_database()"));
        name.next();
        throw Failure(kEngineError,
                      QCoreApplication::translate(
                          "ServerCopy",
                          "The server database '%1' holds the tables %2 "
                          "already; they are replaced only when asked to (--replace).")
                          .arg(name.value(0).toString(), existing.join(QStringLiteral(", "))));
    }
    for (const QString& table : existing)
        exec(target, QStringLiteral("DROP TABLE ") + table);
    for (const Schema::Kind kind : options.kinds) {
        for (const QString& statement : ServerCopy::schemaStatements(kind))
            exec(target, statement);
    }

    qint64 total = 0;
    for (const auto& source : sources)
        total += source->allRows();
    qint64 done = 0;
    const std::function<void()> rowDone = [&]() {
        ++done;
        if (options.progress)
            options.progress(done, total);
    };
    if (options.progress)
        options.progress(0, total);
    QList<ServerCopy::TableCount> result;
    for (const Schema::Kind kind : options.kinds) {
        const QList<Table> kindTables = tablesOf(kind);
        for (qsizetype t = 0; t < kindTables.size(); ++t) {
            ServerCopy::TableCount count{kindTables[t].name, 0, 0};
            for (const auto& source : sources) {
                if (source->kind() != kind || source->columns(t).isEmpty())
                    continue;
                copyTable(*source, target, kindTables[t], source->columns(t), rowDone);
                count.source += source->rows(t);
            }
            count.server = rowCount(target, count.table);
            result.append(count);
        }
    }
    QStringList differing;
    for (const ServerCopy::TableCount& count : result) {
        if (count.source != count.server)
            differing.append(
                QCoreApplication::translate("ServerCopy",
                                            "%1 has %2 rows in the data file and %3 on the server")
                    .arg(count.table)
                    .arg(count.source)
                    .arg(count.server));
    }
    if (!differing.isEmpty())
        throw Failure(kEngineError,
                      QCoreApplication::translate("ServerCopy", "The copy is incomplete: %1.")
                          .arg(differing.join(QStringLiteral("; "))));
    if (counts)
        *counts = result;
}

} // namespace

namespace ServerCopy {

QStringList schemaStatements(Schema::Kind kind) {
    const QList<Table> tables = tablesOf(kind);
    QStringList result;
    qsizetype next = 0;
    for (const QString& statement : Schema::statements(kind)) {
        const bool isTable = statement.startsWith(QLatin1String("CREATE TABLE "));
        result.append(isTable ? tables[next++].createStatement : statement);
    }
    // Every change of the plan is told to the windows that listen (PlanWatch), when it is
    // committed, whichever program made it.
    if (kind == Schema::Kind::Plan)
        result << QStringLiteral("CREATE OR REPLACE FUNCTION lc_plan_changed() RETURNS trigger "
                                 "LANGUAGE plpgsql AS $$ BEGIN PERFORM pg_notify('%1', ''); "
                                 "RETURN NULL; END $$")
                      .arg(QLatin1String(PlanWatch::kChannel))
               << QStringLiteral("CREATE TRIGGER tbmainplan_changed AFTER INSERT OR UPDATE OR "
                                 "DELETE OR TRUNCATE ON tbMainPlan FOR EACH STATEMENT EXECUTE "
                                 "FUNCTION lc_plan_changed()");
    return result;
}

bool sourcesOf(const QString& iniFile, QList<Source>* sources, QString* error) {
    sources->clear();
    const QFileInfo info(iniFile);
    if (!info.isFile())
        return fail(error,
                    QCoreApplication::translate("ServerCopy", "The INI file '%1' does not exist.")
                        .arg(iniFile));
    static const std::pair<const char*, Schema::Kind> keys[] = {
        {"LiturgyFile", Schema::Kind::Liturgy},
        {"PlanFile", Schema::Kind::Plan},
        {"ServiceFile", Schema::Kind::Service},
    };
    for (const auto& [key, kind] : keys) {
        const QString file =
            modIni::read(iniFile, QStringLiteral("Files"), QLatin1String(key)).trimmed();
        if (!file.isEmpty())
            sources->append({kind, file});
    }
    if (sources->isEmpty())
        return fail(error,
                    QCoreApplication::translate(
                        "ServerCopy", "The INI file '%1' names no database: its section "
                                      "\"Files\" has no LiturgyFile, PlanFile or ServiceFile.")
                        .arg(iniFile));
    return true;
}

bool copy(const QList<Source>& sources, const QString& connectionString, const Options& options,
          QList<TableCount>* counts, QString* error) {
    Connection server;
    try {
        std::vector<std::unique_ptr<SourceFile>> files;
        for (const Source& source : sources)
            files.push_back(std::make_unique<SourceFile>(source));
        openServer(server, connectionString);
        QSqlDatabase& target = server.database();
        if (!target.transaction())
            throw Failure(kEngineError, target.lastError().text());
        try {
            copyInto(target, files, options, counts);
            if (!target.commit())
                throw Failure(kEngineError, target.lastError().text());
        } catch (const Failure&) {
            target.rollback();
            throw;
        }
    } catch (const Failure& failure) {
        return fail(error, failure.description());
    }
    return true;
}

bool copy(const QString& dataFile, Schema::Kind kind, const QString& connectionString,
          QString* error) {
    Options options;
    options.kinds = {kind};
    return copy({{kind, dataFile}}, connectionString, options, nullptr, error);
}

} // namespace ServerCopy
