// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/YearMonthTree.h"

#include "calendar/CalendarSpan.h"
#include "resources/ResourceStrings.h"

#include <QLocale>
#include <QTreeWidget>

namespace {

constexpr int kYearRole = Qt::UserRole + 1;
constexpr int kMonthRole = Qt::UserRole + 2;
constexpr int kYearItemRole = Qt::UserRole + 3;

} // namespace

YearMonthTree::YearMonthTree() : m_tree(new QTreeWidget) {
    m_tree->setObjectName(QStringLiteral("TList1"));
    m_tree->setHeaderHidden(true);
    m_tree->setAccessibleName(ResourceStrings::text(ResourceStrings::kCalendar));
    // Hidden, the header still reaches a screen reader, which would read Qt's "1".
    m_tree->setHeaderLabel(m_tree->accessibleName());
}

int YearMonthTree::treeCell(const QTreeWidgetItem* item, const char* name) {
    if (!item)
        return 0;
    if (qstricmp(name, "Year") == 0)
        return item->data(0, kYearRole).toInt();
    if (qstricmp(name, "Month") == 0)
        return item->data(0, kMonthRole).toInt();
    return 0;
}

int YearMonthTree::indexOf(const QTreeWidgetItem* item) const {
    return int(m_items.indexOf(item));
}

const QTreeWidgetItem* YearMonthTree::clickable(int index) const {
    if (m_loading || index < 0 || index >= m_items.size())
        return nullptr;
    return m_items[index];
}

void YearMonthTree::load(const std::function<CalendarSpan()>& readSpan, int year, int month) {
    struct Loading {
        YearMonthTree& tree;
        explicit Loading(YearMonthTree& t) : tree(t) { tree.m_loading = true; }
        ~Loading() {
            tree.m_tree->setUpdatesEnabled(true);
            tree.m_loading = false;
        }
    } loading(*this);
    if (m_items.isEmpty()) {
        m_tree->setUpdatesEnabled(false);
        const CalendarSpan span = readSpan();
        if (!span.isEmpty())
            fill(span.first(), span.last());
    }
    for (QTreeWidgetItem* item : std::as_const(m_items)) {
        if (treeCell(item, "Year") == year && treeCell(item, "Month") == month) {
            m_tree->setCurrentItem(item);
            m_tree->scrollToItem(item);
            break;
        }
    }
}

void YearMonthTree::retitle() {
    m_tree->setAccessibleName(ResourceStrings::text(ResourceStrings::kCalendar));
    m_tree->setHeaderLabel(m_tree->accessibleName());
    const QLocale locale = ResourceStrings::locale();
    for (QTreeWidgetItem* item : std::as_const(m_items)) {
        if (item->data(0, kMonthRole).toInt() > 0)
            nameMonth(item, locale);
    }
}

void YearMonthTree::nameMonth(QTreeWidgetItem* item, const QLocale& locale) {
    const int month = item->data(0, kMonthRole).toInt();
    item->setText(0, locale.standaloneMonthName(month, QLocale::LongFormat));
    // A screen reader reads the month with its year, which is shown only above it.
    item->setData(0, Qt::AccessibleTextRole,
                  item->text(0) + QLatin1Char(' ') + item->data(0, kYearRole).toString());
}

void YearMonthTree::fill(const QDate& first, const QDate& last) {
    const QLocale locale = ResourceStrings::locale();
    QTreeWidgetItem* yearItem = nullptr;
    int year = 0;
    int month = 0;
    // One step a month: the first of each month between the two dates.
    for (QDate d(first.year(), first.month(), 1); d <= last; d = d.addMonths(1)) {
        if (d.year() != year) {
            year = d.year();
            yearItem = new QTreeWidgetItem(m_tree, {QString::number(year)});
            yearItem->setData(0, kYearRole, year);
            yearItem->setData(0, kMonthRole, 0);
            yearItem->setData(0, kYearItemRole, true);
            QFont f = yearItem->font(0);
            f.setBold(true);
            yearItem->setFont(0, f);
            m_items.append(yearItem);
            month = 0;
        }
        if (d.month() != month) {
            month = d.month();
            auto* monthItem = new QTreeWidgetItem(yearItem);
            monthItem->setData(0, kYearRole, year);
            monthItem->setData(0, kMonthRole, month);
            nameMonth(monthItem, locale);
            m_items.append(monthItem);
        }
    }
}
