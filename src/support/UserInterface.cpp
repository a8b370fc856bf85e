// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/UserInterface.h"

#include "support/ComponentInfo.h"

UserInterface::~UserInterface() = default;

QString UserInterface::effectiveTitle(const QString& title) {
    return title.isEmpty() ? ComponentInfo::title() : title;
}
