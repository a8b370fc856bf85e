// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "services/ServiceComponents.h"

#include "services/ServiceDialogs.h"
#include "services/cVkRecurringServices.h"
#include "support/ObjectRegistry.h"

void registerServiceComponents(std::function<std::unique_ptr<ServiceDialogs>()> dialogs) {
    ObjectRegistry::registerFactory(QString::fromLatin1(cVkRecurringServices::kProgId),
                                    [dialogs = std::move(dialogs)]() -> std::unique_ptr<QObject> {
                                        return std::make_unique<cVkRecurringServices>(
                                            dialogs ? dialogs() : nullptr);
                                    });
}
