// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/AccessImport.h"

#include "DataTestSupport.h"
#include "data/AccessCache.h"
#include "data/Connection.h"
#include "data/DataSource.h"
#include "support/Failure.h"
#include "support/Sanitizers.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFileInfo>

// Users' Access files read through the import helper into cached SQLite copies, on the real
// Access files of the test data folder.
namespace {

class AccessImportTest : public DataTest {
protected:
    void SetUp() override {
        DataTest::SetUp();
        const QString nwind = accessTestFile(QStringLiteral("nwind.mdb"));
        m_testdata = nwind.isEmpty() ? QString() : QFileInfo(nwind).path() + QLatin1Char('/');
        if (m_testdata.isEmpty())
            GTEST_SKIP() << "the Access test files (shared/testdata/nwind.mdb beside the "
                            "source folder) are absent";
    }

    // A writable copy of the test data file `name` in the test's folder, as `as`.
    QString copyOf(const char* name, const QString& as) const {
        const QString target = path(as);
        EXPECT_TRUE(QFile::copy(m_testdata + QLatin1String(name), target));
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    // A helper program of the test's own: a shell script.
    QString script(const QString& name, const QString& body) const {
        const QString p = writeFile(name, ("#!/bin/sh\n" + body + "\n").toUtf8());
        QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        return p;
    }

    // The description of the failure of opening `file`; empty when it opened.
    static QString openFailure(const QString& file) {
        try {
            Connection c;
            c.Open(jet(file));
        } catch (const Failure& f) {
            return f.description();
        }
        return {};
    }

    static QStringList cacheFiles() {
        return QDir(AccessCache::folder()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    QString m_testdata;
};

TEST_F(AccessImportTest, AccessFilesReadAsTheComponentsStatementsExpect) {
    const QString file = copyOf("nwind.mdb", QStringLiteral("NWIND.MDB"));
    const QByteArray before = readFile(file);
    Connection c;
    // Named in other letter case, as INI files do.
    c.Open(jet(path(QStringLiteral("nwind.mdb"))));
    const std::pair<const char*, const char*> cases[] = {
        {"SELECT COUNT(*) FROM [Order Details]", "2155"},
        {"SELECT COUNT(*), MIN(OrderID), MAX(OrderID) FROM Umsätze", "830|10248|11077"},
        // dates as stored day numbers; a Jet date range, ORDER BY, MIN and MAX
        {"SELECT OrderID, CustomerID, OrderDate, ShippedDate, Freight, ShipCity FROM Orders "
         "WHERE OrderDate >= #8/4/1994# AND OrderDate <= #8/8/1994# ORDER BY OrderID DESC",
         "10251|VICTE|34554|34561|41.34|Lyon\n10250|HANAR|34554|34558|65.83|Rio de Janeiro\n"
         "10249|TOMSP|34551|34556|11.61|Münster\n10248|VINET|34550|34562|32.38|Reims"},
        {"SELECT MIN(OrderDate), MAX(OrderDate) FROM Orders", "34550|35221"},
        {"SELECT COUNT(*) FROM Orders WHERE ShippedDate IS NULL", "21"},
        {"SELECT ShipRegion FROM Orders WHERE OrderID = 10248", "NULL"},
        // Currency, Yes/No, Single
        {"SELECT ProductName, UnitPrice, Discontinued FROM Products WHERE ProductID IN (5, 38) "
         "ORDER BY ProductID",
         "Chef Anton's Gumbo Mix|21.35|-1\nCôte de Blaye|263.5|0"},
        {"SELECT Discount FROM [Order Details] WHERE OrderID = 10250 AND ProductID = 51", "0.15"},
        // text outside ASCII and with line breaks; memo longer than a text column
        {"SELECT CompanyName, City FROM Customers WHERE CustomerID = 'BERGS'",
         "Berglunds snabbköp|Luleå"},
        {"SELECT Address FROM Employees WHERE EmployeeID = 1", "507 - 20th Ave. E.\r\nApt. 2A"},
        {"SELECT LastName, BirthDate, HireDate FROM Employees WHERE EmployeeID = 9",
         "Dodsworth|24134|34653"},
    };
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(rowsText(c.fetchAll(QString::fromUtf8(sql))), QString::fromUtf8(expected)) << sql;
    const QString notes = c.fetchFirstValue(QStringLiteral("SELECT Notes FROM Employees WHERE "
                                                           "EmployeeID = 2"))
                              ->toString();
    EXPECT_EQ(notes.size(), 448);
    EXPECT_TRUE(notes.startsWith(QStringLiteral("Andrew received his BTS commercial in 1974")))
        << notes.toStdString();
    EXPECT_EQ(c.fetchFirstValue(QStringLiteral("SELECT Photo FROM Employees WHERE EmployeeID = 1"))
                  ->toByteArray()
                  .size(),
              21626);
    c.Close();
    EXPECT_EQ(readFile(file), before); // never written

    // Dates before 1900 and after 2100 read as their stored day numbers.
    c.Open(jet(copyOf("DateTestDatabase.mdb", QStringLiteral("dates.mdb"))));
    EXPECT_EQ(rowsText(c.fetchAll(QStringLiteral("SELECT * FROM DateTest ORDER BY IDCol"))),
              QStringLiteral("1|44532|44532|44532|Hello|Hello\n"
                             "2|2958101|2958101|2958101|Year 9999|Year 1999\n"
                             "3|-728|-363|2|Pre-1900 years|Pre-1900 years\n"
                             "4|-463126|-462760|-462395|Pre-1000 years|Pre-1000 years\n"
                             "5|44532|44532|44532|Escaped new line \\r\\n in field|Escaped new "
                             "line \\r\\n in field\n"
                             "6|44532|44532|44532|New line\r\nin field|No new line"));
}

TEST_F(AccessImportTest, CopyIsImportedOncePerStateOfTheFile) {
    const QString file = copyOf("DateTestDatabase.mdb", QStringLiteral("KAMINOSE.MDB"));
    const QString starts = path(QStringLiteral("starts"));
    shared().env.accessImportProgram =
        script(QStringLiteral("counting-helper"),
               QStringLiteral("echo run >> '%1'\nexec '%2' \"$@\"")
                   .arg(starts, QStringLiteral(LC_ACCESS_IMPORT_BUILD_PROGRAM)));
    const auto openAndCount = [&] {
        Connection c;
        c.Open(jet(file));
        const QString rows =
            c.fetchFirstValue(QStringLiteral("SELECT COUNT(*) FROM DateTest"))->toString();
        c.Close();
        return rows + QLatin1Char(' ') + QString::number(readFile(starts).count("run"));
    };
    EXPECT_EQ(openAndCount(), QStringLiteral("6 1"));
    const QString first = AccessCache::copyName(file);
    EXPECT_EQ(cacheFiles(), QStringList{first});
    EXPECT_EQ(openAndCount(), QStringLiteral("6 1")); // from the copy
    // A changed file is imported again and its stale copy goes.
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.setFileTime(QDateTime(QDate(2020, 1, 2), QTime(3, 4, 5), Qt::UTC),
                              QFileDevice::FileModificationTime));
    f.close();
    EXPECT_EQ(openAndCount(), QStringLiteral("6 2"));
    EXPECT_NE(AccessCache::copyName(file), first);
    EXPECT_EQ(cacheFiles(), QStringList{AccessCache::copyName(file)});
    EXPECT_EQ(QFileInfo(AccessCache::folder() + cacheFiles().value(0)).permissions() &
                  (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther),
              QFile::Permissions());
}

TEST_F(AccessImportTest, DamagedFilesAndFailingHelpersFailCleanlyAndLeaveNoCopy) {
    const QByteArray nwind = readFile(m_testdata + QStringLiteral("nwind.mdb"));
    const auto flipped = [&](qsizetype from, qsizetype count) {
        QByteArray bytes = nwind;
        for (qsizetype i = from; i < from + count; ++i)
            bytes[i] = char(~bytes[i]);
        return bytes;
    };
    const QString helper = QStringLiteral(LC_ACCESS_IMPORT_BUILD_PROGRAM);
    struct Case {
        QString name;
        QByteArray bytes;
        QString program; // the helper's script body, or a path; empty: the real helper
        QString reason;
    };
    const Case cases[] = {
        {"cut.mdb", nwind.left(1000000), QString(),
         "the file is truncated or damaged (its size is no whole number of pages)"},
        {"half.mdb", nwind.left(nwind.size() / 2), {}, "the table 'Umsätze' cannot be read"},
        {"headonly.mdb", nwind.left(2048), QString(),
         "the file's table catalog cannot be read; it is damaged"},
        {"badtable.mdb", flipped(0x40, 32), QString(),
         "the file's table catalog cannot be read; it is damaged"},
        {"badcatalog.mdb", flipped(4196, 64), QString(),
         "the file is damaged (libmdb: warning: Invalid data location detected in "
         "mdb_crack_row. Table:MSysObjects Column:2)"},
        // helpers that crash midway, report an error, hang or run out of memory
        {"crash.mdb", nwind, "printf 'SQLite format 3' > \"$2\"\nkill -KILL $$",
         "the import helper crashed"},
        {"error.mdb", nwind, "echo noise >&2\necho 'error: the disk is full' >&2\nexit 1",
         "the disk is full"},
        // libmdb's warnings without end: only the first and last few kilobytes are kept
        {"noisy.mdb", nwind,
         "yes 'warning: noise' | head -n 1300000 >&2\necho 'error: the table is damaged' >&2\n"
         "exit 1",
         "the table is damaged"},
        {"silent.mdb", nwind, "exit 7", "the import helper failed with exit code 7"},
        {"nothing.mdb", nwind, "exit 0", "the import helper wrote no database"},
        {"hang.mdb", nwind, "exec sleep 30",
         "the import helper did not finish within 0.5 seconds and was stopped"},
        // too little memory even to load its libraries
        {"nohelper.mdb", nwind, "/nowhere/liturgy-access-import",
         "the import helper '/nowhere/liturgy-access-import' cannot be started: execvp: No such "
         "file or directory"},
        {"memory.mdb", nwind, "exec '" + helper + "' \"$@\"",
         helper + ": error while loading shared libraries: "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        // An instrumented helper needs more address space than any limit leaves it.
        if (kAddressSanitizer && c.name == QLatin1String("memory.mdb"))
            continue;
        shared().env = Environment();
        shared().env.accessImportTimeoutMs = 500;
        if (!c.program.isEmpty())
            shared().env.accessImportProgram = c.program.startsWith(QLatin1Char('/'))
                                                   ? c.program
                                                   : script(c.name + ".sh", c.program);
        if (c.name == QLatin1String("memory.mdb"))
            shared().env.accessImportMemoryBytes = 4 << 20;
        const QString file = writeFile(c.name, c.bytes);
        const QString expected =
            QStringLiteral("Cannot open the Access database '%1': %2").arg(file, c.reason);
        const QString failure = openFailure(file);
        EXPECT_EQ(c.reason.endsWith(QLatin1Char(' ')) ? failure.left(expected.size()) : failure,
                  expected);
        EXPECT_EQ(cacheFiles(), QStringList());
        EXPECT_EQ(readFile(file), c.bytes);
    }
}

TEST_F(AccessImportTest, WritersTellAccessFilesAndHowToConvertThem) {
    const QString mdb = copyOf("nwind.mdb", QStringLiteral("Plan.MDB"));
    const QString sqlite = createDatabase(QStringLiteral("plan.db"), Schema::Kind::Plan);
    const std::pair<QString, bool> cases[] = {
        {mdb, true},        {path(QStringLiteral("plan.mdb")), true},
        {sqlite, false},    {path(QStringLiteral("missing.mdb")), false},
        {QString(), false},
    };
    for (const auto& [file, access] : cases)
        EXPECT_EQ(DataSource::isAccessFile(file), access) << file.toStdString();
    // The whole message is cVkRecurringServicesTest's; a name without an extension gets one.
    EXPECT_TRUE(DataSource::accessWriteRefused(QStringLiteral("/a.b/plan"))
                    .contains(QStringLiteral("--out /a.b/plan.sqlite\"")));
}

} // namespace
