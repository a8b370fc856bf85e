// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// Facts of the operating system that the component uses: a private temporary folder and new
// empty temporary files in it.
class COSInfo {
public:
    // A new, empty file in TempPath named from the first three characters of `prefix`, a
    // hexadecimal number and ".TMP", created exclusively; empty on failure (reported).
    QString TempFile(QString& prefix);
    // The per-user temporary folder (mode 0700) with a trailing '/'; empty on failure (reported).
    QString TempPath();
    // TempPath without the report: a failure is thrown.
    static QString privateTempFolder();
};
