// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/Environment.h"

#include "support/HeadlessUserInterface.h"

Environment::Environment()
    : ui(std::make_unique<HeadlessUserInterface>()),
      now([] { return QDateTime::currentDateTime(); }) {}

Environment::~Environment() = default;
Environment::Environment(Environment&&) noexcept = default;
Environment& Environment::operator=(Environment&&) noexcept = default;
