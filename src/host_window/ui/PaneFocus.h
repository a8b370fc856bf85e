// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QObject>

class HostInteraction;
class HosterView;
class MonthCalendarView;
class QWidget;
class WeekCalendarView;

// Which pane of the host window the user works in, told by clicks and the focus (Print acts on
// it), and the focus following a pane that its tab brings in front.
class PaneFocus : public QObject {
public:
    // Watches every widget of the application, as a click may land on any child of a pane.
    PaneFocus(QWidget& window, HostInteraction& model, const HosterView& view);
    ~PaneFocus() override;

    // The calendars are made: from now on clicks and the focus count.
    void setCalendars(MonthCalendarView* month, WeekCalendarView* week);
    // While the window loads, the focus moving between panes is no choice of the user's.
    void setLoading(bool loading) { m_loading = loading; }
    // The widget of a pane that takes the focus: a calendar, or a day page's text; none for a
    // pane that is not made.
    QWidget* frontOf(int pane) const;
    // A pane brought in front by its tab takes the focus from the pane it hides (a calendar
    // from a calendar, a day page from a day page).
    void paneInFront(int pane);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The pane a widget belongs to: 1 or 2 for the calendars, 4 to 7 for a day page, else 0.
    int paneOf(const QObject* widget) const;

    QWidget& m_window;
    HostInteraction& m_model;
    const HosterView& m_view;
    MonthCalendarView* m_month = nullptr;
    WeekCalendarView* m_week = nullptr;
    bool m_loading = false;
};
