#include "host_window/ui/fHoster.h"

#include "calendar/CalendarSpan.h"
#include "calendar/DayNote.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cFillWeekCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/CalendarLocale.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
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
#include "support/UserInterface.h"
#include "support/modIni.h"

#include <QComboBox>
#include <QPushButton>
#include <QShowEvent>
#include <QStandardItemModel>
#include <QTextBrowser>
#include <QTreeWidget>

fHoster::fHoster(QWidget* parent)
    : QMainWindow(parent), m_export(std::make_unique<HostExport>(*this)),
      m_layout(std::make_unique<HosterLayout>(*this)) {
    setObjectName(QStringLiteral("fHoster"));
    setAccessibleName(tr("Liturgy calendar"));
    m_layout->dockWindow();
    const HosterLayout::CalendarTools tools = m_layout->addCalendarTools();
    m_calendarTools = tools.bar;
    m_goTo = tools.goTo;
    Command1 = tools.today;
    Combo1 = tools.chooser;
    connect(m_goTo, &GoToDate::chosen, this, [this](const QDate& d) { goToDate(d); });
    connect(Command1, &QPushButton::clicked, this, [this] { onToday(); });
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int i) { onEditionChosen(i); });

    m_notes = std::make_unique<NoteDisplay>(*this);
    LabelTooltip = m_notes->label();
    mnuPop = m_notes->menu();
    mnuCopy = m_notes->copyAction();

    m_tools = std::make_unique<HostToolbar>(*this);
    SSActiveToolBars1 = m_tools->own();

    m_sideBar = m_layout->addSideBar();
}

fHoster::~fHoster() {
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

bool fHoster::openInMSWord() {
    return m_export->openInMSWord();
}

QObject* fHoster::getMSWordAppDoc() {
    return m_export->getMSWordAppDoc();
}

bool fHoster::doSend(const QString& command) {
    return m_export->doSend(command);
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
        const qint32 configured = mMain::validateVersion(m_version, m_vkIniFile);
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
        // 1 to 4: caption; month and week calendars with their icons, tabbed at the top.
        setWindowTitle(m_appTitle);
        const HosterLayout::CalendarPanes calendars = m_layout->addCalendarPanes();
        m_month = calendars.month;
        m_week = calendars.week;
        mfT1 = calendars.monthWindow;
        mfT2 = calendars.weekWindow;
        connect(m_month, &MonthCalendarView::currentDateChanged, this,
                [this](int m, int y) { onMonthDateChanged(m, y); });
        connect(m_month, &MonthCalendarView::currentDateChanged, m_goTo,
                [this] { m_goTo->showDate(m_month->currentDate()); });
        connect(m_month, &MonthCalendarView::dayHovered, this,
                [this](int day) { showNote(m_month, day); });
        connect(m_month, &MonthCalendarView::mouseReleased, this,
                [this](int button) { m_notes->mouseUp(button); });

        connect(m_week, &WeekCalendarView::dateChanged, this,
                [this](const QDate& d) { onWeekDateChanged(d); });
        connect(m_week, &WeekCalendarView::dateHovered, this, [this](const QDate& d) {
            // The week shows days of two months; only those of the filled month have notes.
            if (d.isValid() && d.month() == m_lastMonth)
                showNote(m_week, d.day());
        });
        // Enter on a day brings its page forward.
        connect(m_month, &MonthCalendarView::dayActivated, this, [this] { openDayPage(); });
        connect(m_week, &WeekCalendarView::dayActivated, this, [this] { openDayPage(); });
        connect(m_week, &WeekCalendarView::mouseReleased, this,
                [this](int button) { m_notes->mouseUp(button); });
        connect(mfT1, &cPaneWindow::resized, this, [this] { m_layout->layoutTools(); });
        connect(mfT2, &cPaneWindow::resized, this, [this] { m_layout->layoutTools(); });

        // 5: the year/month tree, hidden at the side.
        m_yearTree = std::make_unique<YearMonthTree>();
        QTreeWidget* tree = m_yearTree->widget();
        m_fTList = new cPaneWindow(QStringLiteral("fTList"), tree);
        m_layout->addPane(3, ResourceStrings::text(ResourceStrings::kCalendar), m_fTList,
                          Qt::LeftDockWidgetArea);
        const auto click = [this](QTreeWidgetItem* item) {
            doTListClick(m_yearTree->indexOf(item));
        };
        connect(tree, &QTreeWidget::itemClicked, this, click);
        connect(tree, &QTreeWidget::itemActivated, this, click);

        // 6: the day pages, tabbed at the right.
        m_layout->addDayPanes();
        m_layout->settle();

        // 7, 8: the toolbar in use. The window's own tools belong to it.
        m_toolBarRecord = m_tools->start(cWindowList::handleOf(this), m_user, m_version);

        // 9: colours and tips.
        m_colors = std::make_unique<cLiturgicalColors>();
        m_colors->mSetDefaultColors();
        // The colours the calendars name to a screen reader.
        m_month->setColorTable(m_colors->table());
        m_week->setColorTable(m_colors->table());
        m_notes->startTips();

        // 10: weekday names (Sunday first) and month names of the user's locale, or of the
        // edition's language where it is not the user's.
        const QLocale locale = ResourceStrings::locale();
        setLocale(locale);
        Command1->setText(ResourceStrings::todayCaption());
        Command1->setAccessibleName(Command1->text());
        const QString dayNames = CalendarPaint::localeDayNames(locale).join(QLatin1Char(','));
        const QString monthNames = CalendarPaint::localeMonthNames(locale).join(QLatin1Char(','));
        m_month->setDayNames(dayNames);
        m_month->setMonthNames(monthNames);
        m_week->setDayNames(dayNames);
        m_week->setMonthNames(monthNames);

        m_layout->saveHome();

        // 11, 12.
        setStatusText();
        selectPane(1);
        updateCalendar(false);
        m_calendarMode = 1;
        m_dayPagePending = true;
        m_currentDayPane = 4;
        m_goTo->showDate(m_month->currentDate());
        m_layout->layoutTools();
        result = true;
    });
    return result;
}

void fHoster::goToDate(const QDate& date) {
    ProcScope scope("fHoster.goToDate");
    scope.run([&] {
        if (!m_month || !date.isValid())
            return;
        // The month calendar leads: its change refills it, and the week follows when shown.
        m_month->setCurrentDate(date);
        if (m_calendarMode == 2 && m_week) {
            updateWeekCalendar(false);
            m_week->setCurrentDate(date);
            m_week->ensureDateVisible(date);
        }
    });
}

void fHoster::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!m_loading)
        return;
    m_loading = false;
    m_layout->firstShown();
    if (pane(4))
        selectPane(4);
}

void fHoster::resizeEvent(QResizeEvent* event) {
    m_layout->beforeResize();
    QMainWindow::resizeEvent(event);
    m_layout->afterResize();
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
    const int number = m_currentDayPane >= 4 && m_currentDayPane <= 7 ? m_currentDayPane : 4;
    if (cDockingPane* p = pane(number); p && p->isHidden())
        p->show();
    selectPane(number);
    if (fThisDay* page = dayPage(number))
        page->WebBrowser1()->setFocus(Qt::OtherFocusReason);
}

void fHoster::selectPane(int number) {
    if (!m_layout->raise(number))
        return;
    onPaneAction(PaneActivated, number);
}

bool fHoster::onPaneAction(int action, int number) {
    ProcScope scope("fHoster.DockingPane1_Action");
    bool cancel = false;
    scope.run([&] {
        const bool dayPane = number >= 4 && number <= 7;
        switch (action) {
        case PaneFloating:
        case PaneFloated:
        case PaneDocked:
        case PaneAttaching:
        case PaneAttached:
        case PaneDetaching:
            cancel = true;
            break;
        case PaneHidden:
        case PaneCollapsed:
            if (dayPane) {
                m_dayPagePending = false;
                m_currentDayPane = 0;
            }
            break;
        case PaneExpanding:
            if (number == 3) {
                if (m_yearTree && m_yearTree->widget()->topLevelItemCount() == 0)
                    loadTListData();
            } else if (dayPane) {
                m_dayPagePending = true;
                m_currentDayPane = qint16(number);
                UpdateDay();
            }
            break;
        case PaneExpanded:
            if (dayPane) {
                m_dayPagePending = true;
                m_currentDayPane = qint16(number);
            }
            break;
        case PaneActivated:
            if (number == 1) {
                updateCalendar(false);
                m_calendarMode = 1;
            } else if (number == 2) {
                updateWeekCalendar(false);
                m_calendarMode = 2;
            } else if (dayPane) {
                m_dayPagePending = true;
                m_currentDayPane = qint16(number);
                UpdateDay();
            }
            break;
        default:
            break;
        }
        if (action == PaneHidden || action == PaneActivated)
            sendMessage(1);
    });
    return cancel;
}

void fHoster::sendMessage(qint32 code) {
    if (!m_notify)
        return;
    mLateBound::call(m_notify, "mMsgFromClient", {code});
}

// ---- Calendar interaction -------------------------------------------------------------------

template <class Fill> void fHoster::configureFill(Fill& fill) const {
    fill.setPFillData(QVariant());
    fill.setPVkIniFile(m_vkIniFile);
    fill.setPUser(m_user);
    fill.setPVersion(m_version);
    fill.setPoLitColors(m_colors.get());
    fill.setPSQLMode(m_sqlMode ? -1 : 0);
    fill.setPConnectionString(m_connectionString);
}

bool fHoster::updateCalendar(bool force) {
    ProcScope scope("fHoster.updateCalendar");
    bool result = false;
    scope.run([&] {
        if (!force && (m_calendarMode == 1 || m_calendarMode == 2))
            return;
        if (!m_month)
            return;
        cFillCalendar fill;
        configureFill(fill);
        fill.setPctMonth(&m_month->model());
        fill.mFillCalendar();
        ++m_monthFills;
        m_month->refresh();
        m_lastMonth = qint16(m_month->shownMonth());
        m_lastYear = qint16(m_month->shownYear());
        result = true;
    });
    return result;
}

bool fHoster::updateWeekCalendar(bool force) {
    ProcScope scope("fHoster.updateWeekCalendar");
    bool result = false;
    scope.run([&] {
        if (!m_week || !m_month)
            return;
        if (!force && m_week->shownYear() == m_lastYear && m_week->shownMonth() == m_lastMonth)
            return;
        const QDate start =
            CalendarLocale::startOfWeek(OleDate::toDate(pStartDate()), m_month->firstDayOfWeek());
        m_week->setRange(start, OleDate::toDate(pEndDate()));
        m_fillingWeek = true;
        m_week->setCurrentDate(m_month->currentDate());
        m_fillingWeek = false;
        m_week->ensureDateVisible(m_month->currentDate());
        cFillWeekCalendar fill;
        configureFill(fill);
        fill.setPctCalendar(&m_week->model());
        fill.mFillCalendar();
        ++m_weekFills;
        m_week->redraw();
        result = true;
    });
    m_fillingWeek = false;
    return result;
}

bool fHoster::UpdateDay() {
    ProcScope scope("fHoster.UpdateDay");
    bool result = false;
    scope.run([&] {
        if (!m_dayPagePending)
            return;
        if (m_currentDayPane < 4 || m_currentDayPane > 7) {
            ui().messageBox(UserInterface::Icon::None, UserInterface::Buttons::Ok, QString(),
                            QStringLiteral("Unknown Pane..."));
            return;
        }
        fThisDay* page = dayPage(m_currentDayPane);
        if (!page || !m_month)
            return;
        const QDate date =
            m_calendarMode == 2 && m_week ? m_week->currentDate() : m_month->currentDate();
        page->setPDate(OleDate::fromDate(date));
        result = page->mShow();
    });
    return result;
}

void fHoster::setStatusText() {
    ProcScope scope("fHoster.setStatusText");
    scope.run([&] {
        QString text;
        if (m_month && m_calendarMode == 1)
            text = m_month->dayCellText(m_month->currentDay());
        else if (m_month && m_week && m_calendarMode == 2)
            text = m_month->dayCellText(m_week->currentDate().day());
        QString status = text;
        const QString edition = shared().gEditionName;
        if (!edition.isEmpty())
            status = text.isEmpty() ? edition : edition + QStringLiteral(" - ") + text;
        if (!mLateBound::setProperty(m_app, "pStatusText", status))
            return;
        sendMessage(2);
    });
}

QString fHoster::getNote(int day) {
    ProcScope scope("fHoster.getNote");
    QString note;
    scope.run([&] {
        if (!m_month)
            return;
        note = DayNote::read(openDatabase(), m_month->shownYear(), m_month->shownMonth(), day,
                             m_version);
    });
    return note;
}

const cToolTip* fHoster::toolTips() const {
    return m_notes->tips();
}

void fHoster::showNote(QWidget* window, int day) {
    ProcScope scope("fHoster.showNote");
    scope.run([&] {
        m_notes->show(window, DayNote::shown(m_version) && day > 0 ? getNote(day) : QString());
    });
}

void fHoster::onMonthDateChanged(int month, int year) {
    ProcScope scope("fHoster.moMonth_DateChange");
    scope.run([&] {
        if (!m_refillSuppress && (month != m_lastMonth || year != m_lastYear))
            updateCalendar(true);
        if (m_calendarMode == 1) {
            setStatusText();
            UpdateDay();
        }
    });
}

void fHoster::onWeekDateChanged(const QDate& date) {
    if (m_fillingWeek)
        return;
    ProcScope scope("fHoster.moWeek_DateChange");
    scope.run([&] {
        setStatusText();
        UpdateDay();
        m_month->setCurrentDate(date);
    });
}

void fHoster::onEditionChosen(int index) {
    if (m_loading || index < 0)
        return;
    ProcScope scope("fHoster.Combo1_Click");
    scope.run(
        [&] {
            const qint32 code = Combo1->itemData(index).toInt();
            qint32 version = 0;
            if (!EditionChooser::pick(code, m_vkIniFile,
                                      m_disk ? *m_disk : RealDiskInterface::instance(), &version)) {
                shared().gEditionName = mMain::getVersionName(code);
                return;
            }
            shared().gEditionName = mMain::getVersionName(code);
            m_version = version;
            m_chosenIndex = index;
            updateCalendar(true);
            updateWeekCalendar(true);
            setStatusText();
            const QDate shown = m_month ? m_month->currentDate() : QDate();
            for (QWidget* w : cWindowList::windows()) {
                if (auto* page = qobject_cast<fThisDay*>(w)) {
                    page->setPVersion(m_version);
                    // A page that was never given a date gets the calendar's, so that no
                    // query is ever made for date zero.
                    if (page->pDate() == 0 && shown.isValid())
                        page->setPDate(OleDate::fromDate(shown));
                    if (page->isVisible() && page->pDate() != 0)
                        page->mShow(true);
                }
            }
        },
        [&](const Failure& failure) {
            ProcScope::handle(failure);
            // The chooser keeps showing the edition that the INI file names.
            m_loading = true;
            Combo1->setCurrentIndex(m_chosenIndex);
            m_loading = false;
        });
}

void fHoster::onToday() {
    ProcScope scope("fHoster.Command1_Click");
    scope.run([&] {
        const QDate today = now().date();
        if (m_calendarMode == 1 && m_month) {
            m_month->setCurrentDate(today);
            m_month->refresh();
        } else if (m_calendarMode == 2 && m_week) {
            m_week->setCurrentDate(today);
            m_week->redraw();
        }
    });
}

// ---- Year/month tree ------------------------------------------------------------------------

int fHoster::treeCell(const QTreeWidgetItem* item, const char* name) {
    return YearMonthTree::treeCell(item, name);
}

QTreeWidget* fHoster::tree() const {
    return m_yearTree ? m_yearTree->widget() : nullptr;
}

bool fHoster::loadTListData() {
    ProcScope scope("fHoster.loadTListData");
    bool result = false;
    scope.run([&] {
        if (!m_yearTree)
            return;
        m_yearTree->load(
            [&] {
                // Bounded to the supported years: one corrupted date must not make millions
                // of items.
                const CalendarSpan span = CalendarSpan::read(openDatabase());
                if (span.hasBadDates())
                    ProcScope::handle(Failure::overflow(CalendarSpan::badDatesText()));
                return span;
            },
            m_lastYear, m_lastMonth);
        result = true;
    });
    return result;
}

void fHoster::doTListClick(int index) {
    const QTreeWidgetItem* item = m_yearTree ? m_yearTree->clickable(index) : nullptr;
    if (!item)
        return;
    ProcScope scope("fHoster.doTListClick");
    scope.run([&] {
        const int month = YearMonthTree::treeCell(item, "Month");
        const int year = YearMonthTree::treeCell(item, "Year");
        if (month <= 0)
            return;
        m_refillSuppress = true;
        m_month->setShownYear(year);
        m_refillSuppress = false;
        m_month->setShownMonth(month);
        if (m_calendarMode == 2)
            updateWeekCalendar(true);
    });
    m_refillSuppress = false;
}

// ---- Toolbar ----------------------------------------------------------------------------------

QObject* fHoster::toolbarInUse() const {
    return m_tools->inUse();
}

bool fHoster::mAttachToolbar() {
    ProcScope scope("fHoster.mAttachToolbar");
    scope.run([&] { m_tools->attach(m_notify); });
    return false;
}

// True when the states were set (the empty string), as every operation reports its work.
bool fHoster::mSetCommandStatus(const QString& command) {
    ProcScope scope("fHoster.mSetCommandStatus");
    bool result = false;
    scope.run([&] {
        if (!command.isEmpty())
            return;
        m_tools->setCommandStatus(m_dayPagePending);
        result = true;
    });
    return result;
}

bool fHoster::mFreeToolbar() {
    m_tools->free();
    return true;
}

bool fHoster::DoCommand(const QString& id) {
    ProcScope scope("fHoster.DoCommand");
    bool result = false;
    scope.run([&] {
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
    ProcScope scope("fHoster.sendCommand");
    bool result = false;
    scope.run([&] {
        if (!m_notify)
            return;
        mLateBound::setProperty(m_notify, "pCommand", id);
        sendMessage(5);
        result = true;
    });
    return result;
}

bool fHoster::doPrint(const QString& command) {
    return HostPrinting::doPrint(*this, command);
}

bool fHoster::doPrintBrowser(const QString& command) {
    return HostPrinting::doPrintBrowser(*this, command);
}

bool fHoster::newService(const QString& id) {
    const HostServices::Outcome outcome = HostServices::newService(*this, id);
    // A service just planned must show at once: the month, and the week once it was filled.
    if (outcome.created) {
        updateCalendar(true);
        if (m_weekFills > 0)
            updateWeekCalendar(true);
    }
    return outcome.result;
}
