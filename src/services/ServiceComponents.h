// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <functional>
#include <memory>

class ServiceDialogs;

// Registers the recurring-services component under its programmatic identifier. Each
// component created gets the dialogs that `dialogs` makes; without it the component has none
// (the command line, which sets the properties itself).
void registerServiceComponents(std::function<std::unique_ptr<ServiceDialogs>()> dialogs = {});
