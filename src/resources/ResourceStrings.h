// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QLocale>
#include <QString>

// The component's string table: an English block (1001 to 1012, block name at 1000) and a
// Norwegian block (2001 to 2012, block name at 2000), and the names of the blocks that have
// no entries yet. Callers add gLanguageOffset to an English number to read their language.
namespace ResourceStrings {

// Numbers of the English entries; the Norwegian ones are 1000 higher.
enum Entry : qint32 {
    kMonth = 1001,
    kWeek = 1002,
    kCalendar = 1003,
    kReadings = 1004,
    kPrayers = 1005,
    kLiturgies = 1006,
    kWordNotReachable = 1007,
    kDateOfPrint = 1008,
    kStandard = 1009,
    kLiturgiesList = 1010,
    kLiturgicalDay = 1011,
    kLiturgy = 1012,
};

// The string of that number; empty for a number without an entry.
QString LoadResString(qint32 id);
// The entry `english` (an English number) in the language that gLanguageOffset selects.
QString text(qint32 english);
// The locale of the language that gLanguageOffset selects: Norwegian (Bokmål) for the
// Norwegian block, the user's own otherwise.
QLocale locale();
// The caption of the window's today button in that language.
QString todayCaption();
// The line of a day page and the status text for a day without readings, in that language.
QString nothingAppointed();

} // namespace ResourceStrings
