// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QtGlobal>

class QString;
class QWidget;

// The tips of the calendar windows: a text attached to a window is shown while the mouse
// rests on it. Its three settings are the tip style, the delay before a tip shows (ms) and how
// long it stays (ms).
class cToolTip {
public:
    qint32 pStyle() const { return m_style; }
    void setPStyle(qint32 value) { m_style = value; }
    qint32 pInitialDelay() const { return m_initialDelay; }
    void setPInitialDelay(qint32 value) { m_initialDelay = value; }
    qint32 pAutoPopDelay() const { return m_autoPopDelay; }
    void setPAutoPopDelay(qint32 value) { m_autoPopDelay = value; }

    // Removes every tip of the window.
    void removeAll(QWidget* window);
    // Attaches `text` as the window's tip and shows it at the pointer.
    void attach(QWidget* window, const QString& text);

private:
    qint32 m_style = 0;
    qint32 m_initialDelay = 0;
    qint32 m_autoPopDelay = 0;
};
