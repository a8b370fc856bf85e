// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// One entry of the temporary-file list: a file to delete at shutdown.
class clsGarbageFiles {
public:
    QString pFileName() const { return m_fileName; }
    void setPFileName(const QString& fileName) { m_fileName = fileName; }

private:
    QString m_fileName;
};
