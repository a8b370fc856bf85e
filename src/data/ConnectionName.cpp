// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/ConnectionName.h"

#include <atomic>

QString uniqueConnectionName(QLatin1StringView prefix) {
    static std::atomic<quint64> next{0};
    return QStringLiteral("%1_%2_%3")
        .arg(prefix)
        .arg(reinterpret_cast<quintptr>(&next), 0, 36)
        .arg(++next);
}
