// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/fHoster.h"

#include "calendar/CalendarSpan.h"
#include "calendar/DayNote.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cFillWeekCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/DateField.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
#include "data/PlanWatch.h"
#include "data/mADO.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/EditionChooser.h"
#include "host_window/cToolBar.h"
#include "host_window/mCommands.h"
#include "host_window/mLateBound.h"
#include "host_window/ui/GoToDate.h"
#include "host_window/ui/HostExport.h"
#include "host_window/ui/HostPrinting.h"
#include "host_window/ui/HostServices.h"
#include "host_window/ui/HostToolbar.h"
#include "host_window/ui/HosterLayout.h"
#include "host_window/ui/NoteDisplay.h"
#include "host_window/ui/ServiceMenu.h"
#include "host_window/ui/YearMonthTree.h"
#include "host_window/ui/cDockingPane.h"
#include "host_window/ui/cPaneWindow.h"
#include "resources/ResourceStrings.h"
#include "resources/mMain.h"
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
#include <QDateEdit>
#include <QFocusEvent>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <QTextBrowser>
#include <QTreeWidget>

template <class Step> void fHoster::run(const char* name, Step step) {
    ProcScope scope(name);
    scope.run(step);
}

fHoster::fHoster(QWidget* parent)
    : QMainWindow(parent), m_model(*this), m_export(std::make_unique<HostExport>()),
      m_layout(std::make_unique<HosterLayout>(
          *this, [this](int action, int pane) { return onPaneAction(action, pane); })) {
    setObjectName(QStringLiteral("fHoster"));
    setAccessibleName(tr("Liturgy calendar"));
    m_layout->dockWindow();
    const HosterLayout::CalendarTools tools = m_layout->addCalendarTools();
    m_goTo = tools.goTo;
    Command1 = tools.today;
    Combo1 = tools.chooser;
    connect(m_goTo, &GoToDate::chosen, this, [this](const QDate& d) { goToDate(d); });
    connect(Command1, &QPushButton::clicked, this,
            [this] { run("fHoster.Command1_Click", [&] { m_model.goTo(now().date()); }); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int i) { onEditionChosen(i); });

    m_notes = std::make_unique<NoteDisplay>(*this);
    LabelTooltip = m_notes->label();
    m_tools = std::make_unique<HostToolbar>(*this, [this](const QString& id) { DoCommand(id); });
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
    m_notify = nullptr;
    m_app = nullptr;
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

ConnectionPtr fHoster::openDatabase() const {
    const QString file = liturgyFile();
    return mADO::getConnection(file,
                               mADO::mGetConString(file, m_sqlMode ? -1 : 0, m_connectionString));
}

QString fHoster::liturgyFile() const {
    return modIni::read(m_vkIniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile"));
}

void fHoster::loadStep() {
    ProcScope scope("fHoster.Form_Load");
    m_loaded = true;
    scope.run([&] {
        m_loading = true;
        m_layout->setLoading(true);
        const bool multi = shared().gMultiEditionMode;
        Combo1->setVisible(multi);
        if (!multi)
            return;
        // An edition whose database is missing stays in the list, named with the file it
        // needs, but cannot be picked.
        auto* model = qobject_cast<QStandardItemModel*>(Combo1->model());
        for (const EditionChooser::Item& item : EditionChooser::items(liturgyFile())) {
            Combo1->addItem(EditionChooser::itemText(item), item.code);
            if (!item.available && model)
                model->item(Combo1->count() - 1)->setEnabled(false);
        }
        const qint32 configured = mMain::validateVersion(pVersion(), m_vkIniFile);
        // The first item of that code; none: the first item.
        const int index = qMax(0, Combo1->findData(configured));
        Combo1->setCurrentIndex(index);
        m_chosenIndex = index;
    });
}

bool fHoster::mInitialize() {
    if (!m_loaded)
        loadStep();
    ProcScope scope("fHoster.mInitialize");
    bool result = false;
    scope.run([&] {
        setWindowTitle(m_appTitle);
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
        m_layout->addDayPanes(dayPageSettings());
        m_layout->settle();

        // The toolbar in use; the window's own tools carry its handle with or without a host.
        m_toolBarRecord = m_tools->start(hWnd(), m_user, pVersion());

        m_colors = std::make_unique<cLiturgicalColors>();
        m_colors->mSetDefaultColors();
        // The colours the calendars name to a screen reader.
        m_month->setColorTable(m_colors->table());
        m_week->setColorTable(m_colors->table());
        m_notes->startTips();

        nameCalendarDays();
        m_layout->retitle();

        orderTabs();
        m_layout->saveHome();
        m_layout->raise(HostInteraction::kMonthPane);
        m_model.start(m_month->currentDate());
        focusPane(HostInteraction::kMonthPane);
        focusPane(HostInteraction::kReadingsPane);
        m_layout->layoutTools();
        watchPlan();
        result = true;
    });
    return result;
}

void fHoster::watchPlan() {
    m_planWatch = std::make_unique<PlanWatch>();
    try {
        if (m_sqlMode && !m_connectionString.isEmpty())
            m_planWatch->watchServer(m_connectionString);
        else
            m_planWatch->watchFile(
                modIni::read(m_vkIniFile, QStringLiteral("Files"), QStringLiteral("PlanFile")));
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

HosterLayout::DayPageSettings fHoster::dayPageSettings() const {
    return {m_appTitle, m_connectionString, m_vkIniFile, m_sqlMode, m_user, pVersion()};
}

void fHoster::nameCalendarDays() {
    // Weekday names (Sunday first) and month names of the edition's language.
    const QLocale locale = ResourceStrings::locale();
    setLocale(locale);
    const QString dayNames = CalendarPaint::localeDayNames(locale).join(QLatin1Char(','));
    const QString monthNames = CalendarPaint::localeMonthNames(locale).join(QLatin1Char(','));
    m_month->setDayNames(dayNames);
    m_month->setMonthNames(monthNames);
    m_week->setDayNames(dayNames);
    m_week->setMonthNames(monthNames);
}

void fHoster::orderTabs() {
    QList<QWidget*> chain{m_goTo->field(), Command1, Combo1, m_month, m_week, tree()};
    for (const qint16 number : HostInteraction::dayPanes(pVersion())) {
        if (fThisDay* page = dayPage(number)) {
            if (page->dayList())
                chain.append(page->dayList());
            chain.append(page->WebBrowser1());
        }
    }
    for (int i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
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
    const cDockingPane* p = pane(number);
    if (!p)
        return nullptr;
    return qobject_cast<fThisDay*>(cWindowList::find(p->windowHandle32()));
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
    if (pane == HostInteraction::kMonthPane || pane == HostInteraction::kWeekPane) {
        const bool week = pane == HostInteraction::kWeekPane;
        m_month->setFocusPolicy(week ? Qt::NoFocus : Qt::StrongFocus);
        m_week->setFocusPolicy(week ? Qt::StrongFocus : Qt::NoFocus);
        return;
    }
    if (!HostInteraction::isDayPane(pane))
        return;
    for (const qint16 number : HostInteraction::dayPanes(pVersion())) {
        fThisDay* page = dayPage(number);
        if (!page)
            continue;
        const Qt::FocusPolicy policy = number == pane ? Qt::StrongFocus : Qt::NoFocus;
        if (page->dayList())
            page->dayList()->setFocusPolicy(policy);
        page->WebBrowser1()->setFocusPolicy(policy);
    }
}

// ---- What the model shows ---------------------------------------------------------------------

template <class Fill> void fHoster::configureFill(Fill& fill) const {
    fill.setPFillData(QVariant());
    fill.setPVkIniFile(m_vkIniFile);
    fill.setPUser(m_user);
    fill.setPVersion(pVersion());
    fill.setPoLitColors(m_colors.get());
    fill.setPSQLMode(m_sqlMode ? -1 : 0);
    fill.setPConnectionString(m_connectionString);
}

void fHoster::showMonthDate(const QDate& date) {
    const QSignalBlocker block(m_month);
    m_month->setCurrentDate(date);
    m_month->refresh();
    m_goTo->showDate(date);
}

void fHoster::fillMonth() {
    run("fHoster.updateCalendar", [&] {
        cFillCalendar fill;
        configureFill(fill);
        fill.setPctMonth(&m_month->model());
        fill.mFillCalendar();
        m_month->refresh();
    });
}

QString fHoster::dayCellText(int day) const {
    return m_month->dayCellText(day);
}

int fHoster::firstDayOfWeek() const {
    return m_month->firstDayOfWeek();
}

void fHoster::fillWeek(const QDate& first, const QDate& last) {
    run("fHoster.updateWeekCalendar", [&] {
        const QSignalBlocker block(m_week);
        m_week->setRange(first, last);
        cFillWeekCalendar fill;
        configureFill(fill);
        fill.setPctCalendar(&m_week->model());
        fill.mFillCalendar();
        m_week->redraw();
    });
}

void fHoster::showWeekDate(const QDate& date) {
    const QSignalBlocker block(m_week);
    m_week->setCurrentDate(date);
    m_week->ensureDateVisible(date);
    m_week->redraw();
}

bool fHoster::treeEmpty() const {
    return !m_yearTree || m_yearTree->isEmpty();
}

void fHoster::loadTree(const QDate& date) {
    run("fHoster.loadTListData", [&] {
        m_yearTree->load(
            [&] {
                // Bounded to the supported years: one corrupted date must not make millions
                // of items.
                const CalendarSpan span = CalendarSpan::read(openDatabase());
                if (span.hasBadDates())
                    ProcScope::handle(Failure::overflow(CalendarSpan::badDatesText()));
                return span;
            },
            date.year(), date.month());
    });
}

void fHoster::selectTreeMonth(const QDate& date) {
    if (treeEmpty())
        return;
    // The tree is filled: this only selects.
    m_yearTree->load([] { return CalendarSpan(); }, date.year(), date.month());
}

bool fHoster::showDay(qint16 pane, const QDate& date) {
    bool result = false;
    run("fHoster.UpdateDay", [&] {
        fThisDay* page = dayPage(pane);
        if (!page)
            return;
        page->setPDate(OleDate::fromDate(date));
        result = page->mShow();
    });
    return result;
}

void fHoster::showEdition(const QDate& date) {
    // The panes of the edition, in its language, at once.
    m_layout->replaceDayPanes(dayPageSettings());
    nameCalendarDays();
    for (QWidget* w : cWindowList::windows()) {
        auto* page = qobject_cast<fThisDay*>(w);
        if (!page || !isAncestorOf(page) ||
            !HostInteraction::dayPanes(pVersion()).contains(qint16(page->tag().toInt())))
            continue;
        // Made afresh for the edition: its headings and its language.
        page->setPVersion(pVersion());
        page->mInitialize();
        page->setPDate(OleDate::fromDate(date));
        page->mShow(true);
    }
    orderTabs();
    focusPane(m_model.state().currentDayPane);
}

bool fHoster::setStatusText(const QString& text) {
    bool handed = false;
    run("fHoster.setStatusText",
        [&] { handed = mLateBound::setProperty(m_app, "pStatusText", text); });
    return handed;
}

void fHoster::sendMessage(qint32 code) {
    if (!m_notify)
        return;
    mLateBound::call(m_notify, "mMsgFromClient", {code});
}

void fHoster::describeOutput(const QString& text) {
    m_tools->describeOutput(text);
}

// ---- Notes, tree and editions -----------------------------------------------------------------

void fHoster::announceStatus(const QString& status) {
    if (!status.isEmpty() && setStatusText(status))
        sendMessage(HostInteraction::kStatusChanged);
}

QString fHoster::getNote(int day) {
    ProcScope scope("fHoster.getNote");
    QString note;
    scope.run([&] {
        if (!m_month)
            return;
        note = DayNote::read(openDatabase(), m_month->shownYear(), m_month->shownMonth(), day,
                             pVersion());
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

void fHoster::onEditionChosen(int index) {
    if (m_loading || index < 0)
        return;
    ProcScope scope("fHoster.Combo1_Click");
    scope.run(
        [&] {
            const qint32 code = Combo1->itemData(index).toInt();
            if (m_model.chooseEdition(code, m_vkIniFile,
                                      m_disk ? *m_disk : RealDiskInterface::instance()))
                m_chosenIndex = index;
        },
        [&](const Failure& failure) {
            ProcScope::handle(failure);
            // The chooser keeps showing the edition that the INI file names.
            const QSignalBlocker block(Combo1);
            Combo1->setCurrentIndex(m_chosenIndex);
        });
}

// ---- Toolbar and output -----------------------------------------------------------------------

QObject* fHoster::toolbarInUse() const {
    return m_tools->inUse();
}

bool fHoster::mAttachToolbar() {
    run("fHoster.mAttachToolbar", [&] { m_tools->attach(m_notify); });
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
        if (!m_notify)
            return;
        mLateBound::setProperty(m_notify, "pCommand", id);
        sendMessage(5);
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
    job.appTitle = m_appTitle;
    job.caption = windowTitle();
    job.notify = m_notify;
    job.owner = this;
    return HostPrinting::doPrint(job, command);
}

bool fHoster::doPrintBrowser(const QString& command) {
    return HostPrinting::doPrintBrowser(dayPage(m_model.dayPageShown()), m_notify, command);
}

bool fHoster::openInMSWord() {
    return m_export->openInMSWord(
        m_model.printsDayPage(), dayPage(m_model.dayPageShown()),
        {m_model.state().date, m_vkIniFile, pVersion(), m_sqlMode, m_connectionString});
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
    const HostServices::Outcome outcome =
        HostServices::newService({m_vkIniFile, m_user, pVersion(), m_appTitle, m_model.state().date,
                                  m_connectionString, m_sqlMode},
                                 id);
    planChanged(outcome.status);
    return outcome.result;
}

void fHoster::serviceMenu(const QDate& date, const QString& line, const QPoint& globalPos) {
    ServiceMenu::popup(
        this, {m_vkIniFile, m_user, pVersion(), m_appTitle, date, m_connectionString, m_sqlMode},
        date, line, globalPos,
        [this](const HostServices::Outcome& outcome) { planChanged(outcome.status); });
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
    announceStatus(status);
}
