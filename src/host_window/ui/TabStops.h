// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QList>

class QWidget;

// The host window's Tab order as a person reads the window: the tools above the calendars, the
// side bar and the tree, the calendars' tabs and the calendar in front, the day pages' tabs and
// the page in front. The window's docking moves panes and makes tab bars as the user arranges
// them, so the order is taken afresh at every Tab from the stops the window names, skipping
// those a person cannot reach now (hidden, disabled, or behind another tab).
class TabStops {
public:
    // Moves the focus from the stop that holds `focus` to the next (or previous) reachable stop,
    // round from the last to the first; false when `focus` is in none of `stops`.
    static bool move(const QList<QWidget*>& stops, const QWidget* focus, bool forward);
    // A person can reach `widget` with Tab now: it is shown on screen, enabled and takes the
    // focus from the keyboard.
    static bool reachable(const QWidget* widget);
};
