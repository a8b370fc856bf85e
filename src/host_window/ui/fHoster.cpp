// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/fHoster.h"

#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/cToolBar.h"
#include "host_window/mCommands.h"
#include "host_window/mLateBound.h"
#include "host_window/ui/EditionChooserBox.h"
#include "host_window/ui/GoToDate.h"
#include "host_window/ui/HostToolbar.h"
#include "host_window/ui/HosterLayout.h"
#include "host_window/ui/TabStops.h"
#include "host_window/ui/YearMonthTree.h"
#include "host_window/ui/cDockingPane.h"
#include "host_window/ui/cPaneWindow.h"
#include "support/COSInfo.h"
#include "support/DiskInterface.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTreeWidget>

template <class Step> void fHoster::run(const char* name, Step step) {
    ProcScope scope(name);
    scope.run(step);
}

fHoster::fHoster(QWidget* parent)
    : QMainWindow(parent),
      m_layout(std::make_unique<HosterLayout>(
          *this, [this](int action, int pane) { return onPaneAction(action, pane); })),
      m_tools(std::make_unique<HostToolbar>(*this, [this](const QString& id) { DoCommand(id); })),
      m_view(*this, m_settings, *m_layout, *m_tools), m_model(m_view), m_navigation(*this, m_model),
      m_notes(*this, m_settings, m_model), m_output(*this, m_settings, m_model, m_view),
      m_planning(*this, m_settings, m_model, m_view), m_focus(*this, m_model, m_view) {
    m_view.watch(m_model);
    setObjectName(QStringLiteral("fHoster"));
    setAccessibleName(tr("Liturgy calendar"));
    m_layout->dockWindow();
    const HosterLayout::CalendarTools tools = m_layout->addCalendarTools();
    m_goTo = tools.goTo;
    Command1 = tools.today;
    Combo1 = tools.chooser;
    m_chooser = std::make_unique<EditionChooserBox>(*Combo1, m_model, m_settings);
    m_navigation.watchTools(m_goTo, Command1);
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int i) { onEditionChosen(i); });

    LabelTooltip = m_notes.label();
    SSActiveToolBars1 = m_tools->own();
    m_layout->addSideBar();
}

fHoster::~fHoster() {
    // Unload: the subscriptions and references go with the window. The children are hidden
    // and destroyed after this destructor, when this object is no longer an fHoster: none of
    // their signals may reach it then.
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    m_tools->use(nullptr);
    m_settings.notify = nullptr;
    m_settings.app = nullptr;
}

qint32 fHoster::hWnd() {
    if (!m_loaded)
        loadStep();
    return cWindowList::add(this);
}

QWidget* fHoster::getFormFromhWnd(qint32 handle) const {
    return cWindowList::find(handle);
}

QString fHoster::getTmpFile() {
    QString prefix = QStringLiteral("CEN");
    return COSInfo().TempFile(prefix);
}

double fHoster::pStartDate() const {
    if (!m_month)
        return 0;
    return OleDate::fromDate(m_month->model().dateOfDay(1));
}

double fHoster::pEndDate() const {
    if (!m_month)
        return 0;
    return OleDate::fromDate(m_month->model().dateOfDay(m_month->model().daysInMonth()));
}

void fHoster::loadStep() {
    ProcScope scope("fHoster.Form_Load");
    m_loaded = true;
    scope.run([&] {
        m_loading = true;
        m_layout->setLoading(true);
        m_focus.setLoading(true);
        m_chooser->fill(pVersion());
    });
}

bool fHoster::mInitialize() {
    if (!m_loaded)
        loadStep();
    ProcScope scope("fHoster.mInitialize");
    bool result = false;
    scope.run([&] {
        setWindowTitle(m_settings.appTitle);
        const HosterLayout::CalendarPanes calendars = m_layout->addCalendarPanes();
        m_month = calendars.month;
        m_week = calendars.week;
        // Enter on a day brings its page forward.
        connect(m_month, &MonthCalendarView::dayActivated, this, [this] { openDayPage(); });
        connect(m_week, &WeekCalendarView::dayActivated, this, [this] { openDayPage(); });
        connect(calendars.monthWindow, &cPaneWindow::resized, this,
                [this] { m_layout->layoutTools(); });
        connect(calendars.weekWindow, &cPaneWindow::resized, this,
                [this] { m_layout->layoutTools(); });

        // The year/month tree, hidden at the side.
        m_yearTree = std::make_unique<YearMonthTree>();
        QTreeWidget* tree = m_yearTree->widget();
        m_layout->addPane(HostInteraction::kTreePane,
                          HostInteraction::paneTitle(HostInteraction::kTreePane),
                          new cPaneWindow(QStringLiteral("fTList"), tree), Qt::LeftDockWidgetArea);
        m_navigation.watchCalendars(m_month, m_week, m_yearTree.get());

        // The day pages, tabbed at the right.
        m_layout->addDayPanes(m_view.dayPageSettings());
        m_layout->settle();

        // The toolbar in use; the window's own tools carry its handle with or without a host.
        m_toolBarRecord = m_tools->start(hWnd(), m_settings.user, pVersion());

        m_view.setPanes(m_month, m_week, m_yearTree.get(), m_goTo);
        m_notes.start(m_month, m_week);
        m_output.setCalendars(m_month, m_week);
        m_focus.setCalendars(m_month, m_week);

        m_view.nameCalendarDays();
        m_layout->retitle();

        m_layout->saveHome();
        m_layout->raise(HostInteraction::kMonthPane);
        m_model.start(m_month->currentDate());
        m_layout->layoutTools();
        m_planning.start(m_week);
        result = true;
    });
    return result;
}

void fHoster::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_loading)
        return;
    m_loading = false;
    m_layout->setLoading(false);
    m_focus.setLoading(false);
    m_layout->firstShown();
    selectPane(HostInteraction::kReadingsPane);
}

void fHoster::setPAppTitle(const QString& v) {
    m_settings.appTitle = v;
    // The host's title in another language: the window and the day pages' prints follow.
    if (!m_loaded)
        return;
    setWindowTitle(v);
    for (fThisDay* page : findChildren<fThisDay*>())
        mLateBound::setProperty(page, "pAppTitle", v);
}

void fHoster::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::LanguageChange)
        return;
    // The edition's language was installed or removed: every text of the window's own anew.
    setAccessibleName(tr("Liturgy calendar"));
    m_layout->retitle();
    if (m_tools)
        m_tools->retranslate();
}

void fHoster::resizeEvent(QResizeEvent* event) {
    m_layout->beforeResize();
    QMainWindow::resizeEvent(event);
    m_layout->afterResize();
}

QMenu* fHoster::createPopupMenu() {
    return m_layout->paneMenu(this);
}

void fHoster::openDayPage() {
    // The page of the day pane in use, or of the readings when none is; it takes the focus so
    // that the keyboard and a screen reader go on in the page.
    const int number = m_model.pageToOpen();
    if (cDockingPane* p = pane(number); p && p->isHidden())
        p->show();
    selectPane(number);
    if (QWidget* page = m_focus.frontOf(number))
        page->setFocus(Qt::OtherFocusReason);
}

void fHoster::selectPane(int number) {
    if (!m_layout->raise(number))
        return;
    onPaneAction(HostInteraction::PaneActivated, number);
}

bool fHoster::UpdateDay() {
    bool result = false;
    run("fHoster.UpdateDay", [&] { result = m_model.updateDay(); });
    return result;
}

bool fHoster::onPaneAction(int action, int number) {
    bool refused = false;
    run("fHoster.DockingPane1_Action", [&] { refused = m_model.paneAction(action, number); });
    if (action == HostInteraction::PaneActivated || action == HostInteraction::PaneExpanding)
        m_focus.paneInFront(number);
    return refused;
}

bool fHoster::focusNextPrevChild(bool next) {
    return TabStops::move(m_layout->tabStops(), QApplication::focusWidget(), next) ||
           QMainWindow::focusNextPrevChild(next);
}

void fHoster::keyPressEvent(QKeyEvent* event) {
    // As in a tab widget; the docking's tabs know no keys of their own.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    const bool back = event->key() == Qt::Key_Backtab || event->modifiers() & Qt::ShiftModifier;
    if (tab && event->modifiers() & Qt::ControlModifier &&
        m_layout->switchTab(QApplication::focusWidget(), !back))
        return;
    QMainWindow::keyPressEvent(event);
}

// ---- Notes, tree and editions -----------------------------------------------------------------

QTreeWidget* fHoster::tree() const {
    return m_yearTree ? m_yearTree->widget() : nullptr;
}

void fHoster::setDisk(DiskInterface* disk) {
    m_chooser->setDisk(disk);
}

void fHoster::onEditionChosen(int index) {
    if (!m_loading)
        m_chooser->chosen(index);
}

// ---- Toolbar and output -----------------------------------------------------------------------

QObject* fHoster::toolbarInUse() const {
    return m_tools->inUse();
}

bool fHoster::mAttachToolbar() {
    run("fHoster.mAttachToolbar", [&] { m_tools->attach(m_settings.notify); });
    return false;
}

// True when the states were set (the empty string), as every operation reports its work.
bool fHoster::mSetCommandStatus(const QString& command) {
    bool result = false;
    run("fHoster.mSetCommandStatus", [&] {
        if (!command.isEmpty())
            return;
        m_tools->setCommandStatus(m_model.state().dayPagePending);
        result = true;
    });
    return result;
}

bool fHoster::mFreeToolbar() {
    m_tools->free();
    return true;
}

bool fHoster::DoCommand(const QString& id) {
    bool result = false;
    run("fHoster.DoCommand", [&] { result = mCommands::carryOut(this, id); });
    return result;
}
