// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "calendar/cLiturgicalColors.h"

#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"

namespace {

class cLiturgicalColorsTest : public TestEnv {};

TEST_F(cLiturgicalColorsTest, BlackUntilDefaultsThenDefaultsInColourCodeOrderAndEachSetter) {
    cLiturgicalColors colors;
    EXPECT_EQ(colors.table(), (cLiturgicalColors::Table{0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(colors.mSetDefaultColors());
    EXPECT_EQ(colors.table(), (cLiturgicalColors::Table{0xFFFFFF, 0xD777B3, 0x009100, 0x0000C6,
                                                        0x404040, 0x9B3399, 0x0080FF}));
    // Each property reads its own code's entry.
    EXPECT_EQ(
        (cLiturgicalColors::Table{colors.pWhite(), colors.pViolet(), colors.pGreen(), colors.pRed(),
                                  colors.pBlack(), colors.pBlue(), colors.pScarlet()}),
        colors.table());
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    // Each setter sets its own code's entry, until the defaults again.
    colors.setPGreen(1);
    colors.setPWhite(2);
    colors.setPViolet(3);
    colors.setPRed(4);
    colors.setPBlack(5);
    colors.setPBlue(6);
    colors.setPScarlet(7);
    EXPECT_EQ(colors.table(), (cLiturgicalColors::Table{2, 3, 1, 4, 5, 6, 7}));
    colors.mSetDefaultColors();
    EXPECT_EQ(colors.pGreen(), 0x009100);
}

} // namespace
