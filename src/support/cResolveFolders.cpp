// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/cResolveFolders.h"

#include "support/CErrHandler.h"
#include "support/ComponentInfo.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

constexpr int kApplicationDataFolder = 26;

} // namespace

QString cResolveFolders::getLogPath() {
    return subFolder("LogFiles");
}

QString cResolveFolders::GetConfigPath() {
    return subFolder("ConfigFiles");
}

QString cResolveFolders::getExportPath() {
    const QString folder = subFolder("Exports");
    createFolder(folder);
    return folder;
}

QString cResolveFolders::subFolder(const char* name) {
    const QString base = GetShellSpecialFolder(kApplicationDataFolder);
    if (base.isEmpty())
        return ComponentInfo::folder();
    createFolder(base);
    createBrekkaDataFolders(base);
    return base + QStringLiteral("/Brekka Data as/") + QLatin1String(name) + QLatin1Char('/');
}

QString cResolveFolders::GetShellSpecialFolder(int folder) {
    if (folder != kApplicationDataFolder)
        return {};
    QString path = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    while (path.endsWith(QLatin1Char('/')) && path.size() > 1)
        path.chop(1);
    return path;
}

bool cResolveFolders::createFolder(const QString& path) {
    if (!QFileInfo(path).isDir())
        QDir().mkpath(path);
    return true;
}

bool cResolveFolders::createBrekkaDataFolders(const QString& base) {
    const QString chain[] = {base + QStringLiteral("/Brekka Data as"),
                             base + QStringLiteral("/Brekka Data as/LogFiles"),
                             base + QStringLiteral("/Brekka Data as/ConfigFiles")};
    for (const QString& folder : chain) {
        if (QFileInfo(folder).isDir())
            continue;
        // Another writer may make it between the look and the making: then it is there.
        if (!QDir().mkdir(folder) && !QFileInfo(folder).isDir()) {
            errHandler().showFailure(
                76, QStringLiteral("createBrekkaDataFolders: Path not found: ") + folder,
                QStringLiteral("cResolveFolders.createBrekkaDataFolders"));
            return true;
        }
    }
    return true;
}
