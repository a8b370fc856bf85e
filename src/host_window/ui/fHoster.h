#pragma once

#include "data/Connection.h"

#include <QMainWindow>
#include <QPointer>
#include <memory>

class DiskInterface;

class MonthCalendarView;
class QComboBox;
class QLabel;
class QMenu;
class GoToDate;
class QAction;
class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;
class WeekCalendarView;
class cDockingPane;
class cLiturgicalColors;
class cPaneWindow;
class cToolBar;
class cToolTip;
class fThisDay;
class HostExport;
class HosterLayout;
class HostToolbar;
class NoteDisplay;
class YearMonthTree;

// The component's host window: a main window whose dock widgets are the panes — the month and
// week calendars tabbed at the top, the year/month tree at the left (hidden at the side until
// its edge button shows it), the day pages tabbed at the right. It keeps the state between the
// panes: which calendar is current, which day page is pending, the last filled month.
class fHoster : public QMainWindow {
    Q_OBJECT
    Q_PROPERTY(QString pVkIniFile READ pVkIniFile WRITE setPVkIniFile)
    Q_PROPERTY(qint32 pVersion READ pVersion WRITE setPVersion)
    Q_PROPERTY(qint32 pUser READ pUser WRITE setPUser)
    Q_PROPERTY(QString pAppTitle READ pAppTitle WRITE setPAppTitle)
    Q_PROPERTY(QObject* pApp READ pApp WRITE setPApp)
    Q_PROPERTY(QObject* pNotify READ pNotify WRITE setPNotify)
    Q_PROPERTY(bool pSQLMode READ pSQLMode WRITE setPSQLMode)
    Q_PROPERTY(QString pConnectionString READ pConnectionString WRITE setPConnectionString)
    Q_PROPERTY(double pStartDate READ pStartDate WRITE setPStartDate)
    Q_PROPERTY(double pEndDate READ pEndDate WRITE setPEndDate)

public:
    // What the user does to a pane, with the codes the action handler dispatches on. The
    // gestures that raise them:
    //   PaneFloating (0)   a pane is torn off (title double-clicked or dragged out); PaneFloated
    //                      (1) follows when that was not refused.
    //   PaneDocked (5)     a pane is dropped at another side of the window.
    //   PaneAttaching (6)  a pane is dropped onto another group of tabs; PaneAttached (7)
    //                      follows when that was not refused.
    //   PaneHidden (9)     a pane is closed (its close button, or unticked in the pane menu).
    //   PaneCollapsed (11) the side pane is put away (its edge button, or its close button).
    //   PaneExpanding (12) a hidden pane is shown (the edge button, or ticked in the pane menu);
    //                      PaneExpanded (13) follows once it is shown.
    //   PaneActivated (14) a pane is selected (its tab clicked, or selected by the window).
    //   PaneDetaching (16) a pane is dragged out of its group of tabs.
    // A refused action is undone: the panes go back to where the window put them.
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
    Q_ENUM(DockingAction)

    explicit fHoster(QWidget* parent = nullptr);
    ~fHoster() override;

    QString pVkIniFile() const { return m_vkIniFile; }
    void setPVkIniFile(const QString& v) { m_vkIniFile = v; }
    qint32 pVersion() const { return m_version; }
    void setPVersion(qint32 v) { m_version = v; }
    qint32 pUser() const { return m_user; }
    void setPUser(qint32 v) { m_user = v; }
    QString pAppTitle() const { return m_appTitle; }
    void setPAppTitle(const QString& v) { m_appTitle = v; }
    // The disk that the edition chooser writes the INI file through (tests make it fail).
    void setDisk(DiskInterface* disk) { m_disk = disk; }
    QObject* pApp() const { return m_app; }
    void setPApp(QObject* v) { m_app = v; }
    QObject* pNotify() const { return m_notify; }
    void setPNotify(QObject* v) { m_notify = v; }
    bool pSQLMode() const { return m_sqlMode; }
    void setPSQLMode(bool v) { m_sqlMode = v; }
    QString pConnectionString() const { return m_connectionString; }
    void setPConnectionString(const QString& v) { m_connectionString = v; }
    // First and last day of the month shown in the month calendar (date values); computed when
    // read, setting them has no effect.
    double pStartDate() const;
    void setPStartDate(double) {}
    double pEndDate() const;
    void setPEndDate(double) {}

    // The window's handle in the component's window list; taking it first runs the load step.
    qint32 hWnd();

    Q_INVOKABLE bool mInitialize();
    Q_INVOKABLE bool mAttachToolbar();
    Q_INVOKABLE bool mSetCommandStatus(const QString& command);
    Q_INVOKABLE bool mFreeToolbar();
    // Carries out a toolbar command; the result is not used by callers.
    Q_INVOKABLE bool DoCommand(const QString& id);
    // Prints or previews the current calendar or day page ("ID_PRINT", "ID_PREVIEW").
    Q_INVOKABLE bool doPrint(const QString& command);
    // Prints or previews the current day page.
    Q_INVOKABLE bool doPrintBrowser(const QString& command);
    // Hands a command to the host (message 5); false without a notify object.
    Q_INVOKABLE bool sendCommand(const QString& id);
    // Plans one service or a series through the recurring-services component; true only when
    // a single service was created. The calendars are refilled after anything was written.
    Q_INVOKABLE bool newService(const QString& id);

    // Output of the current content (HostExport does the work).
    Q_INVOKABLE bool openInMSWord();
    Q_INVOKABLE QObject* getMSWordAppDoc();
    Q_INVOKABLE bool doSend(const QString& command);

    QWidget* getFormFromhWnd(qint32 handle) const;
    QString getTmpFile();

    // The action handler; true when the action is refused.
    bool onPaneAction(int action, int paneNumber);

    // The calendar interaction.
    bool updateCalendar(bool force);
    bool updateWeekCalendar(bool force);
    bool UpdateDay();
    void setStatusText();
    QString getNote(int day);
    bool loadTListData();
    void doTListClick(int index);
    // Moves the calendars to `date` (the month calendar, and the week calendar when current).
    Q_INVOKABLE void goToDate(const QDate& date);

    // State, for the commands and for inspection.
    qint16 calendarMode() const { return m_calendarMode; }
    bool dayPagePending() const { return m_dayPagePending; }
    qint16 currentDayPane() const { return m_currentDayPane; }
    qint16 lastFilledMonth() const { return m_lastMonth; }
    qint16 lastFilledYear() const { return m_lastYear; }
    bool isLoading() const { return m_loading; }
    int monthFills() const { return m_monthFills; }
    int weekFills() const { return m_weekFills; }

    // The panes in creation order, and one by number (null when there is none).
    QList<cDockingPane*> panes() const;
    cDockingPane* pane(int number) const;
    // Selects a pane as the user does by its tab (action 14).
    void selectPane(int number);
    fThisDay* dayPage(int number) const;

    MonthCalendarView* monthCalendar() const { return m_month; }
    WeekCalendarView* weekCalendar() const { return m_week; }
    QTreeWidget* tree() const;
    QComboBox* editionChooser() const { return Combo1; }
    QPushButton* todayButton() const { return Command1; }
    QLabel* labelTooltip() const { return LabelTooltip; }
    QMenu* popupMenu() const { return mnuPop; }
    QAction* copyTooltipAction() const { return mnuCopy; }
    QToolBar* sideBar() const { return m_sideBar; }
    QObject* toolbarInUse() const;
    // The window's own toolbar, used when the host gives none.
    QToolBar* ownToolbar() const { return SSActiveToolBars1; }
    GoToDate* goToDateTool() const { return m_goTo; }
    const cToolTip* toolTips() const;

    // The values of a tree item's "Year" and "Month" cells.
    static int treeCell(const QTreeWidgetItem* item, const char* name);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void loadStep();
    void sendMessage(qint32 code);
    void showNote(QWidget* window, int day);
    void onMonthDateChanged(int month, int year);
    void onWeekDateChanged(const QDate& date);
    void onEditionChosen(int index);
    void onToday();
    void openDayPage();
    QString liturgyFile() const;
    // The settings every calendar fill takes from the window.
    template <class Fill> void configureFill(Fill& fill) const;
    // The liturgy database the INI file names, in the window's connection mode.
    ConnectionPtr openDatabase() const;

    QString m_vkIniFile;
    qint32 m_version = 0;
    qint32 m_user = 0;
    QString m_appTitle;
    QPointer<QObject> m_app;
    QPointer<QObject> m_notify;
    bool m_sqlMode = false;
    QString m_connectionString;

    qint16 m_calendarMode = 0;
    bool m_dayPagePending = true;
    qint16 m_currentDayPane = 4;
    bool m_loading = false;
    bool m_loaded = false;
    int m_chosenIndex = 0; // the chooser item that the INI file names
    DiskInterface* m_disk = nullptr;
    qint16 m_lastMonth = 0;
    qint16 m_lastYear = 0;
    bool m_refillSuppress = false;
    bool m_fillingWeek = false;
    int m_monthFills = 0;
    int m_weekFills = 0;

    std::unique_ptr<cLiturgicalColors> m_colors;
    std::unique_ptr<HostExport> m_export;
    std::unique_ptr<HosterLayout> m_layout;
    std::unique_ptr<HostToolbar> m_tools;
    std::unique_ptr<NoteDisplay> m_notes;
    std::unique_ptr<YearMonthTree> m_yearTree;
    std::unique_ptr<cToolBar> m_toolBarRecord;
    cPaneWindow* mfT1 = nullptr;
    cPaneWindow* mfT2 = nullptr;
    cPaneWindow* m_fTList = nullptr;
    MonthCalendarView* m_month = nullptr;
    WeekCalendarView* m_week = nullptr;

    QToolBar* m_calendarTools = nullptr;
    GoToDate* m_goTo = nullptr;
    QComboBox* Combo1 = nullptr;
    QPushButton* Command1 = nullptr;
    QLabel* LabelTooltip = nullptr;
    QMenu* mnuPop = nullptr;
    QAction* mnuCopy = nullptr;
    QToolBar* m_sideBar = nullptr;
    QToolBar* SSActiveToolBars1 = nullptr;
};
