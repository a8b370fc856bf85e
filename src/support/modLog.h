// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QVariantList>

// The component's general log: one text file per user, a line per reported failure, rotated
// to a ".bck" backup past 60000 bytes.
namespace modLog {

inline constexpr qint64 kMaxLogSize = 60000;

// Appends one record (its items TAB-joined) to the log file; false when the line could not
// be written. Never reports a failure.
bool writeRecord(const QVariantList& record);
// Writes the banner to a new file at `path`, replacing any file of that name; true.
bool createLogFile(const QString& path);
// "Build 1.02.0034", followed by " - " and the short date of the module file when it exists.
QString versionText();
// The log file's path: the log folder + "Cendra Liturgy Calendar LOG.TXT".
QString logFilePath();
// The backup of a log file: its path without the last three characters, + "bck".
QString backupFilePath(const QString& logFile);

} // namespace modLog
