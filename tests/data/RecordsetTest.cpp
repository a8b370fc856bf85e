// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/Recordset.h"

#include "controls/FailureNumber.h"
#include "data/ResData.h"
#include "data/RowTable.h"

#include <gtest/gtest.h>

namespace {

RowTable twoRows() {
    RowTable t(3, {QStringLiteral("ID"), QStringLiteral("ShortName"), QStringLiteral("Date")});
    t.appendRow({1, QStringLiteral("Ash Wednesday"), 45337.0});
    t.appendRow({2, QVariant(), 45338.0});
    return t;
}

TEST(RowTableTest, NoTableTableWithoutRowsAndCells) {
    const RowTable none;
    EXPECT_FALSE(none.isTable());
    EXPECT_EQ(none.columnCount(), 0);
    EXPECT_EQ(none.rowCount(), 0);
    EXPECT_TRUE(none.at(0, 0).isNull());

    const RowTable empty(2);
    EXPECT_TRUE(empty.isTable());
    EXPECT_EQ(empty.columnCount(), 2);
    EXPECT_EQ(empty.rowCount(), 0);

    const RowTable t = twoRows();
    EXPECT_EQ(t.at(0, 1).toInt(), 2);
    EXPECT_EQ(t.at(1, 0).toString(), QStringLiteral("Ash Wednesday"));
    EXPECT_FALSE(t.at(1, 1).isValid()); // SQL NULL
    EXPECT_FALSE(t.at(3, 0).isValid());
    EXPECT_FALSE(t.at(0, 2).isValid());
    EXPECT_FALSE(t.at(-1, 0).isValid());
    EXPECT_EQ(t.columnIndex(QStringLiteral("shortname")), 1);
    EXPECT_EQ(t.columnIndex(QStringLiteral("Day_Color")), -1);
    EXPECT_EQ(t.columnName(2), QStringLiteral("Date"));
    EXPECT_EQ(t.columnName(5), QString());
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
}

// What mADO's result modes do not reach: the readings a kind does not have.
TEST(ResDataTest, ReadingsOfOtherKindsAreEmpty) {
    const ResData empty;
    EXPECT_EQ(empty.toString(), QString());
    EXPECT_FALSE(empty.toBool());
    EXPECT_FALSE(empty.recordset());
    const ResData text = ResData::fromString(QStringLiteral("45356"), 45356.0);
    EXPECT_FALSE(text.isTable());
    EXPECT_FALSE(text.toBool());
    EXPECT_EQ(ResData::fromTable(twoRows()).toString(), QString());
    EXPECT_FALSE(ResData::fromTable(RowTable()).isTable());
    EXPECT_FALSE(ResData::fromBool(false).toBool());
    const auto rs = std::make_shared<Recordset>(twoRows());
    EXPECT_EQ(ResData::fromRecordset(rs).recordset(), rs);
    EXPECT_FALSE(ResData::fromRecordset(rs).table().isTable());
}

} // namespace
