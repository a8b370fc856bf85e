// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/Failure.h"

#include <QString>
#include <functional>

// The number of the Failure that `call` throws; 0 when it throws none. Its description goes to
// `description` when given.
inline qint32 failureNumber(const std::function<void()>& call, QString* description = nullptr) {
    try {
        call();
    } catch (const Failure& f) {
        if (description)
            *description = f.description();
        return f.number();
    }
    return 0;
}
