#include "SupportTestUtil.h"
#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/SharedState.h"
#include "support/mGarbageFiles.h"

#include <QDir>
#include <QFileInfo>
#include <thread>

using namespace supporttest;

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
    if (!shared().garbageFiles)
        return names;
    for (const clsGarbageFiles& entry : *shared().garbageFiles)
        names << entry.pFileName();
    return names;
}

} // namespace

class GarbageFilesTest : public TestEnv {};

TEST_F(GarbageFilesTest, AddAppendsInOrderAndCreatesTheList) {
    ASSERT_FALSE(shared().garbageFiles);
    EXPECT_TRUE(mGarbageFiles::AddGarbageFile(path(QStringLiteral("a.TMP"))));
    EXPECT_TRUE(mGarbageFiles::AddGarbageFile(path(QStringLiteral("a.HTM"))));
    EXPECT_TRUE(mGarbageFiles::AddGarbageFile(path(QStringLiteral("a.TMP"))));
    EXPECT_TRUE(mGarbageFiles::AddGarbageFile(QString()));
    EXPECT_EQ(listed(), QStringList({path(QStringLiteral("a.TMP")), path(QStringLiteral("a.HTM")),
                                     path(QStringLiteral("a.TMP")), QString()}));
}

TEST_F(GarbageFilesTest, CleanDeletesListedFilesOnceAndKeepsTheList) {
    const QString tmp = writeFile(QStringLiteral("CEN1.TMP"), "");
    const QString htm = writeFile(QStringLiteral("CEN1.HTM"), "<html/>");
    const QString other = writeFile(QStringLiteral("other.txt"), "not listed");
    ASSERT_TRUE(QDir().mkpath(path(QStringLiteral("folder.HTM"))));
    for (const QString& p :
         {tmp, htm, tmp, path(QStringLiteral("never.TMP")), path(QStringLiteral("folder.HTM"))})
        mGarbageFiles::AddGarbageFile(p);

    EXPECT_TRUE(mGarbageFiles::cleanGarbageFiles());
    EXPECT_FALSE(QFileInfo::exists(tmp));
    EXPECT_FALSE(QFileInfo::exists(htm));
    EXPECT_TRUE(QFileInfo::exists(other));
    EXPECT_TRUE(QFileInfo(path(QStringLiteral("folder.HTM"))).isDir());
    EXPECT_EQ(listed().size(), 5);

    // Cleaning again finds nothing to do; a file made again under a listed name goes again.
    writeFile(QStringLiteral("CEN1.HTM"), "again");
    EXPECT_TRUE(mGarbageFiles::cleanGarbageFiles());
    EXPECT_FALSE(QFileInfo::exists(htm));
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(GarbageFilesTest, CleanWithoutAListDoesNothing) {
    const QString kept = writeFile(QStringLiteral("kept.TMP"), "x");
    EXPECT_TRUE(mGarbageFiles::cleanGarbageFiles());
    EXPECT_FALSE(shared().garbageFiles);
    mGarbageFiles::releaseGarbageFiles();
    EXPECT_TRUE(QFileInfo::exists(kept));
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(GarbageFilesTest, ReleaseCleansAndALaterAddStartsANewList) {
    const QString first = writeFile(QStringLiteral("first.TMP"), "");
    mGarbageFiles::AddGarbageFile(first);
    mGarbageFiles::releaseGarbageFiles();
    EXPECT_FALSE(QFileInfo::exists(first));
    EXPECT_FALSE(shared().garbageFiles);

    const QString second = writeFile(QStringLiteral("second.TMP"), "");
    mGarbageFiles::AddGarbageFile(second);
    EXPECT_EQ(listed(), QStringList{second});
}

TEST_F(GarbageFilesTest, BothProceduresPushTheirNames) {
    CErrHandler& h = errHandler();
    h.setTraceExecution(true);
    mGarbageFiles::AddGarbageFile(path(QStringLiteral("x.TMP")));
    EXPECT_EQ(h.pCurStackPointer(), 0);
    mGarbageFiles::cleanGarbageFiles();
    EXPECT_EQ(h.pCurStackPointer(), 0);
    shared().errHandler.reset();
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("module/trace.log"))),
                    crlf({QStringLiteral("mGarbageFiles.AddGarbageFile"),
                          QStringLiteral("mGarbageFiles.cleanGarbageFiles")}));
}

TEST_F(GarbageFilesTest, SharedStateStartsEmptyAndCreatesTheHandlerOnce) {
    SharedState& s = shared();
    EXPECT_FALSE(s.errHandler);
    EXPECT_FALSE(s.garbageFiles);
    EXPECT_FALSE(s.connectionCache);
    EXPECT_EQ(s.gLanguageOffset, 0);
    EXPECT_FALSE(s.gMultiEditionMode);
    EXPECT_EQ(s.gEditionName, QString());
    EXPECT_EQ(&shared(), &s);

    CErrHandler& h = errHandler();
    EXPECT_EQ(s.errHandler.get(), &h);
    EXPECT_EQ(&errHandler(), &h);
    EXPECT_EQ(now(), QDateTime(QDate(2024, 3, 5), QTime(14, 30, 15)));
    EXPECT_EQ(&::ui(), static_cast<UserInterface*>(&ui()));

    bool released = false;
    s.connectionCache = std::make_unique<FakeCache>(&released);
    s.connectionCache.reset();
    EXPECT_TRUE(released);
}

TEST_F(GarbageFilesTest, EachThreadHasItsOwnSharedStateReleasedWithTheThread) {
    shared().gLanguageOffset = 1000;
    shared().gEditionName = QStringLiteral("Den norske kirke");
    bool released = false;
    bool empty = false;
    bool ownHandler = false;
    const SharedState* mine = &shared();
    const SharedState* theirs = nullptr;
    std::thread worker([&] {
        SharedState& s = shared();
        theirs = &s;
        empty = s.gLanguageOffset == 0 && s.gEditionName.isEmpty() && !s.errHandler &&
                !s.garbageFiles && !s.connectionCache && s.env.ui != nullptr;
        s.connectionCache = std::make_unique<FakeCache>(&released);
        ownHandler = &errHandler() == s.errHandler.get();
    });
    worker.join();
    EXPECT_NE(theirs, mine);
    EXPECT_TRUE(empty);
    EXPECT_TRUE(ownHandler);
    EXPECT_TRUE(released);
    EXPECT_EQ(shared().gLanguageOffset, 1000);
    EXPECT_FALSE(shared().errHandler);
}
