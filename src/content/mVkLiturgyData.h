// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"

#include <QString>

// How the readings and content-links components find the liturgy database: the Jet data file
// that a given connection string names, else "LiturgyFile" of section "Files" of the INI file.
// A host connection string is used as given only in server mode.
namespace mVkLiturgyData {

struct Source {
    QString dataFile;
    QString connectionString;
};

Source liturgySource(const QString& iniFile, const QString& connectionString, bool serverMode);
// The cached connection of the source; null when it cannot be opened (already reported).
ConnectionPtr connect(const Source& source);

} // namespace mVkLiturgyData
