// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "host_window/HostInteractionView.h"
#include "host_window/ui/HosterLayout.h"

#include <memory>

class GoToDate;
class HostInteraction;
class HostToolbar;
class MonthCalendarView;
class QWidget;
class WeekCalendarView;
class YearMonthTree;
class cLiturgicalColors;
class fThisDay;
struct HostSettings;

// What the host window's interaction model decides, shown on the window's widgets: the
// calendars filled and moved to the date, the tree filled and selected, the day page showing the
// date, the panes and language of an edition, and the status text and messages for the host.
class HosterView : public HostInteractionView {
public:
    // `window` takes the language of the edition; the model gives the edition.
    HosterView(QWidget& window, const HostSettings& settings, HosterLayout& layout,
               HostToolbar& tools);
    ~HosterView() override;

    void watch(const HostInteraction& model) { m_model = &model; }
    // The panes the window has made, with the colour table the calendars are filled with.
    void setPanes(MonthCalendarView* month, WeekCalendarView* week, YearMonthTree* tree,
                  GoToDate* goTo);

    // The day page of a pane; none when the edition has no such pane.
    fThisDay* dayPage(int number) const;
    // What every day page is given by the window.
    HosterLayout::DayPageSettings dayPageSettings() const;
    // The weekday and month names of the calendars in the language now chosen.
    void nameCalendarDays();
    // Sets the status text to `status` and announces it to the host (message 2).
    void announceStatus(const QString& status);

    // HostInteractionView
    void showMonthDate(const QDate& date) override;
    void fillMonth() override;
    QString dayCellText(int day) const override;
    int firstDayOfWeek() const override;
    void fillWeek(const QDate& first, const QDate& last) override;
    void showWeekDate(const QDate& date) override;
    bool treeEmpty() const override;
    void loadTree(const QDate& date) override;
    void selectTreeMonth(const QDate& date) override;
    bool showDay(qint16 pane, const QDate& date) override;
    void showEdition(const QDate& date) override;
    bool setStatusText(const QString& text) override;
    void sendMessage(qint32 code) override;
    void describeOutput(const QString& text) override;

private:
    qint32 version() const;
    template <class Fill> void configureFill(Fill& fill) const;

    QWidget& m_window;
    const HostSettings& m_settings;
    HosterLayout& m_layout;
    HostToolbar& m_tools;
    const HostInteraction* m_model = nullptr;
    std::unique_ptr<cLiturgicalColors> m_colors;
    MonthCalendarView* m_month = nullptr;
    WeekCalendarView* m_week = nullptr;
    YearMonthTree* m_yearTree = nullptr;
    GoToDate* m_goTo = nullptr;
};
