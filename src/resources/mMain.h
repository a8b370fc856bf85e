// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>
#include <QString>

// The church editions: each has its liturgy database file and a numeric edition code that
// switches details of behaviour throughout the component.
namespace mMain {

struct Edition {
    qint32 code;
    const char* databaseFile;
    const char* displayName; // UTF-8
};

// The edition table in the order in which database file names are compared.
const QList<Edition>& editions();

// The edition code of the database file that "LiturgyFile" of section "Files" of `iniFile`
// names; `version` when the key is empty or names no edition's file. Sets gEditionName,
// except when the key is empty.
qint32 validateVersion(qint32 version, const QString& iniFile);
// Selects the language block (gLanguageOffset) for `version`: the "Language" of section
// "LiturgyCalendar" of `iniFile` when it holds a code, else the edition code itself. Code 47
// selects the Norwegian block, 39 keeps the block as it is, any other the English one.
void selectLanguage(const QString& iniFile, qint32 version);
// The display name of an edition; empty for a code without a row.
QString getVersionName(qint32 version);
// The full path of the first existing style sheet for the edition (the print sheets first when
// `forPrint`), or empty when none exists.
QString getStyleSheetFile(const QString& iniFile, qint32 version, bool forPrint);
// The same in the template folder `folder`, as the INI file names it.
QString styleSheetIn(const QString& folder, qint32 version, bool forPrint);

} // namespace mMain
