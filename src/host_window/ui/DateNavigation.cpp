// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/DateNavigation.h"

#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "host_window/HostInteraction.h"
#include "host_window/ui/GoToDate.h"
#include "host_window/ui/YearMonthTree.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"

#include <QPushButton>
#include <QTreeWidget>

namespace {

// Runs `step` as the procedure `name`.
template <class Step> void run(const char* name, Step step) {
    ProcScope scope(name);
    scope.run(step);
}

} // namespace

DateNavigation::DateNavigation(QWidget& window, HostInteraction& model)
    : m_window(window), m_model(model) {}

void DateNavigation::watchTools(GoToDate* goTo, QPushButton* today) {
    QObject::connect(goTo, &GoToDate::chosen, &m_window, [this](const QDate& d) { this->goTo(d); });
    QObject::connect(today, &QPushButton::clicked, &m_window, [this] {
        run("fHoster.Command1_Click", [&] { m_model.goTo(now().date()); });
    });
}

void DateNavigation::watchCalendars(MonthCalendarView* month, WeekCalendarView* week,
                                    YearMonthTree* tree) {
    m_calendars = true;
    QObject::connect(month, &MonthCalendarView::currentDateChanged, &m_window, [this, month] {
        run("fHoster.moMonth_DateChange", [&] { m_model.calendarMoved(month->currentDate()); });
    });
    QObject::connect(week, &WeekCalendarView::dateChanged, &m_window, [this](const QDate& date) {
        run("fHoster.moWeek_DateChange", [&] { m_model.calendarMoved(date); });
    });
    const auto click = [this, tree](QTreeWidgetItem* item) {
        treeClicked(tree, tree->indexOf(item));
    };
    QObject::connect(tree->widget(), &QTreeWidget::itemClicked, &m_window, click);
    QObject::connect(tree->widget(), &QTreeWidget::itemActivated, &m_window, click);
}

void DateNavigation::goTo(const QDate& date) {
    if (!m_calendars || !date.isValid())
        return;
    run("fHoster.goToDate", [&] { m_model.goTo(date); });
}

void DateNavigation::treeClicked(YearMonthTree* tree, int index) {
    const QTreeWidgetItem* item = tree->clickable(index);
    if (!item)
        return;
    run("fHoster.doTListClick", [&] {
        const int month = YearMonthTree::treeCell(item, "Month");
        if (month > 0)
            m_model.treeClicked(YearMonthTree::treeCell(item, "Year"), month);
    });
}
