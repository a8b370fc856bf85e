// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/DocumentComponents.h"

#include "host_window/CLiturgicalMonth.h"
#include "host_window/cWordApplication.h"
#include "resources/ResourceStrings.h"
#include "support/Failure.h"
#include "support/ObjectRegistry.h"

void registerDocumentComponents(bool desktop) {
    ObjectRegistry::registerFactory(
        QString::fromLatin1(cWordApplication::kProgId), [desktop]() -> std::unique_ptr<QObject> {
            if (!desktop)
                return std::make_unique<cWordApplication>(cWordApplication::Opening::Never);
            if (!cWordApplication::handlerAvailable())
                throw Failure::programMissing(
                    ResourceStrings::text(ResourceStrings::kWordNotReachable));
            return std::make_unique<cWordApplication>(cWordApplication::Opening::Desktop);
        });
    ObjectRegistry::registerFactory(QString::fromLatin1(CLiturgicalMonth::kProgId),
                                    [] { return std::make_unique<CLiturgicalMonth>(); });
}
