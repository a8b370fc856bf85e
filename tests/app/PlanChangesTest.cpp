// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Changes to the plan as the window shows them: services changed and removed through the week
// calendar's menu, by mouse and keys, and services planned by another process, which the open
// window shows without being touched.
#include "app/HostWindow.h"
#include "calendar/CalendarTestData.h"
#include "common/ServerTestDatabase.h"
#include "common/TestEnv.h"
#include "data/ServerCopy.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDialog>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QStatusBar>
#include <QTabBar>
#include <QTest>
#include <QTimer>
#include <functional>

namespace {

using namespace CalendarTestData;

const QDate kTuesday(2024, 3, 12);

QAbstractScrollArea* week(const HostWindow& window) {
    return window.componentWindow()->findChild<QAbstractScrollArea*>("ctCalendar1");
}

// The lines a person reads in the week's cell of `date`, and a point on each.
QList<std::pair<QString, QPoint>> cellLines(const HostWindow& window, const QDate& date) {
    QAbstractScrollArea* view = week(window);
    QRect cell;
    QMetaObject::invokeMethod(view, "cellRect", Qt::DirectConnection, Q_RETURN_ARG(QRect, cell),
                              Q_ARG(QDate, date));
    QList<std::pair<QString, QPoint>> lines;
    for (int y = cell.top(); y < cell.bottom(); ++y) {
        QString line;
        const QPoint at(cell.left() + cell.width() / 2, y);
        QMetaObject::invokeMethod(view, "lineAt", Qt::DirectConnection, Q_RETURN_ARG(QString, line),
                                  Q_ARG(QPoint, at));
        if (!line.isEmpty() && (lines.isEmpty() || lines.last().first != line))
            lines.append({line, at});
    }
    return lines;
}

QStringList shown(const HostWindow& window, const QDate& date) {
    QStringList texts;
    for (const auto& line : cellLines(window, date))
        texts.append(line.first);
    return texts;
}

QString status(const HostWindow& window) {
    return window.statusBar()->findChild<QLabel*>(QStringLiteral("statusText"))->text();
}

class PlanChangesTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        const QString liturgy = path("Brastelo.MDB");
        plan = path("Plan.MDB");
        QList<DayRow> days;
        for (int day = 1; day <= 31; ++day)
            days.append({day, ole(QDate(2024, 3, day)), 0, 2, QStringLiteral("Day %1").arg(day)});
        ASSERT_TRUE(createLiturgy(liturgy, days));
        ASSERT_TRUE(resetPlan());
        ini = writeFile("host.ini", iniText(liturgy, plan));
        // The person at the keyboard: answers each question as the journey says and types into
        // each other dialog.
        QObject::connect(&person, &QTimer::timeout, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                asked.append(box->text());
                box->button(answer)->click();
            } else if (auto* dialog = qobject_cast<QDialog*>(modal);
                       dialog && dialog != typedInto) {
                typedInto = dialog;
                asked.append(dialog->windowTitle());
                if (!QTest::qWaitForWindowActive(dialog))
                    return;
                for (const QString& step : typing) {
                    QWidget* focus = QApplication::focusWidget();
                    if (step == "<Tab>")
                        QTest::keyClick(focus, Qt::Key_Tab);
                    else if (step == "<All>")
                        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
                    else if (step == "<Enter>")
                        QTest::keyClick(focus, Qt::Key_Return);
                    else
                        QTest::keyClicks(focus, step);
                }
                // A dialog that the typing did not close is closed, so that the journey ends.
                QTimer::singleShot(2000, dialog, [this, dialog] {
                    for (QLabel* label : dialog->findChildren<QLabel*>())
                        if (label->isVisible())
                            asked.append(label->text());
                    dialog->reject();
                });
            }
        });
        person.start(20);
    }
    void TearDown() override {
        person.stop();
        TestEnv::TearDown();
    }

    // The plan of every journey: two services on Tuesday.
    bool resetPlan() const {
        QFile::remove(plan);
        return createPlan(
            plan, {{ole(kTuesday), timeOfDay(10, 0), "Mass", "Nave"},
                   {ole(kTuesday), timeOfDay(19, 30), "Carol Service", "St Mary's Church"}});
    }

    bool open(HostWindow& window, const QString& server = QString()) {
        HostWindow::Options options;
        options.iniFile = ini;
        options.server = server;
        options.date = kTuesday;
        QString error;
        window.resize(1280, 800);
        if (!window.open(options, &error)) {
            ADD_FAILURE() << error.toStdString();
            return false;
        }
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            return false;
        // The week, as its tab shows it.
        for (QTabBar* bar : window.componentWindow()->findChildren<QTabBar*>())
            for (int i = 0; i < bar->count(); ++i)
                if (bar->tabText(i) == QLatin1String("Week") && bar->isVisible())
                    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(i).center());
        QTest::qWait(20);
        return week(window) && week(window)->isVisible();
    }

    QString plan;
    QString ini;
    QTimer person;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QStringList typing;
    QDialog* typedInto = nullptr;
    QStringList asked;
};

using Step = std::function<void(const HostWindow&)>;

// A key pressed in the menu that is open, else in whatever has the focus.
Step key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
    return [=](const HostWindow&) {
        QWidget* target = QApplication::activePopupWidget();
        if (!target)
            target = QApplication::focusWidget();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
        QTest::qWait(20);
    };
}

// A click on the week's cell of the date.
Step clickDay(const QDate& date) {
    return [=](const HostWindow& w) {
        QRect cell;
        QMetaObject::invokeMethod(week(w), "cellRect", Qt::DirectConnection,
                                  Q_RETURN_ARG(QRect, cell), Q_ARG(QDate, date));
        QTest::mouseClick(week(w)->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::qWait(20);
    };
}

// A right click on the line of Tuesday's cell that holds `text`.
Step rightClickOn(const QString& text) {
    return [=](const HostWindow& w) {
        for (const auto& [line, at] : cellLines(w, kTuesday)) {
            if (line.contains(text)) {
                // The press, and the menu event that the window system makes of it.
                QWidget* viewport = week(w)->viewport();
                QTest::mousePress(viewport, Qt::RightButton, {}, at);
                QContextMenuEvent menu(QContextMenuEvent::Mouse, at, viewport->mapToGlobal(at));
                QApplication::sendEvent(viewport, &menu);
                QTest::qWait(20);
                return;
            }
        }
        ADD_FAILURE() << "no line " << text.toStdString();
    };
}

struct Journey {
    const char* name;
    QList<Step> steps;
    QMessageBox::StandardButton answer; // to the question
    QStringList typing;                 // into the service dialog
    QStringList asked;                  // the questions and dialogs, in order
    QStringList planned;                // the plan afterwards
    QString status;                     // the status bar afterwards; empty: as before
    QStringList shown;                  // Tuesday's cell afterwards
};

const QString kDay = "Day 12";
const QString kMassLine = "10:00 AM - Nave - Mass";
const QString kCarolLine = "7:30 PM - St Mary's Church - Carol Service";
const QString kMass = "2024-03-12 10:00 Mass Nave";
const QString kCarol = "2024-03-12 19:30 Carol Service St Mary's Church";

} // namespace

TEST_F(PlanChangesTest, TheWeeksMenuChangesAndRemovesAServiceByKeysOrMouse) {
    const QList<Journey> journeys = {
        {"Shift+F10 on the day, the second service, Change..., a new time",
         {clickDay(kTuesday), key(Qt::Key_F10, Qt::ShiftModifier), key(Qt::Key_Down),
          key(Qt::Key_Down), key(Qt::Key_Right), key(Qt::Key_Return)},
         QMessageBox::Yes,
         {"<Tab>", "<All>", "20:00", "<Enter>"},
         {"Change Service"},
         {kMass, "2024-03-12 20:00 Carol Service St Mary's Church"},
         "Changed: Tue 12 Mar 2024 20:00, Carol Service, St Mary's Church",
         {kDay, kMassLine, "8:00 PM - St Mary's Church - Carol Service"}},
        {"the Menu key on the day, the first service, Remove..., Yes",
         {clickDay(kTuesday), key(Qt::Key_Menu), key(Qt::Key_Down), key(Qt::Key_Right),
          key(Qt::Key_R)},
         QMessageBox::Yes,
         {},
         {"Remove the service Tue 12 Mar 2024 10:00, Mass, Nave from the plan?"},
         {kCarol},
         "Removed: Tue 12 Mar 2024 10:00, Mass, Nave",
         {kDay, kCarolLine}},
        {"a right click on a service's line, Remove..., No",
         {rightClickOn("Carol Service"), key(Qt::Key_R)},
         QMessageBox::No,
         {},
         {"Remove the service Tue 12 Mar 2024 19:30, Carol Service, St Mary's Church from the "
          "plan?"},
         {kMass, kCarol},
         "",
         {kDay, kMassLine, kCarolLine}},
        {"a right click on a service's line, Remove..., Yes",
         {rightClickOn("Carol Service"), key(Qt::Key_R)},
         QMessageBox::Yes,
         {},
         {"Remove the service Tue 12 Mar 2024 19:30, Carol Service, St Mary's Church from the "
          "plan?"},
         {kMass},
         "Removed: Tue 12 Mar 2024 19:30, Carol Service, St Mary's Church",
         {kDay, kMassLine}},
    };
    for (const Journey& j : journeys) {
        SCOPED_TRACE(j.name);
        ASSERT_TRUE(resetPlan());
        asked.clear();
        typedInto = nullptr;
        answer = j.answer;
        typing = j.typing;
        HostWindow window;
        ASSERT_TRUE(open(window));
        ASSERT_EQ(shown(window, kTuesday), QStringList({kDay, kMassLine, kCarolLine}));
        const QString before = status(window);
        for (const Step& step : j.steps)
            step(window);
        QTest::qWait(100);
        EXPECT_EQ(asked, j.asked);
        EXPECT_EQ(plannedServices(plan), j.planned);
        EXPECT_EQ(status(window), j.status.isEmpty() ? before : j.status);
        EXPECT_EQ(shown(window, kTuesday), j.shown);
    }
}

TEST_F(PlanChangesTest, AServicePlannedOrRemovedByAnotherProgramShowsAtOnce) {
    const ServerTestDatabase server;
    QString error;
    const bool onServer =
        server.skipReason().isEmpty() &&
        ServerCopy::copy(path("Brastelo.MDB"), Schema::Kind::Liturgy, server.connectionString(),
                         &error) &&
        ServerCopy::copy(plan, Schema::Kind::Plan, server.connectionString(), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    // The plan file and, with the test cluster, the plan on the server.
    QStringList servers{QString()};
    if (onServer)
        servers.append(server.connectionString());
    for (const QString& cs : servers) {
        SCOPED_TRACE(cs.isEmpty() ? "file" : "server");
        HostWindow window;
        ASSERT_TRUE(open(window, cs));
        ASSERT_EQ(shown(window, kTuesday), QStringList({kDay, kMassLine, kCarolLine}));
        const QString before = status(window);
        const auto other = [&](QStringList arguments) {
            arguments << "--ini" << ini;
            if (!cs.isEmpty())
                arguments << "--server" << cs;
            const ProgramRun run = runProgram(QStringLiteral(LC_APP_PROGRAM), arguments);
            EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        };
        const QDate thursday(2024, 3, 14);
        other({"service", "add", "2024-03-14", "--time", "18:00", "--type", "Vespers", "--place",
               "Crypt"});
        const QStringList vespers{"Day 14", "6:00 PM - Crypt - Vespers"};
        EXPECT_TRUE(QTest::qWaitFor([&] { return shown(window, thursday) == vespers; }, 2000))
            << shown(window, thursday).join(" | ").toStdString();
        other({"service", "remove", "2024-03-12", "--time", "19:30"});
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return shown(window, kTuesday) == QStringList({kDay, kMassLine});
            },
            2000))
            << shown(window, kTuesday).join(" | ").toStdString();
        // The day chosen and what the status bar says stay.
        EXPECT_EQ(week(window)->property("currentDate").toDate(), kTuesday);
        EXPECT_EQ(status(window), before);
        EXPECT_EQ(shown(window, thursday), vespers);
        // The next round starts from the same plan.
        other({"service", "remove", "2024-03-14", "--time", "18:00"});
        other({"service", "add", "2024-03-12", "--time", "19:30", "--type", "Carol Service",
               "--place", "St Mary's Church"});
    }
}
