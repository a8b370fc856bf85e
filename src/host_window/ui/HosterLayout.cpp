// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HosterLayout.h"

#include "controls/ui/DateField.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/ToolBarOverflow.h"
#include "controls/ui/WeekCalendarView.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/HostInteraction.h"
#include "host_window/mLateBound.h"
#include "host_window/ui/GoToDate.h"
#include "host_window/ui/cDockingPane.h"
#include "host_window/ui/cPaneWindow.h"
#include "resources/ResourceStrings.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenu>
#include <QPushButton>
#include <QTabBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kTwipsPerPixel = 15;
constexpr int kTodayLeft = 2000;      // twips
constexpr int kChooserMinimum = 2300; // twips
constexpr int kDayPaneWidth = 350;
constexpr int kTreePaneWidth = 150;

#include "host_window/ui/bitmaps/101.xpm"
#include "host_window/ui/bitmaps/102.xpm"

} // namespace

HosterLayout::HosterLayout(QMainWindow& window, ActionHandler onAction)
    : m_window(window), m_onAction(std::move(onAction)) {}

void HosterLayout::dockWindow() {
    QMainWindow& w = m_window;
    w.setDockOptions(QMainWindow::AllowTabbedDocks | QMainWindow::AnimatedDocks);
    w.setCorner(Qt::TopRightCorner, Qt::RightDockWidgetArea);
    w.setCorner(Qt::BottomRightCorner, Qt::RightDockWidgetArea);
    w.setCorner(Qt::TopLeftCorner, Qt::LeftDockWidgetArea);
    w.setCorner(Qt::BottomLeftCorner, Qt::LeftDockWidgetArea);
    w.setTabPosition(Qt::AllDockWidgetAreas, QTabWidget::North);
    // The panes take the whole window: the central area is a strip of no height under the
    // calendars, so that spare width goes to the calendars and spare height to them too.
    auto* centre = new QWidget(&w);
    centre->setObjectName(QStringLiteral("centre"));
    centre->setMaximumHeight(0);
    w.setCentralWidget(centre);
}

HosterLayout::CalendarTools HosterLayout::addCalendarTools() {
    CalendarTools t;
    t.bar = new QToolBar(&m_window);
    t.bar->setObjectName(QStringLiteral("calendarTools"));
    t.bar->setMovable(false);
    t.bar->setFloatable(false);
    ToolBarOverflow::name(t.bar);
    auto* strip = new QWidget(t.bar);
    t.goTo = new GoToDate(strip, &m_window);
    t.today = new QPushButton(ResourceStrings::todayCaption(), strip);
    t.today->setObjectName(QStringLiteral("Command1"));
    t.today->setAccessibleName(t.today->text());
    t.chooser = new QComboBox(strip);
    t.chooser->setObjectName(QStringLiteral("Combo1"));
    t.chooser->hide();
    strip->setMinimumHeight(qMax(t.today->sizeHint().height(), t.chooser->sizeHint().height()) + 4);
    strip->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    t.bar->addWidget(strip);
    m_window.addToolBar(Qt::TopToolBarArea, t.bar);
    m_tools = t;
    retitle();
    return t;
}

QToolBar* HosterLayout::addSideBar() {
    auto* bar = new QToolBar(&m_window);
    bar->setObjectName(QStringLiteral("sideBar"));
    bar->setMovable(false);
    bar->setFloatable(false);
    ToolBarOverflow::name(bar);
    bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    m_window.addToolBar(Qt::LeftToolBarArea, bar);
    m_sideBar = bar;
    retitle();
    return bar;
}

QIcon HosterLayout::paneIcon(int resource) {
    return QIcon(QPixmap(resource == 102 ? pane_102 : pane_101));
}

cDockingPane* HosterLayout::addPane(qint16 number, const QString& title, QWidget* window,
                                    Qt::DockWidgetArea area) {
    auto* pane = new cDockingPane(number, title, &m_window);
    pane->setWidget(window);
    QDockWidget::DockWidgetFeatures features =
        QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable;
    // The calendars are the master of every other pane and stay; the others can be put away.
    if (number >= 3)
        features |= QDockWidget::DockWidgetClosable;
    pane->setFeatures(features);
    pane->setAllowedAreas(Qt::AllDockWidgetAreas);
    if (auto* page = qobject_cast<fThisDay*>(window))
        pane->setWindowHandle32(page->hWnd());
    m_window.addDockWidget(area, pane);
    m_panes.append(pane);
    return pane;
}

void HosterLayout::settle() {
    QList<QDockWidget*> dayDocks;
    for (cDockingPane* p : m_panes)
        if (p->Id() >= 4)
            dayDocks.append(p);
    if (!dayDocks.isEmpty())
        m_window.resizeDocks({dayDocks.first()}, {kDayPaneWidth}, Qt::Horizontal);
    if (cDockingPane* month = pane(1))
        m_window.resizeDocks({month}, {qMax(1, m_window.height())}, Qt::Vertical);
    if (cDockingPane* tree = pane(3)) {
        m_window.resizeDocks({tree}, {kTreePaneWidth}, Qt::Horizontal);
        tree->hide();
    }
    updateTitleBars();
    for (cDockingPane* p : m_panes)
        watchPane(p);
}

void HosterLayout::saveHome() {
    m_homeLayout = m_window.saveState();
}

void HosterLayout::firstShown() {
    QTimer::singleShot(0, &m_window, [this] {
        m_dayPaneWidth = kDayPaneWidth;
        arrangeWidths();
        saveHome();
    });
}

void HosterLayout::beforeResize() {
    // The day pages keep their width when the window grows or shrinks; the calendars take
    // the difference.
    const cDockingPane* day = pane(4);
    if (m_dayPaneWidth <= 0 || !day || day->isHidden())
        return;
    // A width the user gave the pages is kept; the share a narrow window gave them is not.
    if (day->width() != m_heldWidth)
        m_dayPaneWidth = day->width();
}

int HosterLayout::calendarWidth() const {
    for (int number : {1, 2}) {
        const cDockingPane* p = pane(number);
        if (p && !p->isHidden() && !p->isFloating() && p->width() > 0)
            return p->width();
    }
    return 0;
}

void HosterLayout::afterResize() {
    arrangeWidths();
}

void HosterLayout::arrangeWidths() {
    if (m_dayPaneWidth <= 0 || m_arranging)
        return;
    // The window gives spare width to the right-hand area; holding the day pages at their
    // width for one layout pass leaves it to the calendars.
    QList<cDockingPane*> held;
    for (cDockingPane* p : m_panes)
        if (p->Id() >= 4 && !p->isHidden() && !p->isFloating())
            held.append(p);
    if (held.isEmpty())
        return;
    // In a narrow window the pages give up width until the calendar beside them has three
    // fifths, so that its weekdays and names stay readable; they take it back as the window
    // grows.
    const int calendar = calendarWidth();
    m_heldWidth = m_dayPaneWidth;
    if (calendar > 0)
        m_heldWidth = qMin(m_dayPaneWidth, (calendar + held.first()->width()) * 2 / 5);
    m_arranging = true;
    for (cDockingPane* p : held)
        p->setFixedWidth(m_heldWidth);
    QTimer::singleShot(0, &m_window, [this, held] {
        for (cDockingPane* p : held) {
            p->setMinimumWidth(0);
            p->setMaximumWidth(QWIDGETSIZE_MAX);
        }
        m_arranging = false;
    });
}

HosterLayout::CalendarPanes HosterLayout::addCalendarPanes() {
    // Pane 1 with bitmap 101, pane 2 with bitmap 102.
    const auto calendarPane = [this](qint16 number, QWidget* control, const QString& name,
                                     const QString& controlName, int title) {
        control->setObjectName(controlName);
        auto* window = new cPaneWindow(name, control);
        cDockingPane* p =
            addPane(number, ResourceStrings::text(title), window, Qt::TopDockWidgetArea);
        p->setWindowIcon(paneIcon(100 + number));
        return std::pair{window, p};
    };
    CalendarPanes c;
    c.month = new MonthCalendarView;
    const auto [monthWindow, p1] =
        calendarPane(1, c.month, QStringLiteral("fCalendar"), QStringLiteral("ctMonth1"),
                     ResourceStrings::kMonth);
    c.week = new WeekCalendarView;
    const auto [weekWindow, p2] = calendarPane(
        2, c.week, QStringLiteral("fWeek"), QStringLiteral("ctCalendar1"), ResourceStrings::kWeek);
    c.monthWindow = monthWindow;
    m_month = c.month;
    c.weekWindow = weekWindow;
    m_window.tabifyDockWidget(p1, p2);
    return c;
}

cDockingPane* HosterLayout::addDayPane(qint16 number, const DayPageSettings& w) {
    auto* page = new fThisDay;
    page->setTag(QString::number(number));
    mLateBound::setProperty(page, "pAppTitle", w.appTitle);
    mLateBound::setProperty(page, "pConnectionString", w.connectionString);
    mLateBound::setProperty(page, "pVkIniFile", w.iniFile);
    mLateBound::setProperty(page, "pSQLMode", qint16(w.sqlMode ? -1 : 0));
    mLateBound::setProperty(page, "pUser", w.user);
    mLateBound::setProperty(page, "pVersion", w.version);
    page->mInitialize();
    return addPane(number, HostInteraction::paneTitle(number), page, Qt::RightDockWidgetArea);
}

void HosterLayout::addDayPanes(const DayPageSettings& w) {
    cDockingPane* first = nullptr;
    for (qint16 number : HostInteraction::dayPanes(w.version)) {
        cDockingPane* pane = addDayPane(number, w);
        if (first)
            m_window.tabifyDockWidget(first, pane);
        else
            first = pane;
    }
}

void HosterLayout::replaceDayPanes(const DayPageSettings& w) {
    const QList<qint16> wanted = HostInteraction::dayPanes(w.version);
    for (cDockingPane* p : QList<cDockingPane*>(m_panes)) {
        if (!HostInteraction::isDayPane(p->Id()) || wanted.contains(p->Id()))
            continue;
        m_panes.removeOne(p);
        m_window.removeDockWidget(p);
        p->deleteLater();
    }
    cDockingPane* readings = pane(HostInteraction::kReadingsPane);
    for (qint16 number : wanted) {
        if (pane(number))
            continue;
        cDockingPane* added = addDayPane(number, w);
        if (readings)
            m_window.tabifyDockWidget(readings, added);
        watchPane(added);
    }
    retitle();
    updateTitleBars();
    saveHome();
}

namespace {

// Qt names the buttons it makes for panes (float, close) and for tab bars (scroll) only when
// it makes them, so after a change of language they would keep the words of the language the
// window started in.
void renameQtButtons(QWidget& window) {
    static const struct {
        const char* name;
        const char* context;
        const char* text;
        const char* description;
    } buttons[] = {
        {"qt_dockwidget_floatbutton", "QDockWidget", QT_TRANSLATE_NOOP("QDockWidget", "Float"),
         QT_TRANSLATE_NOOP("QDockWidget", "Undocks and re-attaches the dock widget")},
        {"qt_dockwidget_closebutton", "QDockWidget", QT_TRANSLATE_NOOP("QDockWidget", "Close"),
         QT_TRANSLATE_NOOP("QDockWidget", "Closes the dock widget")},
        {"ScrollLeftButton", "QTabBar", QT_TRANSLATE_NOOP("QTabBar", "Scroll Left"), nullptr},
        {"ScrollRightButton", "QTabBar", QT_TRANSLATE_NOOP("QTabBar", "Scroll Right"), nullptr},
    };
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        for (const auto& b : buttons) {
            if (button->objectName() != QLatin1String(b.name))
                continue;
            button->setAccessibleName(QCoreApplication::translate(b.context, b.text));
            if (b.description)
                button->setAccessibleDescription(
                    QCoreApplication::translate(b.context, b.description));
        }
    }
}

} // namespace

void HosterLayout::retitle() {
    for (cDockingPane* p : m_panes) {
        p->setWindowTitle(HostInteraction::paneTitle(p->Id()));
        p->setAccessibleName(p->windowTitle());
        if (auto* toggle = qobject_cast<QAction*>(p->property("paneToggle").value<QObject*>())) {
            toggle->setText(p->windowTitle());
            toggle->setToolTip(QObject::tr("Show or hide %1").arg(p->windowTitle()));
        }
    }
    renameQtButtons(m_window);
    if (m_tools.today) {
        m_tools.today->setText(ResourceStrings::todayCaption());
        m_tools.today->setAccessibleName(m_tools.today->text());
        m_tools.bar->setWindowTitle(QObject::tr("Calendar tools"));
        m_tools.chooser->setAccessibleName(QObject::tr("Edition"));
        m_tools.chooser->setToolTip(QObject::tr("Edition"));
        m_tools.goTo->retranslate();
    }
    if (m_sideBar)
        m_sideBar->setWindowTitle(QObject::tr("Hidden panes"));
}

cDockingPane* HosterLayout::pane(int number) const {
    for (cDockingPane* p : m_panes)
        if (p->Id() == number)
            return p;
    return nullptr;
}

void HosterLayout::updateTitleBars() {
    // A pane that shares its place with others shows its title on its tab; a title bar under
    // the tabs would only say it again. A pane on its own keeps its title bar, with its title
    // and buttons.
    for (cDockingPane* p : m_panes) {
        bool tabbed = false;
        if (!p->isFloating()) {
            for (const QDockWidget* mate : m_window.tabifiedDockWidgets(p))
                tabbed = tabbed || (!mate->isHidden() && !mate->isFloating());
        }
        QWidget* titleBar = p->titleBarWidget();
        if (tabbed == (titleBar != nullptr))
            continue;
        if (tabbed) {
            // An empty layout gives the bar a size of nothing at all.
            auto* none = new QWidget(p);
            none->setObjectName(QStringLiteral("noTitleBar"));
            auto* layout = new QHBoxLayout(none);
            layout->setContentsMargins(0, 0, 0, 0);
            p->setTitleBarWidget(none);
        } else {
            p->setTitleBarWidget(nullptr);
            delete titleBar;
        }
    }
}

QTabBar* HosterLayout::tabBarOf(const cDockingPane* p) const {
    if (!p)
        return nullptr;
    for (QTabBar* bar : m_window.findChildren<QTabBar*>(Qt::FindDirectChildrenOnly)) {
        if (!bar->isVisible())
            continue;
        for (int i = 0; i < bar->count(); ++i)
            if (bar->tabText(i) == p->windowTitle())
                return bar;
    }
    return nullptr;
}

QList<QWidget*> HosterLayout::tabStops() const {
    QList<QWidget*> stops{m_tools.goTo ? m_tools.goTo->field() : nullptr, m_tools.today,
                          m_tools.chooser};
    const cDockingPane* tree = pane(HostInteraction::kTreePane);
    if (tree) {
        if (auto* toggle = qobject_cast<QAction*>(tree->property("paneToggle").value<QObject*>()))
            stops.append(m_sideBar->widgetForAction(toggle));
        if (auto* window = qobject_cast<cPaneWindow*>(tree->widget()))
            stops.append(window->control());
    }
    stops.append(tabBarOf(pane(HostInteraction::kMonthPane)));
    if (m_month)
        stops.append(m_month->gridControls() + QList<QWidget*>{m_month});
    if (const cDockingPane* week = pane(HostInteraction::kWeekPane))
        if (auto* window = qobject_cast<cPaneWindow*>(week->widget()))
            stops.append(window->control());
    stops.append(tabBarOf(pane(HostInteraction::kReadingsPane)));
    for (const cDockingPane* p : m_panes) {
        if (const auto* page = qobject_cast<const fThisDay*>(p->widget()))
            stops.append({page->dayList(), page->WebBrowser1()});
    }
    stops.removeAll(nullptr);
    return stops;
}

void HosterLayout::scheduleTitleBars() {
    // Once the window has finished moving panes about.
    if (m_titleBarsPending)
        return;
    m_titleBarsPending = true;
    QTimer::singleShot(0, &m_window, [this] {
        m_titleBarsPending = false;
        updateTitleBars();
    });
}

void HosterLayout::watchPane(cDockingPane* p) {
    // The tree takes its width from the calendar; the day pages share theirs again.
    if (p->Id() == 3)
        QObject::connect(p, &QDockWidget::visibilityChanged, &m_window,
                         [this] { QTimer::singleShot(0, &m_window, [this] { arrangeWidths(); }); });
    QObject::connect(p, &QDockWidget::visibilityChanged, &m_window,
                     [this, p](bool visible) { paneVisibilityChanged(p, visible); });
    QObject::connect(p, &QDockWidget::visibilityChanged, &m_window,
                     [this] { scheduleTitleBars(); });
    QObject::connect(p, &QDockWidget::topLevelChanged, &m_window, [this] { scheduleTitleBars(); });
    QObject::connect(p, &QDockWidget::dockLocationChanged, &m_window,
                     [this] { scheduleTitleBars(); });
    QObject::connect(p, &QDockWidget::topLevelChanged, &m_window, [this, p](bool floating) {
        if (!floating || m_restoring || m_homeLayout.isEmpty())
            return;
        if (!m_onAction(HostInteraction::PaneFloating, p->Id()))
            m_onAction(HostInteraction::PaneFloated, p->Id());
        else
            restoreHomeLayout();
    });
    QObject::connect(p, &QDockWidget::dockLocationChanged, &m_window,
                     [this, p](Qt::DockWidgetArea) {
                         if (m_restoring || m_homeLayout.isEmpty())
                             return;
                         // Wait until the drop is complete before judging where the pane went.
                         QTimer::singleShot(0, &m_window, [this, p] { paneLayoutChanged(p); });
                     });
    QObject::connect(p, &cDockingPane::closedByUser, &m_window, [this](cDockingPane* closed) {
        if (m_restoring)
            return;
        m_onAction(closed->Id() == 3 ? HostInteraction::PaneCollapsed : HostInteraction::PaneHidden,
                   closed->Id());
    });
    if (p->features() & QDockWidget::DockWidgetClosable) {
        // The pane's own show/hide switch, on the side bar (the tree) and in the pane menu.
        QAction* toggle = new QAction(p->windowTitle(), p);
        toggle->setObjectName(QStringLiteral("showPane%1").arg(p->Id()));
        toggle->setCheckable(true);
        toggle->setChecked(!p->isHidden());
        toggle->setIcon(p->Id() == 3 ? paneIcon(101) : QIcon());
        toggle->setToolTip(QObject::tr("Show or hide %1").arg(p->windowTitle()));
        QObject::connect(p, &QDockWidget::visibilityChanged, toggle,
                         [toggle, p] { toggle->setChecked(!p->isHidden()); });
        QObject::connect(toggle, &QAction::triggered, &m_window,
                         [this, p](bool shown) { paneToggled(p, shown); });
        p->setProperty("paneToggle", QVariant::fromValue<QObject*>(toggle));
        if (p->Id() == 3) {
            m_sideBar->addAction(toggle);
            // A tool bar's buttons take no focus; this one is the keyboard's way to the tree.
            m_sideBar->widgetForAction(toggle)->setFocusPolicy(Qt::TabFocus);
        }
    }
}

void HosterLayout::paneToggled(cDockingPane* p, bool shown) {
    ++m_selecting;
    p->setVisible(shown);
    if (shown)
        p->raise();
    --m_selecting;
    if (shown) {
        m_onAction(HostInteraction::PaneExpanding, p->Id());
        m_onAction(HostInteraction::PaneExpanded, p->Id());
    } else {
        m_onAction(p->Id() == 3 ? HostInteraction::PaneCollapsed : HostInteraction::PaneHidden,
                   p->Id());
    }
}

void HosterLayout::paneVisibilityChanged(cDockingPane* p, bool visible) {
    if (!visible || m_loading || m_selecting || m_restoring || m_homeLayout.isEmpty())
        return;
    // Only a tab coming to the front is a selection; a pane shown by its switch has its own
    // actions.
    if (m_window.tabifiedDockWidgets(p).isEmpty())
        return;
    m_onAction(HostInteraction::PaneActivated, p->Id());
}

void HosterLayout::paneLayoutChanged(cDockingPane* p) {
    if (m_restoring || p->isFloating())
        return;
    // Where the window put the pane, from the saved arrangement.
    const QByteArray current = m_window.saveState();
    if (current == m_homeLayout)
        return;
    static const auto homeArea = [](int id) {
        return id <= 2   ? Qt::TopDockWidgetArea
               : id == 3 ? Qt::LeftDockWidgetArea
                         : Qt::RightDockWidgetArea;
    };
    const auto mates = [this](cDockingPane* pane) {
        QList<int> ids;
        for (QDockWidget* d : m_window.tabifiedDockWidgets(pane))
            if (auto* dp = qobject_cast<cDockingPane*>(d))
                ids.append(dp->Id());
        return ids;
    };
    const auto homeMates = [](int id) {
        return id <= 2 ? QList<int>{1, 2} : id == 3 ? QList<int>{} : QList<int>{4, 5, 7};
    };
    bool refused = false;
    if (m_window.dockWidgetArea(p) != homeArea(p->Id())) {
        refused = m_onAction(HostInteraction::PaneDocked, p->Id());
    } else {
        const QList<int> now = mates(p);
        bool foreign = false;
        for (int id : now)
            if (!homeMates(p->Id()).contains(id))
                foreign = true;
        if (foreign) {
            refused = m_onAction(HostInteraction::PaneAttaching, p->Id());
            if (!refused)
                m_onAction(HostInteraction::PaneAttached, p->Id());
        } else if (now.isEmpty() && p->Id() != 3) {
            bool hadMates = false;
            for (int id : homeMates(p->Id()))
                if (id != p->Id() && pane(id) && !pane(id)->isHidden())
                    hadMates = true;
            if (hadMates)
                refused = m_onAction(HostInteraction::PaneDetaching, p->Id());
        }
    }
    if (refused)
        restoreHomeLayout();
}

void HosterLayout::restoreHomeLayout() {
    // A drag may still hold the pane: put it back once the mouse is released.
    if (QGuiApplication::mouseButtons() != Qt::NoButton) {
        QTimer::singleShot(50, &m_window, [this] { restoreHomeLayout(); });
        return;
    }
    m_restoring = true;
    QList<bool> hidden;
    for (cDockingPane* p : m_panes)
        hidden.append(p->isHidden());
    for (cDockingPane* p : m_panes)
        if (p->isFloating())
            p->setFloating(false);
    m_window.restoreState(m_homeLayout);
    for (int i = 0; i < m_panes.size(); ++i)
        m_panes[i]->setVisible(!hidden[i]);
    m_restoring = false;
    updateTitleBars();
}

bool HosterLayout::raise(int number) {
    cDockingPane* p = pane(number);
    if (!p)
        return false;
    ++m_selecting;
    p->raise();
    --m_selecting;
    return true;
}

bool HosterLayout::switchTab(const QWidget* focus, bool forward) {
    QTabBar* bar = nullptr;
    for (QTabBar* b : m_window.findChildren<QTabBar*>(Qt::FindDirectChildrenOnly))
        bar = b == focus ? b : bar;
    for (const cDockingPane* p : m_panes)
        if (!bar && p->isAncestorOf(focus))
            bar = tabBarOf(p);
    if (!bar || bar->count() < 2)
        return false;
    bar->setCurrentIndex((bar->currentIndex() + (forward ? 1 : bar->count() - 1)) % bar->count());
    return true;
}

int HosterLayout::chooserWidth(int monthWidth, int chooserLeft) {
    return qMax(kChooserMinimum, monthWidth - (chooserLeft - 340));
}

void HosterLayout::layoutTools() {
    QPushButton* today = m_tools.today;
    QComboBox* chooser = m_tools.chooser;
    GoToDate* goTo = m_tools.goTo;
    const MonthCalendarView* month = m_month;
    if (!today || !chooser || !goTo)
        return;
    QWidget* strip = today->parentWidget();
    const int h = strip->height();
    const QSize button = today->sizeHint();
    const int left = kTodayLeft / kTwipsPerPixel;
    // The date field takes the room before the today button.
    const int fieldHeight = goTo->field()->sizeHint().height();
    goTo->field()->setGeometry(4, (h - fieldHeight) / 2, qMax(0, left - 10), fieldHeight);
    today->setGeometry(left, (h - button.height()) / 2, button.width(), button.height());
    const int comboLeft = today->geometry().right() + 12;
    const int monthWidth = (month ? month->width() : strip->width()) * kTwipsPerPixel;
    int width = chooserWidth(monthWidth, comboLeft * kTwipsPerPixel) / kTwipsPerPixel;
    // The strip is narrower than the month pane by the side bar: keep the chooser inside it.
    width = qMin(width, qMax(kChooserMinimum / kTwipsPerPixel, strip->width() - comboLeft - 4));
    const int comboHeight = chooser->sizeHint().height();
    chooser->setGeometry(comboLeft, (h - comboHeight) / 2, width, comboHeight);
}

QMenu* HosterLayout::paneMenu(QWidget* parent) const {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("paneMenu"));
    for (const cDockingPane* p : m_panes)
        if (auto* toggle = qobject_cast<QAction*>(p->property("paneToggle").value<QObject*>()))
            menu->addAction(toggle);
    return menu;
}
