// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "mail/MailComponents.h"

#include "mail/MAPIMessages.h"
#include "mail/MAPISession.h"
#include "mail/MailFailures.h"
#include "support/ExternalProgram.h"
#include "support/ObjectRegistry.h"

namespace {

template <class T> ObjectRegistry::Factory factoryOf() {
    return []() -> std::unique_ptr<QObject> {
        if (ExternalProgram::find(MailFailures::mailProgram()).isEmpty())
            return nullptr;
        return std::make_unique<T>();
    };
}

} // namespace

void registerMailComponents() {
    ObjectRegistry::registerFactory(QString::fromLatin1(MAPISession::kProgId),
                                    factoryOf<MAPISession>());
    ObjectRegistry::registerFactory(QString::fromLatin1(MAPIMessages::kProgId),
                                    factoryOf<MAPIMessages>());
}
