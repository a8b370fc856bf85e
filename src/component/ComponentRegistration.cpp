// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "component/ComponentRegistration.h"

#include "component/cClassObject.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/ProcScope.h"
#include "support/modIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace ComponentRegistration {

QString folder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/Brekka Data as/Components/");
}

QString manifestPath() {
    return folder() + QLatin1String(cClassObject::kProgId) + QStringLiteral(".component");
}

QByteArray manifestText(const QString& libraryPath) {
    return QByteArrayLiteral("[Component]\r\nClass=") + cClassObject::kProgId +
           QByteArrayLiteral("\r\nLibrary=") + libraryPath.toUtf8() + QByteArrayLiteral("\r\n");
}

QString libraryOf(const QByteArray& manifest) {
    return modIni::valueIn(manifest, QStringLiteral("Component"), QStringLiteral("Library"));
}

QString linkToRegister(const QString& libraryFile, const QString& soname) {
    const QFileInfo file(libraryFile);
    const QFileInfo link(file.absolutePath() + QLatin1Char('/') + soname);
    if (soname.isEmpty() || !link.exists() || link.canonicalFilePath() != file.canonicalFilePath())
        return libraryFile;
    return link.absoluteFilePath();
}

bool registerLibrary(const QString& libraryPath) {
    return registerLibrary(libraryPath, RealDiskInterface::instance());
}

bool registerLibrary(const QString& libraryPath, DiskInterface& disk) {
    ProcScope scope("VoVoruzevUdadudar.DllRegisterServer");
    bool result = false;
    scope.run([&] {
        if (libraryPath.isEmpty())
            throw Failure::fileNotFound(libraryPath);
        const QString dir = folder();
        if (!QDir().mkpath(dir) || !QFileInfo(dir).isDir())
            throw Failure::pathNotFound(dir);
        const QString path = manifestPath();
        disk.writeOrThrow(path, manifestText(libraryPath));
        result = true;
    });
    return result;
}

bool unregisterLibrary() {
    ProcScope scope("VoVoruzevUdadudar.DllUnregisterServer");
    bool result = false;
    scope.run([&] {
        const QString path = manifestPath();
        const QFileInfo info(path);
        if (!info.exists() && !info.isSymLink()) {
            result = true;
            return;
        }
        if (info.isDir() || !QFile::remove(path))
            throw Failure::pathFileAccess(path);
        result = true;
    });
    return result;
}

} // namespace ComponentRegistration
