// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/ContentComponents.h"

#include "content/cVkContentLinks.h"
#include "content/cVkLiturgicalDay.h"
#include "support/ObjectRegistry.h"

void registerContentComponents() {
    ObjectRegistry::registerFactory(QString::fromLatin1(cVkLiturgicalDay::kProgId),
                                    [] { return std::make_unique<cVkLiturgicalDay>(); });
    ObjectRegistry::registerFactory(QString::fromLatin1(cVkContentLinks::kProgId),
                                    [] { return std::make_unique<cVkContentLinks>(); });
}
