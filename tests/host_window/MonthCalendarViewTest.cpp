#include "controls/MonthCalendarView.h"

#include "common/TestEnv.h"
#include "controls/WeekCalendarView.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class CalendarViewTest : public TestEnv {};

void press(QWidget* w, int key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(w, &e);
}

void click(QWidget* w, const QPoint& at, Qt::MouseButton button = Qt::LeftButton) {
    QMouseEvent down(QEvent::MouseButtonPress, at, w->mapToGlobal(at), button, button,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &down);
    QMouseEvent up(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton,
                   Qt::NoModifier);
    QApplication::sendEvent(w, &up);
}

} // namespace

TEST_F(CalendarViewTest, MonthKeysMoveTheCurrentDate) {
    MonthCalendarView view;
    view.resize(700, 500);
    ASSERT_EQ(view.currentDate(), QDate(2024, 3, 5));
    struct Step {
        int key;
        QDate expected;
    };
    const QList<Step> steps = {
        {Qt::Key_Right, {2024, 3, 6}},    {Qt::Key_Down, {2024, 3, 13}},
        {Qt::Key_Left, {2024, 3, 12}},    {Qt::Key_Up, {2024, 3, 5}},
        {Qt::Key_PageDown, {2024, 4, 5}}, {Qt::Key_PageUp, {2024, 3, 5}},
        {Qt::Key_Up, {2024, 2, 27}},      {Qt::Key_Home, {2024, 3, 5}},
    };
    QList<int> changed;
    QObject::connect(&view, &MonthCalendarView::currentDateChanged,
                     [&changed](int month, int) { changed.append(month); });
    for (const Step& s : steps) {
        press(&view, s.key);
        EXPECT_EQ(view.currentDate(), s.expected) << s.key;
    }
    EXPECT_EQ(changed.size(), steps.size());
    EXPECT_EQ(changed.at(6), 2);
}

TEST_F(CalendarViewTest, MonthGridShowsSixWeeksFromTheFirstDayOfTheWeek) {
    MonthCalendarView view;
    view.resize(700, 500);
    view.model().setFirstDayOfWeek(1); // Sunday
    // March 2024 begins on a Friday: the grid starts on Sunday 25 February.
    EXPECT_FALSE(view.cellRect(QDate(2024, 2, 25)).isEmpty());
    EXPECT_TRUE(view.cellRect(QDate(2024, 2, 24)).isEmpty());
    EXPECT_FALSE(view.cellRect(QDate(2024, 4, 6)).isEmpty());
    EXPECT_TRUE(view.cellRect(QDate(2024, 4, 7)).isEmpty());
    const QRect first = view.cellRect(QDate(2024, 3, 1));
    EXPECT_EQ(view.dayAt(first.center()), 1);
    EXPECT_EQ(view.dayAt(view.cellRect(QDate(2024, 2, 25)).center()), 0);
    EXPECT_EQ(view.dateAt(QPoint(-5, -5)), QDate());
}

TEST_F(CalendarViewTest, MonthClickHoverAndButtons) {
    MonthCalendarView view;
    view.resize(700, 500);
    QList<int> released;
    QList<int> hovered;
    QObject::connect(&view, &MonthCalendarView::mouseReleased,
                     [&released](int b) { released.append(b); });
    QObject::connect(&view, &MonthCalendarView::dayHovered,
                     [&hovered](int d) { hovered.append(d); });
    click(&view, view.cellRect(QDate(2024, 3, 21)).center());
    EXPECT_EQ(view.currentDate(), QDate(2024, 3, 21));
    click(&view, view.cellRect(QDate(2024, 3, 22)).center(), Qt::RightButton);
    EXPECT_EQ(view.currentDate(), QDate(2024, 3, 21));
    EXPECT_EQ(released, (QList<int>{1, 2}));
    const QPoint over = view.cellRect(QDate(2024, 3, 9)).center();
    QMouseEvent move(QEvent::MouseMove, over, view.mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&view, &move);
    EXPECT_EQ(hovered, QList<int>{9});
    // Clicking a day of the next month moves there.
    click(&view, view.cellRect(QDate(2024, 4, 2)).center());
    EXPECT_EQ(view.shownMonth(), 4);
}

TEST_F(CalendarViewTest, MonthSettersAnnounceEvenTheSameMonth) {
    MonthCalendarView view;
    int changed = 0;
    QObject::connect(&view, &MonthCalendarView::currentDateChanged, [&changed] { ++changed; });
    view.setShownMonth(3);
    view.setShownYear(2024);
    view.setCurrentDate(QDate(2024, 3, 5)); // unchanged: not announced
    EXPECT_EQ(changed, 2);
    view.setShownMonth(2);
    EXPECT_EQ(view.currentDate(), QDate(2024, 2, 5));
    EXPECT_EQ(view.dayCellText(40), QString());
    view.model().setDayText(5, 1, QStringLiteral("Name"));
    EXPECT_EQ(view.dayCellText(5), QStringLiteral("Name"));
    // A name list of another length keeps the locale's names.
    view.setDayNames(QStringLiteral("a,b,c"));
    EXPECT_EQ(view.dayNames().first(), QStringLiteral("Sun"));
    view.setDayNames(QStringLiteral("S,M,T,W,T,F,L"));
    EXPECT_EQ(view.dayNames().last(), QStringLiteral("L"));
    EXPECT_FALSE(view.accessibleName().isEmpty());
    EXPECT_EQ(view.focusPolicy(), Qt::StrongFocus);
}

TEST_F(CalendarViewTest, WeekViewStaysInItsRange) {
    WeekCalendarView view;
    view.resize(700, 400);
    EXPECT_EQ(view.shownMonth(), 0);
    view.model().setFirstDayOfWeek(1);
    view.setRange(QDate(2024, 2, 25), QDate(2024, 3, 31));
    EXPECT_EQ(view.shownMonth(), 3);
    view.setCurrentDate(QDate(2024, 3, 1));
    int changed = 0;
    QObject::connect(&view, &WeekCalendarView::dateChanged, [&changed] { ++changed; });
    press(&view, Qt::Key_Down);
    EXPECT_EQ(view.currentDate(), QDate(2024, 3, 8));
    press(&view, Qt::Key_PageDown);
    EXPECT_EQ(view.currentDate(), QDate(2024, 3, 31));
    press(&view, Qt::Key_Right); // beyond the range: stays
    EXPECT_EQ(view.currentDate(), QDate(2024, 3, 31));
    press(&view, Qt::Key_Home);
    EXPECT_EQ(view.currentDate(), QDate(2024, 2, 25));
    EXPECT_EQ(changed, 3);
    view.model().setDateText(QDate(2024, 3, 10), QStringLiteral("Lent 4\r\n10:00 Mass\r\n18:00"));
    view.redraw();
    const QRect cell = view.cellRect(QDate(2024, 3, 10));
    ASSERT_FALSE(cell.isEmpty());
    EXPECT_EQ(view.dateAt(cell.center()), QDate(2024, 3, 10));
    EXPECT_TRUE(view.cellRect(QDate(2024, 4, 1)).isEmpty());
    int released = 0;
    QObject::connect(&view, &WeekCalendarView::mouseReleased, [&released] { ++released; });
    click(view.viewport(), cell.center());
    EXPECT_EQ(view.currentDate(), QDate(2024, 3, 10));
    EXPECT_EQ(released, 1);
}
