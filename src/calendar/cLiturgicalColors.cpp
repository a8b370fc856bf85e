// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cLiturgicalColors.h"

#include "support/ProcScope.h"

bool cLiturgicalColors::mSetDefaultColors() {
    ProcScope scope("cLiturgicalColors.mSetDefaultColors");
    m_white = 0xFFFFFF;
    m_violet = 0xD777B3;
    m_green = 0x009100;
    m_red = 0x0000C6;
    // Black and blue are painted as a dark grey and a purple, scarlet as an orange.
    m_black = 0x404040;
    m_blue = 0x9B3399;
    m_scarlet = 0x0080FF;
    return true;
}

cLiturgicalColors::Table cLiturgicalColors::table() const {
    return {pWhite(), pViolet(), pGreen(), pRed(), pBlack(), pBlue(), pScarlet()};
}
