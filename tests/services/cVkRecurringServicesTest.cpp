// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "services/cVkRecurringServices.h"

#include "calendar/CalendarTestData.h"
#include "common/TestEnv.h"
#include "services/cVkSettings.h"
#include "support/CErrHandler.h"
#include "support/OleDate.h"
#include "support/SharedState.h"

#include <QFile>

namespace {

using namespace CalendarTestData;
using Service = PlanDatabase::Service;

double day(int y, int m, int d) {
    return OleDate::fromDate(QDate(y, m, d));
}

class cVkRecurringServicesTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        liturgy = path(QStringLiteral("Brastelo.MDB"));
        ASSERT_TRUE(createLiturgy(liturgy, {
                                               {1, ole(QDate(2024, 3, 10)), 0, 1, "Lent 4"},
                                               {2, ole(QDate(2024, 3, 17)), 0, 1, "Lent 5"},
                                               {3, ole(QDate(2024, 3, 17)), 0, 1, "Patrick"},
                                               {4, ole(QDate(2024, 3, 1)), 0, 1, "Friday"},
                                               {5, ole(QDate(2024, 4, 30)), 0, 1, "Tuesday"},
                                           }));
        plan = path(QStringLiteral("Plan.MDB"));
        writeIni(plan);
    }

    void writeIni(const QString& planFile) {
        iniFile = writeFile(QStringLiteral("host.ini"), iniText(liturgy, planFile));
        services.setPVkIniFile(iniFile);
    }

    QString liturgy;
    QString plan;
    QString iniFile;
    cVkRecurringServices services;
};

// What a host sets on the component by name, then whether it writes a series or one service.
// pDefaultServiceTime is the settings' member.
struct Plan {
    QVariantMap set;
    bool series;
};

// A new component on the host's INI file, set up as `plan` says.
void setUp(cVkRecurringServices& services, const Plan& plan) {
    for (auto it = plan.set.cbegin(); it != plan.set.cend(); ++it) {
        QObject* target = it.key() == QLatin1String("pDefaultServiceTime")
                              ? static_cast<QObject*>(&services.settings())
                              : &services;
        ASSERT_TRUE(target->setProperty(it.key().toLatin1().constData(), it.value()))
            << it.key().toStdString();
    }
}

bool write(cVkRecurringServices& services, const Plan& plan) {
    return plan.series ? services.mCreateServices() : services.mCreateOneService();
}

TEST_F(cVkRecurringServicesTest, WritesOneServiceOrAWholeSeriesIntoANewPlan) {
    const double march5 = day(2024, 3, 5);
    const double march10 = day(2024, 3, 10);
    struct Case {
        const char* name;
        Plan plan;
        QStringList rows;
    };
    const QList<Case> cases = {
        {"one service at the default time",
         {{{"pDate", march10}, {"pServiceType", "High Mass"}, {"pLocation", "St Mary"}}, false},
         {"45361|0.41666666666666669|High Mass|St Mary"}},
        {"one service at its own time, no kind or place",
         {{{"pDate", march10}, {"pTime", "18:30"}}, false},
         {"45361|0.77083333333333337||"}},
        {"the settings' time when none is given",
         {{{"pDate", march10}, {"pDefaultServiceTime", "9:15"}}, false},
         {"45361|0.38541666666666669||"}},
        {"three Sundays from a Tuesday",
         {{{"pWeekday", 7}, {"pFirstDate", march5}, {"pCount", 3}, {"pServiceType", "Mass"}}, true},
         {"45361|0.41666666666666669|Mass|", "45368|0.41666666666666669|Mass|",
          "45375|0.41666666666666669|Mass|"}},
        {"every other week up to a last date, the weekday of pDate",
         {{{"pDate", march5},
           {"pLastDate", day(2024, 4, 2)},
           {"pInterval", 2},
           {"pTime", "08:00"},
           {"pLocation", "Chapel"}},
          true},
         {"45356|0.33333333333333331||Chapel", "45370|0.33333333333333331||Chapel",
          "45384|0.33333333333333331||Chapel"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        QFile::remove(plan);
        cVkRecurringServices fresh;
        fresh.setPVkIniFile(iniFile);
        setUp(fresh, c.plan);
        EXPECT_TRUE(write(fresh, c.plan));
        EXPECT_EQ(storedPlanRows(plan), c.rows);
        EXPECT_EQ(fresh.written().size(), c.rows.size());
        EXPECT_EQ(errHandler().lastErrorNumber(), 0)
            << errHandler().lastErrorDescription().toStdString();
    }
}

TEST_F(cVkRecurringServicesTest, AFailureWritesNothingAndSaysWhy) {
    ASSERT_TRUE(createPlan(plan, {{day(2024, 3, 3), 0.5, "Mass", "St Mary"}}));
    const QByteArray jetHead =
        QByteArray("\x00\x01\x00\x00Standard Jet DB", 19) + QByteArray(2048 - 19, '\0');
    const QString access = writeFile(QStringLiteral("Plan2.mdb"), jetHead);
    const QString text = writeFile(QStringLiteral("notes.txt"), "not a database\r\n");
    const QString readOnly = path(QStringLiteral("Locked.MDB"));
    ASSERT_TRUE(QFile::copy(plan, readOnly));
    ASSERT_TRUE(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadOther));

    const Plan sunday = {{{"pDate", day(2024, 3, 10)}}, false};
    // Weekly from Tuesday 5 March, with `more`.
    const auto weekly = [](QVariantMap more) {
        more.insert(QVariantMap{{"pWeekday", 7}, {"pFirstDate", day(2024, 3, 5)}});
        return Plan{more, true};
    };
    const QString invalid = "Invalid procedure call or argument: ";
    struct Case {
        const char* name;
        QString planFile; // the file the INI names
        Plan plan;
        QString description;
    };
    const QList<Case> cases = {
        {"an impossible time",
         plan,
         {{{"pDate", day(2024, 3, 10)}, {"pTime", "25:00"}}, false},
         invalid + "the time '25:00' is not a time of the form HH:MM"},
        {"a count of more than 1000", plan, weekly({{"pCount", 1001}}),
         invalid + "the number of services must be from 1 to 1000, not 1001"},
        {"no end", plan, weekly({}),
         invalid + "a series needs a last date or a number of services"},
        {"a last date before the first", plan, weekly({{"pLastDate", day(2024, 3, 1)}}),
         invalid + "the last date 2024-03-01 lies before the first date 2024-03-05"},
        {"thirty years of Sundays", plan, weekly({{"pLastDate", day(2054, 3, 5)}}),
         invalid + "a series holds at most 1000 services; this one would hold 1565"},
        {"an interval of 0 weeks", plan, weekly({{"pCount", 2}, {"pInterval", 0}}),
         invalid + "the interval must be from 1 to 52 weeks, not 0"},
        {"no plan file named", QString(), sunday,
         "No plan database is named: the INI file has no \"PlanFile\" in its section "
         "\"Files\"."},
        {"an Access file", access, sunday,
         QString("The database '%1' is an Access file, which is only read and never written. "
                 "Convert it once with \"liturgy-calendar import %1 --out %2\" and name '%2' "
                 "in the INI file instead.")
             .arg(access, path("Plan2.sqlite"))},
        {"a text file", text, sunday,
         QString("The plan database '%1' is not a database this program can read.").arg(text)},
        {"a read-only file", readOnly, sunday,
         QString("Cannot write the plan database '%1': the file is read-only.").arg(readOnly)},
        {"a date after the liturgy data",
         plan,
         {{{"pDate", day(2070, 3, 5)}}, false},
         invalid + "2070-03-05 lies outside the liturgy data, which covers 2024-03-01 to "
                   "2024-04-30."},
        {"a series into the year 2201, even outside the data allowed",
         plan,
         {{{"pWeekday", 7},
           {"pFirstDate", day(2200, 12, 1)},
           {"pCount", 10},
           {"pAllowOutsideData", true}},
          true},
         invalid + "2201-01-04 lies outside the years in which services can be planned, "
                   "1900-01-01 to 2200-12-31."},
        {"a service the plan holds",
         plan,
         {{{"pDate", day(2024, 3, 3)},
           {"pTime", "12:00"},
           {"pServiceType", "Mass"},
           {"pLocation", "St Mary"}},
          false},
         "The plan already holds 2024-03-03 12:00, Mass, St Mary."},
    };
    const QByteArray planBytes = readFile(plan);
    const QByteArray readOnlyBytes = readFile(readOnly);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        resetSharedState();
        writeIni(c.planFile);
        cVkRecurringServices fresh;
        fresh.setPVkIniFile(iniFile);
        setUp(fresh, c.plan);
        EXPECT_FALSE(write(fresh, c.plan));
        EXPECT_EQ(errHandler().lastErrorDescription(), c.description);
        EXPECT_TRUE(fresh.written().isEmpty());
    }
    EXPECT_EQ(readFile(plan), planBytes);
    EXPECT_EQ(readFile(readOnly), readOnlyBytes);
    EXPECT_EQ(readFile(access), jetHead);
    EXPECT_FALSE(QFile::exists(path("Plan2.sqlite")));
    EXPECT_EQ(storedPlanRows(plan), QStringList{"45354|0.5|Mass|St Mary"});
}

// On a plan of three Sunday Masses and a Vespers, as WritesOne... writes them.
TEST_F(cVkRecurringServicesTest, ListsRemovesAndNamesTheDays) {
    ASSERT_TRUE(createPlan(plan, {{day(2024, 3, 3), timeOfDay(10, 0), "Mass", ""},
                                  {day(2024, 3, 10), timeOfDay(10, 0), "Mass", ""},
                                  {day(2024, 3, 17), timeOfDay(10, 0), "Mass", ""},
                                  {day(2024, 3, 10), timeOfDay(18, 0), "Vespers", ""}}));
    services.setPDate(day(2024, 3, 10));
    services.setPTime("10:00");
    services.setPServiceType("Baptism");
    ASSERT_TRUE(services.mCreateOneService());
    EXPECT_EQ(services.plannedText(), "Planned: Sun 10 Mar 2024 10:00, Baptism");
    // The Norwegian edition names the day in Norwegian.
    shared().gLanguageOffset = 1000;
    EXPECT_EQ(services.plannedText(), u8"Planned: s\u00f8n. 10 mar. 2024 10:00, Baptism");

    const QDate d10(2024, 3, 10);
    const Service mass{d10, QTime(10, 0), "Mass", ""};
    const Service baptism{d10, QTime(10, 0), "Baptism", ""};
    EXPECT_EQ(services.plannedServices(QDate(2024, 3, 10), QDate(2024, 3, 17)),
              (QList<Service>{mass,
                              baptism,
                              {d10, QTime(18, 0), "Vespers", ""},
                              {QDate(2024, 3, 17), QTime(10, 0), "Mass", ""}}));
    EXPECT_EQ(services.knownServiceTypes(), (QStringList{"Baptism", "Mass", "Vespers"}));
    EXPECT_EQ(services.duplicates({baptism, {d10, QTime(10, 0), "Baptism", "Chapel"}}),
              QList<Service>{baptism});
    struct Removal {
        QString type;
        bool all;
        QList<Service> found;
        bool removed;
    };
    // Several at one time are only listed unless the kind narrows them or all are asked for.
    const QList<Removal> removals = {
        {"Vespers", false, {}, false},
        {"", false, {mass, baptism}, false},
        {"Baptism", false, {baptism}, true},
        {"", false, {mass}, true},
    };
    for (const Removal& r : removals) {
        const PlanDatabase::Removal removal =
            services.removeServices(d10, QTime(10, 0), r.type, r.all);
        EXPECT_EQ(removal.services, r.found) << r.type.toStdString();
        EXPECT_EQ(removal.removed, r.removed) << r.type.toStdString();
    }
    EXPECT_EQ(storedPlanRows(plan),
              (QStringList{"45354|0.41666666666666669|Mass|", "45368|0.41666666666666669|Mass|",
                           "45361|0.75|Vespers|"}));

    EXPECT_EQ(services.dayNames({d10, QDate(2024, 3, 11), QDate(2024, 3, 17)}),
              (QStringList{"Lent 4", "", "Lent 5"}));
    EXPECT_EQ(errHandler().lastErrorNumber(), 0)
        << errHandler().lastErrorDescription().toStdString();
}

} // namespace
