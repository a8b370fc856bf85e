// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The host window's interaction without widgets: each row a state, one thing the user does,
// the state after it and everything the window was told to show or send, in order.
#include "host_window/HostInteraction.h"

#include "common/TestEnv.h"
#include "host_window/HostInteractionView.h"
#include "support/SharedState.h"

#include <functional>

namespace {

using State = HostInteraction::State;
using Output = HostInteraction::Output;

QString day(const QDate& date) {
    return date.toString(Qt::ISODate);
}

// Notes every request of the model as one line; the day cells of the month hold "Day N" up to
// the 28th and nothing after it.
class RecordingView : public HostInteractionView {
public:
    QStringList calls;
    bool emptyTree = true;

    void showMonthDate(const QDate& date) override { calls << "month shows " + day(date); }
    void fillMonth() override { calls << QStringLiteral("fill month"); }
    QString dayCellText(int d) const override {
        return d <= 28 ? QStringLiteral("Day %1").arg(d) : QString();
    }
    int firstDayOfWeek() const override { return 1; }
    void fillWeek(const QDate& first, const QDate& last) override {
        calls << "fill week " + day(first) + ".." + day(last);
    }
    void showWeekDate(const QDate& date) override { calls << "week shows " + day(date); }
    bool treeEmpty() const override { return emptyTree; }
    void loadTree(const QDate& date) override { calls << "load tree " + date.toString("yyyy-MM"); }
    void selectTreeMonth(const QDate& date) override {
        calls << "tree selects " + date.toString("yyyy-MM");
    }
    bool showDay(qint16 pane, const QDate& date) override {
        calls << QStringLiteral("day %1 shows ").arg(pane) + day(date);
        return true;
    }
    void showEdition(const QDate& date) override { calls << "edition pages on " + day(date); }
    bool setStatusText(const QString& text) override {
        calls << "status: " + text;
        return true;
    }
    void sendMessage(qint32 code) override { calls << QStringLiteral("message %1").arg(code); }
    void describeOutput(const QString& text) override { calls << "output: " + text; }
};

QString describe(const State& s) {
    return QStringLiteral("mode %1, pending %2, pane %3, filled %4-%5, week %6, %7, on %8")
        .arg(s.calendarMode)
        .arg(s.dayPagePending)
        .arg(s.currentDayPane)
        .arg(s.lastYear)
        .arg(s.lastMonth)
        .arg(s.weekMonth.toString("yyyy-MM"))
        .arg(s.output == Output::Calendar ? "calendar" : "day page")
        .arg(day(s.date));
}

const QDate kChristmasEve(2026, 12, 24);

// A state told by what differs from another, one change a call.
struct Is : State {
    Is(const State& s) : State(s) {}
    Is mode(qint16 m) const { return with(&State::calendarMode, m); }
    Is pane(qint16 p) const { return with(&State::currentDayPane, p); }
    Is prints(Output o) const { return with(&State::output, o); }
    Is on(const QDate& d) const { return with(&State::date, d); }
    Is week(const QDate& first) const { return with(&State::weekMonth, first); }
    Is hidden() const { return with(&State::dayPagePending, false).pane(0); }
    Is filled(qint16 year, qint16 month) const {
        return with(&State::lastYear, year).with(&State::lastMonth, month);
    }

private:
    template <typename T> Is with(T State::*field, T value) const {
        Is s = *this;
        s.*field = value;
        return s;
    }
};

// The month current on Christmas Eve with the readings following it, as after the start.
Is monthMode() {
    State s;
    s.calendarMode = HostInteraction::kMonthMode;
    s.dayPagePending = true;
    s.version = 1;
    return Is(s)
        .pane(HostInteraction::kReadingsPane)
        .prints(Output::DayPage)
        .filled(2026, 12)
        .on(kChristmasEve);
}

Is weekMode() {
    return monthMode()
        .mode(HostInteraction::kWeekMode)
        .week({2026, 12, 1})
        .prints(Output::Calendar);
}

struct Row {
    const char* what;
    State before;
    std::function<bool(HostInteraction&)> act; // true when the model refused
    State after;
    QStringList calls;
    bool refused = false;
};

std::function<bool(HostInteraction&)> action(int code, int pane) {
    return [code, pane](HostInteraction& m) { return m.paneAction(code, pane); };
}

// A step that the model cannot refuse.
std::function<bool(HostInteraction&)> step(const std::function<void(HostInteraction&)>& act) {
    return [act](HostInteraction& m) {
        act(m);
        return false;
    };
}

class HostInteractionTest : public TestEnv {};

TEST_F(HostInteractionTest, EachStepMovesTheStateAndTellsTheWindowInOrder) {
    shared().gEditionName = QStringLiteral("Brastel");
    const Is month = monthMode();
    const Is week = weekMode();
    const Is hidden = month.hidden();
    const auto calendar = Output::Calendar;
    const auto page = Output::DayPage;
    QList<Row> rows;
    for (int code : {0, 1, 5, 6, 7, 16})
        for (int pane : {1, 3, 4})
            rows.append({"refused", month, action(code, pane), month, {}, true});
    rows += QList<Row>{
        {"a day page closed: the calendar is printed",
         month,
         action(9, 4),
         hidden,
         {"message 1", "output: December 2026"}},
        {"the tree put away", month, action(11, 3), month, {}},
        {"the tree shown for the first time is filled",
         month,
         action(12, 3),
         month,
         {"load tree 2026-12"}},
        {"a day page shown again follows the date",
         hidden,
         action(12, 5),
         month.pane(5),
         {"day 5 shows 2026-12-24", "output: Prayers, 24 Dec 2026"}},
        {"shown from the pane menu: pending without showing",
         hidden,
         action(13, 4),
         month,
         {"output: Readings, 24 Dec 2026"}},
        {"the week tab: filled for the month, on the date",
         month,
         action(14, 2),
         week,
         {"fill week 2026-11-29..2026-12-31", "week shows 2026-12-24", "message 1",
          "output: Week, December 2026"}},
        {"the week tab again: no refill",
         week,
         action(14, 2),
         week,
         {"week shows 2026-12-24", "message 1"}},
        {"the month tab",
         week,
         action(14, 1),
         week.mode(HostInteraction::kMonthMode),
         {"message 1", "output: December 2026"}},
        {"the prayers tab",
         week,
         action(14, 5),
         week.pane(5).prints(page),
         {"day 5 shows 2026-12-24", "message 1", "output: Prayers, 24 Dec 2026"}},
        {"a click in the month: the day page follows, the month is printed",
         month,
         step([](HostInteraction& m) { m.calendarMoved(QDate(2026, 12, 25)); }),
         month.on({2026, 12, 25}).prints(calendar),
         {"month shows 2026-12-25", "tree selects 2026-12", "status: Brastel - Day 25", "message 2",
          "day 4 shows 2026-12-25", "output: December 2026"}},
        {"a day of the next month in the week: both calendars refilled",
         week,
         step([](HostInteraction& m) { m.calendarMoved(QDate(2027, 1, 3)); }),
         week.on({2027, 1, 3}).filled(2027, 1).week({2027, 1, 1}),
         {"month shows 2027-01-03", "fill month", "fill week 2026-12-27..2027-01-31",
          "week shows 2027-01-03", "tree selects 2027-01", "status: Brastel - Day 3", "message 2",
          "day 4 shows 2027-01-03", "output: Week, January 2027"}},
        {"go to a date from the week tab: the page follows and stays what is printed",
         week.prints(page),
         step([](HostInteraction& m) { m.goTo(QDate(2026, 11, 29)); }),
         week.on({2026, 11, 29}).filled(2026, 11).week({2026, 11, 1}).prints(page),
         {"month shows 2026-11-29", "fill month", "fill week 2026-11-01..2026-11-30",
          "week shows 2026-11-29", "tree selects 2026-11",
          "status: Brastel - Sunday - No readings are appointed for this day.", "message 2",
          "day 4 shows 2026-11-29", "output: Readings, 29 Nov 2026"}},
        {"go to a date with every day page closed",
         hidden,
         step([](HostInteraction& m) { m.goTo(QDate(2026, 12, 25)); }),
         hidden.on({2026, 12, 25}),
         {"month shows 2026-12-25", "tree selects 2026-12", "status: Brastel - Day 25",
          "message 2"}},
        {"a month of the tree: the same day, or the month's last",
         month.on({2026, 12, 31}),
         step([](HostInteraction& m) { m.treeClicked(2027, 2); }),
         month.on({2027, 2, 28}).filled(2027, 2),
         {"month shows 2027-02-28", "fill month", "tree selects 2027-02",
          "status: Brastel - Day 28", "message 2", "day 4 shows 2027-02-28",
          "output: Readings, 28 Feb 2027"}},
        {"worked in the month",
         month,
         step([](HostInteraction& m) { m.workedIn(1); }),
         month.prints(calendar),
         {"output: December 2026"}},
        {"worked in the prayers page",
         week,
         step([](HostInteraction& m) { m.workedIn(5); }),
         week.pane(5).prints(page),
         {"day 5 shows 2026-12-24", "output: Prayers, 24 Dec 2026"}},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.what);
        RecordingView view;
        HostInteraction model(view, row.before);
        EXPECT_EQ(row.act(model), row.refused);
        EXPECT_EQ(describe(model.state()), describe(row.after));
        EXPECT_EQ(view.calls, row.calls);
    }
}

TEST_F(HostInteractionTest, StartFillsTheMonthAndLeavesTheReadingsToBePrinted) {
    shared().gEditionName = QStringLiteral("Brastel");
    RecordingView view;
    HostInteraction model(view);
    model.setVersion(1);
    model.start(kChristmasEve);
    EXPECT_EQ(describe(model.state()), describe(monthMode()));
    EXPECT_EQ(view.calls, QStringList({"month shows 2026-12-24", "fill month",
                                       "status: Brastel - Day 24", "message 2", "message 1",
                                       "output: December 2026", "output: Readings, 24 Dec 2026"}));
    EXPECT_TRUE(model.printsDayPage());
    // Enter on a day brings forward the day pane in use, or the readings when none is.
    for (const auto& [pane, opened] :
         QList<std::pair<qint16, qint16>>{{0, 4}, {4, 4}, {5, 5}, {7, 7}}) {
        EXPECT_EQ(HostInteraction(view, monthMode().pane(pane)).pageToOpen(), opened) << pane;
    }
}

} // namespace
