// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/CalendarTableAccessible.h"

#include "controls/CalendarSpeech.h"
#include "controls/ui/CalendarCellAccessible.h"
#include "controls/ui/CalendarGrid.h"

#include <QWidget>

CalendarTableAccessible::CalendarTableAccessible(QWidget* view)
    : QAccessibleWidget(view, QAccessible::Table) {}

CalendarTableAccessible::~CalendarTableAccessible() {
    for (const QAccessible::Id id : std::as_const(m_cells))
        QAccessible::deleteAccessibleInterface(id);
}

QAccessibleInterface* CalendarTableAccessible::factory(const QString&, QObject* object) {
    auto* view = qobject_cast<QWidget*>(object);
    if (!view || !dynamic_cast<CalendarGrid*>(view))
        return nullptr;
    return new CalendarTableAccessible(view);
}

void CalendarTableAccessible::install() {
    // Qt keeps a list of factories; taking ours out first keeps it there once.
    QAccessible::removeFactory(&CalendarTableAccessible::factory);
    QAccessible::installFactory(&CalendarTableAccessible::factory);
}

void CalendarTableAccessible::announceCurrent(QWidget* view) {
    // Qt hands the events on only while a reader listens; what was said is kept either way,
    // so that a reader that starts later is not told it again.
    auto* table =
        dynamic_cast<CalendarTableAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (!table)
        return;
    const QString title = table->grid()->gridTitle();
    if (title != table->m_announcedTitle) {
        table->m_announcedTitle = title;
        QAccessibleEvent named(view, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&named);
    }
    QAccessibleInterface* cell = table->currentCell();
    if (!cell || !view->hasFocus())
        return;
    // The day told before is told no longer selected, or a reader keeps saying it is.
    const QAccessible::Id id = QAccessible::uniqueId(cell);
    QAccessibleInterface* before = table->announcedFocus();
    if (before && table->m_announcedFocus != id) {
        table->m_announcedUnselected = table->m_announcedFocus;
        QAccessibleEvent deselected(before, QAccessible::SelectionRemove);
        QAccessible::updateAccessibility(&deselected);
    }
    table->m_announcedFocus = id;
    QAccessibleEvent selected(cell, QAccessible::Selection);
    QAccessible::updateAccessibility(&selected);
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
}

void CalendarTableAccessible::announceNames(QWidget* view) {
    auto* table =
        dynamic_cast<CalendarTableAccessible*>(QAccessible::queryAccessibleInterface(view));
    if (!table)
        return;
    const CalendarGrid* g = table->grid();
    QHash<QDate, QString> names;
    QStringList renamed;
    for (int i = 0; i < table->cellCount(); ++i) {
        const QDate date = g->gridStart().addDays(i);
        const QString name = g->gridSpokenDay(date);
        names.insert(date, name);
        const auto told = table->m_announcedNames.constFind(date);
        if (told == table->m_announcedNames.constEnd() || *told == name)
            continue;
        renamed.append(name);
        QAccessibleEvent event(table->cell(i), QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    table->m_announcedNames = std::move(names);
    if (!renamed.isEmpty())
        table->m_renamed = renamed;
}

QAccessibleInterface* CalendarTableAccessible::announcedFocus() const {
    return m_announcedFocus ? QAccessible::accessibleInterface(m_announcedFocus) : nullptr;
}

QAccessibleInterface* CalendarTableAccessible::announcedUnselected() const {
    return m_announcedUnselected ? QAccessible::accessibleInterface(m_announcedUnselected)
                                 : nullptr;
}

void* CalendarTableAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface)
        return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

CalendarGrid* CalendarTableAccessible::grid() const {
    return dynamic_cast<CalendarGrid*>(widget());
}

QString CalendarTableAccessible::text(QAccessible::Text t) const {
    switch (t) {
    case QAccessible::Name:
        return grid()->gridTitle();
    case QAccessible::Description:
        // The kind of calendar, which the view carries as its name.
        return widget()->accessibleName();
    default:
        return QAccessibleWidget::text(t);
    }
}

int CalendarTableAccessible::rowCount() const {
    return grid()->gridRows();
}

int CalendarTableAccessible::cellCount() const {
    return rowCount() * 7;
}

QList<QWidget*> CalendarTableAccessible::controls() const {
    QList<QWidget*> shown;
    for (QWidget* w : grid()->gridControls()) {
        if (w && w->isVisibleTo(widget()))
            shown.append(w);
    }
    return shown;
}

QAccessibleInterface* CalendarTableAccessible::cell(int index) const {
    if (index < 0 || index >= cellCount())
        return nullptr;
    auto it = m_cells.constFind(index);
    if (it == m_cells.constEnd()) {
        auto* made = new CalendarCellAccessible(widget(), index);
        it = m_cells.insert(index, QAccessible::registerAccessibleInterface(made));
    }
    return QAccessible::accessibleInterface(*it);
}

int CalendarTableAccessible::childCount() const {
    return cellCount() + int(controls().size());
}

QAccessibleInterface* CalendarTableAccessible::child(int index) const {
    if (index < cellCount())
        return cell(index);
    const QList<QWidget*> others = controls();
    const int at = index - cellCount();
    return at < others.size() ? QAccessible::queryAccessibleInterface(others[at]) : nullptr;
}

int CalendarTableAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (!child)
        return -1;
    if (child->role() == QAccessible::Cell) {
        const QAccessible::Id id = QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child));
        for (auto it = m_cells.cbegin(); it != m_cells.cend(); ++it) {
            if (it.value() == id)
                return it.key() < cellCount() ? it.key() : -1;
        }
        return -1;
    }
    const int at = int(controls().indexOf(qobject_cast<QWidget*>(child->object())));
    return at < 0 ? -1 : cellCount() + at;
}

QAccessibleInterface* CalendarTableAccessible::childAt(int x, int y) const {
    const QPoint local = widget()->mapFromGlobal(QPoint(x, y));
    for (QWidget* w : controls()) {
        if (w->geometry().contains(w->parentWidget()->mapFrom(widget(), local)))
            return QAccessible::queryAccessibleInterface(w);
    }
    const CalendarGrid* g = grid();
    for (int i = 0; i < cellCount(); ++i) {
        if (g->gridCellRect(g->gridStart().addDays(i)).contains(local))
            return cell(i);
    }
    return nullptr;
}

QAccessibleInterface* CalendarTableAccessible::currentCell() const {
    const CalendarGrid* g = grid();
    const qint64 index = g->gridStart().daysTo(g->gridCurrentDate());
    if (index < 0 || index >= cellCount())
        return nullptr;
    return cell(int(index));
}

QAccessibleInterface* CalendarTableAccessible::focusChild() const {
    return widget()->hasFocus() ? currentCell() : nullptr;
}

QAccessibleInterface* CalendarTableAccessible::cellAt(int row, int column) const {
    if (column < 0 || column >= 7 || row < 0 || row >= rowCount())
        return nullptr;
    return cell(row * 7 + column);
}

int CalendarTableAccessible::selectedCellCount() const {
    return currentCell() ? 1 : 0;
}

QList<QAccessibleInterface*> CalendarTableAccessible::selectedCells() const {
    QAccessibleInterface* current = currentCell();
    return current ? QList<QAccessibleInterface*>{current} : QList<QAccessibleInterface*>{};
}

QString CalendarTableAccessible::columnDescription(int column) const {
    return grid()->gridColumnNames().value(column);
}

QString CalendarTableAccessible::rowDescription(int row) const {
    if (row < 0 || row >= rowCount())
        return {};
    // A week by its first date, as the row's header would say it.
    const QDate first = grid()->gridStart().addDays(row * 7);
    return CalendarSpeech(widget()->locale()).range(first, first.addDays(6));
}
