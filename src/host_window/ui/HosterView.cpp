// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/HosterView.h"

#include "calendar/CalendarSpan.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cFillWeekCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/HostInteraction.h"
#include "host_window/mLateBound.h"
#include "host_window/ui/GoToDate.h"
#include "host_window/ui/HostSettings.h"
#include "host_window/ui/HostToolbar.h"
#include "host_window/ui/YearMonthTree.h"
#include "host_window/ui/cDockingPane.h"
#include "resources/ResourceStrings.h"
#include "support/Failure.h"
#include "support/OleDate.h"
#include "support/ProcScope.h"

#include <QSignalBlocker>

namespace {

// Runs `step` as the procedure `name`.
template <class Step> void run(const char* name, Step step) {
    ProcScope scope(name);
    scope.run(step);
}

} // namespace

HosterView::HosterView(QWidget& window, const HostSettings& settings, HosterLayout& layout,
                       HostToolbar& tools)
    : m_window(window), m_settings(settings), m_layout(layout), m_tools(tools) {}

HosterView::~HosterView() = default;

qint32 HosterView::version() const {
    return m_model ? m_model->state().version : 0;
}

void HosterView::setPanes(MonthCalendarView* month, WeekCalendarView* week, YearMonthTree* tree,
                          GoToDate* goTo) {
    m_month = month;
    m_week = week;
    m_yearTree = tree;
    m_goTo = goTo;
    m_colors = std::make_unique<cLiturgicalColors>();
    m_colors->mSetDefaultColors();
    // The colours the calendars name to a screen reader.
    m_month->setColorTable(m_colors->table());
    m_week->setColorTable(m_colors->table());
}

fThisDay* HosterView::dayPage(int number) const {
    const cDockingPane* p = m_layout.pane(number);
    if (!p)
        return nullptr;
    return qobject_cast<fThisDay*>(cWindowList::find(p->windowHandle32()));
}

HosterLayout::DayPageSettings HosterView::dayPageSettings() const {
    return {m_settings.appTitle,  m_settings.connectionString,
            m_settings.vkIniFile, m_settings.sqlMode,
            m_settings.user,      version()};
}

void HosterView::nameCalendarDays() {
    // Weekday names (Sunday first) and month names of the edition's language.
    const QLocale locale = ResourceStrings::locale();
    m_window.setLocale(locale);
    const QString dayNames = CalendarPaint::localeDayNames(locale).join(QLatin1Char(','));
    const QString monthNames = CalendarPaint::localeMonthNames(locale).join(QLatin1Char(','));
    m_month->setDayNames(dayNames);
    m_month->setMonthNames(monthNames);
    m_week->setDayNames(dayNames);
    m_week->setMonthNames(monthNames);
    if (m_yearTree)
        m_yearTree->retitle();
}

template <class Fill> void HosterView::configureFill(Fill& fill) const {
    fill.setPFillData(QVariant());
    fill.setPVkIniFile(m_settings.vkIniFile);
    fill.setPUser(m_settings.user);
    fill.setPVersion(version());
    fill.setPoLitColors(m_colors.get());
    fill.setPSQLMode(m_settings.sqlMode ? -1 : 0);
    fill.setPConnectionString(m_settings.connectionString);
}

void HosterView::showMonthDate(const QDate& date) {
    const QSignalBlocker block(m_month);
    m_month->setCurrentDate(date);
    m_month->refresh();
    m_goTo->showDate(date);
}

void HosterView::fillMonth() {
    run("fHoster.updateCalendar", [&] {
        cFillCalendar fill;
        configureFill(fill);
        fill.setPctMonth(&m_month->model());
        fill.mFillCalendar();
        m_month->refresh();
    });
}

QString HosterView::dayCellText(int day) const {
    return m_month->dayCellText(day);
}

int HosterView::firstDayOfWeek() const {
    return m_month->firstDayOfWeek();
}

void HosterView::fillWeek(const QDate& first, const QDate& last) {
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

void HosterView::showWeekDate(const QDate& date) {
    const QSignalBlocker block(m_week);
    m_week->setCurrentDate(date);
    m_week->ensureDateVisible(date);
    m_week->redraw();
}

bool HosterView::treeEmpty() const {
    return !m_yearTree || m_yearTree->isEmpty();
}

void HosterView::loadTree(const QDate& date) {
    run("fHoster.loadTListData", [&] {
        m_yearTree->load(
            [&] {
                // Bounded to the supported years: one corrupted date must not make millions
                // of items.
                const CalendarSpan span = CalendarSpan::read(m_settings.openDatabase());
                if (span.hasBadDates())
                    ProcScope::handle(Failure::overflow(CalendarSpan::badDatesText()));
                return span;
            },
            date.year(), date.month());
    });
}

void HosterView::selectTreeMonth(const QDate& date) {
    if (treeEmpty())
        return;
    // The tree is filled: this only selects.
    m_yearTree->load([] { return CalendarSpan(); }, date.year(), date.month());
}

bool HosterView::showDay(qint16 pane, const QDate& date) {
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

void HosterView::showEdition(const QDate& date) {
    // The panes of the edition, in its language, at once.
    m_layout.replaceDayPanes(dayPageSettings());
    nameCalendarDays();
    for (QWidget* w : cWindowList::windows()) {
        auto* page = qobject_cast<fThisDay*>(w);
        if (!page || !m_window.isAncestorOf(page) ||
            !HostInteraction::dayPanes(version()).contains(qint16(page->tag().toInt())))
            continue;
        // Made afresh for the edition: its headings and its language.
        page->setPVersion(version());
        page->mInitialize();
        page->setPDate(OleDate::fromDate(date));
        page->mShow(true);
    }
}

bool HosterView::setStatusText(const QString& text) {
    bool handed = false;
    run("fHoster.setStatusText",
        [&] { handed = mLateBound::setProperty(m_settings.app, "pStatusText", text); });
    return handed;
}

void HosterView::sendMessage(qint32 code) {
    if (!m_settings.notify)
        return;
    mLateBound::call(m_settings.notify, "mMsgFromClient", {code});
}

void HosterView::describeOutput(const QString& text) {
    m_tools.describeOutput(text);
}

void HosterView::announceStatus(const QString& status) {
    if (!status.isEmpty() && setStatusText(status))
        sendMessage(HostInteraction::kStatusChanged);
}
