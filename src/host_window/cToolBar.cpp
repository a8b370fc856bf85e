// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/cToolBar.h"

#include "support/ProcScope.h"

bool cToolBar::mInitialize() {
    ProcScope scope("cToolBar.mInitialize");
    return false;
}
