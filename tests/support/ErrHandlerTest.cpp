// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SupportTestUtil.h"

#include <algorithm>
#include <functional>

using namespace supporttest;
using namespace Qt::StringLiterals;
using Icon = UserInterface::Icon;

namespace {

// What a report file should say.
struct ReportFacts {
    QString description;
    qint32 number = 0;
    QStringList stack; // the entries from index 1 up; the last is the failing procedure
    QString componentFolder;
    qint32 line = 0;
    QString currentOperation = {};
    bool expanded = true;
    QString title = u"Liturgy Calendar"_s;
};

QByteArray expectedReport(const ReportFacts& r) {
    QByteArray out = crlf({r.title + u" Application Error Information"_s, QString(36, u'='),
                           u"Current Time   : 3/5/24 2:30:15 PM"_s,
                           u"Error String   : "_s + r.description.left(255),
                           u"Error Number   : "_s + QString::number(r.number),
                           u"Error Line     : "_s + QString::number(r.line),
                           u"Error Procedure: "_s + r.stack.value(r.stack.size() - 1), QString(),
                           u"Procedure Stack"_s, u"---------------"_s});
    for (int i = 1; i <= r.stack.size(); ++i)
        out +=
            crlf({u"%1"_s.arg(i, 2, 10, QLatin1Char('0')) + QString(i * 2, u' ') + r.stack[i - 1]});
    out += kCrLf;
    if (!r.currentOperation.isEmpty())
        out += crlf({u"Current Operation: "_s + r.currentOperation});
    if (r.expanded) {
        out += crlf({QString(), u"Additional Information"_s, u"----------------------"_s,
                     u"Current Directory: "_s + QDir::currentPath(),
                     u"App Title: Liturgy Calendar"_s, u"App CompanyName: Brekka Data as"_s,
                     u"App Major: "_s + QString::number(buildinfo::kMajor),
                     u"App Minor: "_s + QString::number(buildinfo::kMinor),
                     u"App Revision: "_s + QString::number(buildinfo::kRevision),
                     // The folder as the module's path, without a trailing separator.
                     u"App Path: "_s + r.componentFolder.chopped(1),
                     u"App ProductName: Liturgy Calendar"_s});
    }
    return out;
}

} // namespace

class ErrHandlerTest : public SupportTest {
protected:
    QString reportPath() const { return path(u"module/ERRORS.TXT"_s); }
    // The pointer, then each stored name up to `upTo` with its index: "2 1:a.one 2:b.two".
    static QString stackOf(const CErrHandler& h, int upTo) {
        QString out = QString::number(h.pCurStackPointer());
        for (int i = -1; i <= upTo; ++i)
            if (!h.stackEntry(i).isEmpty())
                out += u" %1:%2"_s.arg(i).arg(h.stackEntry(i));
        return out;
    }
};

TEST_F(ErrHandlerTest, FailureThreeDeepWritesReportMessageAndLogRecord) {
    EXPECT_FALSE(
        failNested({"cVoVoruzevUdadudar.mInitialize", "fHoster.mInitialize", "mADO.getConnection"},
                   Failure::subscriptOutOfRange()));

    EXPECT_BYTES_EQ(readFile(reportPath()),
                    expectedReport({u"Subscript out of range"_s,
                                    9,
                                    {u"cVoVoruzevUdadudar.mInitialize"_s, u"fHoster.mInitialize"_s,
                                     u"mADO.getConnection"_s},
                                    moduleFolder()}));

    ASSERT_EQ(ui().calls(), QStringList({u"beep"_s, u"messageBox"_s}));
    // The box says what failed; the procedure and the numbers are behind "Show Details".
    EXPECT_EQ(
        boxTexts(ui().messageBoxes()),
        QStringList{u"critical ok | Liturgy Calendar | Subscript out of range | The following "
                    "error has occurred in procedure: \r\nmADO.getConnection on line "
                    "0\r\nError (9) Subscript out of range"_s});
    EXPECT_BYTES_EQ(readFile(logFile()),
                    logBanner(u"3/5/24"_s) +
                        logLine(u"\tmADO.getConnection\tError (9) Subscript out of range"_s));

    // With the defaults: expanded information, the message shown, the report at Destination.
    const CErrHandler& h = errHandler();
    EXPECT_EQ(h.Destination().toString(), reportPath());
    EXPECT_EQ(h.lastErrorNumber(), 9);
    EXPECT_EQ(h.appTitle(), u"Liturgy Calendar"_s);
    EXPECT_EQ(stackOf(h, 5), u"0"_s);

    // ClearLog deletes the report, not the log, and succeeds when there is none.
    EXPECT_TRUE(errHandler().ClearLog());
    EXPECT_FALSE(QFile::exists(reportPath()));
    EXPECT_TRUE(errHandler().ClearLog());
    EXPECT_TRUE(QFile::exists(logFile()));
}

TEST_F(ErrHandlerTest, ReportAndMessageFollowTheSettings) {
    // Each case replaces the report the one before wrote.
    const QString longText = QString(250, u'x') + u"ABCDEFGHIJ"_s;
    const QString mismatch = u"Type mismatch"_s;
    struct Case {
        const char* name;
        QString description;
        qint32 line = 0;
        QString currentOperation = {};
        bool expanded = true;
        QString title = {};
    };
    const Case cases[] = {
        {.name = "plain", .description = mismatch},
        {.name = "long description is cut in the report only", .description = longText},
        {.name = "current operation",
         .description = mismatch,
         .currentOperation = u"Reading the plan file"_s},
        {.name = "no expanded information", .description = mismatch, .expanded = false},
        {.name = "line number and the host's title",
         .description = mismatch,
         .line = 1234,
         .title = u"Cendra"_s},
        {.name = "non-ASCII text",
         .description = u"Fant ikke filen «Kåre.mdb»"_s,
         .line = 7,
         .currentOperation = u"Åpner æøå"_s},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shared().errHandler.reset();
        ui().clear();
        CErrHandler& h = errHandler();
        h.setCurrentOperation(c.currentOperation);
        h.setIncludeExpandedInfo(c.expanded);
        h.setAppTitle(c.title);
        failNested({"fHoster.doPrint", "cFillCalendar.mFill"}, Failure(13, c.description, c.line));

        const ReportFacts r{c.description,
                            13,
                            {u"fHoster.doPrint"_s, u"cFillCalendar.mFill"_s},
                            moduleFolder(),
                            c.line,
                            c.currentOperation,
                            c.expanded,
                            c.title.isEmpty() ? u"Liturgy Calendar"_s : c.title};
        EXPECT_BYTES_EQ(readFile(reportPath()), expectedReport(r));
        const QString text =
            c.currentOperation.isEmpty()
                ? c.description
                : c.description + u"\r\nCurrent Operation: "_s + c.currentOperation;
        EXPECT_EQ(boxTexts(ui().messageBoxes()),
                  QStringList{u"critical ok | "_s + r.title + u" | "_s + text + u" | "_s +
                              expectedMessage(u"cFillCalendar.mFill"_s, c.line, 13, c.description,
                                              c.currentOperation)});
        EXPECT_EQ(h.lastErrorDescription(), c.description);
        EXPECT_EQ(h.lastErrorLine(), c.line);
    }
    // The log record keeps only the first 255 characters of the description too.
    const QByteArray log = readFile(logFile());
    EXPECT_TRUE(log.contains(
        (u"\tcFillCalendar.mFill\tError (13) "_s + longText.left(255) + u"\r\n"_s).toUtf8()));
    EXPECT_FALSE(log.contains("ABCDEFGHIJ"));
}

TEST_F(ErrHandlerTest, EventsSurroundTheReportAndTheMessageAndFlagsSkipThem) {
    const QByteArray log =
        logBanner(u"3/5/24"_s) +
        logLine(u"\tm.p\tError (91) Object variable or With block variable not set"_s);
    // Cancel in BeforeHandlerCalled; DisplayMsgOnError; what AfterHandlerCalled sees.
    const std::tuple<bool, bool, QString> cases[] = {
        {false, true, u"after report=1 calls=beep,messageBox"_s},
        {false, false, u"after report=1 calls="_s},
        {true, true, QString()},
    };
    for (const auto& [cancel, message, after] : cases) {
        SCOPED_TRACE(after.toStdString());
        shared().errHandler.reset();
        QFile::remove(reportPath());
        QFile::remove(logFile());
        ui().clear();
        CErrHandler& h = errHandler();
        h.setDisplayMsgOnError(message);
        QStringList seen;
        QObject::connect(&h, &CErrHandler::BeforeHandlerCalled, [&](bool& c) {
            // The failure is recorded before the event.
            seen << u"before report=%1 calls=%2 error=%3"_s.arg(QFile::exists(reportPath()))
                        .arg(ui().calls().size())
                        .arg(h.lastErrorNumber());
            c = cancel;
        });
        QObject::connect(&h, &CErrHandler::AfterHandlerCalled, [&] {
            seen << u"after report=%1 calls=%2"_s.arg(QFile::exists(reportPath()))
                        .arg(ui().calls().join(u','));
        });
        failNested({"m.p"}, Failure::objectNotSet());
        QStringList expected{u"before report=0 calls=0 error=91"_s};
        if (!after.isEmpty())
            expected << after;
        EXPECT_EQ(seen, expected);
        EXPECT_BYTES_EQ(readFile(logFile()), cancel ? QByteArray() : log);
        EXPECT_EQ(h.lastErrorProcedure(), u"m.p"_s);
    }
    EXPECT_TRUE(ui().calls().isEmpty());
    EXPECT_FALSE(QFile::exists(reportPath()));
}

TEST_F(ErrHandlerTest, HandleErrorExHandlesTheCurrentFailureAndIgnoresItsArguments) {
    CErrHandler& h = errHandler();
    h.Push(u"m.p"_s);
    h.setCurrentFailure(Failure(76, u"Path not found"_s, 12));
    h.HandleErrorEx(1, u"ignored"_s, 99);
    h.Pop();
    EXPECT_EQ(h.lastErrorNumber(), 76);
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_EQ(ui().messageBoxes()[0].details,
              expectedMessage(u"m.p"_s, 12, 76, u"Path not found"_s));

    // Without a failure the report says number 0 and names no procedure.
    shared().errHandler.reset();
    errHandler().HandleError();
    EXPECT_EQ(errHandler().lastErrorNumber(), 0);
    EXPECT_BYTES_EQ(readFile(reportPath()), expectedReport({{}, 0, {}, moduleFolder()}));
}

TEST_F(ErrHandlerTest, PushAndPopMoveThePointerAndNeverBelowZero) {
    CErrHandler h;
    // A host may push without popping; the 16-bit pointer must not run past its range, and the
    // default limit keeps a hundred names.
    for (int i = 1; i <= 40000; ++i)
        h.Push(u"m.p%1"_s.arg(i));
    EXPECT_GT(h.pCurStackPointer(), 100);
    EXPECT_EQ(h.stackEntry(1), u"m.p1"_s);
    EXPECT_EQ(h.stackEntry(100), u"m.p100"_s);
    EXPECT_EQ(h.stackEntry(101), QString());
    for (int i = 0; i < 40000; ++i)
        h.Pop();
    const auto pop = [&](int times) {
        for (int i = 0; i < times; ++i)
            h.Pop();
        return stackOf(h, 5000);
    };
    const auto push = [&](const QStringList& names) {
        for (const QString& name : names)
            h.Push(name);
        return stackOf(h, 5000);
    };
    EXPECT_EQ(pop(1), u"0"_s);
    EXPECT_EQ(push({u"a.one"_s, u"b.two"_s}), u"2 1:a.one 2:b.two"_s);
    EXPECT_EQ(pop(1), u"1 1:a.one"_s);
    EXPECT_EQ(pop(3), u"0"_s);
    EXPECT_EQ(push({u"c.three"_s, u"d.four"_s}), u"2 1:c.three 2:d.four"_s);
    // A new size makes a new, empty stack; the pointer stays.
    h.setMaxProcStackItems(5);
    EXPECT_EQ(stackOf(h, 5000), u"2"_s);
    EXPECT_EQ(push({u"e.five"_s}), u"3 3:e.five"_s);
    EXPECT_EQ(pop(3), u"0"_s);
}

TEST_F(ErrHandlerTest, NestingDeeperThanTheLimitKeepsPushAndPopPaired) {
    for (const int limit : {3, 100}) {
        SCOPED_TRACE(limit);
        shared().errHandler.reset();
        ui().clear();
        errHandler().setMaxProcStackItems(qint16(limit));
        const int depth = limit + 50;
        std::vector<std::string> names;
        for (int i = 1; i <= depth; ++i)
            names.push_back("m.p" + std::to_string(i));

        // Every level sees the pointer at its own depth before and after its callee, and the
        // names within the limit stay in place while deeper procedures come and go.
        int mismatches = 0;
        std::function<void(int)> enter = [&](int level) {
            ProcScope scope(names[size_t(level - 1)].c_str());
            scope.run([&] {
                CErrHandler& h = errHandler();
                mismatches += h.pCurStackPointer() != level;
                if (level < depth)
                    enter(level + 1);
                mismatches += h.pCurStackPointer() != level;
                for (int i = 1; i <= std::min(level, limit); ++i)
                    mismatches += h.stackEntry(i) != QString::fromStdString(names[size_t(i - 1)]);
                if (level == depth)
                    throw Failure::subscriptOutOfRange();
            });
        };
        enter(1);
        EXPECT_EQ(mismatches, 0);
        EXPECT_EQ(stackOf(errHandler(), limit + 2), u"0"_s);
        ASSERT_EQ(ui().messageBoxes().size(), 1);

        // The report lists at least the names within the limit, each indented by its level.
        const QByteArray report = readFile(reportPath());
        for (int i = 1; i <= limit; ++i) {
            const QString line = u"%1"_s.arg(i, 2, 10, QLatin1Char('0')) + QString(i * 2, u' ') +
                                 QString::fromStdString(names[size_t(i - 1)]);
            EXPECT_TRUE(report.contains(kCrLf + line.toUtf8() + kCrLf)) << i;
        }
    }
}

TEST_F(ErrHandlerTest, TraceWritesEveryPushWhileOn) {
    writeFile(u"module/trace.log"_s, "left from an earlier run\r\n");
    {
        CErrHandler h;
        h.Push(u"not.traced"_s);
        h.setTraceExecution(true);
        h.Push(u"a.one"_s);
        h.Push(u"b.two"_s);
        h.Pop();
        h.Push(u"fHoster.Ålesund"_s);
        h.setTraceExecution(false);
        EXPECT_FALSE(h.TraceExecution());
        h.Push(u"off.again"_s);
    }
    EXPECT_BYTES_EQ(readFile(tracePath()), crlf({u"a.one"_s, u"b.two"_s, u"fHoster.Ålesund"_s}));
    // Switching it on again starts a new file.
    {
        CErrHandler h;
        h.setTraceExecution(true);
        h.Push(u"c.three"_s);
    }
    EXPECT_BYTES_EQ(readFile(tracePath()), crlf({u"c.three"_s}));

    // In a folder that cannot be made the trace is left out and the stack still works.
    shared().env.componentFolder = blockedPath(u"module/"_s);
    CErrHandler h;
    h.setTraceExecution(true);
    h.Push(u"a.one"_s);
    EXPECT_EQ(h.stackEntry(1), u"a.one"_s);
    EXPECT_TRUE(ui().calls().isEmpty());
    expectBlockerKept();
}

// A report the component folder cannot hold goes to the log folder, or where that cannot be made
// either, is left out; the message is shown in any case, and the log written after the report.
TEST_F(ErrHandlerTest, AReportTheComponentFolderCannotHoldGoesToTheLogFolderOrIsLeftOut) {
    // A folder where the report file should be: it can be neither deleted nor written there.
    QDir().mkpath(path(u"taken/ERRORS.TXT"_s));
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    const QString logs = logFolder();
    struct Case {
        const char* name;
        QString folder;   // the component folder
        bool logFolder;   // the log folder can be made
        QString reportIn; // empty: nowhere
    };
    const Case cases[] = {
        {"folder under a regular file", blockedPath(u"module/"_s), true, logs},
        {"missing folder", path(u"missing/"_s), true, logs},
        {"a regular file", path(u"afile/"_s), true, logs},
        {"report name taken by a folder", path(u"taken/"_s), true, logs},
        {"nothing writable", blockedPath(u"module/"_s), false, {}},
        {"report name taken by a folder, no log folder", path(u"taken/"_s), false, {}},
        {"log folder cannot be made", moduleFolder(), false, moduleFolder()},
    };
    const Failure failure = Failure::pathFileAccess(u"/x"_s);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shared().errHandler.reset();
        QFile::remove(logs + u"ERRORS.TXT"_s);
        QFile::remove(reportPath());
        shared().env.componentFolder = c.folder;
        useDataHome(c.logFolder ? home : blockedPath(u"data"_s));
        ui().clear();
        int after = 0;
        QObject::connect(&errHandler(), &CErrHandler::AfterHandlerCalled, [&] { ++after; });

        EXPECT_FALSE(failNested({"m.outer", "m.inner"}, failure));

        EXPECT_EQ(after, 1);
        EXPECT_EQ(errHandler().lastErrorNumber(), 75);
        const QByteArray report =
            expectedReport({failure.description(), 75, {u"m.outer"_s, u"m.inner"_s}, c.folder});
        EXPECT_BYTES_EQ(readFile(logs + u"ERRORS.TXT"_s), c.reportIn == logs ? report : "");
        EXPECT_BYTES_EQ(readFile(reportPath()), c.reportIn == moduleFolder() ? report : "");
        EXPECT_FALSE(QFileInfo::exists(path(u"missing"_s)));
        expectBlockerKept();
        const auto& boxes = ui().messageBoxes();
        EXPECT_TRUE(std::any_of(boxes.begin(), boxes.end(), [&](const auto& b) {
            return b.icon == Icon::Critical &&
                   b.details == expectedMessage(u"m.inner"_s, 0, 75, failure.description());
        }));
        if (!c.logFolder) {
            EXPECT_FALSE(QFileInfo::exists(logFile()));
            continue;
        }
        EXPECT_EQ(boxes.size(), 1);
        EXPECT_TRUE(readFile(logFile()).endsWith(
            logLine(u"\tm.inner\tError (75) "_s + failure.description())));
    }
}

TEST_F(ErrHandlerTest, FailuresCarryTheClassicNumbersAndTexts) {
    const QString named = u"/d/KAMINOSE.MDB"_s;
    const std::tuple<Failure, qint32, const char*> cases[] = {
        {Failure::invalidCall(), 5, "Invalid procedure call or argument"},
        {Failure::overflow(), 6, "Overflow"},
        {Failure::subscriptOutOfRange(), 9, "Subscript out of range"},
        {Failure::typeMismatch(), 13, "Type mismatch"},
        {Failure::internal({}), 51, "Internal error"},
        {Failure::objectNotSet(), 91, "Object variable or With block variable not set"},
        {Failure::invalidUseOfNull(), 94, "Invalid use of Null"},
        // The ones about a named thing give the classic text and the name.
        {Failure::fileNotFound(named), 53, "File not found: "},
        {Failure::pathFileAccess(named), 75, "Path/File access error: "},
        {Failure::pathNotFound(named), 76, "Path not found: "},
        {Failure::cannotCreateObject(named), 429, "A part of the program cannot be started: "},
        {Failure::memberNotSupported(named), 438,
         "Object doesn't support this property or method: "},
    };
    for (const auto& [failure, number, text] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(failure.number(), number);
        EXPECT_EQ(failure.line(), 0);
        const QString t = QString::fromUtf8(text);
        EXPECT_EQ(failure.description(), t.endsWith(u' ') ? t + named : t);
    }
}
