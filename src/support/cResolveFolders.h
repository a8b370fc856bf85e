// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The per-user folders of the maker's programs, created on demand.
class cResolveFolders {
public:
    QString AppTitle() const { return m_appTitle; }
    void setAppTitle(const QString& title) { m_appTitle = title; }

    // The log folder (application data + "/Brekka Data as/LogFiles/"), created when missing;
    // the component's own folder when there is no application-data folder.
    QString getLogPath();
    // The same for "/Brekka Data as/ConfigFiles/".
    QString GetConfigPath();
    // The same for "/Brekka Data as/Exports/", where exported documents are written.
    QString getExportPath();

private:
    // The application-data folder (XDG data home) for 26, else empty.
    QString GetShellSpecialFolder(int folder);
    bool createFolder(const QString& path);
    bool createBrekkaDataFolders(const QString& base);
    QString subFolder(const char* name);

    QString m_appTitle;
};
