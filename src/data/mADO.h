// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"
#include "data/ResData.h"

#include <QString>
#include <optional>

// The one way every class reaches a database: connection strings, one cached open connection
// per data file, statements in four result modes, and the screening of Access-only statements.
// No failure leaves this module: each is reported and the caller gets an empty result.
namespace mADO {

// The connection string of a query: the host's own in server mode (-1), a Jet string naming
// `dataFile` in Access mode (0), empty in every other mode.
QString mGetConString(const QString& dataFile, qint16 sqlMode, const QString& connectionString,
                      const QString& prefix = QString());
// The cached open connection of `dataFile`, or a new one opened from `connectionString` and
// cached; null when it cannot be opened. `seen` is the data file's identity when the caller has
// just looked at it as named, which the opening then trusts instead of looking again.
ConnectionPtr getConnection(const QString& dataFile, const QString& connectionString,
                            const std::optional<FileIdentity>& seen = std::nullopt);
// Runs `sql` on `connection`: mode 1 the first value as a string, 2 a recordset, 3 all rows as
// a table (not a table when there is no row), 4 a command (true). A failure is shown (unless
// `silent`) and logged; the result is then empty.
ResData getResData(const ConnectionPtr& connection, const QString& sql, qint16 mode, bool silent);
// Closes and forgets every cached connection of `dataFile`; true when one was closed.
bool closeConnection(const QString& dataFile);
// Closes and forgets the cached connections of `dataFile` whose file was replaced, changed or
// removed since they opened, so that the next query reads the file as it is now. For the readers
// that keep their connections (the day pages); one look at the file.
void dropChangedConnections(const QString& dataFile);
// Called at shutdown; does nothing. False.
bool showConnections();
// The statement in Access mode; refused (with a message) in server mode; empty otherwise.
QString fixSQL(const QString& sql, qint16 sqlMode);

} // namespace mADO
