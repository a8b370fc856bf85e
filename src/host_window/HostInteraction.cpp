// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/HostInteraction.h"

#include "controls/CalendarLocale.h"
#include "host_window/EditionChooser.h"
#include "host_window/HostInteractionView.h"
#include "resources/ResourceStrings.h"
#include "resources/mMain.h"
#include "support/EditionCode.h"
#include "support/SharedState.h"
#include "support/UserInterface.h"

HostInteraction::HostInteraction(HostInteractionView& view) : m_view(view) {}

HostInteraction::HostInteraction(HostInteractionView& view, const State& state)
    : m_view(view), m_state(state), m_described(outputText()) {}

QList<qint16> HostInteraction::dayPanes(qint32 version) {
    QList<qint16> panes{kReadingsPane};
    if (version != EditionCode::kOrsaveGatheringChurch)
        panes.append(kPrayersPane);
    if (version == EditionCode::kKorvaDiocese)
        panes.append(kOrdoPane);
    return panes;
}

QString HostInteraction::paneTitle(int pane) {
    switch (pane) {
    case kMonthPane:
        return ResourceStrings::text(ResourceStrings::kMonth);
    case kWeekPane:
        return ResourceStrings::text(ResourceStrings::kWeek);
    case kTreePane:
        return ResourceStrings::text(ResourceStrings::kCalendar);
    case kReadingsPane:
        return ResourceStrings::text(ResourceStrings::kReadings);
    case kPrayersPane:
        return ResourceStrings::text(ResourceStrings::kPrayers);
    case kOrdoPane:
        return QStringLiteral("Ordo");
    default:
        return {};
    }
}

void HostInteraction::start(const QDate& date) {
    m_state.date = date;
    m_view.showMonthDate(date);
    // The first fill, then the status text of the day it shows (message 2), then the month
    // pane selected (message 1), in the order the host is told of them.
    fillMonth();
    m_state.calendarMode = kMonthMode;
    refreshStatus();
    paneAction(PaneActivated, kMonthPane);
    m_state.dayPagePending = true;
    m_state.currentDayPane = kReadingsPane;
    m_state.output = Output::DayPage;
    describeOutput();
}

bool HostInteraction::paneAction(int action, int pane) {
    bool refused = false;
    const bool dayPane = isDayPane(pane);
    switch (action) {
    case PaneFloating:
    case PaneFloated:
    case PaneDocked:
    case PaneAttaching:
    case PaneAttached:
    case PaneDetaching:
        refused = true;
        break;
    case PaneHidden:
    case PaneCollapsed:
        if (dayPane) {
            m_state.dayPagePending = false;
            m_state.currentDayPane = 0;
        }
        break;
    case PaneExpanding:
        if (pane == kTreePane) {
            if (m_view.treeEmpty())
                m_view.loadTree(m_state.date);
        } else if (dayPane) {
            selectDayPane(pane);
        }
        break;
    case PaneExpanded:
        if (dayPane) {
            m_state.dayPagePending = true;
            m_state.currentDayPane = qint16(pane);
        }
        break;
    case PaneActivated:
        if (pane == kMonthPane) {
            // Filled once at the start; afterwards a move to another month refills it.
            if (m_state.calendarMode == kNoCalendar)
                fillMonth();
            m_state.calendarMode = kMonthMode;
            m_state.output = Output::Calendar;
        } else if (pane == kWeekPane) {
            fillWeek(false);
            m_view.showWeekDate(m_state.date);
            m_state.calendarMode = kWeekMode;
            m_state.output = Output::Calendar;
        } else if (dayPane) {
            selectDayPane(pane);
            m_state.output = Output::DayPage;
        }
        break;
    default:
        break;
    }
    if (action == PaneHidden || action == PaneActivated)
        m_view.sendMessage(kPanesChanged);
    describeOutput();
    return refused;
}

void HostInteraction::selectDayPane(int pane) {
    m_state.dayPagePending = true;
    m_state.currentDayPane = qint16(pane);
    updateDay();
}

void HostInteraction::calendarMoved(const QDate& date) {
    m_state.output = Output::Calendar;
    moveTo(date);
}

void HostInteraction::goTo(const QDate& date) {
    moveTo(date);
}

void HostInteraction::treeClicked(int year, int month) {
    const QDate first(year, month, 1);
    if (!first.isValid())
        return;
    const int day = m_state.date.isValid() ? m_state.date.day() : 1;
    moveTo(QDate(year, month, qMin(day, first.daysInMonth())));
}

void HostInteraction::workedIn(int pane) {
    if (pane == kMonthPane || pane == kWeekPane) {
        m_state.output = Output::Calendar;
    } else if (isDayPane(pane)) {
        if (!m_state.dayPagePending || m_state.currentDayPane != pane)
            selectDayPane(pane);
        m_state.output = Output::DayPage;
    }
    describeOutput();
}

void HostInteraction::moveTo(const QDate& date) {
    if (!date.isValid())
        return;
    m_state.date = date;
    // The month calendar leads: it shows the date's month, refilled when that is another.
    m_view.showMonthDate(date);
    if (date.month() != m_state.lastMonth || date.year() != m_state.lastYear)
        fillMonth();
    // The week is filled when it is shown; until then it keeps its last month.
    if (m_state.calendarMode == kWeekMode) {
        fillWeek(false);
        m_view.showWeekDate(date);
    }
    m_view.selectTreeMonth(date);
    refreshStatus();
    updateDay();
    describeOutput();
}

void HostInteraction::fillMonth() {
    m_view.fillMonth();
    m_state.lastMonth = qint16(m_state.date.month());
    m_state.lastYear = qint16(m_state.date.year());
}

void HostInteraction::fillWeek(bool force) {
    const QDate first(m_state.date.year(), m_state.date.month(), 1);
    if (!force && m_state.weekMonth == first)
        return;
    m_view.fillWeek(CalendarLocale::startOfWeek(first, m_view.firstDayOfWeek()),
                    first.addDays(first.daysInMonth() - 1));
    m_state.weekMonth = first;
}

bool HostInteraction::chooseEdition(qint32 code, const QString& iniFile, DiskInterface& disk) {
    qint32 version = 0;
    // A missing database or an unwritable INI file throws before anything changed.
    const bool mapped = EditionChooser::pick(code, iniFile, disk, &version);
    shared().gEditionName = mMain::getVersionName(code);
    if (!mapped)
        return false;
    m_state.version = version;
    mMain::selectLanguage(iniFile, version);
    if (!dayPanes(version).contains(m_state.currentDayPane) && isDayPane(m_state.currentDayPane))
        m_state.currentDayPane = kReadingsPane;
    m_view.showEdition(m_state.date);
    fillMonth();
    fillWeek(true);
    m_view.showWeekDate(m_state.date);
    refreshStatus();
    updateDay();
    describeOutput();
    return true;
}

void HostInteraction::refill(bool status) {
    fillMonth();
    if (m_state.weekMonth.isValid()) {
        fillWeek(true);
        m_view.showWeekDate(m_state.date);
    }
    if (status)
        refreshStatus();
}

qint16 HostInteraction::pageToOpen() const {
    return isDayPane(m_state.currentDayPane) ? m_state.currentDayPane : qint16(kReadingsPane);
}

qint16 HostInteraction::dayPageShown() const {
    return m_state.dayPagePending && isDayPane(m_state.currentDayPane) ? m_state.currentDayPane
                                                                       : qint16(0);
}

bool HostInteraction::printsDayPage() const {
    return m_state.output == Output::DayPage && dayPageShown() != 0;
}

QString HostInteraction::outputText() const {
    const QDate date = m_state.date;
    if (!date.isValid())
        return {};
    const QLocale locale = ResourceStrings::locale();
    if (printsDayPage())
        return paneTitle(m_state.currentDayPane) + QStringLiteral(", ") +
               locale.toString(date, QStringLiteral("d MMM yyyy"));
    const QString month =
        locale.standaloneMonthName(date.month()) + QLatin1Char(' ') + QString::number(date.year());
    if (m_state.calendarMode == kWeekMode)
        return paneTitle(kWeekPane) + QStringLiteral(", ") + month;
    return month;
}

void HostInteraction::describeOutput() {
    const QString text = outputText();
    if (text == m_described)
        return;
    m_described = text;
    m_view.describeOutput(text);
}

void HostInteraction::refreshStatus() {
    QString text = m_state.calendarMode == kNoCalendar || !m_state.date.isValid()
                       ? QString()
                       : m_view.dayCellText(m_state.date.day());
    // A day without a name of its own says so, as its page does.
    if (text.isEmpty() && m_state.calendarMode != kNoCalendar && m_state.date.isValid())
        text = ResourceStrings::locale().dayName(m_state.date.dayOfWeek()) + QStringLiteral(" - ") +
               ResourceStrings::nothingAppointed();
    const QString edition = shared().gEditionName;
    QString status = text;
    if (!edition.isEmpty())
        status = text.isEmpty() ? edition : edition + QStringLiteral(" - ") + text;
    if (m_view.setStatusText(status))
        m_view.sendMessage(kStatusChanged);
}

bool HostInteraction::updateDay() {
    if (!m_state.dayPagePending)
        return false;
    if (!isDayPane(m_state.currentDayPane)) {
        ui().messageBox(UserInterface::Icon::None, UserInterface::Buttons::Ok, QString(),
                        QStringLiteral("Unknown Pane..."));
        return false;
    }
    return m_view.showDay(m_state.currentDayPane, m_state.date);
}
