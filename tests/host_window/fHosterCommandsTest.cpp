// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The host window's toolbar commands: what every identifier reaches when its tool is clicked,
// how a status update sets the tools, and the services planned from the window.
#include "../calendar/CalendarTestData.h"
#include "HostWindowFixture.h"
#include "common/SqlFile.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
#include "host_window/mCommands.h"
#include "host_window/ui/fHoster.h"
#include "services/ServiceDialogs.h"
#include "services/cVkRecurringServices.h"
#include "services/cVkSettings.h"
#include "support/CErrHandler.h"
#include "support/ObjectRegistry.h"
#include "support/OleDate.h"
#include "support/SharedState.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QToolBar>
#include <vector>

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
