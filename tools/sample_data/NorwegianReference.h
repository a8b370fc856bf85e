// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// A Bible reference of the lectionary ("Luke 2:1-20", "Acts 2:14a, 22-32") written as Norwegian
// Bibles write it ("Luk 2,1-20", "Apg 2,14a.22-32"), with their book names and, where they number
// verses differently (Isaiah 9, Malachi 4, Joel 2:28-32), their numbers.
class NorwegianReference {
public:
    // The Norwegian form; a reference whose book is not known comes back unchanged.
    static QString of(const QString& reference);
};
