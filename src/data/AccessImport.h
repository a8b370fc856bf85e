// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// Runs the helper program that copies a user's Access file into an SQLite database. libmdb
// runs in that program only, with a time and a memory limit, so that a file that makes it
// crash, hang or run out of memory ends as a failure to open that file and never harms the
// host. The helper is found beside the component's module, in "../libexec/VoVoruzevUdadudar/"
// from there, or where the build left it; the environment can name another.
namespace AccessImport {

// The name of the helper program.
QString programName();
// The helper that will run; empty when none is found.
QString program();

// Copies the Access file `accessFile` into the SQLite file `target`, which appears only
// complete: the helper writes a temporary file beside it that is renamed into place. An
// existing `target` is replaced only when `replace` is set. Throws Failure "Cannot open the
// Access database '<shownName>': <reason>" with the helper's reason; no partial file stays.
void copy(const QString& accessFile, const QString& target, const QString& shownName, bool replace);

} // namespace AccessImport
