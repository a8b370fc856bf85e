#include "data/ServerCopy.h"

#include "data/Connection.h"
#include "data/PostgresDialect.h"
#include "support/Failure.h"
#include "support/OleDate.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <atomic>

namespace {

QString uniqueConnectionName() {
    static std::atomic<quint64> next{0};
    return QStringLiteral("lc_copy_%1").arg(++next);
}

bool fail(QString* error, const QString& text) {
    if (error)
        *error = text;
    return false;
}

// "CREATE TABLE t (a INTEGER PRIMARY KEY, b REAL)" with each column in the server's type.
QString serverTable(const QRegularExpressionMatch& m) {
    QStringList columns;
    for (const QString& column : m.captured(2).split(QStringLiteral(", "))) {
        QStringList words = column.split(QLatin1Char(' '));
        if (words.size() > 1)
            words[1] = PostgresDialect::columnType(words[1]);
        columns.append(words.join(QLatin1Char(' ')));
    }
    return QStringLiteral("CREATE TABLE %1 (%2)")
        .arg(m.captured(1), columns.join(QStringLiteral(", ")));
}

// The names of the REAL columns of `table` in the file: the date values.
QStringList dateColumns(const QSqlDatabase& db, const QString& table) {
    QStringList names;
    QSqlQuery query(db);
    query.exec(QStringLiteral("SELECT name, type FROM pragma_table_info('%1')").arg(table));
    while (query.next()) {
        if (query.value(1).toString().compare(QLatin1String("REAL"), Qt::CaseInsensitive) == 0)
            names.append(query.value(0).toString());
    }
    return names;
}

QVariant serverValue(const QVariant& value, bool isDate) {
    if (value.isNull() || !isDate)
        return value;
    const double ole = value.toDouble();
    if (!OleDate::inRange(ole))
        throw Failure(-2147217913, QStringLiteral("The value %1 is no date.").arg(ole));
    return OleDate::toDateTime(ole).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

// Copies every row of `table` from `source` to `target`.
void copyTable(QSqlDatabase& source, QSqlDatabase& target, const QString& table) {
    const QStringList dates = dateColumns(source, table);
    QSqlQuery read(source);
    read.setForwardOnly(true);
    if (!read.exec(QStringLiteral("SELECT * FROM ") + table))
        throw Failure(-2147217900, table + QStringLiteral(": ") + read.lastError().text());
    const QSqlRecord record = read.record();
    QStringList names;
    QStringList marks;
    QList<bool> isDate;
    for (int c = 0; c < record.count(); ++c) {
        names.append(record.fieldName(c));
        marks.append(QStringLiteral("?"));
        isDate.append(dates.contains(record.fieldName(c)));
    }
    QSqlQuery write(target);
    if (!write.prepare(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, names.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")))))
        throw Failure(-2147217900, table + QStringLiteral(": ") + write.lastError().text());
    while (read.next()) {
        for (int c = 0; c < record.count(); ++c)
            write.bindValue(c, serverValue(read.value(c), isDate[c]));
        if (!write.exec())
            throw Failure(-2147217900, table + QStringLiteral(": ") + write.lastError().text());
    }
}

} // namespace

namespace ServerCopy {

QStringList schemaStatements(Schema::Kind kind) {
    static const QRegularExpression table(QStringLiteral("^CREATE TABLE (\\w+) \\((.*)\\)$"));
    QStringList result;
    for (const QString& statement : Schema::statements(kind)) {
        const QRegularExpressionMatch m = table.match(statement);
        result.append(m.hasMatch() ? serverTable(m) : statement);
    }
    return result;
}

bool copy(const QString& sqliteFile, Schema::Kind kind, const QString& connectionString,
          QString* error) {
    Connection server;
    try {
        server.Open(connectionString);
    } catch (const Failure& failure) {
        return fail(error, failure.description());
    }
    if (!server.isServer())
        return fail(error, QStringLiteral("The connection string names no server."));
    QSqlDatabase& target = server.database();
    const QString name = uniqueConnectionName();
    bool copied = false;
    {
        QSqlDatabase source = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        source.setDatabaseName(sqliteFile);
        source.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        try {
            if (!source.open())
                throw Failure(-2147467259, source.lastError().text());
            if (!target.transaction())
                throw Failure(-2147467259, target.lastError().text());
            QSqlQuery query(target);
            for (const QString& statement : schemaStatements(kind)) {
                if (!query.exec(statement))
                    throw Failure(-2147217900,
                                  statement + QStringLiteral(": ") + query.lastError().text());
            }
            static const QRegularExpression tableName(QStringLiteral("^CREATE TABLE (\\w+) "));
            for (const QString& statement : Schema::statements(kind)) {
                const QRegularExpressionMatch m = tableName.match(statement);
                if (m.hasMatch())
                    copyTable(source, target, m.captured(1));
            }
            if (!target.commit())
                throw Failure(-2147467259, target.lastError().text());
            copied = true;
        } catch (const Failure& failure) {
            target.rollback();
            fail(error, failure.description());
        }
        source.close();
    }
    QSqlDatabase::removeDatabase(name);
    return copied;
}

} // namespace ServerCopy
