// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "host_window/ui/fHoster.h"

#include "../calendar/CalendarTestData.h"
#include "HostWindowFixture.h"
#include "common/SqlFile.h"
#include "controls/ui/DateField.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/mCommands.h"
#include "host_window/ui/YearMonthTree.h"
#include "host_window/ui/cDockingPane.h"
#include "services/ServiceDialogs.h"
#include "services/cVkRecurringServices.h"
#include "services/cVkSettings.h"
#include "support/CErrHandler.h"
#include "support/DiskInterface.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"
#include "support/SharedState.h"
#include "support/modIni.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDockWidget>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTest>
#include <QToolBar>
#include <QTreeWidget>
#include <vector>

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

    // Clicked as the user clicks, a year changes nothing. (A month: the journeys.)
    QTreeWidgetItem* year = tree->topLevelItem(1);
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, tree->visualItemRect(year).center());
    EXPECT_EQ(w.monthCalendar()->currentDate(), QDate(2024, 3, 5));
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

// The host window's toolbar commands: what every identifier reaches when its tool is clicked,
// how a status update sets the tools, and the services planned from the window.
namespace {

// The outside components that the commands create, each a bare object: whatever a command
// sets on it fails and is reported, so no command gets as far as a printer, a document or a
// mail client.
const QStringList kOutside = {"ZiRivedUvuridu.cZiRivedUvuridu",
                              "DeVerazararuDevur.CLiturgicalMonth",
                              "Word.Application",
                              "RaVidIzarorid.cVkRecurringServices",
                              "MSMAPI.MAPISession",
                              "MSMAPI.MAPIMessages"};

class fHosterCommandsTest : public HostWindowTest {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        for (const QString& id : kOutside)
            saved.append(
                ObjectRegistry::registerFactory(id, [] { return std::make_unique<QObject>(); }));
    }
    void TearDown() override {
        for (qsizetype i = 0; i < kOutside.size(); ++i)
            ObjectRegistry::registerFactory(kOutside.at(i), saved.at(i));
        HostWindowTest::TearDown();
    }

    // A host toolbar with one tool per identifier, tagged with the window's handle, attached.
    void attach(fHoster& w, const QStringList& ids) {
        bar.setProperty("TypeName", QStringLiteral("SSActiveToolBars"));
        for (const QString& id : ids) {
            QAction* tool = bar.addAction(id);
            tool->setObjectName(id);
            tool->setData(cWindowList::handleOf(&w));
        }
        notify.param = QVariant::fromValue<QObject*>(&bar);
        w.mAttachToolbar();
    }

    // The procedures that a click on the tool `id` ran, in order, after the dispatch itself.
    QStringList click(const QString& id) {
        errHandler().setTraceExecution(true);
        bar.findChild<QAction*>(id)->trigger();
        errHandler().setTraceExecution(false);
        QStringList lines = QString::fromUtf8(readFile(dir() + "module/trace.log"))
                                .split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        EXPECT_EQ(lines.value(0), QStringLiteral("fHoster.DoCommand")) << id.toStdString();
        return lines.mid(1);
    }

    QList<ObjectRegistry::Factory> saved;
    QToolBar bar;
};

TEST_F(fHosterCommandsTest, EveryToolReachesItsCommandOnceWithTheWaitCursor) {
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 47);
    // A calendar is current, so that printing and export take the calendar path.
    w.onPaneAction(HostInteraction::PaneHidden, 4);
    struct Case {
        QString reached; // the first procedure the dispatch called; empty: none
        QString ids;     // separated by commas
    };
    const QList<Case> cases = {
        {"fHoster.doPrint", "ID_PREVIEW,ID_PRINT"},
        {"fHoster.openInMSWord", "OPEN_IN_MS_WORD"},
        {"fHoster.doSend", "ID_SEND"},
        {"fHoster.newService",
         "ID_VK_LITURGY_CALENDAR_NEW_SERVICE,ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE"},
        {"fHoster.sendCommand",
         "ID_PAGE_SETUP,ID_NEW_EMAIL,ID_SEARCH_ON_WEB,ID_SEARCH_COMPUTER,ID_SEARCH_COLLECTION,"
         "ID_SYSTEM,ID_ADD_CLIP_ART_COLLECTION,ID_ADD_SONG_COLLECTION,ID_OPTIONS,ID_TOPMOST,"
         "ID_VISIT,ID_ABOUT,ID_START_DOWN_LOAD,ID_VIEW_OUTLOOK_BAR,ID_CONTROL_PANEL,"
         "ID_OPEN_WIN_EXPLORER,ID_NEW_WINDOW,ID_RESET_TOOLBARS,ID_CHECK_UPDATE,"
         "ID_PRINTER_SETTINGS,ID_OPEN_MY_COMPUTER,ID_OPEN_NETWORK_PLACES,ID_OPEN_PRINTERS,"
         "ID_URL,ID_URL_HOME,ID_MS_WORD,ID_MS_"},
        {"", "ID_CLICK_AND_PRINT,ID_PREVIOUS,ID_NEXT,ID_GO_HOME,ID_SAVE_AS,ID_COPY,ID_CUT,ID_PASTE,"
             "ID_DELETE_ITEM,ID_DELETE_COLLECTION,ID_PROPERTIES,ID_SELECT_ALL,ID_SEARCH_ITEM,"
             "ID_EXPAND_ALL,ID_EXPAND_ONE,ID_COLLAPS_ALL,ID_VIEW_FOLDERS,ID_VIEW_PREVIEW,"
             "ID_VIEW_LARGE_ICONS,ID_VIEW_SMALL_ICONS,ID_VIEW_LIST,ID_VIEW_DETAILS,ID_GO_TO,"
             "ID_STOP,ID_REFRESH,ID_FORWARD,ID_ADD_CLIP_ART,ID_ADD_TO_FAVORITES,"
             "ID_ORGANIZE_FAVORITES,ID_ADD_SONG,ID_UR,ID_M,id_print,Id_Page_Setup,ID_PRINT ,ID_,"
             "ID_VK_LITURGY"},
    };
    QStringList all;
    for (const Case& c : cases)
        all += c.ids.split(QLatin1Char(','));
    attach(w, all);
    // Every identifier of the table is among the cases.
    for (const QString& id : mCommands::knownIdentifiers())
        EXPECT_TRUE(all.contains(id)) << id.toStdString();

    for (const Case& c : cases) {
        for (const QString& id : c.ids.split(QLatin1Char(','))) {
            SCOPED_TRACE(id.toStdString());
            notify.messages.clear();
            notify.command.clear();
            ui().clear();
            const QStringList ran = click(id);
            EXPECT_EQ(ran.value(0), c.reached);
            // Forwarded: handed to the host once, as message 5 with the identifier.
            const bool forwarded = c.reached == QLatin1String("fHoster.sendCommand");
            // As a vector: Qt's list comparison hands a null pointer to memcmp when empty.
            EXPECT_EQ(std::vector<qint32>(notify.messages.cbegin(), notify.messages.cend()),
                      forwarded ? std::vector<qint32>{5} : std::vector<qint32>{});
            EXPECT_EQ(notify.command, forwarded ? id : QString());
            // The hourglass for the whole command.
            EXPECT_EQ(ui().calls().value(0), QStringLiteral("wait"));
            EXPECT_EQ(ui().calls().value(ui().calls().size() - 1), QStringLiteral("default"));
        }
    }
    // Without a notify object the forwarded commands are dropped.
    w.setPNotify(nullptr);
    EXPECT_FALSE(w.DoCommand(QStringLiteral("ID_ABOUT")));
}

TEST_F(fHosterCommandsTest, StatusUpdateSetsTheToolsOfTheTableOnly) {
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 47);
    const QStringList ids =
        QStringLiteral("ID_PRINT,ID_PREVIEW,ID_PAGE_SETUP,ID_SEND,ID_CLICK_AND_PRINT,OPEN_IN_MS_"
                       "WORD,ID_COPY,ID_SEARCH_COLLECTION,ID_NEXT,ID_FORWARD,ID_ABOUT,ID_URL_HOME,"
                       "id_copy,ID_VK_LITURGY_CALENDAR_NEW_SERVICE")
            .split(QLatin1Char(','));
    attach(w, ids);
    // Every other tool starts disabled, so that an untouched tool shows.
    const auto states = [&] {
        QStringList s;
        for (QAction* tool : bar.actions())
            s.append(tool->objectName() + (tool->isEnabled() ? " on" : " off"));
        return s;
    };
    const auto alternate = [&] {
        for (qsizetype i = 0; i < bar.actions().size(); ++i)
            bar.actions().at(i)->setEnabled(i % 2 == 1);
    };
    alternate();
    const QStringList before = states();
    EXPECT_FALSE(w.mSetCommandStatus(QStringLiteral("ID_PRINT")));
    EXPECT_EQ(states(), before);

    // The send tool follows the day-page-pending flag.
    const QString expected = QStringLiteral(
        "ID_PRINT on,ID_PREVIEW on,ID_PAGE_SETUP on,ID_SEND %1,ID_CLICK_AND_PRINT off,"
        "OPEN_IN_MS_WORD on,ID_COPY off,ID_SEARCH_COLLECTION off,ID_NEXT on,ID_FORWARD on,"
        "ID_ABOUT off,ID_URL_HOME on,id_copy off,ID_VK_LITURGY_CALENDAR_NEW_SERVICE on");
    for (const bool dayPage : {true, false}) {
        SCOPED_TRACE(dayPage);
        w.onPaneAction(dayPage ? HostInteraction::PaneActivated : HostInteraction::PaneHidden, 4);
        alternate();
        EXPECT_TRUE(w.mSetCommandStatus(QString()));
        EXPECT_EQ(states(), expected.arg(dayPage ? "on" : "off").split(QLatin1Char(',')));
    }
    // Freeing the toolbar disables the window's tools and ends the subscription.
    EXPECT_TRUE(w.mFreeToolbar());
    for (QAction* tool : bar.actions())
        EXPECT_FALSE(tool->isEnabled()) << tool->objectName().toStdString();
    EXPECT_EQ(w.toolbarInUse(), nullptr);
}

// Dialogs that answer as a user would, and note what the component held when they opened.
class ScriptedDialogs : public ServiceDialogs {
public:
    ScriptedDialogs(bool accept, QStringList* seen) : m_accept(accept), m_seen(seen) {}
    bool editOne(cVkRecurringServices& s) override { return answer(s, "one"); }
    bool editSeries(cVkRecurringServices& s) override {
        s.setPWeekday(7);
        s.setPFirstDate(s.pDate());
        s.setPCount(2);
        return answer(s, "series");
    }

private:
    bool answer(cVkRecurringServices& s, const char* dialog) {
        m_seen->append(QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9")
                           .arg(QLatin1String(dialog), QFileInfo(s.pVkIniFile()).fileName())
                           .arg(s.pVersion())
                           .arg(s.pAppTitle(), s.settings().pDefaultServiceTime())
                           .arg(s.settings().pChurchMode())
                           .arg(s.settings().pEnableMusicSeries())
                           .arg(OleDate::toDate(s.pDate()).toString(Qt::ISODate))
                           .arg(s.pScanDirection()));
        s.setPServiceType(QStringLiteral("Mass"));
        s.setPLocation(QStringLiteral("Chapel"));
        return m_accept;
    }
    bool m_accept;
    QStringList* m_seen;
};

TEST_F(fHosterCommandsTest, PlannedServicesShowAtOnceInTheMonthAndTheWeek) {
    QStringList seen;
    bool accept = true;
    ObjectRegistry::registerFactory(QString::fromLatin1(cVkRecurringServices::kProgId), [&] {
        return std::make_unique<cVkRecurringServices>(
            std::make_unique<ScriptedDialogs>(accept, &seen));
    });
    fHoster& w = open(QStringLiteral("Brastume.MDB"), 47);
    w.setPAppTitle(QStringLiteral("Planner"));
    w.selectPane(2); // the week is filled and current
    w.selectPane(1);
    const QString planFile = path(QStringLiteral("Plan.MDB"));
    const auto planned = [&] {
        QStringList rows;
        for (const QVariantList& r : SqlFile::rows(
                 planFile, "SELECT Date, Time, ServType, Location FROM tbMainPlan ORDER BY Date"))
            rows.append(OleDate::toDate(r[0].toDouble()).toString(Qt::ISODate) + ' ' +
                        OleDate::toTime(r[1].toDouble()).toString("HH:mm") + ' ' + r[2].toString() +
                        ' ' + r[3].toString());
        return rows;
    };

    // Cancelled: nothing written, nothing refilled.
    accept = false;
    EXPECT_FALSE(w.newService(QStringLiteral("ID_VK_LITURGY_CALENDAR_NEW_SERVICE")));
    EXPECT_TRUE(planned().isEmpty());

    accept = true;
    EXPECT_TRUE(w.newService(QStringLiteral("ID_VK_LITURGY_CALENDAR_NEW_SERVICE")));
    EXPECT_EQ(w.monthCalendar()->model().dayMarker(5), 1);
    EXPECT_EQ(w.weekCalendar()->model().dateMarker(QDate(2024, 3, 5)), 1);
    // A series is never reported as a single service created.
    EXPECT_FALSE(w.newService(QStringLiteral("ID_VK_LITURGY_CALENDAR_RECURRING_SERVICE")));
    EXPECT_EQ(w.monthCalendar()->model().dayMarker(10), 1);
    EXPECT_EQ(planned(),
              (QStringList{"2024-03-05 10:00 Mass Chapel", "2024-03-10 10:00 Mass Chapel",
                           "2024-03-17 10:00 Mass Chapel"}));
    EXPECT_TRUE(w.weekCalendar()
                    ->model()
                    .dateText(QDate(2024, 3, 17))
                    .endsWith(QStringLiteral("10:00 AM - Chapel - Mass")));
    EXPECT_EQ(seen, (QStringList{"one host.ini 47 Planner 10:00 1 0 2024-03-05 0",
                                 "one host.ini 47 Planner 10:00 1 0 2024-03-05 0",
                                 "series host.ini 47 Planner 10:00 1 0 2024-03-05 0"}));
    EXPECT_EQ(errHandler().lastErrorNumber(), 0)
        << errHandler().lastErrorDescription().toStdString();
}

} // namespace
