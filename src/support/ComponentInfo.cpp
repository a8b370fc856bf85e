// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/ComponentInfo.h"

#include "support/BuildInfo.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <dlfcn.h>

namespace ComponentInfo {

QString title() {
    return QStringLiteral("Liturgy Calendar");
}
QString productName() {
    return QStringLiteral("Liturgy Calendar");
}
QString moduleName() {
    return QStringLiteral("VoVoruzevUdadudar");
}
QString companyName() {
    return QStringLiteral("Brekka Data as");
}
int major() {
    return buildinfo::kMajor;
}
int minor() {
    return buildinfo::kMinor;
}
int revision() {
    return buildinfo::kRevision;
}

QString folder() {
    const QString& overridden = shared().env.componentFolder;
    if (!overridden.isEmpty())
        return overridden;
    // The module that holds this code: the shared library, or the program the core is
    // linked into.
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&folder), &info) == 0 || !info.dli_fname)
        return {};
    return QFileInfo(QFile::decodeName(info.dli_fname)).absolutePath() + QLatin1Char('/');
}

QString helperPath(const QString& name) {
    // Only places relative to the module: an installed tree can be moved, and the build tree
    // is gone on every machine but the one that built it.
    const QString chosen = qEnvironmentVariable(kHelperFolderVariable);
    if (!chosen.isEmpty())
        return QDir::cleanPath(chosen + QLatin1Char('/') + name);
    const QString own = folder();
    const QStringList candidates = {
        own + QLatin1String(buildinfo::kHelpersFromLibrary) + QLatin1Char('/') + name,
        own + QLatin1String(buildinfo::kHelpersFromProgram) + QLatin1Char('/') + name,
    };
    for (const QString& candidate : candidates) {
        const QFileInfo info(candidate);
        if (info.isFile() && info.isExecutable())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return QDir::cleanPath(QFileInfo(candidates.first()).absoluteFilePath());
}

} // namespace ComponentInfo
