// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "common/FilledTmpfs.h"

#include <QFile>
#include <sys/mount.h>
#include <unistd.h>

FilledTmpfs::FilledTmpfs(const QString& folder) : m_folder(QFile::encodeName(folder)) {
    m_mounted =
        geteuid() == 0 && ::mount("none", m_folder.constData(), "tmpfs", 0, "size=256k") == 0;
}

FilledTmpfs::~FilledTmpfs() {
    if (m_mounted)
        ::umount2(m_folder.constData(), MNT_DETACH);
}

void FilledTmpfs::fill() const {
    QFile filler(QString::fromLocal8Bit(m_folder) + QStringLiteral("/.filler"));
    if (!filler.open(QIODevice::WriteOnly))
        return;
    const QByteArray block(4096, 'x');
    while (filler.write(block) == block.size() && filler.flush()) {
    }
}
