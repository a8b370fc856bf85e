// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "data/Connection.h"

#include <QString>

// The note that the calendars show for the day under the mouse: the description of the day's
// feast. Only some editions show notes, and some of them look past a first row without one.
class DayNote {
public:
    // Whether edition `version` shows notes at all.
    static bool shown(qint32 version);
    // The note for `day` of `month` in `year`, read through `connection`; empty when the day
    // has no feast with a description.
    static QString read(const ConnectionPtr& connection, int year, int month, int day,
                        qint32 version);
};
