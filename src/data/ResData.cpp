// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/ResData.h"

ResData ResData::fromString(const QString& text, const QVariant& raw) {
    ResData r;
    r.m_kind = Kind::String;
    r.m_text = text;
    r.m_raw = raw;
    return r;
}

ResData ResData::fromRecordset(RecordsetPtr recordset) {
    ResData r;
    r.m_kind = Kind::Recordset;
    r.m_recordset = std::move(recordset);
    return r;
}

ResData ResData::fromTable(RowTable table) {
    ResData r;
    r.m_kind = Kind::Table;
    r.m_table = std::move(table);
    return r;
}

ResData ResData::fromBool(bool value) {
    ResData r;
    r.m_kind = Kind::Bool;
    r.m_bool = value;
    return r;
}
