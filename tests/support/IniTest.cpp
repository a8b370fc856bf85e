#include "SupportTestUtil.h"
#include "common/TestEnv.h"
#include "support/DiskInterface.h"
#include "support/modIni.h"

#include <QDir>
#include <QFileInfo>
#include <sys/stat.h>
#include <unistd.h>

using namespace supporttest;

namespace {

// A disk whose reads or writes can be made to fail; otherwise the real disk.
class FakeDisk : public DiskInterface {
public:
    bool failRead = false;
    bool failWrite = false;
    int writes = 0;
    QByteArray written;

    bool exists(const QString& path) override { return RealDiskInterface::instance().exists(path); }
    bool readFile(const QString& path, QByteArray* contents) override {
        if (failRead)
            return false;
        return RealDiskInterface::instance().readFile(path, contents);
    }
    bool writeFileAtomically(const QString& path, const QByteArray& contents) override {
        ++writes;
        written = contents;
        if (failWrite)
            return false;
        return RealDiskInterface::instance().writeFileAtomically(path, contents);
    }
};

const QString kLong300 = QStringLiteral("L").repeated(299) + QStringLiteral("Z");

// A host INI file with what such files hold: a comment, blank lines, spaces around the equals
// sign, Windows and Unix line ends, non-ASCII text and a last line without a line end.
QByteArray hostIni() {
    return "; Written by the host\r\n"
           "Orphan=before any section\r\n"
           "[Files]\r\n"
           "LiturgyFile=/d/KAMINOSE.MDB\r\n"
           "PlanFile=\r\n"
           "  ServiceFile = /d/Service.mdb  \r\n"
           "Long=" +
           kLong300.toUtf8() +
           "\r\n"
           "Exact=" +
           QByteArray(254, 'E') +
           "\r\n"
           "Over=" +
           QByteArray(255, 'O') +
           "\r\n"
           "Wide=" +
           QStringLiteral("å").repeated(300).toUtf8() +
           "\r\n"
           "Equation=a=b=c\r\n"
           "Name=Kåre Ødegård\r\n"
           "\r\n"
           "[LiturgyCalendar]\r\n"
           "Language=1044\r\n"
           "[Other]\n"
           "Key=lf value\n"
           "LastLine=no line end";
}

} // namespace

class IniTest : public TestEnv {
protected:
    QString ini() const { return path(QStringLiteral("host.ini")); }
};

TEST_F(IniTest, ReadsValuesWithoutRegardToLetterCaseAndCutsThemAt254) {
    writeFile(QStringLiteral("host.ini"), hostIni());
    struct Case {
        const char* section;
        const char* key;
        QString value;
    };
    const Case cases[] = {
        {"Files", "LiturgyFile", QStringLiteral("/d/KAMINOSE.MDB")},
        {"FILES", "liturgyfile", QStringLiteral("/d/KAMINOSE.MDB")},
        {"files", "LITURGYFILE", QStringLiteral("/d/KAMINOSE.MDB")},
        {"Files", "PlanFile", QString()},
        {"Files", "Missing", QString()},
        {"Nowhere", "LiturgyFile", QString()},
        {"Files", "ServiceFile", QStringLiteral("/d/Service.mdb")},
        {"Files", "Long", kLong300.left(254)},
        {"Files", "Exact", QString(254, QLatin1Char('E'))},
        {"Files", "Over", QString(254, QLatin1Char('O'))},
        {"Files", "Wide", QStringLiteral("å").repeated(254)},
        {"Files", "Equation", QStringLiteral("a=b=c")},
        {"Files", "Name", QStringLiteral("Kåre Ødegård")},
        {"Files", "Orphan", QString()},
        {"Files", "Language", QString()},
        {"LiturgyCalendar", "Language", QStringLiteral("1044")},
        {"liturgycalendar", "LiturgyFile", QString()},
        {"Other", "Key", QStringLiteral("lf value")},
        {"Other", "LastLine", QStringLiteral("no line end")},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(modIni::read(ini(), QString::fromUtf8(c.section), QString::fromUtf8(c.key)),
                  c.value)
            << c.section << "/" << c.key;
    }
    EXPECT_EQ(modIni::valueIn(hostIni(), QStringLiteral("files"), QStringLiteral("long")),
              kLong300);
}

TEST_F(IniTest, AMissingOrUnreadableFileReadsEmpty) {
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("folder.ini"))));
    writeFile(QStringLiteral("empty.ini"), QByteArray());
    writeFile(QStringLiteral("binary.ini"), QByteArray("\0\0\xff\xfe[Files]\0", 12));
    for (const QString& p :
         {path(QStringLiteral("missing.ini")), path(QStringLiteral("folder.ini")),
          path(QStringLiteral("empty.ini")), path(QStringLiteral("binary.ini")), QString(),
          path(QStringLiteral("missing/deeper/x.ini"))}) {
        EXPECT_EQ(modIni::read(p, QStringLiteral("Files"), QStringLiteral("LiturgyFile")),
                  QString())
            << p.toStdString();
    }
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(IniTest, WriteReplacesOneValueAndKeepsEveryOtherByte) {
    writeFile(QStringLiteral("host.ini"), hostIni());
    EXPECT_TRUE(modIni::write(ini(), QStringLiteral("FILES"), QStringLiteral("liturgyfile"),
                              QStringLiteral("/d/VOVORUZEV.MDB")));
    QByteArray expected = hostIni();
    expected.replace("LiturgyFile=/d/KAMINOSE.MDB\r\n", "LiturgyFile=/d/VOVORUZEV.MDB\r\n");
    EXPECT_BYTES_EQ(readAll(ini()), expected);

    // A Unix line end and a missing last line end stay as they were.
    EXPECT_TRUE(modIni::write(ini(), QStringLiteral("other"), QStringLiteral("KEY"),
                              QStringLiteral("changed")));
    EXPECT_TRUE(modIni::write(ini(), QStringLiteral("Other"), QStringLiteral("LastLine"),
                              QStringLiteral("still last")));
    expected.replace("Key=lf value\n", "Key=changed\n");
    const QByteArray last("LastLine=no line end");
    ASSERT_TRUE(expected.endsWith(last));
    const QByteArray kept = expected.left(expected.size() - last.size()) + "LastLine=still last";
    const QByteArray result = readAll(ini());
    EXPECT_TRUE(result == kept || result == kept + "\r\n" || result == kept + "\n")
        << result.right(60).toStdString();
    EXPECT_EQ(modIni::read(ini(), QStringLiteral("Other"), QStringLiteral("LastLine")),
              QStringLiteral("still last"));
}

TEST_F(IniTest, WriteCreatesWhatIsMissing) {
    struct Case {
        const char* name;
        QByteArray before;
        const char* section;
        const char* key;
        QString value;
        QList<QByteArray> after; // any of these
    };
    const Case cases[] = {
        {"a key after the last key of its section",
         "[Files]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n",
         "files",
         "C",
         QStringLiteral("3"),
         {"[Files]\r\nA=1\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n"}},
        {"a key in the last section, which has no last line end",
         "[Files]\r\nA=1",
         "Files",
         "B",
         QStringLiteral("2"),
         {"[Files]\r\nA=1\r\nB=2\r\n", "[Files]\r\nA=1\r\nB=2"}},
        {"a section at the end",
         "[Files]\r\nA=1\r\n",
         "LiturgyCalendar",
         "Language",
         QStringLiteral("1044"),
         {"[Files]\r\nA=1\r\n[LiturgyCalendar]\r\nLanguage=1044\r\n",
          "[Files]\r\nA=1\r\n\r\n[LiturgyCalendar]\r\nLanguage=1044\r\n"}},
        {"a section after a last line without its line end",
         "[Files]\r\nA=1",
         "New",
         "k",
         QStringLiteral("v"),
         {"[Files]\r\nA=1\r\n[New]\r\nk=v\r\n", "[Files]\r\nA=1\r\n\r\n[New]\r\nk=v\r\n"}},
        {"an empty value", "[Files]\r\nA=1\r\n", "Files", "A", QString(), {"[Files]\r\nA=\r\n"}},
        {"a value longer than can be read",
         "",
         "Files",
         "Long",
         kLong300,
         {"[Files]\r\nLong=" + kLong300.toUtf8() + "\r\n"}},
        {"a file that is empty",
         "",
         "Files",
         "LiturgyFile",
         QStringLiteral("/d/Å.MDB"),
         {"[Files]\r\nLiturgyFile=/d/Å.MDB\r\n"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(QStringLiteral("host.ini"), c.before);
        EXPECT_TRUE(
            modIni::write(ini(), QString::fromUtf8(c.section), QString::fromUtf8(c.key), c.value));
        const QByteArray result = readAll(ini());
        EXPECT_TRUE(c.after.contains(result)) << result.toStdString();
        EXPECT_EQ(modIni::valueIn(result, QString::fromUtf8(c.section), QString::fromUtf8(c.key)),
                  c.value);
    }

    // A missing file is created.
    const QString fresh = path(QStringLiteral("fresh.ini"));
    EXPECT_TRUE(modIni::write(fresh, QStringLiteral("Files"), QStringLiteral("LiturgyFile"),
                              QStringLiteral("/d/KAMINOSE.MDB")));
    EXPECT_BYTES_EQ(readAll(fresh), QByteArray("[Files]\r\nLiturgyFile=/d/KAMINOSE.MDB\r\n"));
}

TEST_F(IniTest, ANameOrValueCannotAddLinesToTheFile) {
    struct Case {
        QString section;
        QString key;
        QString value;
    };
    const QString files = QStringLiteral("Files");
    const QString key = QStringLiteral("LiturgyFile");
    const Case cases[] = {
        {files, key, QStringLiteral("x\r\n[Evil]\r\nk=1")},
        {files, key, QStringLiteral("x\n[Evil]\nk=1")},
        {files, key, QStringLiteral("x\r[Evil]\rk=1")},
        {files, QStringLiteral("k\r\n[Evil]\r\nk"), QStringLiteral("1")},
        {QStringLiteral("Files]\r\n[Evil"), QStringLiteral("k"), QStringLiteral("1")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString() + " " + c.key.toStdString());
        writeFile(QStringLiteral("host.ini"), hostIni());
        modIni::write(ini(), c.section, c.key, c.value);
        const QByteArray after = readAll(ini());
        EXPECT_EQ(modIni::read(ini(), QStringLiteral("Evil"), QStringLiteral("k")), QString());
        EXPECT_FALSE(after.contains("\n[Evil]") || after.contains("\r[Evil]"));
        // The host's other settings are all still there.
        EXPECT_EQ(modIni::read(ini(), files, QStringLiteral("ServiceFile")),
                  QStringLiteral("/d/Service.mdb"));
        EXPECT_EQ(modIni::read(ini(), files, QStringLiteral("Name")),
                  QStringLiteral("Kåre Ødegård"));
        EXPECT_EQ(
            modIni::read(ini(), QStringLiteral("LiturgyCalendar"), QStringLiteral("Language")),
            QStringLiteral("1044"));
    }
}

TEST_F(IniTest, AFailedWriteLeavesTheFileAsItWas) {
    writeFile(QStringLiteral("host.ini"), hostIni());

    FakeDisk failingWrite;
    failingWrite.failWrite = true;
    EXPECT_FALSE(modIni::writeChecked(ini(), QStringLiteral("Files"), QStringLiteral("PlanFile"),
                                      QStringLiteral("/d/plan.mdb"), failingWrite));
    EXPECT_EQ(failingWrite.writes, 1);
    QByteArray expected = hostIni();
    expected.replace("PlanFile=\r\n", "PlanFile=/d/plan.mdb\r\n");
    EXPECT_EQ(failingWrite.written, expected);
    EXPECT_BYTES_EQ(readAll(ini()), hostIni());

    // A file that exists but cannot be read is never replaced by one that holds only the
    // new value.
    FakeDisk failingRead;
    failingRead.failRead = true;
    EXPECT_FALSE(modIni::writeChecked(ini(), QStringLiteral("Files"), QStringLiteral("PlanFile"),
                                      QStringLiteral("/d/plan.mdb"), failingRead));
    EXPECT_EQ(failingRead.writes, 0);
    EXPECT_BYTES_EQ(readAll(ini()), hostIni());

    // The real disk with a working fake passes the same bytes.
    FakeDisk working;
    EXPECT_TRUE(modIni::writeChecked(ini(), QStringLiteral("Files"), QStringLiteral("PlanFile"),
                                     QStringLiteral("/d/plan.mdb"), working));
    EXPECT_BYTES_EQ(readAll(ini()), expected);
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(IniTest, WritesThatCannotHappenReportFalseAndChangeNothing) {
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("folder.ini"))));
    writeFile(QStringLiteral("afile"), "plain");
    struct Case {
        const char* name;
        QString path;
    };
    const Case cases[] = {
        {"the name is a folder", path(QStringLiteral("folder.ini"))},
        {"the folder is missing", path(QStringLiteral("missing/host.ini"))},
        {"the folder is a file", path(QStringLiteral("afile/host.ini"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(modIni::writeChecked(c.path, QStringLiteral("Files"), QStringLiteral("A"),
                                          QStringLiteral("1"), RealDiskInterface::instance()));
        // The plain write answers true whatever happened, as its callers expect.
        EXPECT_TRUE(modIni::write(c.path, QStringLiteral("Files"), QStringLiteral("A"),
                                  QStringLiteral("1")));
    }
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder.ini"))).isDir());
    EXPECT_TRUE(entries(path(QStringLiteral("folder.ini"))).isEmpty());
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("plain"));
    EXPECT_EQ(entries(dir()), QStringList({QStringLiteral("afile"), QStringLiteral("data"),
                                           QStringLiteral("folder.ini"), QStringLiteral("module"),
                                           QStringLiteral("tmp")}));
}

TEST_F(IniTest, ARealWriteLeavesNothingBesideAndKeepsModeAndLink) {
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("host"))));
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("target"))));
    const QString real = writeFile(QStringLiteral("target/real.ini"), "[Files]\r\nA=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    const QString link = path(QStringLiteral("host/host.ini"));
    ASSERT_EQ(::symlink(QFile::encodeName(real).constData(), QFile::encodeName(link).constData()),
              0);

    EXPECT_TRUE(modIni::writeChecked(link, QStringLiteral("Files"), QStringLiteral("A"),
                                     QStringLiteral("2"), RealDiskInterface::instance()));

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_BYTES_EQ(readAll(real), QByteArray("[Files]\r\nA=2\r\n"));
    EXPECT_EQ(modeOf(real), 0640);
    EXPECT_EQ(entries(path(QStringLiteral("host"))), QStringList{QStringLiteral("host.ini")});
    EXPECT_EQ(entries(path(QStringLiteral("target"))), QStringList{QStringLiteral("real.ini")});
}
