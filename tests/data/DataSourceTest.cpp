// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/DataSource.h"

#include "DataTestSupport.h"
#include "data/PlanDatabase.h"
#include "support/Failure.h"

#include <QDir>
#include <QFileInfo>

namespace {

using Kind = DataSource::Target::Kind;

TEST(DataSourceTest, ParsesConnectionStrings) {
    struct Case {
        const char* text;
        Kind kind;
        const char* provider;
        const char* source;
    };
    const Case cases[] = {
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/KAMINOSE.MDB;", Kind::JetFile,
         "Microsoft.Jet.OLEDB.4.0", "/data/KAMINOSE.MDB"},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\x.mdb;", Kind::JetFile,
         "Microsoft.Jet.OLEDB.4.0", "C:\\x.mdb"},
        {"provider = microsoft.jet.oledb.4.0 ; data  source = /x.mdb", Kind::JetFile,
         "microsoft.jet.oledb.4.0", "/x.mdb"},
        {"Provider=Microsoft.ACE.OLEDB.12.0;Data Source=/x.accdb;", Kind::JetFile,
         "Microsoft.ACE.OLEDB.12.0", "/x.accdb"},
        // the shaped form that a prefix gives
        {"Provider=MSDataShape;Data Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/x.mdb;",
         Kind::JetFile, "Microsoft.Jet.OLEDB.4.0", "/x.mdb"},
        // a semicolon inside an unquoted path stays in the path; quoted values unquote
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/my;data/x.mdb;", Kind::JetFile,
         "Microsoft.Jet.OLEDB.4.0", "/my;data/x.mdb"},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=\"/a \"\"b\"\";c.mdb\";Mode=Read",
         Kind::JetFile, "Microsoft.Jet.OLEDB.4.0", "/a \"b\";c.mdb"},
        {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source=;", Kind::JetFile, "Microsoft.Jet.OLEDB.4.0",
         ""},
        // hosts' server strings
        {"Provider=SQLOLEDB;Data Source=srv;Initial Catalog=Liturgy;", Kind::Server, "SQLOLEDB",
         "srv"},
        {"Driver={SQL Server};Server=srv;", Kind::Server, "", ""},
        // a service of libpq's service file, which holds the server and the password
        {"service=parish", Kind::Server, "PostgreSQL", ""},
        {"", Kind::None, "", ""},
        {";;  ;", Kind::None, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const DataSource::Target t = DataSource::parse(QString::fromUtf8(c.text));
        EXPECT_EQ(int(t.kind), int(c.kind));
        EXPECT_EQ(t.provider.toStdString(), c.provider);
        EXPECT_EQ(t.dataSource.toStdString(), c.source);
    }
    EXPECT_EQ(DataSource::parse(QStringLiteral("Provider=SQLOLEDB;Initial Catalog=L;"))
                  .keys.value(QStringLiteral("INITIAL CATALOG")),
              QStringLiteral("L"));
}

class DataSourceFileTest : public DataTest {
protected:
    // The file that resolving `dataFile` gives, or the description of its failure.
    static QString resolved(const QString& dataFile) {
        try {
            return DataSource::sqliteFileFor(dataFile);
        } catch (const Failure& f) {
            EXPECT_EQ(f.number(), -2147467259);
            return f.description();
        }
    }
};

// SQLite files open whatever their name or letter case; any other file fails, named.
TEST_F(DataSourceFileTest, SQLiteFilesOpenWhateverTheirNameAndOthersFailNamingTheFile) {
    const QString mdb = createDatabase(QStringLiteral("Liturgy.MDB"), Schema::Kind::Liturgy);
    QDir(dir()).mkpath(QStringLiteral("Sub"));
    const QString db = createDatabase(QStringLiteral("Sub/plan.db"), Schema::Kind::Plan);
    QByteArray random(4096, '\0');
    for (int i = 0; i < random.size(); ++i)
        random[i] = char((i * 7919 + 13) % 251);
    const QString noise = writeFile(QStringLiteral("noise.MDB"), random);
    const QString empty = writeFile(QStringLiteral("empty.mdb"), QByteArray());
    const auto accessHead = [](const char* engine) {
        return QByteArray("\x00\x01\x00\x00Standard ", 13) + engine + " DB" +
               QByteArray(2029, '\0');
    };
    const QString jet = writeFile(QStringLiteral("KAMINOSE.MDB"), accessHead("Jet"));
    const QString ace = writeFile(QStringLiteral("new.accdb"), accessHead("ACE"));
    const QString missing = path(QStringLiteral("missing.mdb"));
    const QString folder = path(QStringLiteral("folder.mdb"));
    QDir().mkpath(folder);
    const QString access = QStringLiteral("Cannot open the Access database '%1': the file's table "
                                          "catalog cannot be read; it is damaged");
    const QString unrecognized = QStringLiteral("Unrecognized database format '%1'.");
    const QString notFound = QStringLiteral("Could not find file '%1'.");
    const std::pair<QString, QString> cases[] = {
        {mdb, mdb},
        {path(QStringLiteral("LITURGY.mdb")), mdb},
        {dir() + QStringLiteral("sub\\PLAN.DB"), db},
        {noise, unrecognized.arg(noise)},
        {empty, unrecognized.arg(empty)},
        {jet, access.arg(jet)},
        {ace, access.arg(ace)},
        {missing, notFound.arg(missing)},
        {folder, notFound.arg(folder)},
        {QString(), "No data file is named."},
        {"   ", "No data file is named."},
    };
    for (const auto& [file, description] : cases)
        EXPECT_EQ(resolved(file), description) << file.toStdString();
    // Nothing was created or changed.
    EXPECT_FALSE(QFile::exists(missing));
    EXPECT_EQ(readFile(noise), random);
    EXPECT_EQ(readFile(jet), accessHead("Jet"));
}

} // namespace

// Drafts of a plan database that stopped runs left beside it are removed when it is next
// opened; the draft of a program still running stays.
TEST_F(DataSourceFileTest, DraftsOfStoppedRunsAreRemovedAtTheNextOpen) {
    const QString plan = path(QStringLiteral("Plan.sqlite"));
    const QString dead = plan + QStringLiteral(".999999999-1.new");
    // Process 1 always runs; a draft of this process itself would take the name the open uses.
    const QString live = plan + QStringLiteral(".1-1.new");
    for (const QString& draft : {dead, dead + QStringLiteral("-journal"), live})
        writeFile(QFileInfo(draft).fileName(), "draft");
    {
        PlanDatabase db;
        db.open(plan, true);
    }
    EXPECT_EQ(QDir(dir()).entryList({QStringLiteral("Plan.sqlite*")}, QDir::Files),
              QStringList({QStringLiteral("Plan.sqlite"), QFileInfo(live).fileName()}));
}
