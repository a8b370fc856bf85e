// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/SharedState.h"

#include "support/CErrHandler.h"
#include "support/IniFileCache.h"
#include "support/UserInterface.h"

#include <QLocale>

ConnectionCacheBase::~ConnectionCacheBase() = default;

SharedState::SharedState() = default;

SharedState::~SharedState() {
    // The connections go before the error handler that their failures would report to.
    connectionCache.reset();
    garbageFiles.reset();
    errHandler.reset();
}

SharedState& shared() {
    thread_local SharedState state;
    return state;
}

CErrHandler& errHandler() {
    SharedState& s = shared();
    if (!s.errHandler)
        s.errHandler = std::make_unique<CErrHandler>();
    return *s.errHandler;
}

UserInterface& ui() {
    return *shared().env.ui;
}

QDateTime now() {
    return shared().env.now();
}

QLocale languageLocale() {
    constexpr qint32 kNorwegianOffset = 1000;
    if (shared().gLanguageOffset == kNorwegianOffset)
        return QLocale(QLocale::NorwegianBokmal, QLocale::Norway);
    return QLocale();
}
