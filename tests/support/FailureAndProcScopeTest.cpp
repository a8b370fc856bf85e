// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"

#include <stdexcept>

using namespace supporttest;
using namespace Qt::StringLiterals;

namespace {

class ProcScopeTest : public SupportTest {};

int failingProcedure(const Failure& failure) {
    ProcScope scope("mTest.failing");
    int result = 7; // reached before the failure
    scope.run([&] {
        throw failure;
        result = 99;
    });
    return result;
}

// The failures themselves reach the handler as ErrHandlerTest's do, through the same scope.
TEST_F(ProcScopeTest, FailureBecomesHandleErrorAndDefaultResult) {
    const Failure f(3021, u"No current record."_s, 12);
    EXPECT_EQ(failingProcedure(f), 7);
    EXPECT_EQ(errHandler().pCurStackPointer(), 0);
    EXPECT_EQ(ui().calls(), (QStringList{u"beep"_s, u"messageBox"_s}));
    EXPECT_EQ(boxTexts(ui().messageBoxes()),
              QStringList{u"critical ok | Liturgy Calendar | No current record. | "_s +
                          expectedMessage(u"mTest.failing"_s, 12, 3021, f.description())});
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
    EXPECT_EQ(errHandler().lastErrorProcedure(), u"mTest.unknown"_s);
    EXPECT_EQ(errHandler().pCurStackPointer(), 1);
    EXPECT_EQ(ui().messageBoxes().size(), 2);
}

TEST_F(ProcScopeTest, OwnFailurePathReplacesHandleError) {
    ProcScope scope("mTest.own");
    QString seen;
    EXPECT_FALSE(scope.run([] { throw Failure::fileNotFound(u"x.mdb"_s); },
                           [&](const Failure& f) { seen = f.description(); }));
    EXPECT_EQ(seen, u"File not found: x.mdb"_s);
    EXPECT_TRUE(ui().messageBoxes().isEmpty());
    EXPECT_EQ(errHandler().pCurStackPointer(), 1);
}

} // namespace
