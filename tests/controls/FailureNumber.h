#pragma once

#include "support/Failure.h"

#include <functional>

// The number of the Failure that `call` throws; 0 when it throws none.
inline qint32 failureNumber(const std::function<void()>& call) {
    try {
        call();
    } catch (const Failure& f) {
        return f.number();
    }
    return 0;
}
