// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/Environment.h"
#include "support/clsGarbageFiles.h"

#include <QList>
#include <QString>
#include <memory>

class CErrHandler;
class IniFileCache;

// Base of the data layer's connection cache, so that the shared state can own it without
// knowing the layers above.
class ConnectionCacheBase {
public:
    virtual ~ConnectionCacheBase();
};

// The state that all objects of the component share on one thread (each thread that creates
// the component has its own).
struct SharedState {
    SharedState();
    ~SharedState();

    std::unique_ptr<CErrHandler> errHandler;              // created on first need
    std::unique_ptr<QList<clsGarbageFiles>> garbageFiles; // the temporary-file list
    std::unique_ptr<ConnectionCacheBase> connectionCache; // owned by the data layer
    std::unique_ptr<IniFileCache> iniFiles;               // the INI files read so far
    qint32 gLanguageOffset = 0;                           // 0 English, 1000 Norwegian
    bool gMultiEditionMode = false;                       // started with edition code 1020
    QString gEditionName;                                 // display name of the edition
    Environment env;                                      // platform pieces
};

// This thread's shared state.
SharedState& shared();

// The error handler, created when absent.
CErrHandler& errHandler();

// The user interface of the environment.
class UserInterface;
UserInterface& ui();

// The current local date and time, from the environment's clock.
class QDateTime;
QDateTime now();

// The locale of the language that gLanguageOffset selects: Norwegian (Bokmål) for the
// Norwegian edition, else the user's own.
class QLocale;
QLocale languageLocale();
