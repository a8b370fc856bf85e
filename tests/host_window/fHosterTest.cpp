// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/fHoster.h"

#include "HostWindowFixture.h"
#include "common/SqlFile.h"
#include "controls/ui/DateField.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/ui/YearMonthTree.h"
#include "host_window/ui/cDockingPane.h"
#include "support/DiskInterface.h"
#include "support/OleDate.h"
#include "support/SharedState.h"
#include "support/modIni.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QLabel>
#include <QMenu>
#include <QStandardItemModel>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>

namespace {

// Each pane as a person finds it: its title, where it is docked (T top, L left, R right), whether
// it waits at the side, and the titles of the panes it shares its place with as tabs.
QStringList paneLayout(const fHoster& w) {
    QStringList rows;
    for (cDockingPane* p : w.panes()) {
        const Qt::DockWidgetArea area = w.dockWidgetArea(p);
        QStringList tabs;
        for (const QDockWidget* other : w.tabifiedDockWidgets(p))
            tabs.append(other->windowTitle());
        tabs.sort();
        rows.append(p->windowTitle() + QLatin1Char(' ') +
                    (area == Qt::TopDockWidgetArea    ? QLatin1Char('T')
                     : area == Qt::LeftDockWidgetArea ? QLatin1Char('L')
                                                      : QLatin1Char('R')) +
                    (p->isHidden() ? QStringLiteral(" hidden") : QString()) +
                    (tabs.isEmpty() ? QString() : QStringLiteral(" with ") + tabs.join(u',')));
    }
    return rows;
}

} // namespace

TEST_F(HostWindowTest, PanesFollowTheEdition) {
    const QList<QPair<qint32, QStringList>> cases = {
        {1005, {"Month T with Week", "Week T with Month", "Calendar L hidden", "Readings R"}},
        {1011,
         {"Month T with Week", "Week T with Month", "Calendar L hidden",
          "Readings R with Ordo,Prayers", "Prayers R with Ordo,Readings",
          "Ordo R with Prayers,Readings"}},
        {47,
         {"Month T with Week", "Week T with Month", "Calendar L hidden", "Readings R with Prayers",
          "Prayers R with Readings"}},
    };
    for (const auto& [version, layout] : cases) {
        SCOPED_TRACE(version);
        fHoster& w = open(QStringLiteral("Brastume.MDB"), version);
        EXPECT_EQ(paneLayout(w), layout);
        // The ordo page keeps its day list out of sight.
        if (fThisDay* ordo = w.dayPage(7)) {
            EXPECT_TRUE(ordo->toolBar(0)->isHidden());
        }
        window.reset();
    }
}

TEST_F(HostWindowTest, EditionChooserIgnoresLoadingAndWritesTheChosenFile) {
    makeData(QStringLiteral("Brastume.MDB"));
    QFile::copy(path(QStringLiteral("Brastume.MDB")), path(QStringLiteral("velmarke.mdb")));
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 1020, true);
    QComboBox* chooser = w.editionChooser();
    ASSERT_FALSE(chooser->isHidden());
    ASSERT_EQ(chooser->count(), 13);
    EXPECT_EQ(chooser->itemData(0).toInt(), 47);
    // The configured file is edition 1007's, the sixth item.
    EXPECT_EQ(chooser->currentIndex(), 5);
    const QByteArray before = readFile(iniFile);

    // While loading, a selection changes nothing.
    chooser->setCurrentIndex(1);
    EXPECT_EQ(readFile(iniFile), before);
    EXPECT_EQ(w.pVersion(), 1020);

    // Only the editions whose database lies beside the configured one can be picked; the
    // others name the file they would need.
    auto* model = qobject_cast<QStandardItemModel*>(chooser->model());
    ASSERT_TRUE(model);
    EXPECT_TRUE(model->item(5)->isEnabled());
    EXPECT_TRUE(model->item(1)->isEnabled()); // VELMARKE.MDB, found in another letter case
    EXPECT_FALSE(model->item(0)->isEnabled());
    EXPECT_EQ(chooser->itemText(0), QStringLiteral("Velmark Church - A (VELMARKA.MDB missing)"));

    // Shown: the loading is over.
    w.show();
    ui().clear();

    // Picking an edition without its database changes nothing but says why, once.
    chooser->setCurrentIndex(0);
    EXPECT_EQ(readFile(iniFile), before);
    EXPECT_EQ(chooser->currentIndex(), 5);
    EXPECT_EQ(w.pVersion(), 1020);
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_TRUE(ui().messageBoxes().first().text.contains(QStringLiteral("VELMARKA.MDB")));
    ui().clear();

    chooser->setCurrentIndex(1); // the item of edition 470
    EXPECT_EQ(modIni::read(iniFile, QStringLiteral("Files"), QStringLiteral("LiturgyFile")),
              dir() + QStringLiteral("VELMARKE.MDB"));
    EXPECT_EQ(w.pVersion(), 47);
    EXPECT_EQ(shared().gEditionName, QStringLiteral("Velmark Church - B"));
    // No page is asked for date zero, and nothing fails.
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    for (QWidget* page : {static_cast<QWidget*>(w.dayPage(4)), static_cast<QWidget*>(w.dayPage(5))})
        EXPECT_EQ(qobject_cast<fThisDay*>(page)->pVersion(), 47);

    // An INI file that cannot be written (a full disk or a read-only file; as root, permissions
    // alone cannot refuse the write) is reported, and the chooser shows the edition it names.
    struct FullDisk : DiskInterface {
        bool exists(const QString& p) override { return RealDiskInterface::instance().exists(p); }
        bool readFile(const QString& p, QByteArray* contents) override {
            return RealDiskInterface::instance().readFile(p, contents);
        }
        WriteResult writeWhole(const QString&, const QByteArray&) override {
            return WriteResult::DiskFull;
        }
    } disk;
    w.setDisk(&disk);
    const QByteArray written = readFile(iniFile);
    chooser->setCurrentIndex(5);
    EXPECT_EQ(readFile(iniFile), written);
    EXPECT_EQ(chooser->currentIndex(), 1);
    EXPECT_EQ(w.pVersion(), 47);
    EXPECT_EQ(shared().gEditionName, QStringLiteral("Velmark Church - B"));
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_TRUE(ui().messageBoxes().first().text.contains(
        QStringLiteral("Disk full: the disk is full, so '%1' was not written").arg(iniFile)))
        << ui().messageBoxes().first().text.toStdString();
    w.setDisk(nullptr);
}

TEST_F(HostWindowTest, ChooserOnlyInMultiEditionModeAndAtItsFirstItemForAnUnofferedEdition) {
    fHoster& other = open(QStringLiteral("Sorvandi.mdb"), 1020, true);
    EXPECT_EQ(other.editionChooser()->currentIndex(), 0);
    EXPECT_EQ(other.pVersion(), 1020);
    window.reset();
    fHoster& single = open(QStringLiteral("Sorvandi.mdb"), 1007);
    EXPECT_TRUE(single.editionChooser()->isHidden());
    EXPECT_EQ(single.editionChooser()->count(), 0);
}

TEST_F(HostWindowTest, NotesOfTheDayUnderTheMouse) {
    struct Case {
        qint32 version;
        int day;
        QString note;
    };
    // The 19th: first row without a feast, the second row's feast has a description.
    const QList<Case> cases = {
        {1007, 19, QStringLiteral("Joseph, guardian of Jesus")},
        {1011, 19, QString()},
        {47, 19, QString()},
        {1015, 24, QString()}, // a feast with an empty description and no later rows
        {1007, 0, QString()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QStringLiteral("%1/%2").arg(c.version).arg(c.day).toStdString());
        fHoster& w = open(QStringLiteral("Brastume.MDB"), c.version);
        emit w.monthCalendar()->dayHovered(c.day);
        EXPECT_EQ(w.labelTooltip()->text(), c.note);
        EXPECT_EQ(w.monthCalendar()->toolTip(), c.note);
        // The right button opens the copy menu only over a note.
        emit w.monthCalendar()->mouseReleased(2);
        auto* menu = w.findChild<QMenu*>(QStringLiteral("mnuPop"));
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->isVisible(), !c.note.isEmpty());
        menu->hide();
        if (!c.note.isEmpty()) {
            w.findChild<QAction*>(QStringLiteral("mnuCopy"))->trigger();
            EXPECT_EQ(ui().clipboardText(), c.note);
        }
        window.reset();
    }
}

TEST_F(HostWindowTest, TreeHoldsTheSupportedYearsAndMonthsAndAYearClickChangesNothing) {
    makeData(QStringLiteral("Brastume.MDB"));
    // A year in the millions and one far before the first date value: reported once, left out.
    ASSERT_TRUE(SqlFile::exec(path(QStringLiteral("Brastume.MDB")),
                              {QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, "
                                              "Day_Color, ShortName) VALUES (90, 1e9, 0, 0, 'x'), "
                                              "(91, -1e300, 0, 0, 'y')")}));
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 47);
    w.resize(1100, 700);
    w.show();
    ui().clear();
    // The tree's edge button.
    w.findChild<QAction*>(QStringLiteral("showPane3"))->trigger();
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_TRUE(ui().messageBoxes().first().text.contains(
        QStringLiteral("tbCalenderData holds dates outside the years 1900 to 2200")))
        << ui().messageBoxes().first().text.toStdString();
    QTreeWidget* tree = w.tree();
    QStringList shown;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QStringList months;
        for (int m = 0; m < tree->topLevelItem(i)->childCount(); ++m)
            months << tree->topLevelItem(i)->child(m)->text(0);
        shown << tree->topLevelItem(i)->text(0) + QStringLiteral(": ") + months.join(u',');
    }
    ASSERT_EQ(shown, (QStringList{"2023: December", "2024: January,February,March,April"}));
    EXPECT_EQ(YearMonthTree::treeCell(tree->topLevelItem(1), "Year"), 2024);
    EXPECT_EQ(YearMonthTree::treeCell(tree->topLevelItem(1), "Month"), 0);
    EXPECT_EQ(YearMonthTree::treeCell(tree->topLevelItem(1)->child(2), "Month"), 3);
    // The filled month is selected.
    EXPECT_EQ(tree->currentItem(), tree->topLevelItem(1)->child(2));

    // Clicked as the user clicks: a year changes nothing, a month moves every pane there.
    const auto click = [tree](QTreeWidgetItem* item) {
        tree->scrollToItem(item);
        QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                          tree->visualItemRect(item).center());
    };
    click(tree->topLevelItem(1));
    EXPECT_EQ(w.monthCalendar()->currentDate(), QDate(2024, 3, 5));
    click(tree->topLevelItem(0)->child(0));
    EXPECT_EQ(w.monthCalendar()->currentDate(), QDate(2023, 12, 5));
    EXPECT_EQ(w.interaction().state().lastYear, 2023);
    EXPECT_EQ(w.interaction().state().lastMonth, 12);
}

TEST_F(HostWindowTest, TheHostsToolbarIsTakenOnlyWhenItIsAQToolBar) {
    // A toolbar of the right kind is taken and its tools of this window enabled; an object that
    // calls itself the host's toolbar but is none is an error; any other object is not meant
    // as the toolbar and is left alone.
    enum class Kind { Toolbar, Impostor, Other };
    const std::pair<Kind, const char*> cases[] = {
        {Kind::Toolbar, ""},
        {Kind::Impostor, "Error (13) Type mismatch: the host's SSActiveToolBars is not a QToolBar"},
        {Kind::Other, ""},
    };
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 47);
    for (const auto& [kind, message] : cases) {
        SCOPED_TRACE(message);
        QObject* before = w.toolbarInUse();
        QToolBar bar;
        QObject impostor;
        QObject other;
        bar.setProperty("TypeName", QStringLiteral("SSActiveToolBars"));
        impostor.setProperty("TypeName", QStringLiteral("SSActiveToolBars"));
        QAction* tool = bar.addAction(QStringLiteral("Print"));
        tool->setObjectName(QStringLiteral("ID_PRINT"));
        tool->setData(w.hWnd());
        tool->setEnabled(false);
        QObject* given = kind == Kind::Toolbar ? &bar : kind == Kind::Impostor ? &impostor : &other;
        notify.param = QVariant::fromValue(given);
        w.setPNotify(&notify);
        ui().clear();

        EXPECT_FALSE(w.mAttachToolbar());

        EXPECT_EQ(w.toolbarInUse(), kind == Kind::Toolbar ? &bar : before);
        EXPECT_EQ(tool->isEnabled(), kind == Kind::Toolbar);
        QStringList texts;
        for (const auto& box : ui().messageBoxes())
            texts.append(box.details.split(QStringLiteral("\r\n")).last());
        EXPECT_EQ(texts, *message ? QStringList{QString::fromUtf8(message)} : QStringList());
        if (kind == Kind::Toolbar)
            w.mFreeToolbar();
    }
}

TEST_F(HostWindowTest, TabbedPanesShowTheirTitleOnTheirTabOnly) {
    struct Case {
        qint32 version;
        QList<int> onTabs;   // a tab carries the title; no title bar under it
        QList<int> ownTitle; // alone in their place: their own title bar
    };
    const QList<Case> cases = {
        {47, {1, 2, 4, 5}, {3}},
        {1005, {1, 2}, {3, 4}},
    };
    const auto settle = [] {
        for (int i = 0; i < 5; ++i)
            QCoreApplication::processEvents();
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.version);
        fHoster& w = open(QStringLiteral("Brastume.MDB"), c.version);
        w.resize(1100, 700);
        w.show();
        settle();
        for (int id : c.onTabs) {
            SCOPED_TRACE(id);
            ASSERT_NE(w.pane(id)->titleBarWidget(), nullptr);
            // The pane's window starts right under the tabs.
            EXPECT_LE(w.pane(id)->widget()->y(), 2);
        }
        for (int id : c.ownTitle)
            EXPECT_EQ(w.pane(id)->titleBarWidget(), nullptr) << id;
        EXPECT_GT(w.pane(1)->widget()->height(), 0);
        window.reset();
    }

    // The prayers put away, the readings are alone: their title bar comes back; the prayers
    // shown again, it goes.
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 47);
    w.resize(1100, 700);
    w.show();
    settle();
    auto* toggle = qobject_cast<QAction*>(w.pane(5)->property("paneToggle").value<QObject*>());
    ASSERT_NE(toggle, nullptr);
    w.pane(5)->close();
    settle();
    EXPECT_EQ(w.pane(4)->titleBarWidget(), nullptr);
    EXPECT_GT(w.pane(4)->widget()->y(), 2);
    toggle->trigger();
    settle();
    EXPECT_FALSE(w.pane(5)->isHidden());
    EXPECT_NE(w.pane(4)->titleBarWidget(), nullptr);
    EXPECT_NE(w.pane(5)->titleBarWidget(), nullptr);
}
