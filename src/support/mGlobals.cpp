#include "support/mGlobals.h"

#include "support/SharedState.h"
#include "support/UserInterface.h"

namespace mGlobals {

void setWaitPointer() {
    ui().setWaitCursor();
}

void setDefaultPointer() {
    ui().setDefaultCursor();
}

} // namespace mGlobals
