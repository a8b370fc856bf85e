// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// The plan on a full disk: every change fails whole with the reason a person understands, the
// file keeps what it held, and the plan can still be read.
#include "data/PlanDatabase.h"

#include "common/FilledTmpfs.h"
#include "common/TestEnv.h"
#include "support/Failure.h"

#include <QDir>
#include <functional>

using namespace Qt::StringLiterals;

namespace {

using Service = PlanDatabase::Service;

class PlanDatabaseTest : public TestEnv {};

QList<Service> series(int count) {
    QList<Service> services;
    for (int i = 0; i < count; ++i)
        services.append({QDate(2027, 1, 3).addDays(7 * i), QTime(10, 0), u"Sung Eucharist"_s,
                         u"St Mary's Church, the long name of a place to fill pages quickly"_s});
    return services;
}

TEST_F(PlanDatabaseTest, AFullDiskChangesNothingAndSaysSo) {
    const QString folder = path(u"full"_s);
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString file = folder + u"/Plan.sqlite"_s;
    const Service carols{QDate(2026, 12, 24), QTime(18, 0), u"Carol Service"_s, {}};
    const QString full =
        u"Cannot %1 the plan database '%2': the disk is full, and the plan is as it was"_s;
    struct Case {
        const char* name;
        // Bytes left free on the disk after the plan was made.
        qint64 room;
        std::function<void(PlanDatabase&)> work;
        // The failure's text (the verb of `full`), or empty when the work must succeed.
        QString verb;
    };
    const QList<Case> cases{
        {"add one, no room", 0, [&](PlanDatabase& plan) { plan.add(series(1)); }, u"open"_s},
        {"add a series that outgrows the room", 48 * 1024,
         [&](PlanDatabase& plan) { plan.add(series(2000)); }, u"write"_s},
        {"remove, no room", 0,
         [&](PlanDatabase& plan) { plan.remove(carols.date, carols.time, {}); }, u"open"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FilledTmpfs tmpfs(folder);
        if (!tmpfs.mounted())
            GTEST_SKIP() << "mounting a small file system needs root";
        {
            PlanDatabase plan;
            plan.open(file);
            plan.add({carols});
        }
        const QByteArray before = readFile(file);
        tmpfs.fill();
        // Some room again, where the case wants it.
        if (c.room > 0)
            QFile::resize(folder + u"/.filler"_s,
                          QFileInfo(folder + u"/.filler"_s).size() - c.room);
        QString failure;
        int number = 0;
        try {
            PlanDatabase plan;
            plan.open(file);
            c.work(plan);
        } catch (const Failure& f) {
            failure = f.description();
            number = f.number();
        }
        EXPECT_EQ(failure, full.arg(c.verb, file));
        EXPECT_EQ(number, 61);
        // What was planned is still there, and can be read on the full disk.
        PlanDatabase reader;
        reader.open(file, false, PlanDatabase::Access::Read);
        EXPECT_EQ(reader.services(QDate(2026, 12, 1), QDate(2027, 12, 31)), QList<Service>{carols});
        EXPECT_EQ(readFile(file), before);
    }
}

} // namespace
