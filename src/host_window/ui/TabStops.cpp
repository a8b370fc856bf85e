// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/TabStops.h"

#include <QWidget>

namespace {

// The stop that holds `focus`: the stop itself, else the stop that it lies in (a stop can lie
// in another, as a calendar's buttons lie in the calendar).
qsizetype stopOf(const QList<QWidget*>& stops, const QWidget* focus) {
    if (!focus)
        return -1;
    for (qsizetype i = 0; i < stops.size(); ++i)
        if (stops[i] == focus)
            return i;
    for (qsizetype i = 0; i < stops.size(); ++i)
        if (stops[i] && stops[i]->isAncestorOf(focus))
            return i;
    return -1;
}

} // namespace

bool TabStops::reachable(const QWidget* widget) {
    if (!widget || !widget->isVisible() || !widget->isEnabled())
        return false;
    const QWidget* taker = widget->focusProxy() ? widget->focusProxy() : widget;
    if (!(taker->focusPolicy() & Qt::TabFocus))
        return false;
    // A pane behind another tab is moved off the window, not hidden.
    return !widget->visibleRegion().isEmpty();
}

bool TabStops::move(const QList<QWidget*>& stops, const QWidget* focus, bool forward) {
    const qsizetype from = stopOf(stops, focus);
    if (from < 0)
        return false;
    const qsizetype n = stops.size();
    for (qsizetype step = 1; step < n; ++step) {
        QWidget* stop = stops[(from + (forward ? step : n - step)) % n];
        if (!reachable(stop))
            continue;
        stop->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
    return true;
}
