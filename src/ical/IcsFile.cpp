// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "ical/IcsFile.h"

#include "support/DiskInterface.h"

#include <QFileInfo>

namespace IcsFile {

bool write(const QString& path, const QByteArray& bytes, QString* error) {
    if (QFileInfo(path).isDir()) {
        *error = QStringLiteral("'%1' is a folder, not a file").arg(path);
        return false;
    }
    if (RealDiskInterface::instance().writeFileAtomically(path, bytes))
        return true;
    *error = QStringLiteral("the calendar file '%1' cannot be written").arg(path);
    return false;
}

} // namespace IcsFile
