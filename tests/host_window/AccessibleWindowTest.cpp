// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The host window as a screen reader meets it: Enter on a day opens its page, which tells its
// heading. (That every control has a name is a journey through the host's window.)
#include "HostWindowFixture.h"
#include "common/SqlFile.h"
#include "controls/ui/MonthCalendarView.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/ui/fHoster.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>

TEST_F(HostWindowTest, EnterOpensTheDaysPageNamedByItsHeading) {
    makeData(QStringLiteral("Brastume.MDB"));
    SqlFile::exec(path(QStringLiteral("Brastume.MDB")),
                  {QStringLiteral("INSERT INTO tbReadings (ID, CalendarID, SortOrder, Type, "
                                  "ContentID, Ref, TypeString) VALUES (1, 1, 1, 204, 1, "
                                  "'John 2:13-22', 'Gospel')"),
                   QStringLiteral("INSERT OR IGNORE INTO tbBibleText (ID, Text, HTM_Data) VALUES "
                                  "(1, 'plain', '<P>Zeal for your house will consume me.</P>')")});
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 1020, true);
    w.resize(1200, 800);
    w.show();
    QApplication::setActiveWindow(&w);
    QCoreApplication::processEvents();

    // Enter on a day: the day's page comes forward with the focus, named by its heading and
    // kind (a screen reader hears the name change as the days change).
    MonthCalendarView* month = w.monthCalendar();
    month->setFocus();
    QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
    QApplication::sendEvent(month, &left);
    QApplication::sendEvent(month, &left);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(month, &enter);
    const fThisDay* page = w.dayPage(w.interaction().state().currentDayPane);
    ASSERT_TRUE(page);
    EXPECT_EQ(QApplication::focusWidget(), page->WebBrowser1());
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page->WebBrowser1())->text(QAccessible::Name),
              QStringLiteral("3/3/24 - Lent 3, Readings"));
}
