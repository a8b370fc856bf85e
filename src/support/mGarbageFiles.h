// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The temporary-file list of the shared state.
namespace mGarbageFiles {

// Appends `path` to the temporary-file list (created when absent); true.
bool AddGarbageFile(const QString& path);
// Deletes every listed file that exists, in order; the list stays as it is. True.
bool cleanGarbageFiles();
// Cleans and then releases the list (a later AddGarbageFile starts a new one).
void releaseGarbageFiles();

} // namespace mGarbageFiles
