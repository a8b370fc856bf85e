// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"
#include "support/DiskInterface.h"
#include "support/modIni.h"

#include <sys/stat.h>
#include <unistd.h>

using namespace supporttest;
using namespace Qt::StringLiterals;

namespace {

// A disk whose reads can be made to fail; otherwise the real disk. (Failing writes:
// WholeFileWriteTest.)
class FakeDisk : public DiskInterface {
public:
    bool failRead = false;
    int writes = 0;

    bool exists(const QString& path) override { return RealDiskInterface::instance().exists(path); }
    bool readFile(const QString& path, QByteArray* contents) override {
        return !failRead && RealDiskInterface::instance().readFile(path, contents);
    }
    WriteResult writeWhole(const QString& path, const QByteArray& contents) override {
        ++writes;
        return RealDiskInterface::instance().writeWhole(path, contents);
    }
};

const QString kLong300 = QString(299, u'L') + u"Z"_s;

// A host INI file with what such files hold: a comment, blank lines, spaces around the equals
// sign, Windows and Unix line ends, non-ASCII text and a last line without a line end.
QByteArray hostIni() {
    return "; Written by the host\r\nOrphan=before any section\r\n[Files]\r\n"
           "LiturgyFile=/d/KAMINOSE.MDB\r\nPlanFile=\r\n  ServiceFile = /d/Service.mdb  \r\n"
           "Long=" +
           kLong300.toUtf8() + "\r\nExact=" + QByteArray(254, 'E') +
           "\r\nOver=" + QByteArray(255, 'O') + "\r\nWide=" + QString(300, u'å').toUtf8() +
           "\r\nEquation=a=b=c\r\nName=Kåre Ødegård\r\n\r\n[LiturgyCalendar]\r\nLanguage=1044\r\n"
           "[Other]\nKey=lf value\nLastLine=no line end";
}

} // namespace

class IniTest : public SupportTest {
protected:
    QString ini() const { return path(u"host.ini"_s); }
};

TEST_F(IniTest, ReadsValuesWithoutRegardToLetterCaseAndCutsThemAt254) {
    writeFile(u"host.ini"_s, hostIni());
    const std::tuple<const char*, const char*, QString> cases[] = {
        {"Files", "LiturgyFile", u"/d/KAMINOSE.MDB"_s},
        {"FILES", "liturgyfile", u"/d/KAMINOSE.MDB"_s},
        {"files", "LITURGYFILE", u"/d/KAMINOSE.MDB"_s},
        {" Files ", "\tLiturgyFile ", u"/d/KAMINOSE.MDB"_s},
        {"Files", "PlanFile", QString()},
        {"Files", "Missing", QString()},
        {"Nowhere", "LiturgyFile", QString()},
        {"Files", "ServiceFile", u"/d/Service.mdb"_s},
        {"Files", "Long", kLong300.left(254)},
        {"Files", "Exact", QString(254, u'E')},
        {"Files", "Over", QString(254, u'O')},
        {"Files", "Wide", QString(254, u'å')},
        {"Files", "Equation", u"a=b=c"_s},
        {"Files", "Name", u"Kåre Ødegård"_s},
        {"Files", "Orphan", QString()},
        {"Files", "Language", QString()},
        {"LiturgyCalendar", "Language", u"1044"_s},
        {"liturgycalendar", "LiturgyFile", QString()},
        {"Other", "Key", u"lf value"_s},
        {"Other", "LastLine", u"no line end"_s},
    };
    for (const auto& [section, key, value] : cases) {
        EXPECT_EQ(modIni::read(ini(), QString::fromUtf8(section), QString::fromUtf8(key)), value)
            << section << "/" << key;
    }
    EXPECT_EQ(modIni::valueIn(hostIni(), u"files"_s, u"long"_s), kLong300);

    // An editor's byte-order mark before the first section is no part of its name, and stays.
    const QString bom = writeFile(u"bom.ini"_s, "\xEF\xBB\xBF[Files]\r\nLiturgyFile=/d/X.MDB\r\n");
    EXPECT_EQ(modIni::read(bom, u"Files"_s, u"LiturgyFile"_s), u"/d/X.MDB"_s);
    EXPECT_TRUE(modIni::write(bom, u"Files"_s, u"PlanFile"_s, u"/d/P.MDB"_s));
    EXPECT_BYTES_EQ(
        readFile(bom),
        QByteArray("\xEF\xBB\xBF[Files]\r\nLiturgyFile=/d/X.MDB\r\nPlanFile=/d/P.MDB\r\n"));
}

TEST_F(IniTest, WriteReplacesOneValueKeepsEveryOtherByteAndRefusesNewLines) {
    writeFile(u"host.ini"_s, hostIni());
    // A name or value that would add lines is refused, and nothing changes.
    const std::tuple<QString, QString, QString> refused[] = {
        {u"Files"_s, u"LiturgyFile"_s, u"x\r\n[Evil]\r\nk=1"_s},
        {u"Files"_s, u"LiturgyFile"_s, u"x\n[Evil]\nk=1"_s},
        {u"Files"_s, u"LiturgyFile"_s, u"x\r[Evil]\rk=1"_s},
        {u"Files"_s, u"k\r\n[Evil]\r\nk"_s, u"1"_s},
        {u"Files]\r\n[Evil"_s, u"k"_s, u"1"_s},
        {u"  "_s, u"k"_s, u"1"_s},
        {u"Files"_s, u" \t"_s, u"1"_s},
    };
    for (const auto& [section, key, value] : refused) {
        SCOPED_TRACE((section + u'|' + key + u'|' + value).toStdString());
        EXPECT_FALSE(
            modIni::writeChecked(ini(), section, key, value, RealDiskInterface::instance()));
        modIni::write(ini(), section, key, value);
        EXPECT_BYTES_EQ(readFile(ini()), hostIni());
    }

    EXPECT_TRUE(modIni::write(ini(), u"FILES"_s, u"liturgyfile"_s, u"/d/VOVORUZEV.MDB"_s));
    QByteArray expected = hostIni();
    expected.replace("LiturgyFile=/d/KAMINOSE.MDB\r\n", "LiturgyFile=/d/VOVORUZEV.MDB\r\n");
    EXPECT_BYTES_EQ(readFile(ini()), expected);

    // A Unix line end and a missing last line end stay as they were.
    EXPECT_TRUE(modIni::write(ini(), u"other"_s, u"KEY"_s, u"changed"_s));
    EXPECT_TRUE(modIni::write(ini(), u"Other"_s, u"LastLine"_s, u"still last"_s));
    expected.replace("Key=lf value\n", "Key=changed\n");
    expected.replace("LastLine=no line end", "LastLine=still last");
    const QByteArray result = readFile(ini());
    EXPECT_TRUE(result == expected || result == expected + "\r\n" || result == expected + "\n")
        << result.right(60).toStdString();
}

TEST_F(IniTest, WriteCreatesWhatIsMissing) {
    // The second text after, where given, is as good as the first.
    struct Case {
        const char* name;
        QByteArray before;
        QString section, key, value;
        QByteArray after, orAfter = {};
    };
    const Case cases[] = {
        {"a key after the last key of its section", "[Files]\r\nA=1\r\n\r\n[Other]\r\nB=2\r\n",
         u"files"_s, u"C"_s, u"3"_s, "[Files]\r\nA=1\r\nC=3\r\n\r\n[Other]\r\nB=2\r\n"},
        {"a key in the last section, which has no last line end", "[Files]\r\nA=1", u"Files"_s,
         u"B"_s, u"2"_s, "[Files]\r\nA=1\r\nB=2\r\n", "[Files]\r\nA=1\r\nB=2"},
        {"a section at the end", "[Files]\r\nA=1\r\n", u"LiturgyCalendar"_s, u"Language"_s,
         u"1044"_s, "[Files]\r\nA=1\r\n[LiturgyCalendar]\r\nLanguage=1044\r\n",
         "[Files]\r\nA=1\r\n\r\n[LiturgyCalendar]\r\nLanguage=1044\r\n"},
        {"a section after a last line without its line end", "[Files]\r\nA=1", u"New"_s, u"k"_s,
         u"v"_s, "[Files]\r\nA=1\r\n[New]\r\nk=v\r\n", "[Files]\r\nA=1\r\n\r\n[New]\r\nk=v\r\n"},
        {"an empty value", "[Files]\r\nA=1\r\n", u"Files"_s, u"A"_s, {}, "[Files]\r\nA=\r\n"},
        {"names asked with blanks around them", "[Files]\r\nA=1\r\n", u" files "_s, u" a\t"_s,
         u"2"_s, "[Files]\r\nA=2\r\n"},
        {"a new section and key asked with blanks around them", "[Files]\r\nA=1\r\n", u" New "_s,
         u" k "_s, u"v"_s, "[Files]\r\nA=1\r\n[New]\r\nk=v\r\n",
         "[Files]\r\nA=1\r\n\r\n[New]\r\nk=v\r\n"},
        {"a value longer than can be read", "", u"Files"_s, u"Long"_s, kLong300,
         "[Files]\r\nLong=" + kLong300.toUtf8() + "\r\n"},
        {"a file that is empty", "", u"Files"_s, u"LiturgyFile"_s, u"/d/Å.MDB"_s,
         "[Files]\r\nLiturgyFile=/d/Å.MDB\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        writeFile(u"host.ini"_s, c.before);
        EXPECT_TRUE(modIni::write(ini(), c.section, c.key, c.value));
        const QByteArray result = readFile(ini());
        EXPECT_TRUE(result == c.after || (!c.orAfter.isEmpty() && result == c.orAfter))
            << result.toStdString();
        EXPECT_EQ(modIni::valueIn(result, c.section, c.key), c.value);
    }
    // A missing file is created.
    const QString fresh = path(u"fresh.ini"_s);
    EXPECT_TRUE(modIni::write(fresh, u"Files"_s, u"LiturgyFile"_s, u"/d/KAMINOSE.MDB"_s));
    EXPECT_BYTES_EQ(readFile(fresh), QByteArray("[Files]\r\nLiturgyFile=/d/KAMINOSE.MDB\r\n"));
}

// A file that exists but cannot be read is never replaced by one that holds only the new value.
TEST_F(IniTest, AnUnreadableFileIsNeverReplaced) {
    writeFile(u"host.ini"_s, hostIni());
    FakeDisk failingRead;
    failingRead.failRead = true;
    EXPECT_FALSE(
        modIni::writeChecked(ini(), u"Files"_s, u"PlanFile"_s, u"/d/plan.mdb"_s, failingRead));
    EXPECT_EQ(failingRead.writes, 0);
    EXPECT_BYTES_EQ(readFile(ini()), hostIni());
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(IniTest, FilesThatCannotBeUsedReadEmptyAndAreNeverWritten) {
    ASSERT_TRUE(QDir().mkpath(path(u"folder.ini"_s)));
    writeFile(u"empty.ini"_s, QByteArray());
    writeFile(u"binary.ini"_s, QByteArray("\0\0\xff\xfe[Files]\0", 12));
    // Saved as UTF-16 by an editor, with and without its mark.
    const QString text = u"[Files]\r\nLiturgyFile=/d/X.MDB\r\n"_s;
    const QByteArray wide(reinterpret_cast<const char*>(text.utf16()), text.size() * 2);
    writeFile(u"utf16.ini"_s, "\xFF\xFE" + wide);
    writeFile(u"utf16bare.ini"_s, wide);
    for (const QString& p : {path(u"missing.ini"_s), path(u"folder.ini"_s), path(u"empty.ini"_s),
                             path(u"binary.ini"_s), path(u"utf16.ini"_s), path(u"utf16bare.ini"_s),
                             QString(), path(u"missing/deeper/x.ini"_s)})
        EXPECT_EQ(modIni::read(p, u"Files"_s, u"LiturgyFile"_s), QString()) << p.toStdString();
    EXPECT_TRUE(ui().calls().isEmpty());

    for (const QString& p : {path(u"folder.ini"_s), path(u"missing/host.ini"_s),
                             blockedPath(u"host.ini"_s), path(u"utf16.ini"_s)}) {
        SCOPED_TRACE(p.toStdString());
        EXPECT_FALSE(
            modIni::writeChecked(p, u"Files"_s, u"A"_s, u"1"_s, RealDiskInterface::instance()));
        // The plain write answers true whatever happened, as its callers expect.
        EXPECT_TRUE(modIni::write(p, u"Files"_s, u"A"_s, u"1"_s));
    }
    EXPECT_TRUE(entries(path(u"folder.ini"_s)).isEmpty());
    expectBlockerKept();
    EXPECT_EQ(readFile(path(u"utf16.ini"_s)), "\xFF\xFE" + wide);
    EXPECT_EQ(entries(dir()),
              QStringList({u"afile"_s, u"binary.ini"_s, u"data"_s, u"empty.ini"_s, u"folder.ini"_s,
                           u"module"_s, u"tmp"_s, u"utf16.ini"_s, u"utf16bare.ini"_s}));
}

TEST_F(IniTest, ARealWriteLeavesNothingBesideAndKeepsModeAndLink) {
    ASSERT_TRUE(QDir().mkpath(path(u"host"_s)));
    ASSERT_TRUE(QDir().mkpath(path(u"target"_s)));
    const QString real = writeFile(u"target/real.ini"_s, "[Files]\r\nA=1\r\n");
    ASSERT_EQ(::chmod(QFile::encodeName(real).constData(), 0640), 0);
    const QString link = path(u"host/host.ini"_s);
    ASSERT_EQ(::symlink(QFile::encodeName(real).constData(), QFile::encodeName(link).constData()),
              0);

    EXPECT_TRUE(
        modIni::writeChecked(link, u"Files"_s, u"A"_s, u"2"_s, RealDiskInterface::instance()));

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_BYTES_EQ(readFile(real), QByteArray("[Files]\r\nA=2\r\n"));
    EXPECT_EQ(modeOf(real), 0640);
    EXPECT_EQ(entries(path(u"host"_s)), QStringList{u"host.ini"_s});
    EXPECT_EQ(entries(path(u"target"_s)), QStringList{u"real.ini"_s});
}
