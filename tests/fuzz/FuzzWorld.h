// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>

// The private world every fuzz target runs in, made once per process: a temporary folder as
// the user's data home, temporary folder and component folder, a user interface that only
// records, the en_US locale. `check` ends the process (a crash for the fuzzer) when a property
// does not hold.
class FuzzWorld {
public:
    // Sets the world up on the first call; the folder's path with a trailing '/'.
    static const QString& folder();
    // Forgets what the user interface recorded, so that a long run does not grow.
    static void clearReports();
    static void check(bool holds, const char* what);
};
