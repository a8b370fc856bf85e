// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/fHoster.h"

#include "calendar/DayNote.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
#include "data/PlanWatch.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/cToolBar.h"
#include "host_window/mCommands.h"
#include "host_window/mLateBound.h"
#include "host_window/ui/EditionChooserBox.h"
#include "host_window/ui/GoToDate.h"
#include "host_window/ui/HostExport.h"
#include "host_window/ui/HostPrinting.h"
#include "host_window/ui/HostServices.h"
#include "host_window/ui/HostToolbar.h"
#include "host_window/ui/HosterLayout.h"
#include "host_window/ui/NoteDisplay.h"
#include "host_window/ui/ServiceMenu.h"
#include "host_window/ui/TabStops.h"
#include "host_window/ui/YearMonthTree.h"
#include "host_window/ui/cDockingPane.h"
#include "host_window/ui/cPaneWindow.h"
#include "support/COSInfo.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/LateBinding.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"
#include "support/modIni.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QMenu>
#include <QPushButton>
#include <QTextBrowser>
#include <QTreeWidget>

template <class Step> void fHoster::run(const char* name, Step step) {
    ProcScope scope(name);
    scope.run(step);
}

fHoster::fHoster(QWidget* parent)
    : QMainWindow(parent), m_export(std::make_unique<HostExport>()),
      m_layout(std::make_unique<HosterLayout>(
          *this, [this](int action, int pane) { return onPaneAction(action, pane); })),
      m_tools(std::make_unique<HostToolbar>(*this, [this](const QString& id) { DoCommand(id); })),
      m_view(*this, m_settings, *m_layout, *m_tools), m_model(m_view) {
    m_view.watch(m_model);
    setObjectName(QStringLiteral("fHoster"));
    setAccessibleName(tr("Liturgy calendar"));
    m_layout->dockWindow();
    const HosterLayout::CalendarTools tools = m_layout->addCalendarTools();
    m_goTo = tools.goTo;
    Command1 = tools.today;
    Combo1 = tools.chooser;
    m_chooser = std::make_unique<EditionChooserBox>(*Combo1, m_model, m_settings);
    connect(m_goTo, &GoToDate::chosen, this, [this](const QDate& d) { goToDate(d); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { run("fHoster.Command1_Click", [&] { m_model.goTo(now().date()); }); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int i) { onEditionChosen(i); });

    m_notes = std::make_unique<NoteDisplay>(*this);
    LabelTooltip = m_notes->label();
    SSActiveToolBars1 = m_tools->own();
    m_layout->addSideBar();
    // Clicks and the focus tell which pane the user works in.
    qApp->installEventFilter(this);
}

fHoster::~fHoster() {
    qApp->removeEventFilter(this);
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
        connectCalendars();
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
        const auto click = [this](QTreeWidgetItem* item) {
            onTreeClicked(m_yearTree->indexOf(item));
        };
        connect(tree, &QTreeWidget::itemClicked, this, click);
        connect(tree, &QTreeWidget::itemActivated, this, click);

        // The day pages, tabbed at the right.
        m_layout->addDayPanes(m_view.dayPageSettings());
        m_layout->settle();

        // The toolbar in use; the window's own tools carry its handle with or without a host.
        m_toolBarRecord = m_tools->start(hWnd(), m_settings.user, pVersion());

        m_view.setPanes(m_month, m_week, m_yearTree.get(), m_goTo);
        m_notes->startTips();

        m_view.nameCalendarDays();
        m_layout->retitle();

        m_layout->saveHome();
        m_layout->raise(HostInteraction::kMonthPane);
        m_model.start(m_month->currentDate());
        m_layout->layoutTools();
        watchPlan();
        result = true;
    });
    return result;
}

void fHoster::watchPlan() {
    m_planWatch = std::make_unique<PlanWatch>();
    try {
        if (m_settings.sqlMode && !m_settings.connectionString.isEmpty())
            m_planWatch->watchServer(m_settings.connectionString);
        else
            m_planWatch->watchFile(modIni::read(m_settings.vkIniFile, QStringLiteral("Files"),
                                                QStringLiteral("PlanFile")));
    } catch (const Failure& failure) {
        // The window works on; it shows changes made elsewhere when it is next filled.
        ProcScope::handle(failure);
    }
    // The date, the selection and the status bar stay; the calendars show the plan as it is.
    connect(m_planWatch.get(), &PlanWatch::changed, this,
            [this] { run("fHoster.planWatch", [&] { m_model.refill(false); }); });
}

void fHoster::connectCalendars() {
    connect(m_month, &MonthCalendarView::currentDateChanged, this, [this] {
        run("fHoster.moMonth_DateChange", [&] { m_model.calendarMoved(m_month->currentDate()); });
    });
    connect(m_month, &MonthCalendarView::dayHovered, this,
            [this](int day) { showNote(m_month, day); });
    connect(m_month, &MonthCalendarView::mouseReleased, this,
            [this](int button) { m_notes->mouseUp(button); });
    connect(m_week, &WeekCalendarView::dateChanged, this, [this](const QDate& date) {
        run("fHoster.moWeek_DateChange", [&] { m_model.calendarMoved(date); });
    });
    connect(m_week, &WeekCalendarView::dateHovered, this, [this](const QDate& d) {
        // The week shows days of two months; only those of the filled month have notes.
        if (d.isValid() && d.month() == m_model.state().lastMonth)
            showNote(m_week, d.day());
    });
    connect(m_week, &WeekCalendarView::mouseReleased, this,
            [this](int button) { m_notes->mouseUp(button); });
    // Enter on a day brings its page forward.
    connect(m_month, &MonthCalendarView::dayActivated, this, [this] { openDayPage(); });
    connect(m_week, &WeekCalendarView::dayActivated, this, [this] { openDayPage(); });
    connect(m_week, &WeekCalendarView::menuRequested, this,
            [this](const QDate& date, const QString& line, const QPoint& at) {
                serviceMenu(date, line, at);
            });
}

void fHoster::goToDate(const QDate& date) {
    if (!m_month || !date.isValid())
        return;
    run("fHoster.goToDate", [&] { m_model.goTo(date); });
}

void fHoster::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_loading)
        return;
    m_loading = false;
    m_layout->setLoading(false);
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

int fHoster::paneOf(const QObject* widget) const {
    for (const QObject* w = widget; w && w != this; w = w->parent()) {
        if (w == m_month)
            return HostInteraction::kMonthPane;
        if (w == m_week)
            return HostInteraction::kWeekPane;
        if (const auto* page = qobject_cast<const fThisDay*>(w))
            return page->tag().toInt();
    }
    return 0;
}

bool fHoster::eventFilter(QObject* watched, QEvent* event) {
    const bool press = event->type() == QEvent::MouseButtonPress;
    const bool focus = event->type() == QEvent::FocusIn &&
                       static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason &&
                       static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason;
    if ((press || focus) && !m_loading && m_month && watched->isWidgetType()) {
        if (const int pane = paneOf(watched))
            run("fHoster.workedIn", [&] { m_model.workedIn(pane); });
    }
    return QMainWindow::eventFilter(watched, event);
}

QMenu* fHoster::createPopupMenu() {
    return m_layout->paneMenu(this);
}

cDockingPane* fHoster::pane(int number) const {
    return m_layout->pane(number);
}

QList<cDockingPane*> fHoster::panes() const {
    return m_layout->panes();
}

fThisDay* fHoster::dayPage(int number) const {
    return m_view.dayPage(number);
}

void fHoster::openDayPage() {
    // The page of the day pane in use, or of the readings when none is; it takes the focus so
    // that the keyboard and a screen reader go on in the page.
    const qint16 current = m_model.state().currentDayPane;
    const int number =
        HostInteraction::isDayPane(current) ? current : HostInteraction::kReadingsPane;
    if (cDockingPane* p = pane(number); p && p->isHidden())
        p->show();
    selectPane(number);
    if (fThisDay* page = dayPage(number))
        page->WebBrowser1()->setFocus(Qt::OtherFocusReason);
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
        focusPane(number);
    return refused;
}

void fHoster::focusPane(int pane) {
    QWidget* focus = QApplication::focusWidget();
    const int holder = paneOf(focus);
    if (!holder || holder == pane ||
        HostInteraction::isDayPane(holder) != HostInteraction::isDayPane(pane))
        return;
    QWidget* front = nullptr;
    if (pane == HostInteraction::kMonthPane)
        front = m_month;
    else if (pane == HostInteraction::kWeekPane)
        front = m_week;
    else if (fThisDay* page = dayPage(pane))
        front = page->WebBrowser1();
    if (front)
        front->setFocus(Qt::OtherFocusReason);
}

bool fHoster::focusNextPrevChild(bool next) {
    return TabStops::move(m_layout->tabStops(), QApplication::focusWidget(), next) ||
           QMainWindow::focusNextPrevChild(next);
}

// ---- Notes, tree and editions -----------------------------------------------------------------

QString fHoster::getNote(int day) {
    ProcScope scope("fHoster.getNote");
    QString note;
    scope.run([&] {
        if (!m_month)
            return;
        note = DayNote::read(m_settings.openDatabase(), m_month->shownYear(), m_month->shownMonth(),
                             day, pVersion());
    });
    return note;
}

const cToolTip* fHoster::toolTips() const {
    return m_notes->tips();
}

void fHoster::showNote(QWidget* window, int day) {
    run("fHoster.showNote", [&] {
        m_notes->show(window, DayNote::shown(pVersion()) && day > 0 ? getNote(day) : QString());
    });
}

QTreeWidget* fHoster::tree() const {
    return m_yearTree ? m_yearTree->widget() : nullptr;
}

void fHoster::onTreeClicked(int index) {
    const QTreeWidgetItem* item = m_yearTree ? m_yearTree->clickable(index) : nullptr;
    if (!item)
        return;
    run("fHoster.doTListClick", [&] {
        const int month = YearMonthTree::treeCell(item, "Month");
        if (month > 0)
            m_model.treeClicked(YearMonthTree::treeCell(item, "Year"), month);
    });
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
    run("fHoster.DoCommand", [&] {
        switch (mCommands::dispatchOf(id)) {
        case mCommands::Dispatch::Forward:
            result = sendCommand(id);
            break;
        case mCommands::Dispatch::Print:
            result = LateBinding::call(this, "doPrint", {id}).toBool();
            break;
        case mCommands::Dispatch::Word:
            result = LateBinding::call(this, "openInMSWord").toBool();
            break;
        case mCommands::Dispatch::Send:
            result = LateBinding::call(this, "doSend", {id}).toBool();
            break;
        case mCommands::Dispatch::NewService:
            result = newService(id);
            break;
        case mCommands::Dispatch::Ignore:
            break;
        }
    });
    return result;
}

bool fHoster::sendCommand(const QString& id) {
    bool result = false;
    run("fHoster.sendCommand", [&] {
        if (!m_settings.notify)
            return;
        if (id == QLatin1String("ID_PAGE_SETUP"))
            HostPrinting::offerNextPageLayout(m_settings.notify, m_model.printsDayPage());
        mLateBound::setProperty(m_settings.notify, "pCommand", id);
        m_view.sendMessage(5);
        result = true;
    });
    return result;
}

bool fHoster::doPrint(const QString& command) {
    HostPrinting::Job job;
    job.dayPage = m_model.printsDayPage();
    job.page = dayPage(m_model.dayPageShown());
    job.week = m_model.state().calendarMode == HostInteraction::kWeekMode;
    job.month = m_month;
    job.weekCalendar = m_week;
    job.version = pVersion();
    job.appTitle = m_settings.appTitle;
    job.caption = windowTitle();
    job.notify = m_settings.notify;
    job.owner = this;
    return HostPrinting::doPrint(job, command);
}

bool fHoster::doPrintBrowser(const QString& command) {
    return HostPrinting::doPrintBrowser(dayPage(m_model.dayPageShown()), m_settings.notify,
                                        command);
}

bool fHoster::openInMSWord() {
    return m_export->openInMSWord(m_model.printsDayPage(), dayPage(m_model.dayPageShown()),
                                  {m_model.state().date, m_settings.vkIniFile, pVersion(),
                                   m_settings.sqlMode, m_settings.connectionString});
}

QObject* fHoster::getMSWordAppDoc() {
    return m_export->getMSWordAppDoc();
}

bool fHoster::copyDayPage() {
    fThisDay* page = dayPage(m_model.dayPageShown());
    return page && page->mCopy();
}

bool fHoster::doSend(const QString& command) {
    return m_export->doSend(dayPage(m_model.dayPageShown()), command, m_model.dayPageShown());
}

bool fHoster::newService(const QString& id) {
    const HostServices::Outcome outcome = HostServices::newService(
        {m_settings.vkIniFile, m_settings.user, pVersion(), m_settings.appTitle,
         m_model.state().date, m_settings.connectionString, m_settings.sqlMode},
        id);
    planChanged(outcome.status);
    return outcome.result;
}

void fHoster::serviceMenu(const QDate& date, const QString& line, const QPoint& globalPos) {
    ServiceMenu::popup(this,
                       {m_settings.vkIniFile, m_settings.user, pVersion(), m_settings.appTitle,
                        date, m_settings.connectionString, m_settings.sqlMode},
                       date, line, globalPos, [this](const HostServices::Outcome& outcome) {
                           planChanged(outcome.status);
                       });
}

void fHoster::planChanged(const QString& status) {
    if (status.isEmpty())
        return;
    // What was just planned, changed or removed shows at once in the calendars, and the status
    // bar says what it was.
    // The watch need not report this change again.
    if (m_planWatch)
        m_planWatch->seen();
    run("fHoster.planChanged", [&] { m_model.refill(); });
    m_view.announceStatus(status);
}
