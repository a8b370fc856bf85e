// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// Every writer of the component against a full disk, a read-only file and a read-only folder:
// the file stays byte for byte as it was, nothing is left beside it, and the failure says why.
#include "common/FilledTmpfs.h"
#include "common/TestEnv.h"
#include "component/ComponentRegistration.h"
#include "controls/ui/PrintTarget.h"
#include "host_window/cWordApplication.h"
#include "host_window/cWordDocument.h"
#include "support/DiskInterface.h"
#include "support/Failure.h"
#include "support/modIni.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPdfWriter>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// The real disk, whose n-th write fails as a full disk's does.
class FullDisk : public RealDiskInterface {
public:
    explicit FullDisk(int failingWrite) : m_failing(failingWrite) {}

protected:
    ssize_t writeSome(int fd, const char* data, size_t size) override {
        if (++m_writes == m_failing) {
            errno = ENOSPC;
            return -1;
        }
        return RealDiskInterface::writeSome(fd, data, size);
    }

private:
    int m_failing;
    int m_writes = 0;
};

class WholeFileWriteTest : public TestEnv {};

struct Writer {
    const char* name;
    // The file it writes, made by the test.
    QString target;
    // Writes through `disk`; the failure it reports, empty when it wrote.
    std::function<QString(DiskInterface& disk)> write;
};

QString failureText(const std::function<void()>& work) {
    try {
        work();
    } catch (const Failure& failure) {
        return failure.description();
    }
    return {};
}

TEST_F(WholeFileWriteTest, EveryWriterLeavesTheFileAsItWasAndSaysWhy) {
    const QList<Writer> writers{
        {"INI", path(u"ini/host.ini"_s),
         [&](DiskInterface& disk) {
             return failureText([&] {
                 DiskInterface::WriteResult why{};
                 if (!modIni::writeChecked(path(u"ini/host.ini"_s), u"Files"_s, u"LiturgyFile"_s,
                                           u"/d/Other.MDB"_s, disk, &why))
                     throw DiskInterface::failureOf(why, path(u"ini/host.ini"_s));
             });
         }},
        {"registration", ComponentRegistration::manifestPath(),
         [&](DiskInterface& disk) {
             ui().clear();
             if (ComponentRegistration::registerLibrary(u"/opt/lc/libVoVoruzevUdadudar.so"_s, disk))
                 return QString();
             const auto boxes = ui().messageBoxes();
             return boxes.isEmpty() ? u"no message"_s : boxes.last().text;
         }},
        {"document", path(u"odt/day.odt"_s),
         [&](DiskInterface& disk) {
             return failureText([&] {
                 cWordApplication application(cWordApplication::Opening::Never);
                 cWordDocument document(application);
                 document.InsertHtml(u"<P>Zeal for your house will consume me.</P>"_s);
                 document.saveAs(path(u"odt/day.odt"_s), disk);
             });
         }},
        {"PDF", path(u"pdf/day.pdf"_s),
         [&](DiskInterface& disk) {
             return failureText([&] {
                 PrintTarget target;
                 QPdfWriter writer(target.beginFile(path(u"pdf/day.pdf"_s)));
                 QPainter painter(&writer);
                 painter.drawText(100, 100, u"Zeal for your house will consume me."_s);
                 painter.end();
                 target.commit(disk);
             });
         }},
    };
    const QByteArray old = "[Files]\r\nLiturgyFile=/d/Good.MDB\r\n";
    const auto full = [](const QString& t) {
        return u"Disk full: the disk is full, so '%1' was not written and is as it was"_s.arg(t);
    };
    const auto denied = [](const QString& t) {
        return u"Permission denied: '%1' or its folder may not be written"_s.arg(t);
    };
    struct Condition {
        const char* name;
        // Prepares the target's folder (with the old file in it) and gives the disk to write
        // through; false when the condition cannot be made here.
        std::function<bool(const QString& target)> prepare;
        bool fakeFullDisk;
        std::function<QString(const QString& target)> expected;
    };
    std::unique_ptr<FilledTmpfs> tmpfs;
    const auto folderOf = [](const QString& t) { return QFileInfo(t).absolutePath(); };
    const auto chmodOf = [](const QString& p, mode_t mode) {
        return ::chmod(QFile::encodeName(p).constData(), mode) == 0;
    };
    const QList<Condition> conditions{
        {"full disk", [](const QString&) { return true; }, true, full},
        {"full tmpfs",
         [&](const QString& t) {
             tmpfs = std::make_unique<FilledTmpfs>(folderOf(t));
             if (!tmpfs->mounted())
                 return false;
             QFile file(t);
             if (!file.open(QIODevice::WriteOnly) || file.write(old) != old.size())
                 return false;
             file.close();
             tmpfs->fill();
             return true;
         },
         false, full},
        {"read-only file", [&](const QString& t) { return chmodOf(t, 0444); }, false, denied},
        {"read-only folder", [&](const QString& t) { return chmodOf(folderOf(t), 0555); }, false,
         denied},
        // As root, another user's file that only its owner may write.
        {"another user's file",
         [&](const QString& t) {
             return geteuid() == 0 && ::chown(QFile::encodeName(t).constData(), 4321, 4321) == 0;
         },
         false, denied},
    };
    for (const Writer& writer : writers) {
        for (const Condition& condition : conditions) {
            SCOPED_TRACE(std::string(writer.name) + " / " + condition.name);
            const QString folder = folderOf(writer.target);
            ASSERT_TRUE(QDir().mkpath(folder));
            QFile::remove(writer.target);
            QFile file(writer.target);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(old);
            file.close();
            ASSERT_TRUE(chmodOf(writer.target, 0640));
            if (!condition.prepare(writer.target)) {
                tmpfs.reset();
                continue;
            }
            FullDisk fullDisk(1);
            QString failure = condition.fakeFullDisk ? writer.write(fullDisk)
                                                     : writer.write(RealDiskInterface::instance());
            EXPECT_TRUE(failure.contains(condition.expected(writer.target)))
                << failure.toStdString();
            EXPECT_EQ(readFile(writer.target), old);
            QStringList left =
                QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
            left.removeAll(u".filler"_s);
            EXPECT_EQ(left, QStringList{QFileInfo(writer.target).fileName()});
            tmpfs.reset();
            chmodOf(folder, 0755);
            ASSERT_TRUE(
                ::chown(QFile::encodeName(writer.target).constData(), geteuid(), getegid()) == 0 ||
                QFileInfo(writer.target).ownerId() == geteuid());
            chmodOf(writer.target, 0640);
        }
        // A file that may be written is replaced whole, keeping its owner and mode.
        SCOPED_TRACE(writer.name);
        const bool root = geteuid() == 0;
        if (root) {
            ASSERT_EQ(::chown(QFile::encodeName(writer.target).constData(), 4321, 4321), 0);
        }
        ASSERT_TRUE(chmodOf(writer.target, 0666));
        EXPECT_EQ(writer.write(RealDiskInterface::instance()), QString());
        EXPECT_NE(readFile(writer.target), old);
        const QFileInfo info(writer.target);
        EXPECT_EQ(info.ownerId(), root ? 4321u : geteuid());
        struct stat st {};
        ASSERT_EQ(::stat(QFile::encodeName(writer.target).constData(), &st), 0);
        EXPECT_EQ(st.st_mode & 07777, 0666u);
        EXPECT_EQ(QDir(folderOf(writer.target))
                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                  QStringList{info.fileName()});
    }
}

} // namespace
