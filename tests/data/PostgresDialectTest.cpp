// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/PostgresDialect.h"

#include <gtest/gtest.h>

namespace {

TEST(PostgresDialectTest, StatementsAsTheServerReadsThem) {
    const std::pair<const char*, const char*> cases[] = {
        {"SELECT [Day Color], ShortName FROM tbCalenderData WHERE ShortName = \"O'Easter\"",
         "SELECT \"day color\", ShortName FROM tbCalenderData WHERE ShortName = 'O''Easter'"},
        {"SELECT ID FROM tbMainPlan WHERE Date >= #3/5/2024# AND Time = #14:30#",
         "SELECT ID FROM tbMainPlan WHERE Date >= '2024-03-05 00:00:00' AND Time = "
         "'1899-12-30 14:30:00'"},
        // Nulls stand where Jet puts them: first when ascending, last when descending.
        {"SELECT ID FROM tbReadings WHERE CalendarID=7 ORDER BY SortOrder, ID",
         "SELECT ID FROM tbReadings WHERE CalendarID=7 ORDER BY SortOrder NULLS FIRST, ID NULLS "
         "FIRST"},
        {"SELECT ID FROM t order  by Date DESC,Time asc ",
         "SELECT ID FROM t order  by Date DESC NULLS LAST,Time asc NULLS FIRST "},
        {"SELECT ID FROM t ORDER BY [Sort Order] LIMIT 3",
         "SELECT ID FROM t ORDER BY \"sort order\" NULLS FIRST LIMIT 3"},
        {"SELECT * FROM (SELECT ID FROM t ORDER BY ID DESC) AS x ORDER BY ID",
         "SELECT * FROM (SELECT ID FROM t ORDER BY ID DESC NULLS LAST) AS x ORDER BY ID NULLS "
         "FIRST"},
        {"SELECT ID FROM t ORDER BY ID NULLS LAST", "SELECT ID FROM t ORDER BY ID NULLS LAST"},
        // Words that only look like the clause are left alone.
        {"SELECT SortOrder FROM t WHERE Note = 'ORDER BY x' AND [order by] = 1",
         "SELECT SortOrder FROM t WHERE Note = 'ORDER BY x' AND \"order by\" = 1"},
        {"SELECT ORDERS FROM t", "SELECT ORDERS FROM t"},
    };
    for (const auto& [jet, server] : cases)
        EXPECT_EQ(PostgresDialect::toPostgreSQL(QString::fromUtf8(jet)), QString::fromUtf8(server))
            << jet;
}

} // namespace
