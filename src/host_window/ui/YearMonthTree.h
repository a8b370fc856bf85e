// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QList>
#include <functional>

class CalendarSpan;
class QLocale;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

// The year/month tree of the host window's side pane: one bold item per year, under it one
// item per month in the user's locale, each carrying its "Year" and "Month" cells. Filled once
// from the span of the calendar rows, afterwards only re-selected.
class YearMonthTree {
public:
    YearMonthTree();
    // The tree's name and its months' names in the edition's language.
    void retitle();

    QTreeWidget* widget() const { return m_tree; }
    bool isEmpty() const { return m_items.isEmpty(); }
    // Clicks are ignored while the tree is being filled.
    bool isLoading() const { return m_loading; }

    // Fills the tree (when it holds nothing yet) from the span that `readSpan` gives, then
    // selects the item of `year` and `month`. Redraw is off while filling, and the tree is
    // usable again afterwards whether or not `readSpan` threw.
    void load(const std::function<CalendarSpan()>& readSpan, int year, int month);

    // The index of `item` in the order of filling (-1 for none).
    int indexOf(const QTreeWidgetItem* item) const;
    // The item at `index`, or null when clicks are ignored or there is no such item.
    const QTreeWidgetItem* clickable(int index) const;

    // The values of a tree item's "Year" and "Month" cells.
    static int treeCell(const QTreeWidgetItem* item, const char* name);

private:
    void fill(const QDate& first, const QDate& last);
    // Writes the month item's month name in `locale`.
    static void nameMonth(QTreeWidgetItem* item, const QLocale& locale);

    QTreeWidget* m_tree = nullptr; // owned by the pane window it is put in
    QList<QTreeWidgetItem*> m_items;
    bool m_loading = false;
};
