// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <memory>

class HostInteraction;
class MonthCalendarView;
class QAction;
class QLabel;
class QMenu;
class QWidget;
class WeekCalendarView;
class cToolTip;
struct HostSettings;

// The note of the day under the mouse: shown as the tip of the calendar's window and held in
// the hidden label `LabelTooltip`, whose text the right-click menu `mnuPop` copies ("Copy
// tooltip").
class NoteDisplay {
public:
    // Makes the label and the menu as children of the window; the notes are read from the
    // liturgy database of `settings` for the edition of `model`.
    NoteDisplay(QWidget& window, const HostSettings& settings, const HostInteraction& model);
    ~NoteDisplay();

    QLabel* label() const { return m_label; }
    QMenu* menu() const { return m_menu; }
    QAction* copyAction() const { return m_copy; }
    // Null until the tips are started.
    const cToolTip* tips() const { return m_tip.get(); }

    // Creates the tooltip component with its settings 2, 100 and 200000, and shows the notes of
    // the days under the mouse in both calendars.
    void start(MonthCalendarView* month, WeekCalendarView* week);
    // The note of a day of the month shown; empty before the calendars are made.
    QString note(int day) const;
    // Takes any tip off `window` and empties the label; then shows `note` when it is not empty.
    void show(QWidget* window, const QString& note);
    // A mouse button released over a calendar: the right button (2) opens the menu while there
    // is a note.
    void mouseUp(int button);

private:
    void showNote(QWidget* window, int day);
    void copy();

    QWidget& m_window;
    const HostSettings& m_settings;
    const HostInteraction& m_model;
    MonthCalendarView* m_month = nullptr;
    QLabel* m_label = nullptr;
    QMenu* m_menu = nullptr;
    QAction* m_copy = nullptr;
    std::unique_ptr<cToolTip> m_tip;
};
