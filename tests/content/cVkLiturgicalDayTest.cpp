// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "content/cVkLiturgicalDay.h"

#include "common/TestEnv.h"
#include "content/ContentComponents.h"
#include "content/ContentTestData.h"
#include "support/CErrHandler.h"
#include "support/LateBinding.h"
#include "support/ObjectRegistry.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"

#include <memory>

namespace {

class VkLiturgicalDayTest : public TestEnv {
protected:
    void SetUp() override {
        TestEnv::SetUp();
        registerContentComponents();
        liturgy = std::make_unique<TestDatabase>(path("Velmarka.MDB"), Schema::Kind::Liturgy);
        other = std::make_unique<TestDatabase>(path("other.mdb"), Schema::Kind::Liturgy);
        ini = writeFile(QStringLiteral("host.ini"), iniText(liturgy->path()));
        // Stored out of order: SortOrder decides, then ID.
        liturgy->addReading(14, 100, 3, 204, 40, QStringLiteral("John 1:1-5"),
                            QStringLiteral("Gospel"));
        liturgy->addReading(11, 100, 1, 202, 10, QStringLiteral("Gen 1:1-5"),
                            QStringLiteral("First Reading"));
        liturgy->addReading(13, 100, 2, 203, 30, QStringLiteral("Rom 6:3-11"),
                            QStringLiteral("Second Reading"));
        liturgy->addReading(12, 100, 2, 208, 20, QStringLiteral("Ps 23"), QStringLiteral("Psalm"));
        liturgy->addReading(15, 101, 1, 217, 50, QStringLiteral("Luke 2:1-20"),
                            QStringLiteral("Gospel"));
        other->addReading(1, 100, 1, 209, 60, QStringLiteral("Canticle"), QStringLiteral("Song"));
    }

    std::unique_ptr<QObject> create() const {
        auto object =
            ObjectRegistry::CreateObject(QStringLiteral("VkLiturgicalDay.cVkLiturgicalDay"));
        LateBinding::set(object.get(), "pVkIniFile", ini);
        return object;
    }

    // Each reading as "type|id|ref|caption", in collection order, reached by name.
    static QStringList listed(QObject* component) {
        QObject* readings = LateBinding::getObject(component, "pcolReadings");
        QStringList result;
        const int count = LateBinding::get(readings, "Count").toInt();
        for (int i = 1; i <= count; ++i) {
            QObject* r = LateBinding::objectOf(LateBinding::call(readings, "Item", {i}));
            result << LateBinding::get(r, "pType").toString() + QLatin1Char('|') +
                          LateBinding::get(r, "pID").toString() + QLatin1Char('|') +
                          LateBinding::get(r, "pRef").toString() + QLatin1Char('|') +
                          LateBinding::get(r, "pTypeString").toString();
        }
        return result;
    }

    std::unique_ptr<TestDatabase> liturgy;
    std::unique_ptr<TestDatabase> other;
    QString ini;
};

TEST_F(VkLiturgicalDayTest, CollectionCountsFromOneAndRemovesByPosition) {
    auto day = create();
    LateBinding::set(day.get(), "pID", 100);
    ASSERT_TRUE(LateBinding::call(day.get(), "mResolve").toBool());
    QObject* readings = LateBinding::getObject(day.get(), "pcolReadings");
    QObject* kept = LateBinding::objectOf(LateBinding::call(readings, "Item", {2}));
    LateBinding::call(readings, "Remove", {2});
    LateBinding::call(readings, "Remove", {3});
    EXPECT_EQ(listed(day.get()), (QStringList{QStringLiteral("202|10|Gen 1:1-5|First Reading"),
                                              QStringLiteral("203|30|Rom 6:3-11|Second Reading")}));
    // A removed reading stays usable for a caller that still holds it.
    EXPECT_EQ(LateBinding::get(kept, "pRef").toString(), QStringLiteral("Ps 23"));

    // Enumeration in order from C++.
    auto* typed = static_cast<cVkLiturgicalDay*>(day.get());
    QStringList refs;
    for (const cVkReading* r : *typed->pcolReadings())
        refs << r->pRef();
    EXPECT_EQ(refs, (QStringList{QStringLiteral("Gen 1:1-5"), QStringLiteral("Rom 6:3-11")}));

    for (const int position : {0, 3, -1}) {
        ProcScope scope("mTest.caller");
        EXPECT_FALSE(scope.run([&] { LateBinding::call(readings, "Remove", {position}); }));
        EXPECT_EQ(errHandler().lastErrorNumber(), 9);
        EXPECT_FALSE(scope.run([&] { LateBinding::call(readings, "Item", {position}); }));
        EXPECT_EQ(errHandler().lastErrorNumber(), 9);
    }
    EXPECT_EQ(LateBinding::get(readings, "Count").toInt(), 2);
}

// The readings of the row in sort order, then ID, each resolve replacing the list: from the
// INI file's database, or the one a Jet connection string names; a row without readings gives
// false and an empty list, silently; a missing database is reported.
TEST_F(VkLiturgicalDayTest, ListsTheReadingsOfTheRowInSortOrderThenId) {
    const QString jet = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=");
    const QString missing = writeFile(QStringLiteral("bad.ini"), iniText(path("missing.mdb")));
    const std::tuple<QString, QString, qint32, QStringList, bool> steps[] = {
        {ini,
         QString(),
         100,
         {"202|10|Gen 1:1-5|First Reading", "208|20|Ps 23|Psalm",
          "203|30|Rom 6:3-11|Second Reading", "204|40|John 1:1-5|Gospel"},
         false},
        {ini, QString(), 101, {"217|50|Luke 2:1-20|Gospel"}, false},
        {ini, QString(), 102, {}, false},
        {ini, jet + other->path() + u';', 100, {"209|60|Canticle|Song"}, false},
        {missing, QString(), 100, {}, true},
    };
    auto day = create();
    for (const auto& [iniFile, connection, id, readings, reported] : steps) {
        SCOPED_TRACE(id);
        LateBinding::set(day.get(), "pVkIniFile", iniFile);
        LateBinding::set(day.get(), "pConnectionString", connection);
        LateBinding::set(day.get(), "pID", id);
        EXPECT_EQ(LateBinding::call(day.get(), "mResolve").toBool(), !readings.isEmpty());
        EXPECT_EQ(listed(day.get()), readings);
        EXPECT_EQ(ui().messageBoxes().isEmpty(), !reported);
    }
}

} // namespace
