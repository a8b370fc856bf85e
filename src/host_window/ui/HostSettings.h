// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"

#include <QObject>
#include <QPointer>
#include <QString>

// What the host window is given by the facade and passes on to its panes and fills: the INI
// file, the user, the title, the facade and the host's notify object, and the server mode.
struct HostSettings {
    QString vkIniFile;
    qint32 user = 0;
    QString appTitle;
    QPointer<QObject> app;
    QPointer<QObject> notify;
    bool sqlMode = false;
    QString connectionString;

    // The liturgy database that the INI file names.
    QString liturgyFile() const;
    ConnectionPtr openDatabase() const;
};
