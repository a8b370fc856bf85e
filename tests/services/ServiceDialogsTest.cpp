// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Journeys through the service dialogs as a person makes them: keys typed into the focused
// widget, Tab, mnemonics and Enter, then what the dialog let through into the plan.
#include "calendar/CalendarTestData.h"
#include "common/TestEnv.h"
#include "services/cVkRecurringServices.h"
#include "services/ui/fCreateOneService.h"
#include "services/ui/fRecurringServices.h"

#include <QAccessible>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <functional>
#include <type_traits>

namespace {

using namespace CalendarTestData;

struct Journey {
    const char* name;
    QString steps;                // split at '|'
    UserInterface::Answer answer; // to the question about a duplicate
    QString problem = {};         // the line under the fields after the steps
    QString status = {};          // what the status bar would say
    QStringList questions = {};   // the questions asked
    QStringList added = {};       // the services the plan holds afterwards, beyond the first
};

class ServiceDialogsTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        const QString liturgy = path("Liturgy.MDB");
        plan = path("Plan.MDB");
        ASSERT_TRUE(createLiturgy(liturgy, {{1, ole(QDate(2024, 3, 1)), 0, 1, "Friday"},
                                            {2, ole(QDate(2024, 3, 24)), 0, 3, "Palm Sunday"},
                                            {3, ole(QDate(2026, 12, 31)), 0, 0, "Silvester"}}));
        ASSERT_TRUE(createPlan(plan, {{ole(QDate(2024, 3, 10)), 10.0 / 24, "Mass", "St Mary"}}));
        iniFile = writeFile("host.ini", iniText(liturgy, plan));
    }

    // Types the steps into whatever has the focus: text, or "<Tab>", "<Enter>", "<All>" (select
    // all), "<Click:NAME>" (a click into the widget NAME), "<Alt+X>".
    static void type(QDialog& dialog, const QString& steps) {
        for (const QString& step : steps.split(QLatin1Char('|'))) {
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr) << step.toStdString();
            if (step == "<Tab>") {
                QTest::keyClick(focus, Qt::Key_Tab);
            } else if (step == "<Enter>") {
                QTest::keyClick(focus, Qt::Key_Return);
            } else if (step == "<All>") {
                QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
            } else if (step.startsWith("<Click:")) {
                auto* target = dialog.findChild<QWidget*>(step.mid(7).chopped(1));
                ASSERT_NE(target, nullptr) << step.toStdString();
                QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(4, target->height() / 2));
            } else if (step.startsWith("<Alt+")) {
                QTest::keyClick(focus, step.at(5).toLatin1(), Qt::AltModifier);
                // A button's mnemonic clicks it the way a pressed button looks: a moment later.
                QTest::qWait(150);
            } else {
                QTest::keyClicks(focus, step);
            }
        }
    }

    static void show(QDialog& dialog) {
        dialog.show();
        QApplication::setActiveWindow(&dialog);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    }

    // Runs a journey through a new dialog of type `Dialog` on a plan holding one Mass, then
    // compares the line under the fields, the questions asked and what the plan holds;
    // `check` looks at the dialog before it goes.
    template <class Dialog>
    void travel(const Journey& j, const std::function<void(Dialog&)>& check = {});

    QString plan;
    QString iniFile;
};

const QString kHeld = "2024-03-10 10:00 Mass St Mary";

template <class Dialog>
void ServiceDialogsTest::travel(const Journey& j, const std::function<void(Dialog&)>& check) {
    SCOPED_TRACE(j.name);
    QFile::remove(plan);
    ASSERT_TRUE(createPlan(plan, {{ole(QDate(2024, 3, 10)), 10.0 / 24, "Mass", "St Mary"}}));
    ui().clear();
    ui().setAnswer(j.answer);
    cVkRecurringServices services;
    services.setPVkIniFile(iniFile);
    services.setPDate(ole(QDate(2024, 3, 5)));
    Dialog dialog(services);
    show(dialog);
    type(dialog, j.steps);
    EXPECT_EQ(dialog.template findChild<QLabel*>("problem")->text(), j.problem);
    if (check)
        check(dialog);
    QStringList asked;
    for (const auto& box : ui().messageBoxes())
        asked.append(box.text);
    EXPECT_EQ(asked, j.questions);
    const bool accepted = dialog.result() == QDialog::Accepted;
    EXPECT_EQ(accepted, !j.added.isEmpty());
    if constexpr (std::is_same_v<Dialog, fCreateOneService>)
        EXPECT_EQ(accepted && services.mCreateOneService(), accepted);
    else
        EXPECT_EQ(accepted && services.mCreateServices(), accepted);
    EXPECT_EQ(plannedServices(plan), QStringList{kHeld} + j.added);
    EXPECT_EQ(services.plannedText(), j.status);
}

TEST_F(ServiceDialogsTest, NewServiceSavesWhatIsTypedAndNothingElse) {
    const QString duplicate = "The plan already holds this service: Sun 10 Mar 2024 10:00, "
                              "Mass, St Mary. Plan it again?";
    using enum UserInterface::Answer;
    const QString mass = "<All>|3/10/2024|<Tab>|10:00|<Tab>|Mass|<Tab>|St Mary|<Enter>";
    const QList<Journey> journeys = {
        {"the date as shown, the time after a click",
         "<All>|12/22/2026|<Click:time>|1930|<Tab>|Carol Service|<Tab>|St Mary's Church|<Enter>",
         Yes,
         "",
         "Planned: Tue 22 Dec 2026 19:30, Carol Service, St Mary's Church",
         {},
         {"2026-12-22 19:30 Carol Service St Mary's Church"}},
        {"the date in ISO form and as digits, the time with a colon",
         "<All>|2026-02-17|<All>|20240324|<Tab>|<All>|8:05|<Tab>|Palm procession|<Enter>",
         Yes,
         "",
         "Planned: Sun 24 Mar 2024 08:05, Palm procession",
         {},
         {"2024-03-24 08:05 Palm procession "}},
        {"Enter without a kind saves nothing", "<Tab>|1100|<Tab>|<Tab>|Chapel|<Enter>", Yes,
         "Choose or type the kind of service."},
        {"a date after the liturgy data is refused", "<All>|3/5/2070|<Tab>|<Tab>|Mass|<Enter>", Yes,
         "3/5/2070 lies outside the liturgy data, which covers 3/1/2024 to 12/31/2026."},
        {"a date before 1900 is refused", "<All>|1850-06-01|<Tab>|<Tab>|Mass|<Enter>", Yes,
         "6/1/1850 lies outside the years in which services can be planned, 1/1/1900 to "
         "12/31/2200."},
        {"a duplicate refused when asked", mass, No, "", "", {duplicate}},
        {"a duplicate planned when asked",
         mass,
         Yes,
         "",
         "Planned: Sun 10 Mar 2024 10:00, Mass, St Mary",
         {duplicate},
         {kHeld}},
    };
    for (const Journey& j : journeys)
        travel<fCreateOneService>(j);
}

TEST_F(ServiceDialogsTest, TabGoesFromFieldToField) {
    cVkRecurringServices services;
    services.setPVkIniFile(iniFile);
    services.setPDate(ole(QDate(2024, 3, 5)));
    fCreateOneService dialog(services);
    show(dialog);
    // Each field in turn, as a screen reader names and describes it.
    QStringList order;
    for (int i = 0; i < 6; ++i) {
        QWidget* focus = QApplication::focusWidget();
        const QAccessibleInterface* field = QAccessible::queryAccessibleInterface(focus);
        order.append(field->text(QAccessible::Name) + QStringLiteral(" | ") +
                     field->text(QAccessible::Description));
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    const QString date = QStringLiteral("Date: | Type the date as 12/22/2026 or 2026-12-22.");
    EXPECT_EQ(order, (QStringList{date, "Time: | Type the time as 19:30 or 1930.",
                                  "Kind of service: | ", "Place: | ", "Cancel | ", date}));
    EXPECT_EQ(dialog.findChild<QLineEdit*>("dateText")->text(), "3/5/2024");
}

TEST_F(ServiceDialogsTest, RecurringServicesShowTheSeriesAndSaveOnlyWhatCanBePlanned) {
    struct Series {
        Journey journey;
        QString summary;
        QStringList dates;
        bool untilChecked;
    };
    using enum UserInterface::Answer;
    const QString sundays = "<Alt+W>|Sunday|<Alt+F>|<All>|2024-03-05|";
    const QList<Series> cases = {
        {{"until a date typed in ISO form",
          sundays + "<Alt+U>|<Tab>|<All>|2024-03-31|<Alt+K>|Mass|<Alt+P>|Chapel|<Enter>",
          Yes,
          "",
          "Planned: 4 services, Sun 10 Mar 2024 to Sun 31 Mar 2024, 10:00, Mass, Chapel",
          {},
          {"2024-03-10 10:00 Mass Chapel", "2024-03-17 10:00 Mass Chapel",
           "2024-03-24 10:00 Mass Chapel", "2024-03-31 10:00 Mass Chapel"}},
         "4 services, Sun 10 Mar 2024 to Sun 31 Mar 2024 at 10:00",
         {"Sunday, March 10, 2024", "Sunday, March 17, 2024",
          "Sunday, March 24, 2024 - Palm Sunday", "Sunday, March 31, 2024"},
         true},
        {{"a number of services running past the liturgy data",
          "<Alt+W>|Sunday|<Alt+F>|<All>|12/1/"
          "2026|<Alt+U>|<Alt+N>|<Tab>|<All>|6|<Alt+K>|Mass|<Enter>",
          Yes, "1/3/2027 lies outside the liturgy data, which covers 3/1/2024 to 12/31/2026."},
         "6 services, Sun 6 Dec 2026 to Sun 10 Jan 2027 at 10:00",
         {"Sunday, December 6, 2026", "Sunday, December 13, 2026", "Sunday, December 20, 2026",
          "Sunday, December 27, 2026", "Sunday, January 3, 2027", "Sunday, January 10, 2027"},
         false},
        {{"a series holding a planned service, refused when asked",
          sundays + "<Alt+N>|<Tab>|<All>|2|<Alt+K>|Mass|<Alt+P>|St Mary|<Enter>",
          No,
          "",
          "",
          {"The plan already holds this service: Sun 10 Mar 2024 10:00, Mass, St Mary. Plan it "
           "again?"}},
         "2 services, Sun 10 Mar 2024 to Sun 17 Mar 2024 at 10:00",
         {"Sunday, March 10, 2024", "Sunday, March 17, 2024"},
         false},
    };
    for (const Series& c : cases) {
        travel<fRecurringServices>(c.journey, [&c](fRecurringServices& dialog) {
            EXPECT_EQ(dialog.findChild<QLabel*>("summary")->text(), c.summary);
            EXPECT_EQ(dialog.shownDates(), c.dates);
            // One choice: exactly one of the two is on.
            EXPECT_EQ(dialog.findChild<QRadioButton*>("untilDate")->isChecked(), c.untilChecked);
            EXPECT_EQ(dialog.findChild<QRadioButton*>("byCount")->isChecked(), !c.untilChecked);
        });
    }
}

} // namespace
