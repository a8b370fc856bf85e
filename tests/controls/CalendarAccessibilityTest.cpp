// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The calendars as a screen reader reads them through Qt's accessibility interfaces, and the
// colours they are drawn in.
#include "calendar/CalendarTestData.h"
#include "calendar/cFillCalendar.h"
#include "calendar/cFillWeekCalendar.h"
#include "calendar/cLiturgicalColors.h"
#include "common/TestEnv.h"
#include "controls/CalendarLocale.h"
#include "controls/ui/CalendarPaint.h"
#include "controls/ui/CalendarTableAccessible.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleFactory>
#include <memory>

namespace {

using namespace CalendarTestData;

const QLocale kEnglish(QLocale::English, QLocale::UnitedKingdom);
const QLocale kNorwegian(QLocale::NorwegianBokmal, QLocale::Norway);

class CalendarAccessibilityTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        colors.mSetDefaultColors();
        const auto on = [](int month, int day) { return ole(QDate(2026, month, day)); };
        const auto at = [](int hour, int minute) { return timeOfDay(hour, minute); };
        ASSERT_TRUE(
            createLiturgy(path("Liturgy.mdb"), {{1, on(12, 20), 0, 1, "Fourth Sunday of Advent"},
                                                {2, on(12, 24), 0, 0, "Christmas Eve"},
                                                {3, on(12, 25), 0, 0, "Christmas Day"},
                                                {4, on(12, 26), 0, 3, "St Stephen"},
                                                {5, on(12, 26), 0, 0, "Second Day of Christmas"}}));
        ASSERT_TRUE(
            createPlan(path("Plan.mdb"), {{on(12, 24), at(18, 0), "Evening Prayer", "Chapel"},
                                          {on(12, 24), at(23, 0), "Midnight Mass", "Cathedral"},
                                          {on(12, 26), at(11, 0), "Holy Communion", QVariant()}}));
        ini = writeFile("host.ini", iniText(path("Liturgy.mdb"), path("Plan.mdb")));
    }

    // A month view on a date, in a language, refilled whenever its month changes, as the host
    // window does.
    std::unique_ptr<MonthCalendarView> month(const QLocale& locale, const QDate& date) {
        auto view = std::make_unique<MonthCalendarView>();
        view->setLocale(locale);
        view->setColorTable(colors.table());
        view->model().setFirstDayOfWeek(2);
        view->resize(700, 500);
        view->setCurrentDate(date);
        MonthCalendarView* v = view.get();
        const auto fill = [this, v] {
            cFillCalendar f;
            f.setPVkIniFile(ini);
            f.setPoLitColors(&colors);
            f.setPctMonth(&v->model());
            f.mFillCalendar();
            v->refresh();
        };
        fill();
        QObject::connect(v, &MonthCalendarView::currentDateChanged, v, fill);
        return view;
    }

    // A week view on the weeks of December 2026 from Monday.
    std::unique_ptr<WeekCalendarView> week(const QLocale& locale, const QDate& date) {
        auto view = std::make_unique<WeekCalendarView>();
        view->setLocale(locale);
        view->setColorTable(colors.table());
        view->model().setFirstDayOfWeek(2);
        view->resize(700, 500);
        view->setRange(CalendarLocale::startOfWeek(QDate(2026, 12, 1), 2), QDate(2026, 12, 31));
        view->setCurrentDate(date);
        fill(*view);
        return view;
    }

    // Refills a week view from the plan of `ini`, as the host window does.
    void fill(WeekCalendarView& view) {
        cFillWeekCalendar f;
        f.setPVkIniFile(ini);
        f.setPoLitColors(&colors);
        f.setPctCalendar(&view.model());
        f.mFillCalendar();
        view.redraw();
    }

    cLiturgicalColors colors;
    QString ini;
};

void focus(QWidget& view) {
    view.show();
    QApplication::setActiveWindow(&view);
    view.setFocus();
}

// What a reader says of the table and of one of its cells: the table's name, the cell's name
// and its states.
QString reading(QWidget& view, const QDate& date) {
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(&view);
    if (!table || table->role() != QAccessible::Table || !table->tableInterface())
        return QStringLiteral("no table");
    const auto* grid = dynamic_cast<CalendarGrid*>(&view);
    const qint64 index = grid->gridStart().daysTo(date);
    QAccessibleInterface* cell = table->tableInterface()->cellAt(int(index / 7), int(index % 7));
    if (!cell || cell->role() != QAccessible::Cell || cell->parent() != table ||
        table->indexOfChild(cell) != index)
        return QStringLiteral("no cell");
    const QAccessible::State s = cell->state();
    QStringList states;
    if (s.selected)
        states.append(QStringLiteral("selected"));
    if (s.focused)
        states.append(QStringLiteral("focused"));
    if (s.disabled)
        states.append(QStringLiteral("disabled"));
    return table->text(QAccessible::Name) + QStringLiteral(" | ") + cell->text(QAccessible::Name) +
           QStringLiteral(" | ") + states.join(QLatin1Char(' '));
}

// What the reader was told last by a view: the table's name, the cell given the focus and the
// cell no longer selected.
QString told(QWidget& view) {
    auto* table =
        dynamic_cast<CalendarTableAccessible*>(QAccessible::queryAccessibleInterface(&view));
    if (!table)
        return QStringLiteral("no table");
    QAccessibleInterface* focused = table->announcedFocus();
    QAccessibleInterface* left = table->announcedUnselected();
    return table->announcedTitle() + QStringLiteral(" | ") +
           (focused ? focused->text(QAccessible::Name) : QStringLiteral("no focus")) +
           QStringLiteral(" | ") + (left ? left->text(QAccessible::Name) : QStringLiteral("none"));
}

void press(QWidget& w, int key) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&w, &down);
}

} // namespace

TEST_F(CalendarAccessibilityTest, CellsNameTheirDaysInTheEditionsLanguage) {
    const QDate current(2026, 12, 24);
    struct Case {
        bool weekView;
        QLocale locale;
        QDate date;
        bool focused;
        QString reading;
    };
    const QList<Case> cases = {
        {false, kEnglish, current, true,
         "December 2026 | Thursday 24 December 2026, Christmas Eve, white, 2 services: 6:00 PM "
         "Evening Prayer, 11:00 PM Midnight Mass | selected focused"},
        {false, kEnglish, current, false,
         "December 2026 | Thursday 24 December 2026, Christmas Eve, white, 2 services: 6:00 PM "
         "Evening Prayer, 11:00 PM Midnight Mass | selected"},
        // The month paints a day in the colour of its last row.
        {false,
         kEnglish,
         {2026, 12, 26},
         true,
         "December 2026 | Saturday 26 December 2026, St Stephen, Second Day of Christmas, "
         "white, 1 service: 11:00 AM Holy Communion | "},
        // The first cell is a day of November: its date alone.
        {false, kEnglish, {2026, 11, 30}, false, "December 2026 | Monday 30 November 2026 | "},
        {false,
         kNorwegian,
         {2026, 12, 20},
         false,
         "desember 2026 | søndag 20. desember 2026, Fourth Sunday of Advent, fiolett | "},
        // The week gives every colour of a day and where its services are.
        {true,
         kEnglish,
         {2026, 12, 26},
         false,
         "30 November 2026 to 31 December 2026 | Saturday 26 December 2026, St Stephen, Second "
         "Day of Christmas, red and white, 1 service: 11:00 AM Holy Communion | "},
        {true, kNorwegian, current, true,
         "30. november 2026 til 31. desember 2026 | torsdag 24. desember 2026, Christmas Eve, "
         "hvit, 2 gudstjenester: 6:00 PM Evening Prayer (Chapel), 11:00 PM Midnight Mass "
         "(Cathedral) | selected focused"},
        // The grid runs to the end of the week; days after the range cannot be chosen.
        {true,
         kEnglish,
         {2027, 1, 1},
         false,
         "30 November 2026 to 31 December 2026 | Friday 1 January 2027 | disabled"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reading.toStdString());
        std::unique_ptr<QWidget> view;
        if (c.weekView)
            view = week(c.locale, current);
        else
            view = month(c.locale, current);
        if (c.focused)
            focus(*view);
        EXPECT_EQ(reading(*view, c.date), c.reading);
    }
}

TEST_F(CalendarAccessibilityTest, ArrowsMoveTheReadersFocusDayByDay) {
    struct Step {
        bool weekView;
        int key;
        QString told;
    };
    const QList<Step> steps = {
        {false, Qt::Key_Right,
         "December 2026 | Friday 25 December 2026, Christmas Day, white | none"},
        // A new month is refilled before its day is said; the cell left, no longer selected,
        // shows a day of the new month.
        {false, Qt::Key_Down, "January 2027 | Friday 1 January 2027 | Friday 22 January 2027"},
        {false, Qt::Key_Up,
         "December 2026 | Friday 25 December 2026, Christmas Day, white | Friday 4 December 2026"},
        {false, Qt::Key_Return, "opened 25 Dec 2026"},
        {true, Qt::Key_Left,
         "30 November 2026 to 31 December 2026 | Wednesday 23 December 2026 | none"},
        {true, Qt::Key_Up,
         "30 November 2026 to 31 December 2026 | Wednesday 16 December 2026 | Wednesday 23 "
         "December 2026"},
        {true, Qt::Key_Enter, "opened 16 Dec 2026"},
    };
    const std::unique_ptr<MonthCalendarView> monthView = month(kEnglish, {2026, 12, 24});
    const std::unique_ptr<WeekCalendarView> weekView = week(kEnglish, {2026, 12, 24});
    QString opened;
    const auto open = [&opened](const QDate& d) {
        opened = QStringLiteral("opened ") + kEnglish.toString(d, "d MMM yyyy");
    };
    QObject::connect(monthView.get(), &MonthCalendarView::dayActivated, open);
    QObject::connect(weekView.get(), &WeekCalendarView::dayActivated, open);
    for (const Step& s : steps) {
        QWidget& view = s.weekView ? static_cast<QWidget&>(*weekView) : *monthView;
        if (!view.hasFocus())
            focus(view);
        opened.clear();
        press(view, s.key);
        EXPECT_EQ(opened.isEmpty() ? told(view) : opened, s.told) << s.key;
    }
}

TEST_F(CalendarAccessibilityTest, ARefillTellsTheReaderTheNamesOfTheDaysItChanged) {
    // Midnight Mass moves to half past eleven.
    const auto on = [](int day) { return ole(QDate(2026, 12, day)); };
    ASSERT_TRUE(
        createPlan(path("Moved.mdb"), {{on(24), timeOfDay(18, 0), "Evening Prayer", "Chapel"},
                                       {on(24), timeOfDay(23, 30), "Midnight Mass", "Cathedral"},
                                       {on(26), timeOfDay(11, 0), "Holy Communion", QVariant()}}));
    const QString planned = ini;
    for (const bool weekly : {false, true}) {
        SCOPED_TRACE(weekly);
        ini = planned;
        std::unique_ptr<MonthCalendarView> monthView;
        std::unique_ptr<WeekCalendarView> weekView;
        QWidget* view = nullptr;
        if (weekly)
            view = (weekView = week(kEnglish, {2026, 12, 20})).get();
        else
            view = (monthView = month(kEnglish, {2026, 12, 20})).get();
        ini = writeFile("moved.ini", iniText(path("Liturgy.mdb"), path("Moved.mdb")));
        // The month is refilled when its month is shown again.
        if (weekly)
            fill(*weekView);
        else
            monthView->setShownMonth(12);
        auto* table =
            dynamic_cast<CalendarTableAccessible*>(QAccessible::queryAccessibleInterface(view));
        EXPECT_EQ(table->announcedRenames(),
                  QStringList{QStringLiteral("Thursday 24 December 2026, Christmas Eve, white, 2 "
                                             "services: 6:00 PM Evening Prayer%1, 11:30 PM "
                                             "Midnight Mass%2")
                                  .arg(weekly ? " (Chapel)" : "", weekly ? " (Cathedral)" : "")});
    }
}

TEST_F(CalendarAccessibilityTest, EveryColourPairReadsAtFourAndAHalfToOne) {
    // Every pair the calendars draw, in the style's own palette, a dark one and a high-contrast
    // one: text at 4.5:1 at least, the frame of the current day at 3:1 against its day.
    // Qt derives the other roles of a dark palette from its button and window colours.
    QPalette dark(QColor(0x35, 0x35, 0x3a), QColor(0x2a, 0x2a, 0x2e));
    dark.setColor(QPalette::PlaceholderText, QColor(0x60, 0x60, 0x60));
    dark.setColor(QPalette::Highlight, QColor(0x3d, 0xae, 0xe9));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    QPalette contrast(Qt::black, Qt::white);
    contrast.setColor(QPalette::Highlight, Qt::yellow);
    contrast.setColor(QPalette::HighlightedText, Qt::black);
    const std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
    const QList<std::pair<const char*, QPalette>> palettes = {
        {"light", fusion->standardPalette()}, {"dark", dark}, {"high contrast", contrast}};
    QStringList poor;
    for (const auto& [name, palette] : palettes) {
        QList<std::pair<QString, std::pair<QColor, QColor>>> pairs = {
            {"plain day", CalendarPaint::dayColors(palette, true, std::nullopt)},
            {"other month", CalendarPaint::dayColors(palette, false, std::nullopt)},
            {"band", CalendarPaint::bandColors(palette)},
            {"today's band", CalendarPaint::bandColors(palette, true)},
        };
        for (const qint32 value : colors.table())
            pairs.append(
                {QString::number(value, 16), CalendarPaint::dayColors(palette, true, value)});
        for (const auto& [what, pair] : pairs) {
            const auto& [background, text] = pair;
            const double ratio = CalendarPaint::contrastRatio(background, text);
            const QColor frame = CalendarPaint::readableOn(background);
            if (ratio < 4.5 || CalendarPaint::contrastRatio(background, frame) < 3)
                poor.append(QStringLiteral("%1 %2: %3").arg(name, what).arg(ratio, 0, 'f', 2));
        }
    }
    EXPECT_EQ(poor, QStringList());

    // A large font keeps the title and weekdays whole above the first week.
    MonthCalendarView view;
    QFont large = view.font();
    large.setPointSizeF(large.pointSizeF() * 3);
    view.setFont(large);
    view.resize(1400, 1000);
    QFont title = large;
    title.setBold(true);
    title.setPointSizeF(large.pointSizeF() * 1.2);
    EXPECT_GE(view.cellRect(view.gridStart()).top(),
              QFontMetrics(title).height() + QFontMetrics(large).height());
}
