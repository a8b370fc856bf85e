// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QStringList>
#include <QVariant>
#include <utility>
#include <vector>

// The all-rows result of a query, indexed [column][row] from 0. A default-constructed table is
// "no table": the value a query without rows gives.
class RowTable {
public:
    RowTable() = default;
    // A table of `columnCount` columns (with these names, when given) and no rows yet.
    explicit RowTable(int columnCount, QStringList columnNames = {});

    bool isTable() const { return m_isTable; }
    int columnCount() const { return m_columnCount; }
    int rowCount() const { return m_rowCount; }
    // The value at column, row; a null QVariant for SQL NULL and outside the table.
    const QVariant& at(int column, int row) const;
    // The column's name as the statement gave it (empty when unknown or out of range).
    QString columnName(int column) const;
    // The column of that name, compared without regard to letter case; -1 when none.
    int columnIndex(const QString& name) const;

    // Appends a row; `values` must hold one value per column.
    void appendRow(const QVariantList& values);
    // Appends the next value of the row being read, the columns in order; call endRow() once
    // every column of the row has one.
    template <class Value> void appendValue(Value&& value) {
        m_cells.emplace_back(std::forward<Value>(value));
    }
    // Makes room for `rows` rows.
    void reserveRows(int rows) { m_cells.reserve(size_t(rows) * size_t(m_columnCount)); }
    void endRow() { ++m_rowCount; }

private:
    bool m_isTable = false;
    int m_columnCount = 0;
    int m_rowCount = 0;
    // Row by row: a reader appends each row whole, and the readers of a table go row by row.
    std::vector<QVariant> m_cells;
    QStringList m_names;
};
