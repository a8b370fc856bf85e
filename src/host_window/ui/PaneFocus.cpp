// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/PaneFocus.h"

#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/HostInteraction.h"
#include "host_window/ui/HosterView.h"
#include "support/ProcScope.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTextBrowser>

PaneFocus::PaneFocus(QWidget& window, HostInteraction& model, const HosterView& view)
    : m_window(window), m_model(model), m_view(view) {
    qApp->installEventFilter(this);
}

PaneFocus::~PaneFocus() {
    qApp->removeEventFilter(this);
}

void PaneFocus::setCalendars(MonthCalendarView* month, WeekCalendarView* week) {
    m_month = month;
    m_week = week;
}

int PaneFocus::paneOf(const QObject* widget) const {
    for (const QObject* w = widget; w && w != &m_window; w = w->parent()) {
        if (w == m_month)
            return HostInteraction::kMonthPane;
        if (w == m_week)
            return HostInteraction::kWeekPane;
        if (const auto* page = qobject_cast<const fThisDay*>(w))
            return page->tag().toInt();
    }
    return 0;
}

bool PaneFocus::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    // The window or a popup giving the focus back is no move of the user's.
    const bool focus = event->type() == QEvent::FocusIn &&
                       static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                       static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
    if (!(press || focus) || m_loading || !m_month || !watched->isWidgetType())
        return false;
    if (const int pane = paneOf(watched)) {
        ProcScope scope("fHoster.workedIn");
        scope.run([&] { m_model.workedIn(pane); });
    }
    return false;
}

QWidget* PaneFocus::frontOf(int pane) const {
    if (pane == HostInteraction::kMonthPane)
        return m_month;
    if (pane == HostInteraction::kWeekPane)
        return m_week;
    if (fThisDay* page = m_view.dayPage(pane))
        return page->WebBrowser1();
    return nullptr;
}

void PaneFocus::paneInFront(int pane) {
    const int holder = paneOf(QApplication::focusWidget());
    if (!holder || holder == pane ||
        HostInteraction::isDayPane(holder) != HostInteraction::isDayPane(pane))
        return;
    if (QWidget* front = frontOf(pane))
        front->setFocus(Qt::OtherFocusReason);
}
