// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/DiskInterface.h"

#include <QString>
#include <QStringList>

// One value of an INI file in the private-profile format: section and key names match without
// regard to letter case; a value reads as at most 254 characters; a missing file, section or
// key reads as the empty string.
namespace modIni {

inline constexpr int kMaxValueLength = 254;

// Reads through this thread's IniFileCache: the file is read once, and again when it changed.
QString read(const QString& iniFile, const QString& section, const QString& key);
// Reads several keys of one section, each as read() reads it, with one look at the file.
QStringList readAll(const QString& iniFile, const QString& section, const QStringList& keys);
// Writes the value, creating the file, section or key as needed, and keeps every other line,
// comment and line end as it was. The file is replaced atomically (written beside, then
// renamed), so a failed write leaves it untouched. True, as the callers expect; use
// writeChecked to learn whether the write happened.
bool write(const QString& iniFile, const QString& section, const QString& key,
           const QString& value);
// `why`, when given, tells how a write of the file ended (Failed for a value that is refused).
bool writeChecked(const QString& iniFile, const QString& section, const QString& key,
                  const QString& value, DiskInterface& disk,
                  DiskInterface::WriteResult* why = nullptr);

// Whether an INI text or file is saved as UTF-16, which is read as holding nothing and never
// written: its values are not what a person saved there, so callers say why.
bool isUtf16(const QByteArray& text);
bool isUtf16File(const QString& iniFile);

// The text of an INI file after setting `key` of `section` to `value` (pure, for the writer).
QByteArray withValue(const QByteArray& text, const QString& section, const QString& key,
                     const QString& value);
// The value of `key` in `section` of an INI text, uncut; empty when absent.
QString valueIn(const QByteArray& text, const QString& section, const QString& key);

} // namespace modIni
