// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "DataTestSupport.h"
#include "common/SqlFile.h"
#include "data/SqlDate.h"
#include "data/mADO.h"

#include <QDir>

namespace {

class SchemaTest : public DataTest {
protected:
    // "table(column type, ...)" for every table, and every index with its columns, in name order.
    static QStringList layout(const QString& file) {
        QStringList out;
        for (const QVariantList& object : SqlFile::rows(
                 file, QStringLiteral("SELECT type = 'table', name, tbl_name FROM sqlite_master "
                                      "ORDER BY type DESC, name"))) {
            const bool isTable = object[0].toBool();
            const QString name = object[1].toString();
            QStringList parts;
            for (const QVariantList& col :
                 SqlFile::rows(file, (isTable ? QStringLiteral("PRAGMA table_info(%1)")
                                              : QStringLiteral("PRAGMA index_info(%1)"))
                                         .arg(name))) {
                parts.append(isTable ? col[1].toString() + QLatin1Char(' ') + col[2].toString() +
                                           (col[5].toInt() ? QStringLiteral(" KEY") : QString())
                                     : col[2].toString());
            }
            out.append(
                (isTable ? QString()
                         : QStringLiteral("index ") + object[2].toString() + QLatin1Char(' ')) +
                name + QLatin1Char('(') + parts.join(QStringLiteral(", ")) + QLatin1Char(')'));
        }
        return out;
    }
};

TEST_F(SchemaTest, EachKindHasItsTablesColumnsTypesAndIndexes) {
    const QStringList content = {
        QStringLiteral("tbBibleText(ID INTEGER KEY, Text TEXT, HTM_Data TEXT)"),
        QStringLiteral("tbContent(ID INTEGER KEY, Navn TEXT, Text TEXT, HTM_Data TEXT)"),
        QStringLiteral("tbLyrics(ID INTEGER KEY, Lyrics TEXT, HTM_Data TEXT)"),
    };
    QStringList liturgy = {
        QStringLiteral("tbBibleText(ID INTEGER KEY, Text TEXT, HTM_Data TEXT)"),
        QStringLiteral("tbCalenderData(ID INTEGER KEY, Date REAL, FeastRef INTEGER, Day_Color "
                       "INTEGER, ShortName TEXT, Day_ID INTEGER)"),
        QStringLiteral("tbContent(ID INTEGER KEY, Navn TEXT, Text TEXT, HTM_Data TEXT)"),
        QStringLiteral("tbContentLinks(CalendarID INTEGER, ComponentID INTEGER, ContentID "
                       "INTEGER)"),
        QStringLiteral("tbFeasts(ID INTEGER KEY, Description TEXT)"),
        QStringLiteral("tbLyrics(ID INTEGER KEY, Lyrics TEXT, HTM_Data TEXT)"),
        QStringLiteral("tbOrdo(itemDate REAL, itemOrdo TEXT)"),
        QStringLiteral("tbReadings(ID INTEGER KEY, CalendarID INTEGER, SortOrder INTEGER, Type "
                       "INTEGER, ContentID INTEGER, Ref TEXT, TypeString TEXT)"),
        QStringLiteral("index tbCalenderData ixCalenderDataDate(Date)"),
        QStringLiteral("index tbContentLinks ixContentLinksCalendarID(CalendarID, ComponentID)"),
        QStringLiteral("index tbOrdo ixOrdoItemDate(itemDate)"),
        QStringLiteral("index tbReadings ixReadingsCalendarID(CalendarID, SortOrder, ID)"),
    };
    EXPECT_EQ(layout(createDatabase(QStringLiteral("lit.mdb"), Schema::Kind::Liturgy)), liturgy);
    EXPECT_EQ(layout(createDatabase(QStringLiteral("items.mdb"), Schema::Kind::ItemData)), content);
    EXPECT_EQ(layout(createDatabase(QStringLiteral("plan.mdb"), Schema::Kind::Plan)),
              QStringList({QStringLiteral("tbMainPlan(Date REAL, Time REAL, ServType TEXT, "
                                          "Location TEXT)"),
                           QStringLiteral("index tbMainPlan ixMainPlanDate(Date, Time)")}));
    EXPECT_EQ(layout(createDatabase(QStringLiteral("service.mdb"), Schema::Kind::Service)),
              QStringList({QStringLiteral("tbUserText(ID INTEGER KEY, Text TEXT)")}));
}

TEST_F(SchemaTest, NeverTouchesAnExistingFileAndLeavesNothingOnFailure) {
    const QByteArray bytes("not a database");
    const QString existing = writeFile(QStringLiteral("existing.mdb"), bytes);
    QString error;
    EXPECT_FALSE(Schema::create(existing, Schema::Kind::Liturgy, &error));
    EXPECT_EQ(error, QStringLiteral("The file '%1' exists already.").arg(existing));
    EXPECT_EQ(readFile(existing), bytes);

    const QString noFolder = path(QStringLiteral("missing/x.mdb"));
    EXPECT_FALSE(Schema::create(noFolder, Schema::Kind::Plan, &error));
    EXPECT_EQ(error, QStringLiteral("The folder of '%1' does not exist.").arg(noFolder));
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));

    // A file where the folder should be.
    writeFile(QStringLiteral("file"), "x");
    EXPECT_FALSE(Schema::create(path(QStringLiteral("file/x.mdb")), Schema::Kind::Plan, &error));
    EXPECT_FALSE(Schema::create(QString(), Schema::Kind::Plan));
    EXPECT_EQ(QDir(dir()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              QStringList({QStringLiteral("existing.mdb"), QStringLiteral("file")}));
}

// The statements of the day notes, which only the window sends, run as written on the schema,
// and the searches use the indexes. The components' own statements are their tests', through
// the whole months, pages and plans they give.
class SchemaStatementsTest : public SchemaTest {
protected:
    void SetUp() override {
        SchemaTest::SetUp();
        m_liturgy = createDatabase(QStringLiteral("KAMINOSE.MDB"), Schema::Kind::Liturgy);
        const double d = ole(2024, 3, 5);
        fill(m_liturgy,
             QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef) VALUES (?, ?, ?)"),
             {{12, d, 155}, {7, d, 44}, {20, d + 2, 0}});
        fill(m_liturgy, QStringLiteral("INSERT INTO tbFeasts VALUES (?, ?)"),
             {{44, QStringLiteral("Abbot")}});
    }

    QString m_liturgy;
};

TEST_F(SchemaStatementsTest, TheDayNoteStatementsRunAsWritten) {
    const auto rows = [this](const QString& sql, qint16 mode) {
        return resultLines(mADO::getResData(connect(m_liturgy), sql, mode, false)).mid(1);
    };
    EXPECT_EQ(
        rows(QStringLiteral("SELECT FeastRef FROM tbCalenderData WHERE tbCalenderData.Date = ") +
                 getSQLDate(ole(2024, 3, 5), 0, 0, 0, 0) +
                 QStringLiteral(" ORDER BY tbCalenderData.ID"),
             3),
        (QStringList{QStringLiteral("44"), QStringLiteral("155")}));
    EXPECT_EQ(
        rows(QStringLiteral("SELECT tbFeasts.Description FROM tbFeasts WHERE tbFeasts.ID=44"), 1),
        QStringList{QStringLiteral("Abbot")});
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    EXPECT_TRUE(logRecords().isEmpty());
}

TEST_F(SchemaStatementsTest, SearchesUseTheIndexes) {
    const ConnectionPtr c = connect(m_liturgy);
    const auto plan = [&](const QString& sql) {
        const RowTable t = c->fetchAll(QStringLiteral("EXPLAIN QUERY PLAN ") + sql);
        QStringList steps;
        for (int row = 0; row < t.rowCount(); ++row)
            steps.append(t.at(3, row).toString());
        return steps.join(QLatin1Char(';'));
    };
    // A statement, and the step of its plan that shows the search.
    const std::pair<const char*, const char*> cases[] = {
        {"SELECT ID FROM tbCalenderData WHERE Date >=#2/26/2024# AND Date <=#4/7/2024# ORDER BY ID",
         "ixCalenderDataDate (Date>? AND Date<?)"},
        {"SELECT FeastRef FROM tbCalenderData WHERE ID=12", "INTEGER PRIMARY KEY"},
        {"SELECT itemOrdo FROM tbOrdo WHERE itemDate=#3/5/2024#", "USING INDEX ixOrdoItemDate"},
        {"SELECT ContentID FROM tbReadings WHERE CalendarID=7 ORDER BY SortOrder, ID",
         "USING INDEX ixReadingsCalendarID"},
        {"SELECT ContentID FROM tbContentLinks WHERE CalendarID=7",
         "USING INDEX ixContentLinksCalendarID"},
    };
    for (const auto& [sql, step] : cases)
        EXPECT_TRUE(plan(QString::fromUtf8(sql)).contains(QString::fromUtf8(step))) << sql;
}

} // namespace
