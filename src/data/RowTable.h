// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QStringList>
#include <QVariant>

// The all-rows result of a query, indexed [column][row] from 0. A default-constructed table is
// "no table": the value a query without rows gives.
class RowTable {
public:
    RowTable() = default;
    // A table of `columnCount` columns (with these names, when given) and no rows yet.
    explicit RowTable(int columnCount, QStringList columnNames = {});

    bool isTable() const { return m_isTable; }
    int columnCount() const { return int(m_columns.size()); }
    int rowCount() const { return m_rowCount; }
    // The value at column, row; a null QVariant for SQL NULL and outside the table.
    QVariant at(int column, int row) const;
    // The column's name as the statement gave it (empty when unknown or out of range).
    QString columnName(int column) const;
    // The column of that name, compared without regard to letter case; -1 when none.
    int columnIndex(const QString& name) const;

    // Appends a row; `values` must hold one value per column.
    void appendRow(const QVariantList& values);
    // Appends one value to `column`; call endRow() once every column of the row has one.
    void appendValue(int column, const QVariant& value) { m_columns[column].append(value); }
    void appendValue(int column, QVariant&& value) { m_columns[column].append(std::move(value)); }
    // Makes room for `rows` rows in every column.
    void reserveRows(int rows) {
        for (QVariantList& column : m_columns)
            column.reserve(rows);
    }
    void endRow() { ++m_rowCount; }

private:
    bool m_isTable = false;
    int m_rowCount = 0;
    QList<QVariantList> m_columns;
    QStringList m_names;
};
