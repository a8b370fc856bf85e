// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/SqliteLibrary.h"

#include <QSqlDatabase>
#include <QtGlobal>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

const void* address(auto function) {
    return reinterpret_cast<const void*>(function);
}

TEST(SqliteLibraryTest, TheLoadedObjectsNamesAndWhatTheyNeed) {
    // The driver is loaded with its first database.
    { QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("probe")); }
    QSqlDatabase::removeDatabase(QStringLiteral("probe"));
    const QByteArray sqlite = SqliteLibrary::sonameAt(address(&sqlite3_prepare_v2));
    const QByteArray core = SqliteLibrary::sonameAt(address(&qVersion));
    EXPECT_TRUE(sqlite.startsWith("libsqlite3.so")) << sqlite.constData();
    EXPECT_TRUE(core.startsWith("libQt6Core.so")) << core.constData();
    const int local = 0;
    EXPECT_EQ(SqliteLibrary::sonameAt(&local), QByteArray());
    EXPECT_EQ(SqliteLibrary::sonameAt(nullptr), QByteArray());

    struct Case {
        const char* object;
        QByteArray needs;
        bool expected;
    };
    const Case cases[] = {
        {"/libqsqlite", sqlite, true},     {"/libqsqlite", core, true},
        {"/libQt6Sql.so", core, true},     {"/libQt6Sql.so", sqlite, false},
        {"/libQt6Core.so", sqlite, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SqliteLibrary::neededBy(c.object).contains(c.needs), c.expected)
            << c.object << " " << c.needs.constData();
    }
    QByteArray soname = "stale";
    EXPECT_TRUE(SqliteLibrary::neededBy("/no-such-object.so", &soname).isEmpty());
    EXPECT_EQ(soname, QByteArray());
    EXPECT_TRUE(SqliteLibrary::neededBy("/libQt6Sql.so", &soname).size() > 1);
    EXPECT_TRUE(soname.startsWith("libQt6Sql.so")) << soname.constData();
    // This system's driver runs on the library the connections call, so its handles are used.
    EXPECT_TRUE(SqliteLibrary::driverSharesOurs());
}

} // namespace
