// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The journeys church staff make through the host application's window, as they make them:
// the window loads the component's library as the program does, on a generated data set, and
// each journey is a row of clicks and keys on what a person sees. After it the row compares
// what a person would read: the readings page's first line, the day list's entry, the status
// bar, what the print tool says it prints, the first line of what the print preview prints,
// and the clipboard.
#include "SampleSet.h"
#include "app/HostWindow.h"
#include "app/SSActiveToolBars.h"
#include "common/FakePrograms.h"
#include "common/SqlFile.h"
#include "common/TestEnv.h"
#include "resources/ResourceStrings.h"
#include "resources/mMain.h"
#include "support/OleDate.h"
#include "support/SystemFormats.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>
#include <QTreeWidget>
#include <functional>

namespace {

constexpr const char* kAppTitle = "Liturgy Calendar";
// The day the component takes as today.
QDate today() {
    return {2024, 3, 20};
}

// What a person reads after a journey.
struct Seen {
    QString calendar;                     // the day marked in the calendar in front
    QString tree;                         // the month selected in the tree, once it is filled
    QString heading;                      // the first line of the readings page
    QString dayList;                      // the entry of the readings page's day list
    QString status;                       // the host's status bar
    QString printTip;                     // the tip of the Print tool: what it prints
    QString printed;                      // the first line of what the print preview prints
    QString clipboard;                    // the first line of the clipboard's text
    QString view = QStringLiteral("top"); // where the page is scrolled: top, middle or end
    QString toString() const {
        return QStringList{
            "calendar: " + calendar, "tree: " + tree,           "heading: " + heading,
            "day list: " + dayList,  "status: " + status,       "print tip: " + printTip,
            "printed: " + printed,   "clipboard: " + clipboard, "view: " + view}
            .join(QLatin1Char('\n'));
    }
};

// All a message box says: its title, text, buttons and what its details hold.
QString boxText(const QMessageBox* box) {
    QStringList buttons;
    for (const QAbstractButton* button : box->buttons())
        buttons << button->text();
    return QStringList{box->windowTitle(), box->text(), buttons.join(QLatin1String(" | ")),
                       box->detailedText()}
        .join(QLatin1Char('\n'));
}

class JourneysTest : public TestEnv {
protected:
    // One year is enough for the dates the journeys go to.
    static void SetUpTestSuite() { s_set = new SampleSet(2024, 2024); }
    static void TearDownTestSuite() { delete s_set; }
    static SampleSet* s_set;

    void SetUp() override {
        TestEnv::SetUp();
        ASSERT_TRUE(s_set->ok()) << s_set->error().toStdString();
        // Off screen nobody answers a message box: each one is noted and closed. A print
        // preview prints to a PDF, as its Print button does with a file chosen.
        QObject::connect(&m_answer, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                m_messages.append(boxText(box));
                box->done(QMessageBox::Ok);
            } else if (auto* preview = qobject_cast<QPrintPreviewDialog*>(modal)) {
                preview->printer()->setOutputFormat(QPrinter::PdfFormat);
                preview->printer()->setOutputFileName(path(QStringLiteral("printed.pdf")));
                preview->findChild<QPrintPreviewWidget*>()->print();
                preview->reject();
            }
        });
        m_answer.start(20);
    }

    void TearDown() override {
        m_answer.stop();
        TestEnv::TearDown();
    }

    // The first calendar row of a date in an edition's database: its ID and name.
    static QVariantList firstRow(const QDate& date,
                                 const QString& database = QStringLiteral("Brastelo.MDB")) {
        const QList<QVariantList> rows = SqlFile::rows(
            s_set->file(database),
            QStringLiteral(
                "SELECT ID, ShortName FROM tbCalenderData WHERE Date = %1 ORDER BY ID LIMIT 1")
                .arg(OleDate::fromDate(date), 0, 'f', 0));
        return rows.isEmpty() ? QVariantList{0, QString()} : rows.first();
    }

    // What a person sees on `date` when the readings page shows it: the page begins with the
    // date and the day's name; a day without one is named by its weekday and says that no
    // readings are appointed, on the page and in the status bar.
    static Seen onDate(const QDate& date, const QString& printTip, bool printed = false,
                       bool copied = false) {
        QString name = firstRow(date)[1].toString();
        QString status = name;
        if (name.isEmpty()) {
            name = QLocale().dayName(date.dayOfWeek());
            status = name + QStringLiteral(" - No readings are appointed for this day.");
        }
        const QString heading = SystemFormats::shortDate(date) + QStringLiteral(" - ") + name;
        return {date.toString(Qt::ISODate),
                QString(),
                heading,
                name,
                mMain::getVersionName(1) + QStringLiteral(" - ") + status,
                printTip,
                printed ? heading : QString(),
                copied ? heading : QString()};
    }
    // The same with a calendar printed: its first line is the month.
    static Seen calendarPrinted(const QDate& date, const QString& printTip,
                                const QString& printedMonth) {
        Seen seen = onDate(date, printTip);
        seen.printed = printedMonth;
        return seen;
    }

    bool open(HostWindow& window, const QDate& start, qint32 edition = 1) {
        HostWindow::Options options;
        options.iniFile = s_set->iniFile();
        options.edition = edition;
        options.date = start;
        options.now = QDateTime(today(), QTime(9, 30));
        QString error;
        window.resize(1280, 800);
        if (!window.open(options, &error)) {
            ADD_FAILURE() << error.toStdString();
            return false;
        }
        window.show();
        QApplication::setActiveWindow(&window);
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        return true;
    }

    // The first line of the PDF the last preview printed, below the page's own header (the
    // program's title or the date of print).
    QString printedFirstLine() {
        const QString pdf = path(QStringLiteral("printed.pdf"));
        if (!QFile::exists(pdf))
            return {};
        QProcess p;
        p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        p.waitForFinished(60000);
        QFile::remove(pdf);
        static const QRegularExpression dateOnly(QStringLiteral("^[0-9/.]+$"));
        for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n')) {
            const QString l = line.simplified();
            if (!l.isEmpty() && l != QLatin1String(kAppTitle) && !dateOnly.match(l).hasMatch())
                return l;
        }
        return {};
    }

    Seen seen(const HostWindow& window) {
        Seen s;
        for (const char* name : {"ctMonth1", "ctCalendar1"}) {
            const QWidget* calendar = window.componentWindow()->findChild<QWidget*>(name);
            if (!calendar->visibleRegion().isEmpty())
                s.calendar = calendar->property("currentDate").toDate().toString(Qt::ISODate);
        }
        // The month as a screen reader reads it, with its year.
        if (auto* tree = window.componentWindow()->findChild<QTreeWidget*>("TList1");
            tree->currentItem() && tree->currentItem()->parent())
            s.tree = tree->currentItem()->data(0, Qt::AccessibleTextRole).toString();
        QWidget* readings = window.componentWindow()->findChild<QDockWidget*>("pane4");
        if (auto* browser = readings->findChild<QTextBrowser*>("WebBrowser1")) {
            s.heading = browser->toPlainText().section(QLatin1Char('\n'), 0, 0).trimmed();
            const QScrollBar* bar = browser->verticalScrollBar();
            s.view = bar->value() == 0                ? QStringLiteral("top")
                     : bar->value() == bar->maximum() ? QStringLiteral("end")
                                                      : QStringLiteral("middle");
        }
        if (auto* list = readings->findChild<QComboBox*>())
            s.dayList = list->currentText();
        s.status = window.statusBar()->findChild<QLabel*>(QStringLiteral("statusText"))->text();
        s.printTip = window.toolbar()->findChild<QAction*>("ID_PRINT")->toolTip();
        s.printed = printedFirstLine();
        s.clipboard = QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0).trimmed();
        return s;
    }

    QStringList m_messages;

private:
    QTimer m_answer;
};

SampleSet* JourneysTest::s_set = nullptr;

Seen with(Seen seen, const std::function<void(Seen&)>& change) {
    change(seen);
    return seen;
}

// ---- What a person does ------------------------------------------------------------------------

using Step = std::function<void(HostWindow&)>;

QWidget* named(const HostWindow& w, const char* name) {
    QWidget* widget = w.componentWindow()->findChild<QWidget*>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

// A click on the day's cell of the month or the week calendar.
Step clickDay(const char* calendar, const QDate& date) {
    return [=](HostWindow& w) {
        QWidget* view = named(w, calendar);
        QRect cell;
        QMetaObject::invokeMethod(view, "cellRect", Qt::DirectConnection, Q_RETURN_ARG(QRect, cell),
                                  Q_ARG(QDate, date));
        ASSERT_FALSE(cell.isEmpty()) << date.toString(Qt::ISODate).toStdString();
        auto* area = qobject_cast<QAbstractScrollArea*>(view);
        QTest::mouseClick(area ? area->viewport() : view, Qt::LeftButton, {}, cell.center());
        QTest::qWait(10);
    };
}

// A click on the tab of that title.
Step clickTab(const QString& title) {
    return [=](HostWindow& w) {
        for (QTabBar* bar : w.componentWindow()->findChildren<QTabBar*>()) {
            for (int i = 0; i < bar->count(); ++i) {
                if (bar->tabText(i) == title && bar->isVisible()) {
                    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
                    QTest::qWait(10);
                    return;
                }
            }
        }
        ADD_FAILURE() << "no tab " << title.toStdString();
    };
}

// Keys typed into whatever has the focus.
Step keys(const QList<QPair<int, Qt::KeyboardModifiers>>& presses) {
    return [=](HostWindow&) {
        for (const auto& [key, modifiers] : presses) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            QTest::keyClick(focus, Qt::Key(key), modifiers);
        }
        QTest::qWait(10);
    };
}

Step key(int key, Qt::KeyboardModifiers modifiers = {}) {
    return keys({{key, modifiers}});
}

// Ctrl+G, the date typed, Enter.
Step goTo(const QString& date) {
    return [=](HostWindow& w) {
        key(Qt::Key_G, Qt::ControlModifier)(w);
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClicks(focus, date);
        key(Qt::Key_Return)(w);
    };
}

// A click on a tool of the host's toolbar.
Step tool(const char* id) {
    return [=](HostWindow& w) {
        QAction* action = w.toolbar()->findChild<QAction*>(QLatin1String(id));
        ASSERT_NE(action, nullptr);
        ASSERT_TRUE(action->isEnabled()) << id;
        QTest::mouseClick(w.toolbar()->widgetForAction(action), Qt::LeftButton);
        QTest::qWait(50);
    };
}

// `step` on a desktop with a word processor: xdg-open and xdg-mime stand in for it.
Step wordProcessor(const Step& step) {
    return [=](HostWindow& w) {
        FakePrograms desktop(QDir::temp().filePath(QStringLiteral("desktop")));
        desktop.add(QStringLiteral("xdg-mime"), 0, QStringLiteral("writer.desktop"));
        desktop.add(QStringLiteral("xdg-open"));
        step(w);
        EXPECT_EQ(desktop.runs(QStringLiteral("xdg-open")).size(), 1);
    };
}

// A click on a button of the component's window.
Step click(const char* button) {
    return [=](HostWindow& w) {
        QTest::mouseClick(named(w, button), Qt::LeftButton);
        QTest::qWait(10);
    };
}

// A click into the readings page's text.
Step clickPage() {
    return [](HostWindow& w) {
        auto* browser = named(w, "pane4")->findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"));
        QTest::mouseClick(browser->viewport(), Qt::LeftButton, {}, QPoint(20, 20));
        QTest::qWait(10);
    };
}

// The tree's edge button, then a month item of the tree.
Step clickTreeMonth(int year, const QString& month) {
    return [=](HostWindow& w) {
        QAction* edge = w.componentWindow()->findChild<QAction*>(QStringLiteral("showPane3"));
        ASSERT_NE(edge, nullptr);
        for (QToolBar* bar : w.componentWindow()->findChildren<QToolBar*>())
            if (bar->actions().contains(edge))
                QTest::mouseClick(bar->widgetForAction(edge), Qt::LeftButton);
        QTest::qWait(20);
        auto* tree = named(w, "fTList")->findChild<QTreeWidget*>();
        ASSERT_NE(tree, nullptr);
        const QList<QTreeWidgetItem*> years =
            tree->findItems(QString::number(year), Qt::MatchExactly);
        ASSERT_EQ(years.size(), 1);
        for (int i = 0; i < years.first()->childCount(); ++i) {
            QTreeWidgetItem* item = years.first()->child(i);
            if (item->text(0) != month)
                continue;
            tree->scrollToItem(item);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualItemRect(item).center());
            QTest::qWait(10);
            return;
        }
        ADD_FAILURE() << "no month " << month.toStdString();
    };
}

// The readings pane closed by its button, then shown again from the window's pane menu.
Step closeAndShowReadingsFromPaneMenu(const Step& meanwhile) {
    return [=](HostWindow& w) {
        auto* pane = qobject_cast<QDockWidget*>(named(w, "pane4"));
        pane->close();
        QTest::qWait(10);
        meanwhile(w);
        // The pane menu opens on the calendar tools; the readings item is picked in it.
        QWidget* tools = named(w, "calendarTools");
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                tools->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(tools, &event);
        QTest::qWait(20);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* item : menu->actions())
            if (item->objectName() == QLatin1String("showPane4"))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        QTest::qWait(20);
    };
}

using Key = QPair<int, Qt::KeyboardModifiers>;

TEST_F(JourneysTest, EveryWayToADayShowsItEverywhereAndPrintsWhatWasWorkedIn) {
    const QDate start(2024, 3, 1);
    const QDate lent4(2024, 3, 10);
    const QDate palmSunday(2024, 3, 24);
    const QDate annunciation(2024, 3, 25);
    const QString march = QStringLiteral("Print: March 2024");
    const QString weekOfMarch = QStringLiteral("Print: Week, March 2024");
    struct Row {
        const char* journey;
        QList<Step> steps;
        Seen expected;
    };
    const QList<Row> rows = {
        {"month: a click on a day, then Print Preview",
         {clickDay("ctMonth1", lent4), tool("ID_PREVIEW")},
         calendarPrinted(lent4, march, "March 2024")},
        {"month: Page Down moves a month on",
         {clickDay("ctMonth1", lent4), key(Qt::Key_PageDown), tool("ID_PREVIEW")},
         calendarPrinted(QDate(2024, 4, 10), "Print: April 2024", "April 2024")},
        {"month: a click into the page, then Print Preview prints the page",
         {clickDay("ctMonth1", palmSunday), clickPage(), tool("ID_PREVIEW")},
         onDate(palmSunday, "Print: Readings, 24 Mar 2024", true)},
        {"week: a click on a day, then Print Preview",
         {clickTab("Week"), clickDay("ctCalendar1", palmSunday), tool("ID_PREVIEW")},
         calendarPrinted(palmSunday, weekOfMarch, "March 2024")},
        {"week: the arrow key to the next day",
         {clickTab("Week"), clickDay("ctCalendar1", palmSunday), key(Qt::Key_Right)},
         onDate(annunciation, weekOfMarch)},
        {"week: go to a date; the page follows and is printed once clicked",
         {clickTab("Week"), clickDay("ctCalendar1", lent4), goTo("20240325"), clickPage(),
          tool("ID_PREVIEW")},
         onDate(annunciation, "Print: Readings, 25 Mar 2024", true)},
        {"month: go to a date",
         {goTo("20240324")},
         onDate(palmSunday, "Print: Readings, 24 Mar 2024")},
        {"tree: a month of the side pane",
         {clickDay("ctMonth1", lent4), clickTreeMonth(2024, "April")},
         with(onDate(QDate(2024, 4, 10), "Print: April 2024"),
              [](Seen& s) { s.tree = QStringLiteral("April 2024"); })},
        {"month: Enter on a day brings its page forward with the focus",
         {clickDay("ctMonth1", lent4),
          keys({Key(Qt::Key_Left, {}), Key(Qt::Key_Left, {}), Key(Qt::Key_Return, {})}),
          tool("ID_PREVIEW")},
         onDate(QDate(2024, 3, 8), "Print: Readings, 8 Mar 2024", true)},
        {"month: Go to Today after moving a month on",
         {clickDay("ctMonth1", lent4), key(Qt::Key_PageDown), click("Command1")},
         onDate(today(), march)},
        {"month: Home goes to today",
         {clickDay("ctMonth1", palmSunday), key(Qt::Key_Home)},
         onDate(today(), march)},
        {"week in a narrow window: its days stacked one a row, Down goes to the day below",
         {[](HostWindow& w) {
              w.resize(400, 700);
              QTest::qWait(50);
          },
          clickTab("Week"), clickDay("ctCalendar1", QDate(2024, 3, 2)), key(Qt::Key_Down)},
         onDate(QDate(2024, 3, 3), weekOfMarch)},
        {"week: Go to Today from another week",
         {clickTab("Week"), clickDay("ctCalendar1", lent4), click("Command1")},
         onDate(today(), weekOfMarch)},
        {"week: go to a date in another month, then Go to Today",
         {clickTab("Week"), goTo("20240505"), click("Command1")},
         onDate(today(), weekOfMarch)},
        {"tree: Go to Today from a month of the side pane; the tree follows",
         {clickTreeMonth(2024, "May"), click("Command1")},
         with(onDate(today(), "Print: Readings, 20 Mar 2024"),
              [](Seen& s) { s.tree = QStringLiteral("March 2024"); })},
        {"month: Copy Day Page with the focus in the month",
         {clickDay("ctMonth1", palmSunday), key(Qt::Key_C, Qt::ControlModifier)},
         onDate(palmSunday, march, false, true)},
        {"week: Copy Day Page with the focus in the week",
         {clickTab("Week"), clickDay("ctCalendar1", lent4), key(Qt::Key_C, Qt::ControlModifier)},
         onDate(lent4, weekOfMarch, false, true)},
        {"readings: Copy Day Page in the page with nothing selected",
         {clickDay("ctMonth1", palmSunday), clickPage(), key(Qt::Key_C, Qt::ControlModifier)},
         onDate(palmSunday, "Print: Readings, 24 Mar 2024", false, true)},
        {"readings: Open in Word Processor leaves the page where the user was reading",
         {clickDay("ctMonth1", palmSunday), clickPage(), key(Qt::Key_PageDown),
          wordProcessor(tool("OPEN_IN_MS_WORD"))},
         with(onDate(palmSunday, "Print: Readings, 24 Mar 2024", false, true),
              [](Seen& s) { s.view = QStringLiteral("middle"); })},
        {"pane menu: the readings shown again follow the date",
         {closeAndShowReadingsFromPaneMenu(clickDay("ctMonth1", palmSunday))},
         onDate(palmSunday, march)},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.journey);
        QApplication::clipboard()->clear();
        m_messages.clear();
        HostWindow window;
        ASSERT_TRUE(open(window, start));
        for (const Step& step : row.steps)
            step(window);
        EXPECT_EQ(seen(window).toString(), row.expected.toString());
        EXPECT_EQ(m_messages, QStringList());
    }
}

// What a screen reader says for the focused control: its name and its role.
QString focusName() {
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("(none)");
    const QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(focus);
    return iface->text(QAccessible::Name) + QStringLiteral(" (") +
           QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role()) + QLatin1Char(')');
}

// The controls that Tab (or Shift+Tab) visits from the date field, once round.
QStringList tabRound(HostWindow& window, Qt::KeyboardModifiers modifiers) {
    key(Qt::Key_G, Qt::ControlModifier)(window);
    QStringList order{focusName()};
    do {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, modifiers);
        order.append(focusName());
    } while (order.last() != order.first() && order.size() < 30);
    return order;
}

// The calendar in front and what has the focus, as a screen reader says it.
Step inFront(const char* calendar, const QString& focus) {
    return [=](HostWindow& w) {
        EXPECT_FALSE(named(w, calendar)->visibleRegion().isEmpty()) << calendar;
        EXPECT_EQ(focusName(), focus);
    };
}

TEST_F(JourneysTest, TabGoesThroughEveryControlInOrder) {
    // The date field, the today button, the tree's switch, the tabs of the calendars, the
    // calendar in front (the month with its buttons), the tabs of the day pages, and the page
    // in front with its day list; then round again.
    const QString field = QStringLiteral("Go to date (EditableText)");
    const QString page = QStringLiteral("3/10/24 - Lent 4, Readings (StaticText)");
    const QString monthTable = QStringLiteral("March 2024 (Table)");
    const QString weekTable = QStringLiteral("25 February 2024 to 31 March 2024 (Table)");
    const QStringList month = {field,
                               "Go to Today (Button)",
                               "Calendar (CheckBox)",
                               "Month (PageTabList)",
                               "Previous month (Button)",
                               "Next month (Button)",
                               monthTable,
                               "Readings (PageTabList)",
                               "Lent 4 (ComboBox)",
                               page,
                               field};
    const QStringList week = {field,
                              "Go to Today (Button)",
                              "Calendar (CheckBox)",
                              "Week (PageTabList)",
                              weekTable,
                              "Prayers (PageTabList)",
                              "Lent 4 (ComboBox)",
                              "3/10/24 - Lent 4, Prayers (StaticText)",
                              field};
    // The tree, shown by its switch, comes after it.
    QStringList withTree = month;
    withTree.insert(3, QStringLiteral("Calendar (Tree)"));
    struct Row {
        const char* journey;
        QList<Step> steps;
        QStringList forward;
    };
    const QList<Row> rows = {
        {"month and readings in front", {}, month},
        {"week and prayers in front",
         {clickTab(QStringLiteral("Week")), clickTab(QStringLiteral("Prayers"))},
         week},
        {"the tree shown by the keyboard",
         {keys({Key(Qt::Key_G, Qt::ControlModifier), Key(Qt::Key_Tab, {}), Key(Qt::Key_Tab, {}),
                Key(Qt::Key_Space, {})})},
         withTree},
        // In a calendar and on the calendars' tabs alike, as in any tabbed window.
        {"Ctrl+Tab and Ctrl+Shift+Tab switch the calendars",
         {clickDay("ctMonth1", QDate(2024, 3, 10)), key(Qt::Key_Tab, Qt::ControlModifier),
          inFront("ctCalendar1", weekTable),
          key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier),
          inFront("ctMonth1", monthTable),
          keys({Key(Qt::Key_Backtab, Qt::ShiftModifier), Key(Qt::Key_Backtab, Qt::ShiftModifier),
                Key(Qt::Key_Backtab, Qt::ShiftModifier),
                Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier)}),
          inFront("ctCalendar1", "Week (PageTabList)"), key(Qt::Key_Tab, Qt::ControlModifier),
          inFront("ctMonth1", "Month (PageTabList)")},
         month},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.journey);
        HostWindow window;
        ASSERT_TRUE(open(window, QDate(2024, 3, 10)));
        for (const Step& step : row.steps)
            step(window);
        EXPECT_EQ(tabRound(window, {}), row.forward);
        QStringList backward = row.forward;
        std::reverse(backward.begin(), backward.end());
        EXPECT_EQ(tabRound(window, Qt::ShiftModifier), backward);
    }
}

// Every element under `iface` that is shown and takes the focus or an action but has no name,
// each by the names (or roles) of the places above it and its role.
void unnamed(QAccessibleInterface* iface, const QString& place, QStringList& found) {
    if (!iface || iface->state().invisible)
        return;
    const QString name = iface->text(QAccessible::Name).trimmed();
    const QString role = QMetaEnum::fromType<QAccessible::Role>().valueToKey(iface->role());
    const QString here = place + QLatin1Char('/') + (name.isEmpty() ? role : name);
    const QAccessibleActionInterface* actions = iface->actionInterface();
    const bool operable =
        iface->state().focusable || (actions && !actions->actionNames().isEmpty());
    if (name.isEmpty() && operable)
        found.append(here);
    for (int i = 0; i < iface->childCount(); ++i)
        unnamed(iface->child(i), here, found);
}

TEST_F(JourneysTest, EveryControlOfTheWindowHasAName) {
    // A narrow window puts some tools of the host's toolbar behind its overflow button; the
    // Norwegian edition names its controls in Norwegian; the multi-edition window shows the
    // chooser.
    // So does every control of the service dialogs, whose titles a reader hears.
    const QHash<qint32, QStringList> dialogs = {{1, {"New Service", "Recurring Services"}},
                                                {47, {"Ny gudstjeneste", "Faste gudstjenester"}},
                                                {1020, {"New Service", "Recurring Services"}}};
    for (const qint32 edition : {1, 47, 1020}) {
        SCOPED_TRACE(edition);
        HostWindow window;
        ASSERT_TRUE(open(window, QDate(2024, 3, 10), edition));
        window.resize(640, 700);
        // The tree and its pane shown, as its switch shows them.
        QAction* edge = window.componentWindow()->findChild<QAction*>(QStringLiteral("showPane3"));
        ASSERT_NE(edge, nullptr);
        edge->trigger();
        QTest::qWait(50);
        QStringList found;
        unnamed(QAccessible::queryAccessibleInterface(&window), QString(), found);
        QStringList titles;
        for (const char* id :
             {"ID_VK_LITURGY_CALENDAR_NEW_SERVICE", "ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE"}) {
            QTimer::singleShot(100, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(dialog);
                titles << (iface ? iface->text(QAccessible::Name) : QString());
                unnamed(iface, QString(), found);
                if (dialog)
                    dialog->close();
            });
            tool(id)(window);
        }
        EXPECT_EQ(titles, dialogs.value(edition));
        EXPECT_EQ(found, QStringList());
        // So narrow, the day pages leave the month the larger share, for readable names.
        EXPECT_GT(named(window, "pane1")->width(), named(window, "pane4")->width());
    }
}

// The titles of the tabs of the window's panes, one group a line.
QStringList tabTitles(const HostWindow& w) {
    QStringList groups;
    for (const QTabBar* bar : w.componentWindow()->findChildren<QTabBar*>()) {
        if (!bar->isVisible())
            continue;
        QStringList titles;
        for (int i = 0; i < bar->count(); ++i)
            titles.append(bar->tabText(i));
        groups.append(titles.join(QLatin1Char('|')));
    }
    groups.sort();
    return groups;
}

// The words of one language that the other must never show, matched as whole words without
// regard to case. Words that both languages write alike (April, Send, OK, ...) are left out.
const QStringList kEnglishWords = {
    "file",     "edit",    "services",  "service",  "help",     "print",     "preview",  "setup",
    "open",     "word",    "processor", "mail",     "new",      "recurring", "search",   "web",
    "day",      "about",   "copy",      "quit",     "export",   "calendar",  "month",    "week",
    "readings", "prayers", "go",        "today",    "date",     "choose",    "previous", "next",
    "commands", "ready",   "edition",   "hidden",   "panes",    "show",      "tools",    "liturgy",
    "monday",   "tuesday", "wednesday", "thursday", "friday",   "saturday",  "sunday",   "mon",
    "tue",      "wed",     "thu",       "fri",      "sat",      "sun",       "january",  "february",
    "march",    "june",    "july",      "october",  "december", "first",     "reading",  "gospel",
    "psalm",    "second",  "white",     "violet",   "green",    "and",       "the",      "of",
    "cancel",   "time",    "place",     "kind",     "float",    "close",     "scroll"};
const QStringList kNorwegianWords = {
    "fil",    "rediger",   "gudstjenester", "gudstjeneste", "hjelp",  "skriv",    "måned",
    "uke",    "lesninger", "kollektbønn",   "gå",           "dato",   "kalender", "mandag",
    "søndag", "mars",      "forrige",       "neste",        "klar",   "utgave",   "og",
    "hvit",   "fiolett",   "første",        "lesning",      "avbryt", "ny",       "kommandoer",
    "søn",    "tir",       "løsne",         "lukk",         "rull"};

// The texts of the dialog that `open` opens: its title, labels and buttons; it is closed as
// soon as it is read.
QStringList dialogTexts(const std::function<void()>& open) {
    QStringList texts;
    QTimer::singleShot(100, [&texts] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        texts << dialog->windowTitle();
        for (QLabel* label : dialog->findChildren<QLabel*>())
            texts << label->text();
        for (QAbstractButton* button : dialog->findChildren<QAbstractButton*>())
            texts << button->text();
        dialog->reject();
    });
    open();
    EXPECT_FALSE(texts.isEmpty());
    return texts;
}

// Every text a person sees or hears in the window after a journey: the New Service, Print and
// Export Calendar dialogs, which leave the window in its language; then the menus and their
// items, the tools with their tips, the tool bars, the tabs, every control's text, name and tip,
// the status bar, the calendars' and their days' names as a screen reader speaks them (without
// the planned services, which are the plan's own words), and the readings page's heading and
// first reading heading.
QStringList shownTexts(HostWindow& w) {
    QStringList texts = dialogTexts([&w] { tool("ID_VK_LITURGY_CALENDAR_NEW_SERVICE")(w); });
    texts << dialogTexts([&w] { tool("ID_PRINT")(w); });
    texts << dialogTexts([&w] {
        QMenu* file = w.menuBar()->findChild<QMenu*>(QStringLiteral("&File"));
        QTest::mouseClick(w.menuBar(), Qt::LeftButton, {},
                          w.menuBar()->actionGeometry(file->menuAction()).center());
        QAction* item = file->findChild<QAction*>(QStringLiteral("exportCalendar"));
        QTest::mouseClick(file, Qt::LeftButton, {}, file->actionGeometry(item).center());
    });
    for (QAction* menu : w.menuBar()->actions()) {
        texts << menu->text();
        for (QAction* item : menu->menu()->actions())
            texts << item->text();
    }
    for (QToolBar* bar : w.findChildren<QToolBar*>()) {
        texts << bar->windowTitle();
        for (QAction* tool : bar->actions())
            texts << tool->text() << tool->toolTip();
    }
    texts << tabTitles(w);
    for (QWidget* widget : w.findChildren<QWidget*>()) {
        texts << widget->accessibleName() << widget->toolTip();
        if (auto* button = qobject_cast<QAbstractButton*>(widget))
            texts << button->text();
        if (auto* edit = qobject_cast<QLineEdit*>(widget))
            texts << edit->text() << edit->placeholderText();
    }
    texts << w.statusBar()->findChild<QLabel*>(QStringLiteral("statusText"))->text();
    for (const char* calendar : {"ctMonth1", "ctCalendar1"}) {
        QAccessibleInterface* view = QAccessible::queryAccessibleInterface(named(w, calendar));
        texts << view->text(QAccessible::Name);
        for (int i = 0; i < view->childCount(); ++i)
            texts << view->child(i)->text(QAccessible::Name).section(QStringLiteral(": "), 0, 0);
    }
    auto* page = named(w, "pane4")->findChild<QTextBrowser*>(QStringLiteral("WebBrowser1"));
    const QStringList lines = page->toPlainText().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (const QString& line : lines.mid(0, 2))
        texts << line.trimmed();
    return texts;
}

// The words of `texts` that are in `words`.
QStringList wordsOf(const QStringList& texts, const QStringList& words) {
    static const QRegularExpression separator(QStringLiteral("[^\\p{L}]+"));
    QStringList found;
    for (const QString& text : texts) {
        for (const QString& word : text.split(separator, Qt::SkipEmptyParts)) {
            if (words.contains(word.toLower()) && !found.contains(word))
                found << word;
        }
    }
    return found;
}

// An edition picked in the chooser takes effect whole and in one language: the panes of the
// edition, its words everywhere and its status. A person picks with the chooser's list open or
// with keys on the chooser itself.
TEST_F(JourneysTest, AnEditionChosenTakesEffectWholeInOneLanguage) {
    const QDate lent4(2024, 3, 10);
    struct Row {
        const char* pick;
        bool inList; // keys in the chooser's open list, then Enter; else on the closed chooser
        int key;
        QStringList menus;
        QStringList tabs;
        QString today;   // the text of the Go to Today button
        QString status;  // the status bar
        QString heading; // the readings page's heading
        QStringList foreign;
        QString title;   // the window's
        QString failure; // the boxes of Open in Word Processor and Send when they fail
    };
    const auto text = [](qint32 id) { return ResourceStrings::LoadResString(id); };
    const QStringList english = {"&File", "&Edit", "&Services", "&Help"};
    const QString englishFailure = QString(kAppTitle) + "\n" + text(1007) +
                                   " (FILE)\nOK | Show Details...\nThe following error has "
                                   "occurred in procedure: \nfHoster.openInMSWord on line 0\n"
                                   "Error (429) " +
                                   text(1007) +
                                   " (FILE)\nLiturgy Calendar\nNo mail program is set up on this "
                                   "computer, so the page cannot be sent from here.\r\nSave the "
                                   "page as a file to attach to a message by hand?\n&Yes | &No\n";
    const QString korva = firstRow(lent4, "KorvaLume.MDB")[1].toString();
    const QString velmark = firstRow(lent4, "Velmarka.MDB")[1].toString();
    const QString quorvane = firstRow(lent4, "Quorvane.MDB")[1].toString();
    const Row norwegian = {
        "the Norwegian church",
        true,
        Qt::Key_Home,
        {"&Fil", "&Rediger", "&Gudstjenester", "&Hjelp"},
        {text(2001) + "|" + text(2002), text(2004) + "|" + text(2005)},
        QStringLiteral("G\u00e5 til i dag"),
        mMain::getVersionName(47) + " - " + velmark,
        "10.03.2024 - " + velmark,
        kEnglishWords,
        "Liturgisk kalender",
        "Liturgisk kalender\n" + text(2007) +
            " (FILE)\nOK | Vis detaljer...\nFølgende feil har oppstått i prosedyren: "
            "\nfHoster.openInMSWord på linje 0\nFeil (429) " +
            text(2007) +
            " (FILE)\nLiturgisk kalender\nDet er ikke satt opp noe e-postprogram p\u00e5 denne "
            "datamaskinen, s\u00e5 siden kan ikke sendes herfra.\r\nVil du lagre siden som en fil "
            "og legge den ved en melding selv?\n&Ja | &Nei\n"};
    Row again = norwegian;
    again.pick = "and the Norwegian one again";
    const QList<Row> rows = {
        {"the diocese with an ordo",
         false,
         Qt::Key_Down,
         english,
         {text(1001) + "|" + text(1002), text(1004) + "|" + text(1005) + "|Ordo"},
         "Go to Today",
         mMain::getVersionName(1011) + " - " + korva,
         "3/10/24 - " + korva,
         kNorwegianWords,
         kAppTitle,
         englishFailure},
        norwegian,
        {"then an English one",
         true,
         Qt::Key_End,
         english,
         {text(1001) + "|" + text(1002), text(1004) + "|" + text(1005)},
         "Go to Today",
         mMain::getVersionName(1015) + " - " + quorvane,
         "3/10/24 - " + quorvane,
         kNorwegianWords,
         kAppTitle,
         englishFailure},
        again,
    };
    const QString ini = s_set->iniFile();
    const QByteArray written = readFile(ini);
    HostWindow window;
    ASSERT_TRUE(open(window, lent4, 1020));
    for (const Row& row : rows) {
        SCOPED_TRACE(row.pick);
        QWidget* chooser = named(window, "Combo1");
        ASSERT_TRUE(chooser->isVisible());
        QTest::mouseClick(chooser, Qt::LeftButton);
        if (row.inList) {
            auto* list = QApplication::activePopupWidget()->findChild<QAbstractItemView*>();
            QTest::keyClick(list, Qt::Key(row.key));
            QTest::keyClick(list, Qt::Key_Return);
        } else {
            QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key(row.key));
        }
        QTest::qWait(50);
        QStringList menus;
        for (QAction* menu : window.menuBar()->actions())
            menus << menu->text();
        EXPECT_EQ(menus, row.menus);
        QStringList tabs = row.tabs;
        tabs.sort();
        EXPECT_EQ(tabTitles(window), tabs);
        EXPECT_EQ(qobject_cast<QAbstractButton*>(named(window, "Command1"))->text(), row.today);
        EXPECT_EQ(window.statusBar()->findChild<QLabel*>(QStringLiteral("statusText"))->text(),
                  row.status);
        const QStringList texts = shownTexts(window);
        EXPECT_TRUE(texts.contains(row.heading)) << texts.join(" | ").toStdString();
        EXPECT_EQ(wordsOf(texts, row.foreign), QStringList()) << texts.join(" | ").toStdString();
        EXPECT_EQ(window.windowTitle(), row.title);
        // A failure met where the desktop's word processor does not start, told in the same
        // language; the document's path is left out.
        clickPage()(window);
        {
            FakePrograms broken(QDir::temp().filePath(QStringLiteral("broken desktop")));
            broken.add(QStringLiteral("xdg-mime"), 0, QStringLiteral("writer.desktop"));
            broken.add(QStringLiteral("xdg-open"), 4);
            tool("OPEN_IN_MS_WORD")(window);
            // And where no mail program is set up, for Send.
            broken.add(QStringLiteral("xdg-email"), 3);
            tool("ID_SEND")(window);
        }
        static const QRegularExpression document(QStringLiteral(" \\(/[^\n]*\\.odt\\)"));
        EXPECT_EQ(m_messages.join(QLatin1Char('\n')).replace(document, QStringLiteral(" (FILE)")),
                  row.failure);
        m_messages.clear();
    }
    QFile restore(ini);
    ASSERT_TRUE(restore.open(QIODevice::WriteOnly) && restore.write(written) == written.size());
}

} // namespace
