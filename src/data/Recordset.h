// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/RowTable.h"

#include <QString>
#include <QVariant>
#include <memory>

// A read-only result set over the rows a statement gave, fetched when it was opened. It moves
// forward only. Reading a field at EOF or BOF, or of a closed recordset, is a failure (thrown
// as Failure, like the run-time error a reader meets there).
class Recordset {
public:
    explicit Recordset(RowTable rows);

    // The names are spelled like this because EOF is a macro of the C library.
    bool Eof() const { return !m_open || m_position >= m_rows.rowCount(); }
    bool Bof() const { return !m_open || m_rows.rowCount() == 0; }
    int RecordCount() const { return m_open ? m_rows.rowCount() : -1; }
    int fieldCount() const { return m_rows.columnCount(); }
    bool isOpen() const { return m_open; }

    // The value of the field at `index` (from 0) in the current row; null for SQL NULL.
    QVariant value(int index) const;
    // The value of the field named `name`, without regard to letter case.
    QVariant value(const QString& name) const;
    // Moves to the next row; a failure at EOF.
    void MoveNext();
    void Close();

private:
    void requireRow() const;

    RowTable m_rows;
    int m_position = 0;
    bool m_open = true;
};

using RecordsetPtr = std::shared_ptr<Recordset>;
