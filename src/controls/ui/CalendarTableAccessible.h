// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QAccessibleWidget>
#include <QDate>
#include <QHash>
#include <QStringList>

class CalendarGrid;

// A month or week calendar view as an accessible table: a cell per date of its grid (row per
// week, column per weekday), the month or range as the table's name, the current date as the
// selected cell and, while the view has the focus, the focused one. The view's other controls
// follow the cells among the children.
class CalendarTableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    // The view must also be a CalendarGrid.
    explicit CalendarTableAccessible(QWidget* view);
    ~CalendarTableAccessible() override;

    // Qt's factory hook: the table for a view that is a CalendarGrid, null otherwise.
    static QAccessibleInterface* factory(const QString& className, QObject* object);
    // Makes sure Qt asks `factory` for calendar views; calling it again changes nothing.
    static void install();
    // Tells the screen reader which cell is current: the focus moves to it while the view has
    // the focus, and the table's name follows the shown month.
    static void announceCurrent(QWidget* view);
    // Tells the screen reader which cells' names changed since it was last told, as after the
    // view was refilled; days newly in the grid are news to the reader anyway.
    static void announceNames(QWidget* view);
    // What the reader was told last: the table's name, the cell given the focus and the cell
    // told no longer selected (null before any).
    QString announcedTitle() const { return m_announcedTitle; }
    QAccessibleInterface* announcedFocus() const;
    QAccessibleInterface* announcedUnselected() const;
    // The new names of the cells told renamed the last time any was.
    QStringList announcedRenames() const { return m_renamed; }

    void* interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    // QAccessibleTableInterface.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return 7; }
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    CalendarGrid* grid() const;
    // The cell of the current date; null when the grid does not show it.
    QAccessibleInterface* currentCell() const;

private:
    int cellCount() const;
    QAccessibleInterface* cell(int index) const;
    QList<QWidget*> controls() const;

    // Cells are made when first asked for and live as long as the table.
    mutable QHash<int, QAccessible::Id> m_cells;
    QString m_announcedTitle;
    // The names of the grid's days when they were last told.
    QHash<QDate, QString> m_announcedNames;
    QStringList m_renamed;
    QAccessible::Id m_announcedFocus = 0;
    QAccessible::Id m_announcedUnselected = 0;
};
