// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/RowTable.h"

#include <QStringList>

// The rows of a table as text, to compare whole: each row's values joined by '|', a null value
// written as `null`.
inline QStringList rowLines(const RowTable& table, const QString& null = QStringLiteral("NULL")) {
    QStringList rows;
    for (int r = 0; r < table.rowCount(); ++r) {
        QStringList values;
        for (int c = 0; c < table.columnCount(); ++c)
            values << (table.at(c, r).isNull() ? null : table.at(c, r).toString());
        rows << values.join(QLatin1Char('|'));
    }
    return rows;
}
