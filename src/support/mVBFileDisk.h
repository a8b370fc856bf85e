// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/FileIdentity.h"

#include <QString>
#include <optional>

// Small file services. Paths split on '/' and '\' alike. None pushes a procedure name and
// none reports a failure except through its result.
namespace mVBFileDisk {

// Whether a file (not a folder) of that path exists; a name that differs only in letter case
// from the file on disk counts. `seen`, when given, gets the file's identity when it was found as
// written, so that a caller who opens it next need not look at it again.
bool fileExists(const QString& path, std::optional<FileIdentity>* seen = nullptr);
// Deletes the file; a missing file or a failure is ignored. True.
bool deleteFile(const QString& path);
// The whole text of the file (UTF-8), unchanged; empty when it cannot be read.
QString readTextFile(const QString& path);
// Appends `text` and CR LF to the file, creating it; false when it cannot be written.
bool AppendToTextFile(const QString& path, const QString& text);
// "htm" for "report.htm", "jp" for "x.jp", empty without a point among the last four.
QString fileExtension(const QString& path);
// The part after the last separator (the whole path when there is none).
QString fileNamePart(const QString& path);
// The part up to and including the last separator (empty when there is none).
QString folderPart(const QString& path);

// The path of the existing file or folder whose name matches `path` without regard to letter
// case, looked up folder by folder; `path` itself when it exists as written or nothing matches.
QString resolveLetterCase(const QString& path);

// `name` in `folder` (which ends in '/'), or with " (2)", " (3)", ... before its extension when
// that file exists, so that an earlier file is never overwritten.
QString freeFileName(const QString& folder, const QString& name);

} // namespace mVBFileDisk
