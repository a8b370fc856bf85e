// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QList>

// Which SQLite library the code of this process runs on. A handle that QtSql's driver gives out
// may be used with this program's SQLite functions only when the driver runs on the very same
// library: Qt built with its own copy of SQLite inside the driver keeps its handles in that copy.
namespace SqliteLibrary {

// The names of the libraries that the loaded object whose file name contains `object` needs (its
// DT_NEEDED entries), and its own name (DT_SONAME) in `soname`; empty when no loaded object is so
// named.
QList<QByteArray> neededBy(const char* object, QByteArray* soname = nullptr);

// The DT_SONAME of the loaded object that holds the code at `address`; empty when none does.
QByteArray sonameAt(const void* address);

// Whether the loaded SQLite driver of QtSql needs the SQLite library this program calls. Asked
// once a driver has been loaded; the answer does not change while the process runs.
bool driverSharesOurs();

} // namespace SqliteLibrary
