// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

class QToolBar;
class QToolButton;

// The button that a tool bar shows at its end when the window is too narrow for all its tools.
// Qt gives it neither a name nor a tip; a screen reader would announce a nameless toggle.
class ToolBarOverflow {
public:
    // The button of `bar` (it exists from the bar's creation, hidden while every tool fits).
    static QToolButton* button(const QToolBar* bar);
    // Names the button of `bar` and gives it a tip.
    static void name(const QToolBar* bar);
};
