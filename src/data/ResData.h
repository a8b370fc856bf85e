// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Recordset.h"
#include "data/RowTable.h"

#include <QString>
#include <QVariant>
#include <utility>

// The result of a statement run by mADO::getResData, a value of one of these kinds: empty (no
// result, or a failure), a string (mode 1), a recordset (mode 2), a row table (mode 3) or
// true (mode 4).
class ResData {
public:
    enum class Kind { Empty, String, Recordset, Table, Bool };

    ResData() = default;
    static ResData fromString(const QString& text, const QVariant& raw = {});
    static ResData fromRecordset(RecordsetPtr recordset);
    static ResData fromTable(RowTable table);
    static ResData fromBool(bool value);

    Kind kind() const { return m_kind; }
    bool isEmpty() const { return m_kind == Kind::Empty; }
    bool isTable() const { return m_kind == Kind::Table && m_table.isTable(); }
    // The table of a mode-3 result; "no table" for every other kind.
    const RowTable& table() const& { return m_table; }
    RowTable table() && { return std::move(m_table); }
    // The string of a mode-1 result; empty for every other kind.
    QString toString() const { return m_text; }
    // The field value a mode-1 string was made from (a date stays a number); null otherwise.
    QVariant value() const { return m_raw; }
    // The recordset of a mode-2 result; null for every other kind.
    RecordsetPtr recordset() const { return m_recordset; }
    // True for the result of mode 4; false for every other kind.
    bool toBool() const { return m_kind == Kind::Bool && m_bool; }

private:
    Kind m_kind = Kind::Empty;
    QString m_text;
    QVariant m_raw;
    RecordsetPtr m_recordset;
    RowTable m_table;
    bool m_bool = false;
};
