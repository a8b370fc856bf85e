#include "app/CommandLine.h"
#include "app/DayCommand.h"
#include "app/HostSession.h"
#include "app/MonthCommand.h"
#include "app/WeekCommand.h"
#include "calendar/CalendarTestData.h"
#include "common/ServerTestDatabase.h"
#include "common/TestEnv.h"
#include "content/ContentTestData.h"
#include "data/ServerCopy.h"
#include "data/mADO.h"
#include "support/modLog.h"

#include <QDir>
#include <QFile>
#include <memory>

namespace {

// The same data once in SQLite files and once copied onto a server database.
class ServerModeTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        server = std::make_unique<ServerTestDatabase>();
        SKIP_WITHOUT_SERVER(*server);
        liturgy = std::make_unique<TestDatabase>(path("Velmarka.MDB"), Schema::Kind::Liturgy);
        const QDate sunday(2024, 3, 10);
        liturgy->addDay(100, sunday, 20, "Fourth Sunday in Lent");
        liturgy->addDay(101, sunday, 30, QVariant());
        liturgy->addDay(102, QDate(2024, 3, 19), 40, "Saint Joseph");
        liturgy->addDay(103, QDate(2024, 3, 31), 50, "Easter Day");
        liturgy->addDay(104, QDate(2024, 4, 1), 51, "Easter Monday");
        liturgy->exec("UPDATE tbCalenderData SET Day_Color = ID - 100");
        liturgy->addReading(1, 100, 1, 202, 1, "Num 21:4-9", "First Reading");
        liturgy->addReading(2, 100, 2, 204, 2, "John 3:14-21", "Gospel");
        liturgy->addBibleText(1, "<P>Serpent</P>");
        liturgy->addBibleText(2, "<P>Øyne, 'world'</P>");
        liturgy->addContent(9, "Collect of Lent", "<P>Grant</P>");
        liturgy->addLink(100, 201, 9);
        liturgy->addOrdo(sunday, "<P>Violet; Gloria omitted</P>");
        const QString plan = path("Plan.mdb");
        ASSERT_TRUE(CalendarTestData::createPlan(
            plan,
            {
                {oleDate(sunday) + 0.5, CalendarTestData::timeOfDay(11, 0), "High Mass", "Nave"},
                {oleDate(sunday), CalendarTestData::timeOfDay(18, 30), "Vespers", QVariant()},
                {oleDate(QDate(2024, 3, 31)), CalendarTestData::timeOfDay(6, 0), "Vigil", "Crypt"},
            }));
        QDir(dir()).mkpath("templates");
        writeFile("templates/MainPrint.CSS", "P { a: b }");
        ini = writeFile("host.ini", CalendarTestData::iniText(liturgy->path(), plan) +
                                        "TemplatePath=" + path("templates/").toUtf8() + "\r\n");
        QString error;
        ASSERT_TRUE(ServerCopy::copy(liturgy->path(), Schema::Kind::Liturgy,
                                     server->connectionString(), &error))
            << error.toStdString();
        ASSERT_TRUE(ServerCopy::copy(plan, Schema::Kind::Plan, server->connectionString(), &error))
            << error.toStdString();
    }
    void TearDown() override {
        liturgy.reset();
        TestEnv::TearDown();
        server.reset();
    }

    // The outputs of the month, week and day commands, through the files or the server.
    QStringList outputs(const QString& serverString) const {
        HostSession session(nullptr);
        QString error;
        if (!session.open(ini, 47, &error))
            return {error};
        session.setServer(serverString);
        QStringList result;
        CommandRequest month;
        month.month = QDate(2024, 3, 1);
        for (const bool json : {true, false}) {
            month.json = json;
            result += MonthCommand::run(month, session, false);
            result += WeekCommand::run(month, session, false);
        }
        for (const qint32 kind : {4, 5, 7}) {
            for (const int entry : {1, 2}) {
                DayCommand::Request day;
                day.date = QDate(2024, 3, 10);
                day.kind = kind;
                day.entry = entry;
                QByteArray page;
                result += DayCommand::run(day, session, &page, &error)
                              ? QString::fromUtf8(page)
                              : QStringLiteral("error: ") + error;
            }
        }
        result += session.failed() ? QStringLiteral("failed") : QStringLiteral("no failure");
        return result;
    }

    std::unique_ptr<ServerTestDatabase> server;
    std::unique_ptr<TestDatabase> liturgy;
    QString ini;
};

TEST_F(ServerModeTest, MonthWeekAndDayPagesAreTheSameFromTheServer) {
    const QStringList files = outputs(QString());
    // The data is there and shown, so that an empty output on both sides cannot pass.
    ASSERT_EQ(files.size(), 11);
    EXPECT_TRUE(files[0].contains("Saint Joseph")) << files[0].toStdString();
    EXPECT_TRUE(files[1].contains("Vespers")) << files[1].toStdString();
    EXPECT_TRUE(files[4].contains("Øyne, 'world'")) << files[4].toStdString();
    EXPECT_TRUE(files[8].contains("Gloria omitted")) << files[8].toStdString();
    EXPECT_EQ(files.last(), "no failure");
    const QStringList served = outputs(server->connectionString());
    ASSERT_EQ(served.size(), files.size());
    for (int i = 0; i < files.size(); ++i)
        EXPECT_EQ(served[i], files[i]) << "output " << i;
}

} // namespace
