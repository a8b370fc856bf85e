// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "ChurchYear.h"

#include <QList>
#include <QPair>
#include <QString>

// An edition of the default data set: its code and database file, its language, how it keeps
// the church year, and which proper texts its prayers page reads under which component number.
struct SampleEdition {
    int code = 0;
    QString fileName;
    bool norwegian = false;
    CalendarStyle style;
    QList<QPair<QString, int>> prayers; // kind of text (prayers.txt), component number
    bool ordo = false;                  // writes tbOrdo
    QList<int> feastsWithoutPrayers;    // days that have no proper prayers in this edition
    QList<int> hiddenFeasts;            // commemorations the edition's month view leaves out

    QString language() const { return norwegian ? QStringLiteral("no") : QStringLiteral("en"); }

    // The editions of the default set, the English one that the INI file names first.
    static const QList<SampleEdition>& all();
};
