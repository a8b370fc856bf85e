// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/mVkLiturgyData.h"

#include "data/ConnectionCache.h"
#include "data/DataSource.h"
#include "data/mADO.h"
#include "support/modIni.h"

namespace mVkLiturgyData {

Source liturgySource(const QString& iniFile, const QString& connectionString, bool serverMode) {
    if (!connectionString.isEmpty()) {
        // Read once per string, as the connections read it.
        const DataSource::Target& target = ConnectionCache::instance().parsed(connectionString);
        if (target.kind == DataSource::Target::Kind::JetFile && !target.dataSource.isEmpty())
            return {target.dataSource, connectionString};
    }
    const QString liturgyFile =
        modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
    if (serverMode)
        return {liturgyFile, connectionString};
    return {liturgyFile, mADO::mGetConString(liturgyFile, 0, QString())};
}

ConnectionPtr connect(const Source& source) {
    return mADO::getConnection(source.dataFile, source.connectionString);
}

} // namespace mVkLiturgyData
