// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

class HostInteraction;
class GoToDate;
class MonthCalendarView;
class QDate;
class QPushButton;
class QWidget;
class WeekCalendarView;
class YearMonthTree;

// The user's moves through dates (a day clicked or keyed in either calendar, a month picked in
// the tree, a date typed, the today button) handed to the model, which moves every pane.
class DateNavigation {
public:
    // `window` receives the signals, so that its going cuts them before the model goes.
    DateNavigation(QWidget& window, HostInteraction& model);

    // The date field and the today button, made with the window.
    void watchTools(GoToDate* goTo, QPushButton* today);
    // The calendars and the tree, made when the window is initialised; dates typed count from
    // then on.
    void watchCalendars(MonthCalendarView* month, WeekCalendarView* week, YearMonthTree* tree);
    // Moves every pane to `date`, as the date field does.
    void goTo(const QDate& date);

private:
    void treeClicked(YearMonthTree* tree, int index);

    QWidget& m_window;
    HostInteraction& m_model;
    bool m_calendars = false;
};
