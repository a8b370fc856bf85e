// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HostSettings.h"

#include "data/mADO.h"
#include "support/modIni.h"

ConnectionPtr HostSettings::openDatabase() const {
    const QString file = liturgyFile();
    return mADO::getConnection(file, mADO::mGetConString(file, sqlMode ? -1 : 0, connectionString));
}

QString HostSettings::liturgyFile() const {
    return modIni::read(vkIniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
}
