#include "support/DiskInterface.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

DiskInterface::~DiskInterface() = default;

bool RealDiskInterface::exists(const QString& path) {
    return QFileInfo::exists(path);
}

bool RealDiskInterface::readFile(const QString& path, QByteArray* contents) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *contents = file.readAll();
    return file.error() == QFileDevice::NoError;
}

bool RealDiskInterface::writeFileAtomically(const QString& path, const QByteArray& contents) {
    // QSaveFile writes a file beside the target and renames it over the target on commit; on
    // any failure it removes its own file and leaves the target alone.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(contents) != contents.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

RealDiskInterface& RealDiskInterface::instance() {
    static RealDiskInterface disk;
    return disk;
}
