// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "controls/ui/MonthCalendarView.h"

#include "common/TestEnv.h"
#include "controls/ui/WeekCalendarView.h"
#include "day_page/ui/fThisDay.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <cmath>

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

// Keys, clicks and the mouse over a day on either calendar: where the current date goes and
// what each calendar announces.
TEST_F(CalendarViewTest, KeysAndClicksMoveTheCurrentDate) {
    MonthCalendarView month;
    month.resize(700, 500);
    WeekCalendarView week;
    week.resize(700, 400);
    EXPECT_EQ(week.shownMonth(), 0);
    week.model().setFirstDayOfWeek(1);
    week.setRange(QDate(2024, 2, 25), QDate(2024, 3, 31));
    EXPECT_EQ(week.shownMonth(), 3);
    week.setCurrentDate(QDate(2024, 3, 1));
    week.model().setDateText(QDate(2024, 3, 10), QStringLiteral("Lent 4\r\n10:00 Mass\r\n18:00"));
    week.redraw();
    QStringList heard;
    QObject::connect(&month, &MonthCalendarView::currentDateChanged,
                     [&heard](int m, int) { heard << QStringLiteral("month %1").arg(m); });
    QObject::connect(&month, &MonthCalendarView::dayHovered,
                     [&heard](int d) { heard << QStringLiteral("hovered %1").arg(d); });
    QObject::connect(&week, &WeekCalendarView::dateChanged,
                     [&heard] { heard << QStringLiteral("week"); });
    QObject::connect(&month, &MonthCalendarView::mouseReleased,
                     [&heard](int b) { heard << QStringLiteral("released %1").arg(b); });
    QObject::connect(&week, &WeekCalendarView::mouseReleased,
                     [&heard](int b) { heard << QStringLiteral("released %1").arg(b); });
    enum Act { Key, LeftClick, RightClick, Hover };
    struct Step {
        bool inWeek;
        Act act;
        int key;   // for Key
        QDate day; // clicked or hovered
        QDate expected;
        QStringList heard;
    };
    const QList<Step> steps = {
        {false, Key, Qt::Key_Right, {}, {2024, 3, 6}, {"month 3"}},
        {false, Key, Qt::Key_Down, {}, {2024, 3, 13}, {"month 3"}},
        {false, Key, Qt::Key_Left, {}, {2024, 3, 12}, {"month 3"}},
        {false, Key, Qt::Key_Up, {}, {2024, 3, 5}, {"month 3"}},
        {false, Key, Qt::Key_PageDown, {}, {2024, 4, 5}, {"month 4"}},
        {false, Key, Qt::Key_PageUp, {}, {2024, 3, 5}, {"month 3"}},
        {false, Key, Qt::Key_Up, {}, {2024, 2, 27}, {"month 2"}},
        {false, Key, Qt::Key_Home, {}, {2024, 3, 5}, {"month 3"}},
        {false, LeftClick, 0, {2024, 3, 21}, {2024, 3, 21}, {"month 3", "released 1"}},
        {false, RightClick, 0, {2024, 3, 22}, {2024, 3, 21}, {"released 2"}},
        {false, Hover, 0, {2024, 3, 9}, {2024, 3, 21}, {"hovered 9"}},
        // A day of the next month moves there.
        {false, LeftClick, 0, {2024, 4, 2}, {2024, 4, 2}, {"month 4", "released 1"}},
        {true, Key, Qt::Key_Down, {}, {2024, 3, 8}, {"week"}},
        {true, Key, Qt::Key_PageDown, {}, {2024, 3, 31}, {"week"}},
        // Beyond the range: the week stays.
        {true, Key, Qt::Key_Right, {}, {2024, 3, 31}, {}},
        {true, Key, Qt::Key_Home, {}, {2024, 2, 25}, {"week"}},
        {true, LeftClick, 0, {2024, 3, 10}, {2024, 3, 10}, {"week", "released 1"}},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(QStringLiteral("%1 %2 %3")
                         .arg(s.inWeek ? "week" : "month")
                         .arg(s.act)
                         .arg(s.key ? QString::number(s.key) : s.day.toString(Qt::ISODate))
                         .toStdString());
        heard.clear();
        QWidget* view = s.inWeek ? static_cast<QWidget*>(week.viewport()) : &month;
        const QPoint at = s.inWeek ? week.cellRect(s.day).center() : month.cellRect(s.day).center();
        if (s.act == Key) {
            press(s.inWeek ? static_cast<QWidget*>(&week) : &month, s.key);
        } else if (s.act == Hover) {
            QMouseEvent move(QEvent::MouseMove, at, view->mapToGlobal(at), Qt::NoButton,
                             Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(view, &move);
        } else {
            click(view, at, s.act == LeftClick ? Qt::LeftButton : Qt::RightButton);
        }
        EXPECT_EQ(s.inWeek ? week.currentDate() : month.currentDate(), s.expected);
        EXPECT_EQ(heard, s.heard);
    }
}

TEST_F(CalendarViewTest, GridsShowTheirDaysFromTheFirstDayOfTheWeek) {
    MonthCalendarView view;
    view.resize(700, 500);
    view.model().setFirstDayOfWeek(1); // Sunday
    // March 2024 begins on a Friday: six weeks from Sunday 25 February.
    EXPECT_FALSE(view.cellRect(QDate(2024, 2, 25)).isEmpty());
    EXPECT_TRUE(view.cellRect(QDate(2024, 2, 24)).isEmpty());
    EXPECT_FALSE(view.cellRect(QDate(2024, 4, 6)).isEmpty());
    EXPECT_TRUE(view.cellRect(QDate(2024, 4, 7)).isEmpty());
    const QRect first = view.cellRect(QDate(2024, 3, 1));
    EXPECT_EQ(view.dayAt(first.center()), 1);
    EXPECT_EQ(view.dayAt(view.cellRect(QDate(2024, 2, 25)).center()), 0);
    EXPECT_EQ(view.dateAt(QPoint(-5, -5)), QDate());
    // The week only its range.
    WeekCalendarView week;
    week.resize(700, 400);
    week.model().setFirstDayOfWeek(1);
    week.setRange(QDate(2024, 2, 25), QDate(2024, 3, 31));
    const QRect cell = week.cellRect(QDate(2024, 3, 10));
    ASSERT_FALSE(cell.isEmpty());
    EXPECT_EQ(week.dateAt(cell.center()), QDate(2024, 3, 10));
    EXPECT_TRUE(week.cellRect(QDate(2024, 4, 1)).isEmpty());
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
    // A name list of another length keeps the locale's names.
    view.setDayNames(QStringLiteral("a,b,c"));
    EXPECT_EQ(view.dayNames().first(), QStringLiteral("Sun"));
    view.setDayNames(QStringLiteral("S,M,T,W,T,F,L"));
    EXPECT_EQ(view.dayNames().last(), QStringLiteral("L"));
}

TEST_F(CalendarViewTest, LongTextsWrapInsideTheirCells) {
    // A week cell shows a long service line whole, on as many lines as it needs, each inside
    // the text area of the cell, and the row grows to hold them.
    WeekCalendarView week;
    week.resize(560, 300);
    week.model().setFirstDayOfWeek(1);
    week.setRange(QDate(2024, 3, 1), QDate(2024, 3, 31));
    const QDate day(2024, 3, 10);
    const QString service =
        QStringLiteral("10:00 AM - St. Bartholomew's Cathedral, lower chapel - Holy Communion "
                       "with baptisms and the confirmation of the youth group");
    week.model().setDateText(day, QStringLiteral("Lent 4\r\n") + service);
    week.model().setDateColor(day, 1, 0x800080);
    week.redraw();
    const QRect cell = week.cellRect(day);
    const QRect text = week.textArea(day, cell);
    const QStringList lines = week.shownLines(day, cell.width());
    ASSERT_GT(lines.size(), 2);
    EXPECT_EQ(lines.first(), QStringLiteral("Lent 4"));
    // Broken at spaces only; a word wider than the cell is shortened with an ellipsis.
    const QStringList words = service.split(QLatin1Char(' '));
    const QStringList shown = lines.mid(1).join(QLatin1Char(' ')).split(QLatin1Char(' '));
    ASSERT_EQ(shown.size(), words.size());
    for (qsizetype i = 0; i < words.size(); ++i) {
        if (shown[i].endsWith(QChar(0x2026)))
            EXPECT_TRUE(words[i].startsWith(shown[i].chopped(1))) << shown[i].toStdString();
        else
            EXPECT_EQ(shown[i], words[i]);
    }
    const QFontMetrics fm(week.font());
    for (const QString& line : lines)
        EXPECT_LE(fm.horizontalAdvance(line), text.width()) << line.toStdString();
    EXPECT_LE(text.top() + int(lines.size()) * fm.height(), cell.bottom() + 1);

    // A month cell lets a name run on to a second line before it is cut, as long as the
    // later names keep a line each.
    MonthCalendarView month;
    month.resize(700, 500);
    month.setShownYear(2024);
    month.setShownMonth(3);
    const QString longName = QStringLiteral("The Annunciation of our Lord to the Blessed Virgin");
    const int width = QFontMetrics(month.font()).horizontalAdvance(longName) * 2 / 3;
    struct Case {
        QStringList names;
        int lines;
        QList<int> rows; // the line index of each shown line
        bool cut;        // whether the last shown line ends in an ellipsis
    };
    const QList<Case> cases = {
        {{longName}, 3, {0, 1}, false},
        {{longName, QStringLiteral("Lent 5")}, 3, {0, 1, 2}, false},
        {{longName, QStringLiteral("Lent 5"), QStringLiteral("Joseph")}, 3, {0, 1, 2}, false},
        {{longName + QLatin1Char(' ') + longName}, 3, {0, 1}, true},
        {{longName}, 1, {0}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.names.join(QLatin1Char('|')).toStdString());
        for (int line = 1; line <= MonthCalendarModel::kLines; ++line)
            month.model().setDayText(25, line, c.names.value(line - 1));
        const auto shown = month.nameLines(25, width, c.lines);
        QList<int> rows;
        for (const auto& [row, text] : shown) {
            rows.append(row);
            EXPECT_LE(QFontMetrics(month.font()).horizontalAdvance(text), width);
        }
        EXPECT_EQ(rows, c.rows);
        ASSERT_FALSE(shown.isEmpty());
        EXPECT_EQ(shown.last().second.endsWith(QChar(0x2026)), c.cut);
    }
}

namespace {

double luminance(QRgb c) {
    const auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(c)) + 0.7152 * channel(qGreen(c)) + 0.0722 * channel(qBlue(c));
}

// The contrast between the commonest colour of `area` (its background) and the colour in it
// that differs most from that one (its text).
double contrastIn(const QImage& image, const QRect& area) {
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb background = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(background))
            background = it.key();
    const double lb = luminance(background);
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double lt = luminance(it.key());
        best = qMax(best, (qMax(lb, lt) + 0.05) / (qMin(lb, lt) + 0.05));
    }
    return best;
}

} // namespace

TEST_F(CalendarViewTest, DarkThemeKeepsTextReadable) {
    const QPalette saved = QApplication::palette();
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(0x2a, 0x2a, 0x2e));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(0xee, 0xee, 0xee));
    dark.setColor(QPalette::AlternateBase, QColor(0x33, 0x33, 0x38));
    QApplication::setPalette(dark);

    // A day page styled for paper (dark text) keeps a background it can be read on.
    const QString page = writeFile(QStringLiteral("page.htm"),
                                   "<Style Type='text/css'>body { color: #000000 }</Style>\r\n"
                                   "<H1>Third Sunday in Lent</H1>\r\n<p>Exodus 20:1-17</p>\r\n");
    fThisDay day;
    day.resize(400, 300);
    day.navigate(page);
    QWidget* browser = day.findChild<QWidget*>(QStringLiteral("WebBrowser1"));
    ASSERT_TRUE(browser);
    const QImage pageImage = browser->grab().toImage();
    EXPECT_GE(contrastIn(pageImage, QRect(0, 0, pageImage.width(), 60)), 4.5);

    // The month's weekday names on their band.
    MonthCalendarView month;
    month.resize(700, 500);
    const QImage monthImage = month.grab().toImage();
    const QRect firstCell = month.cellRect(month.model().dateOfDay(1));
    ASSERT_FALSE(firstCell.isEmpty());
    const int namesHeight = month.fontMetrics().height();
    const QRect names(0, firstCell.top() - namesHeight - 2, monthImage.width(), namesHeight);
    EXPECT_GE(contrastIn(monthImage, names), 4.5);
    QApplication::setPalette(saved);
}
