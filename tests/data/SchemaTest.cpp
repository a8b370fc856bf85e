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

// Every statement the component sends runs as written on the databases of the schema, and the
// searches use the indexes.
class SchemaStatementsTest : public SchemaTest {
protected:
    void SetUp() override {
        SchemaTest::SetUp();
        m_liturgy = createDatabase(QStringLiteral("KAMINOSE.MDB"), Schema::Kind::Liturgy);
        m_plan = createDatabase(QStringLiteral("Plan.mdb"), Schema::Kind::Plan);
        m_service = createDatabase(QStringLiteral("Service.mdb"), Schema::Kind::Service);
        m_hymns = createDatabase(QStringLiteral("Hymns.mdb"), Schema::Kind::ItemData);
        const double d = ole(2024, 3, 5);
        fill(m_liturgy,
             QStringLiteral("INSERT INTO tbCalenderData (ID, Date, FeastRef, Day_Color, ShortName, "
                            "Day_ID) VALUES (?, ?, ?, ?, ?, ?)"),
             {{12, d, 155, 5, QStringLiteral("Tuesday"), 3},
              {7, d, 44, 1, QStringLiteral("St. Kieran"), 4},
              {20, d + 2, 0, 0, QVariant(), 5},
              {30, ole(2024, 5, 1), 101, 2, QStringLiteral("May"), 6}});
        fill(m_liturgy, QStringLiteral("INSERT INTO tbFeasts VALUES (?, ?)"),
             {{44, QStringLiteral("Abbot")}});
        fill(m_liturgy, QStringLiteral("INSERT INTO tbOrdo VALUES (?, ?)"),
             {{d, QStringLiteral("<p>Ordo</p>")}});
        fill(m_liturgy, QStringLiteral("INSERT INTO tbContent VALUES (?, ?, ?, ?)"),
             {{10000, QStringLiteral("Collect"), QStringLiteral("t"), QStringLiteral("<p>c</p>")}});
        fill(m_liturgy, QStringLiteral("INSERT INTO tbBibleText VALUES (?, ?, ?)"),
             {{5, QStringLiteral("t"), QStringLiteral("<p>b</p>")}});
        fill(m_hymns, QStringLiteral("INSERT INTO tbLyrics VALUES (?, ?, ?)"),
             {{42, QStringLiteral("l"), QStringLiteral("<p>h</p>")}});
        fill(m_service, QStringLiteral("INSERT INTO tbUserText VALUES (?, ?)"),
             {{5, QStringLiteral("<p>mine</p>")}});
        fill(m_plan, QStringLiteral("INSERT INTO tbMainPlan VALUES (?, ?, ?, ?)"),
             {{d, 0.75, QStringLiteral("Mass"), QStringLiteral("Church")},
              {d, 0.375, QStringLiteral("Lauds"), QVariant()}});
    }

    // The rows of a statement, each row's columns joined with '|'.
    static QStringList rows(const QString& file, const QString& sql, qint16 mode) {
        return resultLines(mADO::getResData(connect(file), sql, mode, false)).mid(1);
    }

    QString m_liturgy, m_plan, m_service, m_hymns;
};

TEST_F(SchemaStatementsTest, EveryStatementRunsAsWritten) {
    // FIRST and LAST stand for the month view's range, DAY for 3/5/2024, as the calendar writes
    // them.
    const auto sql = [](QString text) {
        return text.replace(QStringLiteral("FIRST"), getSQLDate(ole(2024, 2, 26), 0, 0, 0, 0))
            .replace(QStringLiteral("LAST"), getSQLDate(ole(2024, 4, 7), 0, 0, 0, 0))
            .replace(QStringLiteral("DAY"), getSQLDate(ole(2024, 3, 5), 0, 0, 0, 0));
    };
    const QString month = QStringLiteral(" WHERE Date >=FIRST AND Date <=LAST");
    struct Case {
        QString file;
        QString sql;
        qint16 mode;
        QString expected; // the rows, each on its own line
    };
    const QList<Case> cases = {
        {m_liturgy,
         "SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData " + month +
             " AND FeastRef <> 155 AND FeastRef <> 486 AND FeastRef <> 490 AND FeastRef <> 530 "
             "AND FeastRef <> 101 ORDER BY ID",
         3, "7|45356|44|1|St. Kieran\n20|45358|0|0|"},
        {m_liturgy,
         "SELECT ID, Date, FeastRef, Day_Color, ShortName FROM tbCalenderData " + month +
             " ORDER BY ID",
         3, "7|45356|44|1|St. Kieran\n12|45356|155|5|Tuesday\n20|45358|0|0|"},
        {m_liturgy, "SELECT ID, ShortName, FeastRef FROM tbCalenderData WHERE Date = DAY", 3,
         "7|St. Kieran|44\n12|Tuesday|155"},
        {m_liturgy, "SELECT FeastRef FROM tbCalenderData WHERE ID=12", 1, "155"},
        {m_liturgy, "SELECT Day_ID FROM tbCalenderData WHERE ID=7", 1, "4"},
        {m_liturgy,
         "SELECT FeastRef FROM tbCalenderData WHERE tbCalenderData.Date = DAY ORDER BY "
         "tbCalenderData.ID",
         3, "44\n155"},
        {m_liturgy, "SELECT tbFeasts.Description FROM tbFeasts WHERE tbFeasts.ID=44", 1, "Abbot"},
        {m_liturgy, "SELECT MIN(Date) FROM tbCalenderData", 1, "45356"},
        {m_liturgy, "SELECT MAX(Date) FROM tbCalenderData", 1, "45413"},
        {m_liturgy, "SELECT itemOrdo FROM tbOrdo WHERE itemDate=DAY", 1, "<p>Ordo</p>"},
        {m_liturgy, "SELECT Navn FROM tbContent WHERE ID=10000", 1, "Collect"},
        {m_liturgy, "SELECT Text, HTM_Data FROM tbContent WHERE ID = 10000", 2, "t|<p>c</p>"},
        {m_liturgy, "SELECT Text, HTM_Data FROM tbBibleText WHERE ID = 5", 2, "t|<p>b</p>"},
        {m_hymns,
         mADO::fixSQL(QStringLiteral("SELECT Lyrics, HTM_Data FROM tbLyrics WHERE ID = 42"), 0), 2,
         "l|<p>h</p>"},
        {m_service, "SELECT Text FROM tbUserText WHERE ID = 5", 2, "<p>mine</p>"},
        {m_plan, "SELECT Time, Date, ServType FROM tbMainPlan " + month + " ORDER BY Date,Time", 3,
         "0.375|45356|Lauds\n0.75|45356|Mass"},
        {m_plan,
         "SELECT Time, Date, ServType, Location FROM tbMainPlan " + month + " ORDER BY Date,Time",
         3, "0.375|45356|Lauds|\n0.75|45356|Mass|Church"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.sql.toStdString());
        EXPECT_EQ(rows(c.file, sql(c.sql), c.mode).join(QLatin1Char('\n')), c.expected);
    }
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
