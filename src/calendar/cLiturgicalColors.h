// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QtGlobal>
#include <array>

// The seven screen colours of the liturgical colour codes (Day_Color 0 to 6), each a 32-bit
// RGB value 0x00BBGGRR (red in the low byte). All are 0 until mSetDefaultColors.
class cLiturgicalColors {
public:
    static constexpr int kCount = 7;
    using Table = std::array<qint32, kCount>;

    qint32 pScarlet() const { return m_scarlet; }
    void setPScarlet(qint32 value) { m_scarlet = value; }
    qint32 pBlue() const { return m_blue; }
    void setPBlue(qint32 value) { m_blue = value; }
    qint32 pBlack() const { return m_black; }
    void setPBlack(qint32 value) { m_black = value; }
    qint32 pRed() const { return m_red; }
    void setPRed(qint32 value) { m_red = value; }
    qint32 pGreen() const { return m_green; }
    void setPGreen(qint32 value) { m_green = value; }
    qint32 pViolet() const { return m_violet; }
    void setPViolet(qint32 value) { m_violet = value; }
    qint32 pWhite() const { return m_white; }
    void setPWhite(qint32 value) { m_white = value; }
    // Sets the seven default colours; true.
    bool mSetDefaultColors();

    // The colours indexed by colour code: White, Violet, Green, Red, Black, Blue, Scarlet.
    Table table() const;

private:
    qint32 m_scarlet = 0;
    qint32 m_blue = 0;
    qint32 m_black = 0;
    qint32 m_red = 0;
    qint32 m_green = 0;
    qint32 m_violet = 0;
    qint32 m_white = 0;
};
