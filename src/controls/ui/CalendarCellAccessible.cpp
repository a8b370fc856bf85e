// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/CalendarCellAccessible.h"

#include "controls/ui/CalendarGrid.h"

#include <QWidget>

CalendarCellAccessible::CalendarCellAccessible(QWidget* view, int index)
    : m_view(view), m_index(index) {}

CalendarGrid* CalendarCellAccessible::grid() const {
    return dynamic_cast<CalendarGrid*>(m_view.data());
}

QDate CalendarCellAccessible::date() const {
    const CalendarGrid* g = grid();
    return g ? g->gridStart().addDays(m_index) : QDate();
}

bool CalendarCellAccessible::isValid() const {
    const CalendarGrid* g = grid();
    return g && m_index < g->gridRows() * 7;
}

QWindow* CalendarCellAccessible::window() const {
    return m_view ? m_view->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CalendarCellAccessible::parent() const {
    return m_view ? QAccessible::queryAccessibleInterface(m_view) : nullptr;
}

QString CalendarCellAccessible::text(QAccessible::Text t) const {
    const CalendarGrid* g = grid();
    if (!g || t != QAccessible::Name)
        return {};
    return g->gridSpokenDay(date());
}

QRect CalendarCellAccessible::rect() const {
    const CalendarGrid* g = grid();
    if (!g)
        return {};
    const QRect r = g->gridCellRect(date());
    if (r.isEmpty())
        return {};
    return QRect(m_view->mapToGlobal(r.topLeft()), r.size());
}

QAccessible::State CalendarCellAccessible::state() const {
    QAccessible::State s;
    const CalendarGrid* g = grid();
    if (!g) {
        s.invalid = true;
        return s;
    }
    const QDate d = date();
    s.selectable = true;
    s.focusable = true;
    s.disabled = !g->gridEnables(d);
    s.invisible = g->gridCellRect(d).isEmpty() || !m_view->isVisible();
    s.offscreen = s.invisible;
    s.selected = isSelected();
    s.focused = s.selected && m_view->hasFocus();
    return s;
}

void* CalendarCellAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableCellInterface)
        return static_cast<QAccessibleTableCellInterface*>(this);
    if (type == QAccessible::ActionInterface)
        return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

bool CalendarCellAccessible::isSelected() const {
    const CalendarGrid* g = grid();
    return g && g->gridCurrentDate() == date();
}

QStringList CalendarCellAccessible::actionNames() const {
    return {pressAction(), setFocusAction()};
}

void CalendarCellAccessible::doAction(const QString& actionName) {
    CalendarGrid* g = grid();
    if (!g || !g->gridEnables(date()))
        return;
    if (actionName != pressAction() && actionName != setFocusAction())
        return;
    m_view->setFocus(Qt::OtherFocusReason);
    g->gridChoose(date());
}
