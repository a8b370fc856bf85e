// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/UserInterface.h"

#include "support/CErrHandler.h"
#include "support/ComponentInfo.h"
#include "support/SharedState.h"

UserInterface::~UserInterface() = default;

QString UserInterface::effectiveTitle(const QString& title) {
    if (!title.isEmpty())
        return title;
    // The host's title (pAppTitle), which the error handler keeps for its own messages.
    if (shared().errHandler && !shared().errHandler->appTitle().isEmpty())
        return shared().errHandler->appTitle();
    return ComponentInfo::title();
}
