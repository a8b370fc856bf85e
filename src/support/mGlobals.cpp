// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/mGlobals.h"

#include "support/SharedState.h"
#include "support/UserInterface.h"

namespace mGlobals {

void setWaitPointer() {
    ui().setWaitCursor();
}

void setDefaultPointer() {
    ui().setDefaultCursor();
}

} // namespace mGlobals
