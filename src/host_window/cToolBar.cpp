#include "host_window/cToolBar.h"

#include "support/ProcScope.h"

bool cToolBar::mInitialize() {
    ProcScope scope("cToolBar.mInitialize");
    return false;
}
