// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "../calendar/CalendarTestData.h"
#include "../host_window/HostWindowFixture.h"
#include "common/ServerTestDatabase.h"
#include "component/cVoVoruzevUdadudar.h"
#include "controls/ui/MonthCalendarView.h"
#include "controls/ui/WeekCalendarView.h"
#include "controls/ui/cWindowList.h"
#include "data/ServerCopy.h"
#include "day_page/ui/fThisDay.h"
#include "host_window/ui/fHoster.h"

#include <QFile>
#include <QTreeWidget>

namespace {

using namespace CalendarTestData;

QString colour(const std::optional<qint32>& c) {
    return c ? QString::number(*c, 16) : QStringLiteral("-");
}

// The facade as a host drives it, with the host's SQL mode and connection string, on the
// fixture's March 2024 data and two planned services.
class ServerModeFacadeTest : public HostWindowTest {
protected:
    // Everything the window shows from the data: the month, the tree, the readings and prayers
    // pages of 2024-03-19 and the week calendar; then whether anything was reported.
    QStringList shown(bool sqlMode, const QString& connectionString) {
        ui().clear();
        QStringList result;
        {
            cVoVoruzevUdadudar host;
            host.setPVkIniFile(iniFile);
            host.setPVersion(1);
            host.setPAppTitle(QStringLiteral("Host"));
            host.setPSQLMode(sqlMode);
            host.setPConnectionString(connectionString);
            EXPECT_TRUE(host.mInitialize());
            auto* w = qobject_cast<fHoster*>(cWindowList::find(host.phWnd()));
            if (!w)
                return {QStringLiteral("no window")};
            const MonthCalendarModel& month = w->monthCalendar()->model();
            for (int day = 1; day <= month.daysInMonth(); ++day)
                result += QStringLiteral("month %1: %2|%3|%4 %5 %6")
                              .arg(day)
                              .arg(month.dayText(day, 1), month.dayText(day, 2),
                                   month.dayText(day, 3), colour(month.dayColor(day)))
                              .arg(month.dayMarker(day));
            w->onPaneAction(HostInteraction::PaneExpanding, HostInteraction::kTreePane);
            for (int y = 0; y < w->tree()->topLevelItemCount(); ++y) {
                const QTreeWidgetItem* year = w->tree()->topLevelItem(y);
                result += QStringLiteral("tree ") + year->text(0);
                for (int m = 0; m < year->childCount(); ++m)
                    result += QStringLiteral("tree  ") + year->child(m)->text(0);
            }
            w->monthCalendar()->setCurrentDate(QDate(2024, 3, 19));
            for (const int kind : {4, 5}) {
                w->onPaneAction(HostInteraction::PaneExpanding, kind);
                const fThisDay* page = w->dayPage(kind);
                for (int i = 1; i <= page->dayListCount(); ++i)
                    result +=
                        QStringLiteral("page %1 day %2: ").arg(kind).arg(i) + page->dayListText(i);
                QFile file(page->location());
                result += QStringLiteral("page %1: ").arg(kind) +
                          (!page->location().isEmpty() && file.open(QIODevice::ReadOnly)
                               ? QString::fromUtf8(file.readAll())
                               : page->location());
            }
            w->selectPane(2);
            const WeekCalendarModel& week = w->weekCalendar()->model();
            for (QDate d = week.startDate(); d.isValid() && d <= week.endDate(); d = d.addDays(1))
                if (!week.dateText(d).isEmpty() || week.dateMarker(d) != 0)
                    result += QStringLiteral("week %1: %2 %3")
                                  .arg(d.toString(Qt::ISODate), week.dateText(d))
                                  .arg(week.dateMarker(d));
            host.mKill(0);
        }
        result += QStringLiteral("%1 messages").arg(ui().messageBoxes().size());
        return result;
    }
};

TEST_F(ServerModeFacadeTest, WithServerModeAndAStringEveryFillAndPageComesFromTheServer) {
    ServerTestDatabase server;
    SKIP_WITHOUT_SERVER(server);
    iniFile = makeData(QStringLiteral("Velmarka.MDB"));
    const QString liturgy = path(QStringLiteral("Velmarka.MDB"));
    const QString plan = path(QStringLiteral("Plan.MDB"));
    ASSERT_TRUE(QFile::remove(plan));
    ASSERT_TRUE(createPlan(
        plan,
        {{ole(QDate(2024, 3, 19)), ole(QDate(1899, 12, 30), QTime(9, 30)), "Lauds", "Nave"},
         {ole(QDate(2024, 3, 24)), ole(QDate(1899, 12, 30), QTime(11, 0)), "Procession", "Nave"}}));
    const QStringList fromFiles = shown(false, QString());
    // The data is shown, so that two empty windows cannot pass.
    const QString all = fromFiles.join(QLatin1Char('\n'));
    for (const char* text : {"month 24: Palm Sunday||", "tree 2024", "page 4 day 2: Joseph",
                             "Procession", "0 messages"})
        EXPECT_TRUE(all.contains(QLatin1String(text))) << text << "\n" << all.toStdString();

    QString error;
    ASSERT_TRUE(ServerCopy::copy(liturgy, Schema::Kind::Liturgy, server.connectionString(), &error))
        << error.toStdString();
    ASSERT_TRUE(ServerCopy::copy(plan, Schema::Kind::Plan, server.connectionString(), &error))
        << error.toStdString();
    // The files the INI names now hold nothing: any row must come from the server.
    ASSERT_TRUE(QFile::remove(liturgy) && QFile::remove(plan));
    ASSERT_TRUE(createLiturgy(liturgy, {}) && createPlan(plan, {}));

    EXPECT_EQ(shown(true, server.connectionString()), fromFiles);
    // A host that does not set both reads the (now empty) files, as before.
    const QStringList empty = shown(false, QString());
    EXPECT_FALSE(empty.join(QLatin1Char('\n')).contains(QStringLiteral("Palm Sunday")));
    EXPECT_EQ(shown(false, server.connectionString()), empty);
    EXPECT_EQ(shown(true, QString()), empty);
}

} // namespace
