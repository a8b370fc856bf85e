// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QString>

class DiskInterface;

// What the window's edition chooser offers and what picking an item changes, without widgets.
// An edition is offered only when its database lies in the folder of the configured liturgy
// file; the others are listed with the file they would need, so that a pick can never point
// the INI file at a database that is not there.
class EditionChooser {
public:
    struct Item {
        qint32 code = 0;
        QString name; // the edition's display name
        QString file; // the database file the edition reads
        bool available = false;
    };

    // The chooser's editions in order, each marked available when its database exists beside
    // `liturgyFile` (found without regard to letter case).
    static QList<Item> items(const QString& liturgyFile);
    // The text of an item in the chooser: the name, and for a missing database its file name.
    static QString itemText(const Item& item);
    // The database file and the edition code that choosing `code` selects; false for a code
    // the chooser does not map.
    static bool chosenEdition(qint32 code, QString* file, qint32* version);
    // Points "LiturgyFile" of section "Files" of `iniFile` at the database of `code`, in the
    // folder of the file it names now, and gives the edition code that follows. False for a
    // code the chooser does not map; throws when the database is missing or the INI file
    // cannot be written, and then the INI file is as it was.
    static bool pick(qint32 code, const QString& iniFile, DiskInterface& disk, qint32* version);
};
