// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/RowTable.h"

RowTable::RowTable(int columnCount, QStringList columnNames)
    : m_isTable(true), m_columnCount(qMax(columnCount, 0)), m_names(std::move(columnNames)) {}

const QVariant& RowTable::at(int column, int row) const {
    if (column < 0 || column >= columnCount() || row < 0 || row >= m_rowCount) {
        static const QVariant none;
        return none;
    }
    return m_cells[size_t(row) * size_t(m_columnCount) + size_t(column)];
}

QString RowTable::columnName(int column) const {
    return m_names.value(column);
}

int RowTable::columnIndex(const QString& name) const {
    for (int c = 0; c < m_names.size(); ++c) {
        if (m_names.at(c).compare(name, Qt::CaseInsensitive) == 0)
            return c;
    }
    return -1;
}

void RowTable::appendRow(const QVariantList& values) {
    for (int c = 0; c < columnCount(); ++c)
        m_cells.push_back(values.value(c));
    ++m_rowCount;
}
