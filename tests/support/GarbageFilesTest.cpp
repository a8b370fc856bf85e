// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"
#include "support/mGarbageFiles.h"

#include <thread>

using namespace supporttest;
using namespace Qt::StringLiterals;

namespace {

// A connection cache that tells when it is released.
class FakeCache : public ConnectionCacheBase {
public:
    explicit FakeCache(bool* released) : m_released(released) {}
    ~FakeCache() override { *m_released = true; }

private:
    bool* m_released;
};

QStringList listed() {
    QStringList names;
    if (shared().garbageFiles) {
        for (const clsGarbageFiles& entry : *shared().garbageFiles)
            names << entry.pFileName();
    }
    return names;
}

} // namespace

class GarbageFilesTest : public SupportTest {};

TEST_F(GarbageFilesTest, AddAppendsInOrderCleanDeletesListedFilesAndReleaseEndsTheList) {
    const QString tmp = writeFile(u"CEN1.TMP"_s, "");
    const QString htm = writeFile(u"CEN1.HTM"_s, "<html/>");
    const QString other = writeFile(u"other.txt"_s, "not listed");
    ASSERT_TRUE(QDir().mkpath(path(u"folder.HTM"_s)));
    // Without a list there is nothing to do.
    EXPECT_TRUE(mGarbageFiles::cleanGarbageFiles());
    mGarbageFiles::releaseGarbageFiles();
    ASSERT_FALSE(shared().garbageFiles);
    const QStringList added = {tmp, htm, tmp, path(u"never.TMP"_s), path(u"folder.HTM"_s), {}};
    for (const QString& p : added)
        EXPECT_TRUE(mGarbageFiles::AddGarbageFile(p));
    EXPECT_EQ(listed(), added);

    EXPECT_TRUE(mGarbageFiles::cleanGarbageFiles());
    EXPECT_FALSE(QFileInfo::exists(tmp));
    EXPECT_FALSE(QFileInfo::exists(htm));
    EXPECT_TRUE(QFileInfo::exists(other));
    EXPECT_TRUE(QFileInfo(path(u"folder.HTM"_s)).isDir());
    EXPECT_EQ(listed(), added);

    // A file made again under a listed name goes again, by a clean or the release.
    writeFile(u"CEN1.HTM"_s, "again");
    EXPECT_TRUE(mGarbageFiles::cleanGarbageFiles());
    EXPECT_FALSE(QFileInfo::exists(htm));
    writeFile(u"CEN1.TMP"_s, "again");
    mGarbageFiles::releaseGarbageFiles();
    EXPECT_FALSE(QFileInfo::exists(tmp));
    EXPECT_FALSE(shared().garbageFiles);
    // A later add starts a new list.
    EXPECT_TRUE(mGarbageFiles::AddGarbageFile(other));
    EXPECT_EQ(listed(), QStringList{other});
    EXPECT_TRUE(ui().calls().isEmpty());
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
}

TEST_F(GarbageFilesTest, EachThreadHasItsOwnSharedStateReleasedWithTheThread) {
    shared().gLanguageOffset = 1000;
    shared().gEditionName = u"Den norske kirke"_s;
    bool released = false;
    bool empty = false;
    bool ownHandler = false;
    const SharedState* theirs = nullptr;
    std::thread worker([&] {
        SharedState& s = shared();
        theirs = &s;
        empty = s.gLanguageOffset == 0 && s.gEditionName.isEmpty() && !s.gMultiEditionMode &&
                !s.errHandler && !s.garbageFiles && !s.connectionCache && s.env.ui != nullptr;
        s.connectionCache = std::make_unique<FakeCache>(&released);
        ownHandler = &errHandler() == s.errHandler.get();
    });
    worker.join();
    EXPECT_NE(theirs, &shared());
    EXPECT_TRUE(empty);
    EXPECT_TRUE(ownHandler);
    EXPECT_TRUE(released);
    EXPECT_EQ(shared().gLanguageOffset, 1000);
    EXPECT_FALSE(shared().errHandler);
}
