// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/SqliteStatement.h"

#include <sqlite3.h>

SqliteStatement::SqliteStatement(sqlite3* db, sqlite3_stmt* statement)
    : m_db(db), m_statement(statement) {
    const int columns = statement ? sqlite3_column_count(statement) : 0;
    for (int c = 0; c < columns; ++c)
        m_names.append(QString::fromUtf8(sqlite3_column_name(statement, c)).remove(u'"'));
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_statement);
}

std::unique_ptr<SqliteStatement> SqliteStatement::prepare(sqlite3* db, const QString& sql,
                                                          QString* error) {
    const QByteArray text = sql.toUtf8();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v3(db, text.constData(), int(text.size()), SQLITE_PREPARE_PERSISTENT,
                           &statement, &tail) != SQLITE_OK) {
        *error = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_finalize(statement);
        return nullptr;
    }
    std::unique_ptr<SqliteStatement> prepared(new SqliteStatement(db, statement));
    // One statement at a time, as the driver allows; its message is the engine's last one.
    const qsizetype rest = tail ? text.constData() + text.size() - tail : 0;
    if (rest > 0 && !QByteArray::fromRawData(tail, rest).trimmed().isEmpty()) {
        *error = prepared->engineError();
        return nullptr;
    }
    return prepared;
}

QString SqliteStatement::engineError() const {
    return QString::fromUtf8(sqlite3_errmsg(m_db));
}

bool SqliteStatement::read(const QList<double>& values, RowTable* rows, int maxRows,
                           QString* error) {
    if (!m_statement) {
        *error = QStringLiteral("No query");
        return false;
    }
    if (sqlite3_bind_parameter_count(m_statement) != values.size()) {
        *error = QStringLiteral("Parameter count mismatch");
        return false;
    }
    for (int i = 0; i < values.size(); ++i)
        sqlite3_bind_double(m_statement, i + 1, values[i]);
    const int columns = int(m_names.size());
    int result = SQLITE_ROW;
    for (int row = 0; maxRows < 0 || row < qMax(maxRows, 1); ++row) {
        result = sqlite3_step(m_statement);
        if (result != SQLITE_ROW || row == maxRows)
            break;
        for (int c = 0; c < columns; ++c) {
            // The column's value read once: each sqlite3_column_* call would look the column
            // up again. Its value functions are safe here, as the connection is this thread's.
            sqlite3_value* value = sqlite3_column_value(m_statement, c);
            switch (sqlite3_value_type(value)) {
            case SQLITE_INTEGER:
                rows->appendValue(qlonglong(sqlite3_value_int64(value)));
                break;
            case SQLITE_FLOAT:
                rows->appendValue(sqlite3_value_double(value));
                break;
            case SQLITE_NULL:
                rows->appendValue(QVariant());
                break;
            case SQLITE_BLOB:
                rows->appendValue(QByteArray(static_cast<const char*>(sqlite3_value_blob(value)),
                                             sqlite3_value_bytes(value)));
                break;
            default: {
                const auto* text = reinterpret_cast<const char*>(sqlite3_value_text(value));
                rows->appendValue(QString::fromUtf8(text, sqlite3_value_bytes(value)));
                break;
            }
            }
        }
        rows->endRow();
    }
    const bool failed = result != SQLITE_ROW && result != SQLITE_DONE;
    if (failed)
        *error = engineError();
    // Reset, so that the kept statement holds no read lock on the file.
    sqlite3_reset(m_statement);
    return !failed;
}
