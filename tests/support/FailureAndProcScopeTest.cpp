#include "common/TestEnv.h"
#include "support/CErrHandler.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"

namespace {

class ProcScopeTest : public TestEnv {};

int failingProcedure(const Failure& failure) {
    ProcScope scope("mTest.failing");
    int result = 7; // reached before the failure
    scope.run([&] {
        throw failure;
        result = 99;
    });
    return result;
}

TEST_F(ProcScopeTest, FailureBecomesHandleErrorAndDefaultResult) {
    struct Case {
        Failure failure;
        QString message;
    };
    const Case cases[] = {
        {Failure::subscriptOutOfRange(), QStringLiteral("Error (9) Subscript out of range")},
        {Failure::cannotCreateObject(QStringLiteral("Word.Application")),
         QStringLiteral("Error (429) ActiveX component can't create object: Word.Application")},
        {Failure(3021, QStringLiteral("No current record."), 12),
         QStringLiteral("Error (3021) No current record.")},
    };
    for (const Case& c : cases) {
        ui().clear();
        EXPECT_EQ(failingProcedure(c.failure), 7);
        EXPECT_EQ(errHandler().pCurStackPointer(), 0);
        ASSERT_EQ(ui().messageBoxes().size(), 1);
        const QString expected = QStringLiteral("The following error has occurred in procedure: "
                                                "\r\nmTest.failing on line ") +
                                 QString::number(c.failure.line()) + QStringLiteral("\r\n") +
                                 c.message;
        EXPECT_EQ(ui().messageBoxes().front().text, expected);
        EXPECT_EQ(ui().calls(),
                  (QStringList{QStringLiteral("beep"), QStringLiteral("messageBox")}));
    }
}

TEST_F(ProcScopeTest, StandardExceptionsAndUnknownThrowsAreHandledToo) {
    ProcScope outer("mTest.outer");
    {
        ProcScope scope("mTest.std");
        EXPECT_FALSE(scope.run([] { throw std::runtime_error("boom"); }));
    }
    {
        ProcScope scope("mTest.unknown");
        EXPECT_FALSE(scope.run([] { throw 42; }));
    }
    EXPECT_EQ(errHandler().lastErrorNumber(), 51);
    EXPECT_EQ(errHandler().lastErrorProcedure(), QStringLiteral("mTest.unknown"));
    EXPECT_EQ(errHandler().pCurStackPointer(), 1);
    EXPECT_EQ(ui().messageBoxes().size(), 2);
}

TEST_F(ProcScopeTest, OwnFailurePathReplacesHandleError) {
    ProcScope scope("mTest.own");
    QString seen;
    EXPECT_FALSE(scope.run([] { throw Failure::fileNotFound(QStringLiteral("x.mdb")); },
                           [&](const Failure& f) { seen = f.description(); }));
    EXPECT_EQ(seen, QStringLiteral("File not found: x.mdb"));
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
}

void recurse(int depth, int* deepest) {
    ProcScope scope("mTest.recurse");
    *deepest = std::max(*deepest, int(errHandler().pCurStackPointer()));
    if (depth > 0)
        recurse(depth - 1, deepest);
}

TEST_F(ProcScopeTest, NestingBeyondTheStackKeepsPushAndPopPaired) {
    int deepest = 0;
    recurse(250, &deepest);
    EXPECT_EQ(deepest, 251);
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    for (int i = 0; i <= errHandler().MaxProcStackItems() + 2; ++i)
        EXPECT_TRUE(errHandler().stackEntry(i).isEmpty()) << i;
}

} // namespace
