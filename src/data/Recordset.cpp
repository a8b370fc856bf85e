// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/Recordset.h"

#include "support/Failure.h"

namespace {

Failure noCurrentRecord() {
    return {3021, QStringLiteral("Either BOF or EOF is True, or the current record has been "
                                 "deleted. Requested operation requires a current record.")};
}

Failure closed() {
    return {3704, QStringLiteral("Operation is not allowed when the object is closed.")};
}

Failure noSuchField(const QString& field) {
    return {3265, QStringLiteral("Item cannot be found in the collection corresponding to the "
                                 "requested name or ordinal (%1).")
                      .arg(field)};
}

} // namespace

Recordset::Recordset(RowTable rows) : m_rows(std::move(rows)) {}

void Recordset::requireRow() const {
    if (!m_open)
        throw closed();
    if (Eof() || Bof())
        throw noCurrentRecord();
}

QVariant Recordset::value(int index) const {
    requireRow();
    if (index < 0 || index >= m_rows.columnCount())
        throw noSuchField(QString::number(index));
    return m_rows.at(index, m_position);
}

QVariant Recordset::value(const QString& name) const {
    requireRow();
    const int index = m_rows.columnIndex(name);
    if (index < 0)
        throw noSuchField(name);
    return m_rows.at(index, m_position);
}

void Recordset::MoveNext() {
    requireRow();
    ++m_position;
}

void Recordset::Close() {
    m_open = false;
    m_rows = RowTable();
}
