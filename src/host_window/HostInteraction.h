// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

class DiskInterface;
class HostInteractionView;

// The host window's interaction between its panes, without widgets: the one date that the
// calendars, the tree, the day page and the status text show; which calendar is current and
// which day page follows the date; when a calendar is refilled; which edition is chosen; and
// what Print, Preview and the word processor act on now. The window turns its widgets' events
// into calls here and shows what the model tells its view.
class HostInteraction {
public:
    // Pane numbers.
    static constexpr qint16 kMonthPane = 1;
    static constexpr qint16 kWeekPane = 2;
    static constexpr qint16 kTreePane = 3;
    static constexpr qint16 kReadingsPane = 4;
    static constexpr qint16 kPrayersPane = 5;
    static constexpr qint16 kOrdoPane = 7;
    // Calendar modes: none before the first fill, then the month or the week.
    static constexpr qint16 kNoCalendar = 0;
    static constexpr qint16 kMonthMode = 1;
    static constexpr qint16 kWeekMode = 2;
    // Messages to the host.
    static constexpr qint32 kPanesChanged = 1;
    static constexpr qint32 kStatusChanged = 2;
    static constexpr qint32 kCalendarPrints = 4;

    // What the user does to a pane. The gestures that raise them:
    //   PaneFloating (0)   a pane is torn off; PaneFloated (1) follows when that was not refused.
    //   PaneDocked (5)     a pane is dropped at another side of the window.
    //   PaneAttaching (6)  a pane is dropped onto another group of tabs; PaneAttached (7)
    //                      follows when that was not refused.
    //   PaneHidden (9)     a pane is closed (its close button, or unticked in the pane menu).
    //   PaneCollapsed (11) the side pane is put away (its edge button, or its close button).
    //   PaneExpanding (12) a hidden pane is shown (the edge button, or ticked in the pane menu);
    //                      PaneExpanded (13) follows once it is shown.
    //   PaneActivated (14) a pane is selected (its tab clicked, or selected by the window).
    //   PaneDetaching (16) a pane is dragged out of its group of tabs.
    enum DockingAction {
        PaneFloating = 0,
        PaneFloated = 1,
        PaneDocked = 5,
        PaneAttaching = 6,
        PaneAttached = 7,
        PaneHidden = 9,
        PaneCollapsed = 11,
        PaneExpanding = 12,
        PaneExpanded = 13,
        PaneActivated = 14,
        PaneDetaching = 16,
    };

    // What the output commands act on: the current calendar or the current day page.
    enum class Output { Calendar, DayPage };

    struct State {
        qint16 calendarMode = kNoCalendar;
        bool dayPagePending = true;
        qint16 currentDayPane = kReadingsPane;
        qint16 lastMonth = 0; // the month and year of the last month fill
        qint16 lastYear = 0;
        QDate weekMonth; // the first of the month the week calendar was last filled for
        Output output = Output::DayPage;
        QDate date; // the date every pane shows
        qint32 version = 0;
        bool operator==(const State&) const = default;
    };

    explicit HostInteraction(HostInteractionView& view);
    // Goes on from `state`, which the view shows already.
    HostInteraction(HostInteractionView& view, const State& state);

    const State& state() const { return m_state; }
    void setVersion(qint32 version) { m_state.version = version; }

    // The day panes of an edition, in the order they are made.
    static QList<qint16> dayPanes(qint32 version);
    static bool isDayPane(int pane) { return pane >= kReadingsPane && pane <= kOrdoPane; }
    // A pane's title in the language of the edition.
    static QString paneTitle(int pane);

    // The window is built: the first fill on `date`, the month current, the readings pending.
    void start(const QDate& date);
    // The docking action `action` on `pane`; true when it is refused.
    bool paneAction(int action, int pane);
    // The user moved the month or the week calendar to `date` (click, keys, its buttons).
    void calendarMoved(const QDate& date);
    // The user asked for `date` from outside the calendars: the date field, the today button,
    // the tree.
    void goTo(const QDate& date);
    // A month item of the tree was clicked: the same day in that month.
    void treeClicked(int year, int month);
    // The user clicked, typed or picked in a calendar (pane 1 or 2) or a day page (4 to 7).
    void workedIn(int pane);
    // The edition `code` was chosen: the INI file points at its database, the calendars are
    // refilled and the pages follow. False for a code that the chooser does not map; throws
    // when the INI file cannot be changed, and then nothing has changed.
    bool chooseEdition(qint32 code, const QString& iniFile, DiskInterface& disk);

    // What Print, Preview and the word processor act on now.
    bool printsDayPage() const;
    // The day page that Send and a page's print act on; 0 when none is shown.
    qint16 dayPageShown() const;
    // The day page that Enter on a day brings forward: the day pane in use, else the readings.
    qint16 pageToOpen() const;
    // What they act on, in the edition's language: "December 2026", "Week, December 2026",
    // "Readings, 24 Dec 2026".
    QString outputText() const;

    // The plan changed: both calendars are filled again, the week when it was filled before,
    // on the date they show. The status text is composed again when `status` (a change made
    // elsewhere leaves what the status bar says).
    void refill(bool status = true);
    // The status text again: the edition's name and the day's name.
    void refreshStatus();
    // Shows the date on the current day page when one is pending; its result.
    bool updateDay();

private:
    // Moves every pane to `date`; the month calendar already shows it when `monthShows`.
    void moveTo(const QDate& date);
    void fillMonth();
    void fillWeek(bool force);
    void selectDayPane(int pane);
    void describeOutput();

    HostInteractionView& m_view;
    State m_state;
    QString m_described;
};
