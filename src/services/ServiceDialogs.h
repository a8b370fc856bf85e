// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

class cVkRecurringServices;

// The dialogs of the recurring-services component, behind a seam so that the plan writer runs
// without widgets (the command line, the tests). Each dialog starts from the component's
// properties and, on OK, writes the user's choice back into them.
class ServiceDialogs {
public:
    virtual ~ServiceDialogs();
    // One service: date, time, kind, place. True on OK.
    virtual bool editOne(cVkRecurringServices& services) = 0;
    // A series: weekday, interval, first and last date or count, time, kind, place. True on OK.
    virtual bool editSeries(cVkRecurringServices& services) = 0;
};
