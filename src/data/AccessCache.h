// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The user's cached SQLite copies of Access files, one per file as it is on disk: a copy is
// keyed by the file's canonical path, size and modification time, so that a changed file is
// imported again. Copies are only ever opened read-only.
namespace AccessCache {

// The cache folder: "Brekka Data as/AccessCopies/" in the user's cache folder.
QString folder();
// The file name the copy of `accessFile` (an existing file) has as the file is now.
QString copyName(const QString& accessFile);
// The copy of the Access file `accessFile` (an existing file), imported when there is none yet
// for the file as it is now; the copies of its earlier states are removed then. Throws Failure
// naming `shownName` when the file cannot be imported.
QString copyFor(const QString& accessFile, const QString& shownName);

} // namespace AccessCache
