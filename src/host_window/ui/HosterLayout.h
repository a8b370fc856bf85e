// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QIcon>
#include <QList>
#include <QString>
#include <Qt>
#include <functional>

class GoToDate;
class MonthCalendarView;
class WeekCalendarView;
class cPaneWindow;
class QComboBox;
class QMainWindow;
class QMenu;
class QPushButton;
class QTabBar;
class QToolBar;
class QWidget;
class cDockingPane;

// The arrangement of the host window's panes: where each is docked, which are tabs of which,
// their widths when the window is shown and resized, the title bars of tabbed panes, and the
// home arrangement that a refused drag or float is put back to. The user's gestures on the
// panes are turned into pane actions; the window decides what they do.
class HosterLayout {
public:
    // Handles a pane action (code, pane number); true when it is refused.
    using ActionHandler = std::function<bool(int action, int pane)>;
    HosterLayout(QMainWindow& window, ActionHandler onAction);

    // The window's docking set-up: tabs on top, the side areas taking the corners, and a
    // central area of no height.
    void dockWindow();
    // The strip above the calendars: the date field, the today button and the edition chooser
    // (hidden until the window runs in multi-edition mode).
    struct CalendarTools {
        QToolBar* bar = nullptr;
        GoToDate* goTo = nullptr;
        QPushButton* today = nullptr;
        QComboBox* chooser = nullptr;
    };
    CalendarTools addCalendarTools();
    // The bar at the left edge that holds the switches of panes hidden at the side.
    QToolBar* addSideBar();

    // The pane bitmaps 101 (month) and 102 (week).
    static QIcon paneIcon(int resource);
    // The width of the edition chooser for the month calendar's width and the chooser's left
    // position (twips): the month's width less (left - 340), at least 2300.
    static int chooserWidth(int monthWidth, int chooserLeft);

    cDockingPane* addPane(qint16 number, const QString& title, QWidget* window,
                          Qt::DockWidgetArea area);
    // The month and week calendars in their pane windows, panes 1 and 2 at the top with their
    // icons, the week a tab of the month.
    struct CalendarPanes {
        MonthCalendarView* month = nullptr;
        WeekCalendarView* week = nullptr;
        cPaneWindow* monthWindow = nullptr;
        cPaneWindow* weekWindow = nullptr;
    };
    CalendarPanes addCalendarPanes();
    // What every day page is given by the window.
    struct DayPageSettings {
        QString appTitle;
        QString connectionString;
        QString iniFile;
        bool sqlMode = false;
        qint32 user = 0;
        qint32 version = 0;
    };
    // The day pages of the edition at the right, each initialised with the window's settings;
    // the later ones are tabs of the first.
    void addDayPanes(const DayPageSettings& settings);
    // The day pages of another edition: those it lacks go, those it has come as tabs of the
    // readings, and every pane and tool takes the titles of the language now chosen.
    void replaceDayPanes(const DayPageSettings& settings);
    // The titles of the panes and the tool bars, and the names and tips of the calendar tools,
    // in the language now chosen.
    void retitle();
    QList<cDockingPane*> panes() const { return m_panes; }
    cDockingPane* pane(int number) const;

    // Once every pane is made: their first sizes (the calendars take the height, the day pages
    // and the tree their widths), the tree hidden at the side, and the gestures watched.
    void settle();
    // Takes the current arrangement as the one refused actions go back to.
    void saveHome();
    // The window has its size now: the day pages get their width, the calendars the rest.
    void firstShown();
    // Around the window's own resize: the day pages keep their width.
    void beforeResize();
    void afterResize();
    // Brings a pane to the front without that counting as the user's selection; false when
    // there is no such pane.
    bool raise(int number);
    // Brings the next (or previous) tab in front, round from the last to the first, as the
    // user's selection: of the tabs that `focus` is (the bar) or lies in (a pane); false when
    // it is in no tabbed pane.
    bool switchTab(const QWidget* focus, bool forward);
    // Places the today button, the date field and the edition chooser in the calendar tools.
    void layoutTools();
    // While the window loads, tabs coming to the front are no selection.
    void setLoading(bool loading) { m_loading = loading; }
    // The window's Tab stops in the order a person reads them: the date field, the today
    // button, the edition chooser, the tree's switch and the tree, the calendars' tabs, the
    // month's buttons, the month and the week, the day pages' tabs, and each day page's list
    // and text. Which of them can be reached now is for the one who moves the focus to judge.
    QList<QWidget*> tabStops() const;
    // The window's pane menu: the switches of the panes that can be put away, each showing
    // its pane as its edge button does.
    QMenu* paneMenu(QWidget* parent) const;

private:
    cDockingPane* addDayPane(qint16 number, const DayPageSettings& settings);
    void arrangeWidths();
    void watchPane(cDockingPane* pane);
    void paneVisibilityChanged(cDockingPane* pane, bool visible);
    void paneToggled(cDockingPane* pane, bool shown);
    void paneLayoutChanged(cDockingPane* pane);
    void restoreHomeLayout();
    void updateTitleBars();
    // The bar of tabs that holds `pane`'s tab; none while the pane has no tab.
    QTabBar* tabBarOf(const cDockingPane* pane) const;
    void scheduleTitleBars();

    // The width of the calendar in front, beside the day pages; 0 when none is docked.
    int calendarWidth() const;

    QMainWindow& m_window;
    ActionHandler m_onAction;
    CalendarTools m_tools;
    MonthCalendarView* m_month = nullptr;
    QToolBar* m_sideBar = nullptr;
    bool m_loading = false;
    QList<cDockingPane*> m_panes;
    QByteArray m_homeLayout;
    bool m_restoring = false;
    int m_selecting = 0;
    int m_dayPaneWidth = 0; // the day pages' width as the user wants it
    int m_heldWidth = 0;    // the width the pages were last given
    int m_besideWidth = -1; // the window's width beside the calendar and the pages; -1: none
    bool m_arranging = false;
    bool m_titleBarsPending = false;
};
