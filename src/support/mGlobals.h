#pragma once

// The screen's mouse pointer.
namespace mGlobals {

void setWaitPointer();
void setDefaultPointer();

} // namespace mGlobals
