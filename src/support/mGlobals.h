// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// The screen's mouse pointer.
namespace mGlobals {

void setWaitPointer();
void setDefaultPointer();

} // namespace mGlobals
