// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/Recordset.h"

#include "controls/FailureNumber.h"
#include "data/RowTable.h"

#include <gtest/gtest.h>

namespace {

RowTable twoRows() {
    RowTable t(3, {QStringLiteral("ID"), QStringLiteral("ShortName"), QStringLiteral("Date")});
    t.appendRow({1, QStringLiteral("Ash Wednesday"), 45337.0});
    t.appendRow({2, QVariant(), 45338.0});
    return t;
}

TEST(RecordsetTest, WalksRowsForwardByPositionAndName) {
    Recordset rs(twoRows());
    EXPECT_EQ(rs.RecordCount(), 2);
    EXPECT_FALSE(rs.Eof());
    EXPECT_FALSE(rs.Bof());
    EXPECT_EQ(rs.value(0).toInt(), 1);
    EXPECT_EQ(rs.value(QStringLiteral("SHORTNAME")).toString(), QStringLiteral("Ash Wednesday"));
    rs.MoveNext();
    EXPECT_FALSE(rs.Eof());
    EXPECT_EQ(rs.value(QStringLiteral("id")).toInt(), 2);
    EXPECT_FALSE(rs.value(1).isValid());
    rs.MoveNext();
    EXPECT_TRUE(rs.Eof());
    EXPECT_FALSE(rs.Bof());
    // No current record, unknown fields, a closed recordset: the database's run-time errors.
    EXPECT_EQ(failureNumber([&] { rs.value(0); }), 3021);
    EXPECT_EQ(failureNumber([&] { rs.MoveNext(); }), 3021);
    Recordset other(twoRows());
    EXPECT_EQ(failureNumber([&] { other.value(3); }), 3265);
    EXPECT_EQ(failureNumber([&] { other.value(QStringLiteral("Navn")); }), 3265);
    other.Close();
    other.Close();
    EXPECT_FALSE(other.isOpen());
    EXPECT_TRUE(other.Eof());
    EXPECT_EQ(failureNumber([&] { other.value(0); }), 3704);
    // Without rows it is at both ends.
    Recordset none(RowTable(2));
    EXPECT_TRUE(none.Eof());
    EXPECT_TRUE(none.Bof());
    EXPECT_EQ(none.RecordCount(), 0);
    EXPECT_EQ(failureNumber([&] { none.value(0); }), 3021);
    // The table under it reads nothing outside its cells.
    const RowTable t = twoRows();
    for (const auto& [column, row] : {std::pair(3, 0), std::pair(0, 2), std::pair(-1, 0)})
        EXPECT_FALSE(t.at(column, row).isValid()) << column << "," << row;
}

} // namespace
