// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QLatin1StringView>
#include <QString>

// A name for a new database connection that no other connection of the process has, such as
// "lc_data_…". A program may hold two copies of this code (its own, and the component library's
// it loads), and both share Qt's one list of connection names, where a second connection under
// a name takes the first's place and stops its work. So the name carries the copy's own address
// as well as its count.
QString uniqueConnectionName(QLatin1StringView prefix);
