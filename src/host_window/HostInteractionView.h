// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QDate>
#include <QString>

// What the host window's interaction model asks of the window: the calendars, the tree, the
// day pages and the host, each shown or told without announcing anything back.
class HostInteractionView {
public:
    virtual ~HostInteractionView() = default;

    // The month calendar shows `date` as its current date (and so its month).
    virtual void showMonthDate(const QDate& date) = 0;
    // Fills the month calendar for the month it shows.
    virtual void fillMonth() = 0;
    // The text of a day cell of the month shown, as the fill wrote it.
    virtual QString dayCellText(int day) const = 0;
    // The first day of the week of the month calendar (Sunday = 1).
    virtual int firstDayOfWeek() const = 0;

    // Gives the week calendar its range and fills it.
    virtual void fillWeek(const QDate& first, const QDate& last) = 0;
    // The week calendar shows `date` as its current date and brings it into view.
    virtual void showWeekDate(const QDate& date) = 0;

    // The tree holds no items yet.
    virtual bool treeEmpty() const = 0;
    // Fills the tree and selects the month of `date`.
    virtual void loadTree(const QDate& date) = 0;
    // Selects the month of `date` in the tree once it is filled.
    virtual void selectTreeMonth(const QDate& date) = 0;

    // Shows `date` on the day page of `pane`: the page's own result, false when there is none.
    virtual bool showDay(qint16 pane, const QDate& date) = 0;
    // Shows the pages of the edition now chosen: the day panes it has, in the language it
    // speaks, each showing `date`.
    virtual void showEdition(const QDate& date) = 0;

    // The status text for the host; false when it could not be handed over.
    virtual bool setStatusText(const QString& text) = 0;
    // A message to the host (1 panes changed, 2 status text, 4 a calendar prints); dropped
    // when the host gave no notify object.
    virtual void sendMessage(qint32 code) = 0;
    // Says on the output tools what they act on now ("December 2026").
    virtual void describeOutput(const QString& text) = 0;
};
