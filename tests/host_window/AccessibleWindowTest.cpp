// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The host window as a screen reader meets it: every control named, Enter on a day opening its
// page, the page telling its heading.
#include "HostWindowFixture.h"
#include "common/SqlFile.h"
#include "controls/ui/MonthCalendarView.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/ui/fHoster.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QTextBrowser>

namespace {

// The roles of what a person operates; each needs a name to be found by ear.
bool isControl(const QAccessibleInterface& iface) {
    switch (iface.role()) {
    case QAccessible::PushButton:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::SpinBox:
    case QAccessible::EditableText:
    case QAccessible::Table:
    case QAccessible::Cell:
    case QAccessible::Tree:
    case QAccessible::TreeItem:
    case QAccessible::List:
    case QAccessible::ListItem:
    case QAccessible::PageTab:
    case QAccessible::MenuItem:
    case QAccessible::ToolBar:
    case QAccessible::ScrollBar:
    case QAccessible::Document:
        return true;
    default:
        return iface.state().focusable;
    }
}

// The controls under `iface` that are shown but have no name, each by its role and the names
// of the places above it.
void unnamed(QAccessibleInterface* iface, const QString& place, QStringList& found) {
    if (!iface || iface->state().invisible)
        return;
    const QString name = iface->text(QAccessible::Name).trimmed();
    const QString here = place + QLatin1Char('/') +
                         (name.isEmpty() ? QString::number(int(iface->role()), 16) : name);
    if (name.isEmpty() && isControl(*iface))
        found.append(here);
    for (int i = 0; i < iface->childCount(); ++i)
        unnamed(iface->child(i), here, found);
}

} // namespace

TEST_F(HostWindowTest, EveryControlHasANameAndEnterOpensTheDaysPage) {
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

    QStringList found;
    unnamed(QAccessible::queryAccessibleInterface(&w), QString(), found);
    EXPECT_EQ(found, QStringList());

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
