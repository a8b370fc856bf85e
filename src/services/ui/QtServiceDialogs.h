// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "services/ServiceDialogs.h"

// The recurring-services component's dialogs as windows, modal over the active window.
class QtServiceDialogs : public ServiceDialogs {
public:
    bool editOne(cVkRecurringServices& services) override;
    bool editSeries(cVkRecurringServices& services) override;

    // Registers the component with these dialogs.
    static void registerComponent();
};
