// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/ProcScope.h"

#include "support/CErrHandler.h"
#include "support/SharedState.h"

#include <new>

ProcScope::ProcScope(const char* name) {
    errHandler().pushName(name);
}

ProcScope::~ProcScope() {
    // The handler may have been released by the procedure itself (the final clean-up pops
    // before it releases, but be safe).
    if (shared().errHandler)
        shared().errHandler->Pop();
}

void ProcScope::handle(const Failure& failure) {
    CErrHandler& handler = errHandler();
    handler.setCurrentFailure(failure);
    handler.HandleError();
}

Failure ProcScope::fromStd(const std::exception& e) {
    if (dynamic_cast<const std::bad_alloc*>(&e))
        return {7, QStringLiteral("Out of memory")};
    return Failure::internal(QString::fromLocal8Bit(e.what()));
}
