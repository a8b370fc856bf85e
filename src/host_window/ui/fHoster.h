// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "host_window/HostInteraction.h"
#include "host_window/ui/DateNavigation.h"
#include "host_window/ui/HostOutput.h"
#include "host_window/ui/HostSettings.h"
#include "host_window/ui/HosterLayout.h"
#include "host_window/ui/HosterView.h"
#include "host_window/ui/NoteDisplay.h"
#include "host_window/ui/PaneFocus.h"
#include "host_window/ui/ServicePlanning.h"

#include <QMainWindow>
#include <memory>

class DiskInterface;
class EditionChooserBox;
class GoToDate;
class HostToolbar;
class MonthCalendarView;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QToolBar;
class QTreeWidget;
class WeekCalendarView;
class YearMonthTree;
class cDockingPane;
class cToolBar;
class cToolTip;
class fThisDay;

// The component's host window: a main window whose dock widgets are the panes — the month and
// week calendars tabbed at the top, the year/month tree at the left (hidden at the side until
// its edge button shows it), the day pages tabbed at the right. It turns what the user does to
// its widgets into calls of its interaction model and shows what the model decides.
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
    explicit fHoster(QWidget* parent = nullptr);
    ~fHoster() override;

    QString pVkIniFile() const { return m_settings.vkIniFile; }
    void setPVkIniFile(const QString& v) { m_settings.vkIniFile = v; }
    qint32 pVersion() const { return m_model.state().version; }
    void setPVersion(qint32 v) { m_model.setVersion(v); }
    qint32 pUser() const { return m_settings.user; }
    void setPUser(qint32 v) { m_settings.user = v; }
    QString pAppTitle() const { return m_settings.appTitle; }
    void setPAppTitle(const QString& v);
    // The disk that the edition chooser writes the INI file through (tests make it fail).
    void setDisk(DiskInterface* disk);
    QObject* pApp() const { return m_settings.app; }
    void setPApp(QObject* v) { m_settings.app = v; }
    QObject* pNotify() const { return m_settings.notify; }
    void setPNotify(QObject* v) { m_settings.notify = v; }
    bool pSQLMode() const { return m_settings.sqlMode; }
    void setPSQLMode(bool v) { m_settings.sqlMode = v; }
    QString pConnectionString() const { return m_settings.connectionString; }
    void setPConnectionString(const QString& v) { m_settings.connectionString = v; }
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
    // Prints or previews what the user last worked in: a calendar or the day page.
    Q_INVOKABLE bool doPrint(const QString& command) { return m_output.print(command); }
    // Prints or previews the current day page.
    Q_INVOKABLE bool doPrintBrowser(const QString& command) { return m_output.printPage(command); }
    // Hands a command to the host (message 5); false without a notify object.
    Q_INVOKABLE bool sendCommand(const QString& id) { return m_output.forward(id); }
    // Plans one service or a series through the recurring-services component; true only when
    // a single service was created. The calendars are refilled after anything was written.
    Q_INVOKABLE bool newService(const QString& id) { return m_planning.newService(id); }
    Q_INVOKABLE bool openInMSWord() { return m_output.openInWordProcessor(); }
    Q_INVOKABLE QObject* getMSWordAppDoc() { return m_output.wordDocument(); }
    Q_INVOKABLE bool doSend(const QString& command) { return m_output.send(command); }
    // Copies the day page in front: its selection, or the whole page when nothing is selected;
    // false when no page is shown.
    Q_INVOKABLE bool copyDayPage() { return m_output.copyPage(); }
    // Moves every pane to `date`, as the date field does.
    Q_INVOKABLE void goToDate(const QDate& date) { m_navigation.goTo(date); }

    QWidget* getFormFromhWnd(qint32 handle) const;
    QString getTmpFile();
    // The note of a day of the month shown.
    QString getNote(int day) { return m_notes.note(day); }

    // The docking-pane action handler; true when the action is refused.
    bool onPaneAction(int action, int pane);
    // Selects a pane as the user does by its tab (action 14).
    void selectPane(int number);
    // Shows the date on the current day page when one is pending.
    bool UpdateDay();

    const HostInteraction& interaction() const { return m_model; }
    QList<cDockingPane*> panes() const { return m_layout->panes(); }
    cDockingPane* pane(int number) const { return m_layout->pane(number); }
    fThisDay* dayPage(int number) const { return m_view.dayPage(number); }
    MonthCalendarView* monthCalendar() const { return m_month; }
    WeekCalendarView* weekCalendar() const { return m_week; }
    QTreeWidget* tree() const;
    QComboBox* editionChooser() const { return Combo1; }
    QLabel* labelTooltip() const { return LabelTooltip; }
    QObject* toolbarInUse() const;
    // The window's own toolbar, used when the host gives none.
    QToolBar* ownToolbar() const { return SSActiveToolBars1; }
    const cToolTip* toolTips() const { return m_notes.tips(); }

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    QMenu* createPopupMenu() override;
    // Tab and Shift+Tab go through the window's stops in the order a person reads them.
    bool focusNextPrevChild(bool next) override;
    // Ctrl+Tab and Ctrl+Shift+Tab bring the next or previous tab of the focused pane in front.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void loadStep();
    void onEditionChosen(int index);
    void openDayPage();
    // Runs `step` of the model as the procedure `name`.
    template <class Step> void run(const char* name, Step step);

    HostSettings m_settings;

    bool m_loading = false;
    bool m_loaded = false;

    std::unique_ptr<HosterLayout> m_layout;
    std::unique_ptr<HostToolbar> m_tools;
    HosterView m_view;
    HostInteraction m_model;
    DateNavigation m_navigation;
    NoteDisplay m_notes;
    HostOutput m_output;
    ServicePlanning m_planning;
    std::unique_ptr<EditionChooserBox> m_chooser;
    GoToDate* m_goTo = nullptr;
    QPushButton* Command1 = nullptr;
    QComboBox* Combo1 = nullptr;
    std::unique_ptr<YearMonthTree> m_yearTree;
    std::unique_ptr<cToolBar> m_toolBarRecord;
    MonthCalendarView* m_month = nullptr;
    WeekCalendarView* m_week = nullptr;

    QLabel* LabelTooltip = nullptr;
    QToolBar* SSActiveToolBars1 = nullptr;
    // Last, so that clicks stop counting before anything else goes.
    PaneFocus m_focus;
};
