#include "SupportTestUtil.h"
#include "common/TestEnv.h"
#include "support/BuildInfo.h"
#include "support/CErrHandler.h"
#include "support/Failure.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace supporttest;
using Icon = UserInterface::Icon;
using Buttons = UserInterface::Buttons;

namespace {

// What a report file should say.
struct ReportFacts {
    QString title = QStringLiteral("VoVoruzevUdadudar");
    QString description;
    qint32 number = 0;
    qint32 line = 0;
    QString procedure;
    QStringList stack; // the entries from index 1 up
    QString currentOperation;
    bool expanded = true;
    QString componentFolder;
};

QByteArray expectedReport(const ReportFacts& r) {
    QByteArray out =
        crlf({r.title + QStringLiteral(" Application Error Information"),
              QString(36, QLatin1Char('=')), QStringLiteral("Current Time   : 3/5/24 2:30:15 PM"),
              QStringLiteral("Error String   : ") + r.description.left(255),
              QStringLiteral("Error Number   : ") + QString::number(r.number),
              QStringLiteral("Error Line     : ") + QString::number(r.line),
              QStringLiteral("Error Procedure: ") + r.procedure, QString(),
              QStringLiteral("Procedure Stack"), QStringLiteral("---------------")});
    for (int i = 0; i < r.stack.size(); ++i) {
        const int index = i + 1;
        out += (QStringLiteral("%1").arg(index, 2, 10, QLatin1Char('0')) +
                QString(index * 2, QLatin1Char(' ')) + r.stack[i])
                   .toUtf8() +
               kCrLf;
    }
    out += kCrLf;
    if (!r.currentOperation.isEmpty())
        out += crlf({QStringLiteral("Current Operation: ") + r.currentOperation});
    if (r.expanded) {
        out += crlf({QString(), QStringLiteral("Additional Information"),
                     QStringLiteral("----------------------"),
                     QStringLiteral("Current Directory: ") + QDir::currentPath(),
                     QStringLiteral("App Title: VoVoruzevUdadudar"),
                     QStringLiteral("App CompanyName: Brekka Data as"),
                     QStringLiteral("App Major: ") + QString::number(buildinfo::kMajor),
                     QStringLiteral("App Minor: ") + QString::number(buildinfo::kMinor),
                     QStringLiteral("App Revision: ") + QString::number(buildinfo::kRevision),
                     // The folder as the module's path, without a trailing separator.
                     QStringLiteral("App Path: ") + r.componentFolder.chopped(1),
                     QStringLiteral("App ProductName: VoVoruzevUdadudar")});
    }
    return out;
}

QString expectedMessage(const QString& procedure, qint32 line, qint32 number,
                        const QString& description, const QString& currentOperation = {}) {
    QString text = QStringLiteral("The following error has occurred in procedure: \r\n") +
                   procedure + QStringLiteral(" on line ") + QString::number(line) +
                   QStringLiteral("\r\nError (") + QString::number(number) + QStringLiteral(") ") +
                   description;
    if (!currentOperation.isEmpty())
        text += QStringLiteral("\r\nCurrent Operation: ") + currentOperation;
    return text;
}

// Runs nested procedures named `names` (outermost first); the innermost throws `failure`.
// Returns the innermost procedure's result: false, its default, after the failure.
bool failNested(const std::vector<std::string>& names, const Failure& failure, size_t level = 0) {
    ProcScope scope(names[level].c_str());
    bool result = false;
    scope.run([&] {
        if (level + 1 < names.size()) {
            result = failNested(names, failure, level + 1);
            return;
        }
        throw failure;
    });
    return result;
}

} // namespace

class ErrHandlerTest : public TestEnv {
protected:
    QString reportPath() const { return path(QStringLiteral("module/ERRORS.TXT")); }
    QString moduleFolder() const { return path(QStringLiteral("module/")); }

    // A regular file named "afile" in the test folder, so that paths under it cannot exist.
    QString blockedFolder(const QString& below) const {
        writeFile(QStringLiteral("afile"), "not a folder");
        return path(QStringLiteral("afile/") + below);
    }
};

TEST_F(ErrHandlerTest, StartsWithTheDefaults) {
    CErrHandler h;
    EXPECT_EQ(h.MaxProcStackItems(), 100);
    EXPECT_TRUE(h.IncludeExpandedInfo());
    EXPECT_TRUE(h.DisplayMsgOnError());
    EXPECT_FALSE(h.TraceExecution());
    EXPECT_EQ(h.pCurStackPointer(), 0);
    EXPECT_EQ(h.lastErrorNumber(), 0);
    EXPECT_EQ(h.lastErrorLine(), 0);
    EXPECT_EQ(h.lastErrorDescription(), QString());
    EXPECT_EQ(h.lastErrorProcedure(), QString());
    EXPECT_EQ(h.appTitle(), QString());
    EXPECT_EQ(h.currentOperation(), QString());
    EXPECT_EQ(h.Destination().toString(), reportPath());
    for (int i = 0; i <= 102; ++i)
        EXPECT_EQ(h.stackEntry(i), QString()) << i;
}

TEST_F(ErrHandlerTest, FailureThreeDeepWritesReportMessageAndLogRecord) {
    const bool result =
        failNested({"cVoVoruzevUdadudar.mInitialize", "fHoster.mInitialize", "mADO.getConnection"},
                   Failure::subscriptOutOfRange());
    EXPECT_FALSE(result);

    const QByteArray expected = "VoVoruzevUdadudar Application Error Information\r\n"
                                "====================================\r\n"
                                "Current Time   : 3/5/24 2:30:15 PM\r\n"
                                "Error String   : Subscript out of range\r\n"
                                "Error Number   : 9\r\n"
                                "Error Line     : 0\r\n"
                                "Error Procedure: mADO.getConnection\r\n"
                                "\r\n"
                                "Procedure Stack\r\n"
                                "---------------\r\n"
                                "01  cVoVoruzevUdadudar.mInitialize\r\n"
                                "02    fHoster.mInitialize\r\n"
                                "03      mADO.getConnection\r\n"
                                "\r\n"
                                "\r\n"
                                "Additional Information\r\n"
                                "----------------------\r\n"
                                "Current Directory: " +
                                QDir::currentPath().toUtf8() +
                                "\r\n"
                                "App Title: VoVoruzevUdadudar\r\n"
                                "App CompanyName: Brekka Data as\r\n"
                                "App Major: " +
                                QByteArray::number(buildinfo::kMajor) +
                                "\r\nApp Minor: " + QByteArray::number(buildinfo::kMinor) +
                                "\r\nApp Revision: " + QByteArray::number(buildinfo::kRevision) +
                                "\r\nApp Path: " + moduleFolder().chopped(1).toUtf8() +
                                "\r\n"
                                "App ProductName: VoVoruzevUdadudar\r\n";
    EXPECT_BYTES_EQ(readAll(reportPath()), expected);

    ASSERT_EQ(ui().calls(), QStringList({QStringLiteral("beep"), QStringLiteral("messageBox")}));
    const auto& box = ui().messageBoxes().at(0);
    EXPECT_EQ(box.icon, Icon::Critical);
    EXPECT_EQ(box.buttons, Buttons::Ok);
    EXPECT_EQ(box.title, QStringLiteral("VoVoruzevUdadudar"));
    EXPECT_EQ(box.text, QStringLiteral("The following error has occurred in procedure: \r\n"
                                       "mADO.getConnection on line 0\r\n"
                                       "Error (9) Subscript out of range"));

    EXPECT_BYTES_EQ(
        readAll(logFile()),
        logBanner(QStringLiteral("3/5/24")) +
            logLine(QStringLiteral("\tmADO.getConnection\tError (9) Subscript out of range")));

    const CErrHandler& h = errHandler();
    EXPECT_EQ(h.lastErrorNumber(), 9);
    EXPECT_EQ(h.lastErrorLine(), 0);
    EXPECT_EQ(h.lastErrorDescription(), QStringLiteral("Subscript out of range"));
    EXPECT_EQ(h.lastErrorProcedure(), QStringLiteral("mADO.getConnection"));
    EXPECT_EQ(h.appTitle(), QStringLiteral("VoVoruzevUdadudar"));
    EXPECT_EQ(h.pCurStackPointer(), 0);
}

TEST_F(ErrHandlerTest, ReportAndMessageFollowTheSettings) {
    const QString longText = QStringLiteral("x").repeated(250) + QStringLiteral("ABCDEFGHIJ");
    struct Case {
        const char* name;
        QString description;
        qint32 line;
        QString currentOperation;
        bool expanded;
        QString title;
    };
    const Case cases[] = {
        {"plain", QStringLiteral("Type mismatch"), 0, {}, true, {}},
        {"long description is cut in the report only", longText, 0, {}, true, {}},
        {"current operation",
         QStringLiteral("Type mismatch"),
         0,
         QStringLiteral("Reading the plan file"),
         true,
         {}},
        {"no expanded information", QStringLiteral("Type mismatch"), 0, {}, false, {}},
        {"line number and the host's title",
         QStringLiteral("Type mismatch"),
         1234,
         {},
         true,
         QStringLiteral("Cendra")},
        {"non-ASCII text",
         QStringLiteral("Fant ikke filen «Kåre.mdb»"),
         7,
         QStringLiteral("Åpner æøå"),
         true,
         {}},
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

        ReportFacts r;
        if (!c.title.isEmpty())
            r.title = c.title;
        r.description = c.description;
        r.number = 13;
        r.line = c.line;
        r.procedure = QStringLiteral("cFillCalendar.mFill");
        r.stack = {QStringLiteral("fHoster.doPrint"), QStringLiteral("cFillCalendar.mFill")};
        r.currentOperation = c.currentOperation;
        r.expanded = c.expanded;
        r.componentFolder = moduleFolder();
        EXPECT_BYTES_EQ(readAll(reportPath()), expectedReport(r));

        ASSERT_EQ(ui().messageBoxes().size(), 1);
        EXPECT_EQ(ui().messageBoxes()[0].title, r.title);
        EXPECT_EQ(ui().messageBoxes()[0].text,
                  expectedMessage(r.procedure, c.line, 13, c.description, c.currentOperation));
        EXPECT_EQ(h.lastErrorDescription(), c.description);
        EXPECT_EQ(h.lastErrorLine(), c.line);
    }
    // The log record keeps only the first 255 characters of the description too.
    const QByteArray log = readAll(logFile());
    EXPECT_TRUE(log.contains(
        ("\tcFillCalendar.mFill\tError (13) " + longText.left(255) + QStringLiteral("\r\n"))
            .toUtf8()));
    EXPECT_FALSE(log.contains("ABCDEFGHIJ"));
}

TEST_F(ErrHandlerTest, SecondFailureReplacesTheFirstReport) {
    failNested({"a.first"}, Failure::fileNotFound(QStringLiteral("/x/one.mdb")));
    failNested({"b.second", "b.inner"}, Failure::typeMismatch());

    ReportFacts r;
    r.description = QStringLiteral("Type mismatch");
    r.number = 13;
    r.procedure = QStringLiteral("b.inner");
    r.stack = {QStringLiteral("b.second"), QStringLiteral("b.inner")};
    r.componentFolder = moduleFolder();
    EXPECT_BYTES_EQ(readAll(reportPath()), expectedReport(r));
    EXPECT_EQ(ui().messageBoxes().size(), 2);
    EXPECT_EQ(ui().beeps(), 2);
}

TEST_F(ErrHandlerTest, CancelInBeforeHandlerCalledSuppressesReportMessageAndAfterEvent) {
    CErrHandler& h = errHandler();
    int before = 0;
    int after = 0;
    QObject::connect(&h, &CErrHandler::BeforeHandlerCalled, [&](bool& cancel) {
        EXPECT_FALSE(cancel);
        ++before;
        cancel = true;
    });
    QObject::connect(&h, &CErrHandler::AfterHandlerCalled, [&] { ++after; });

    failNested({"m.p"}, Failure::overflow());

    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 0);
    EXPECT_FALSE(QFile::exists(reportPath()));
    EXPECT_FALSE(QFile::exists(logFile()));
    EXPECT_TRUE(ui().calls().isEmpty());
    // The failure is recorded before the event.
    EXPECT_EQ(h.lastErrorNumber(), 6);
    EXPECT_EQ(h.lastErrorDescription(), QStringLiteral("Overflow"));
    EXPECT_EQ(h.lastErrorProcedure(), QStringLiteral("m.p"));
    EXPECT_EQ(h.appTitle(), QStringLiteral("VoVoruzevUdadudar"));
}

TEST_F(ErrHandlerTest, EventsSurroundTheReportAndTheMessage) {
    CErrHandler& h = errHandler();
    QStringList seen;
    QObject::connect(&h, &CErrHandler::BeforeHandlerCalled, [&](bool&) {
        seen << QStringLiteral("before report=%1 calls=%2")
                    .arg(QFile::exists(reportPath()))
                    .arg(ui().calls().size());
        EXPECT_EQ(h.lastErrorNumber(), 91);
    });
    QObject::connect(&h, &CErrHandler::AfterHandlerCalled, [&] {
        seen << QStringLiteral("after report=%1 calls=%2")
                    .arg(QFile::exists(reportPath()))
                    .arg(ui().calls().join(QLatin1Char(',')));
    });
    failNested({"m.p"}, Failure::objectNotSet());
    EXPECT_EQ(seen, QStringList({QStringLiteral("before report=0 calls=0"),
                                 QStringLiteral("after report=1 calls=beep,messageBox")}));
}

TEST_F(ErrHandlerTest, WithoutTheMessageFlagOnlyTheReportAndLogAreWritten) {
    CErrHandler& h = errHandler();
    h.setDisplayMsgOnError(false);
    int after = 0;
    QObject::connect(&h, &CErrHandler::AfterHandlerCalled, [&] { ++after; });
    failNested({"m.p"}, Failure::invalidUseOfNull());
    EXPECT_TRUE(ui().calls().isEmpty());
    EXPECT_TRUE(QFile::exists(reportPath()));
    EXPECT_BYTES_EQ(readAll(logFile()),
                    logBanner(QStringLiteral("3/5/24")) +
                        logLine(QStringLiteral("\tm.p\tError (94) Invalid use of Null")));
    EXPECT_EQ(after, 1);
}

TEST_F(ErrHandlerTest, HandleErrorExHandlesTheCurrentFailureAndIgnoresItsArguments) {
    CErrHandler& h = errHandler();
    h.Push(QStringLiteral("m.p"));
    h.setCurrentFailure(Failure(76, QStringLiteral("Path not found"), 12));
    h.HandleErrorEx(1, QStringLiteral("ignored"), 99);
    h.Pop();
    EXPECT_EQ(h.lastErrorNumber(), 76);
    EXPECT_EQ(h.lastErrorLine(), 12);
    EXPECT_EQ(h.lastErrorDescription(), QStringLiteral("Path not found"));
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_EQ(ui().messageBoxes()[0].text,
              expectedMessage(QStringLiteral("m.p"), 12, 76, QStringLiteral("Path not found")));
}

TEST_F(ErrHandlerTest, HandleErrorWithoutAFailureReportsNumberZero) {
    CErrHandler& h = errHandler();
    h.HandleError();
    EXPECT_EQ(h.lastErrorNumber(), 0);
    EXPECT_EQ(h.lastErrorProcedure(), QString());
    ReportFacts r;
    r.componentFolder = moduleFolder();
    EXPECT_BYTES_EQ(readAll(reportPath()), expectedReport(r));
    EXPECT_EQ(ui().messageBoxes().size(), 1);
}

TEST_F(ErrHandlerTest, PushAndPopMoveThePointerAndNeverBelowZero) {
    CErrHandler h;
    h.Pop();
    EXPECT_EQ(h.pCurStackPointer(), 0);
    h.Push(QStringLiteral("a.one"));
    h.Push(QStringLiteral("b.two"));
    EXPECT_EQ(h.pCurStackPointer(), 2);
    EXPECT_EQ(h.stackEntry(0), QString());
    EXPECT_EQ(h.stackEntry(1), QStringLiteral("a.one"));
    EXPECT_EQ(h.stackEntry(2), QStringLiteral("b.two"));
    h.Pop();
    EXPECT_EQ(h.stackEntry(2), QString());
    h.Pop();
    h.Pop();
    h.Pop();
    EXPECT_EQ(h.pCurStackPointer(), 0);
    h.Push(QStringLiteral("c.three"));
    EXPECT_EQ(h.pCurStackPointer(), 1);
    EXPECT_EQ(h.stackEntry(1), QStringLiteral("c.three"));
    EXPECT_EQ(h.stackEntry(-1), QString());
    EXPECT_EQ(h.stackEntry(5000), QString());
}

TEST_F(ErrHandlerTest, SettingMaxProcStackItemsRecreatesTheStackAndKeepsThePointer) {
    CErrHandler h;
    h.Push(QStringLiteral("a.one"));
    h.Push(QStringLiteral("b.two"));
    h.setMaxProcStackItems(5);
    EXPECT_EQ(h.MaxProcStackItems(), 5);
    EXPECT_EQ(h.pCurStackPointer(), 2);
    EXPECT_EQ(h.stackEntry(1), QString());
    EXPECT_EQ(h.stackEntry(2), QString());
    h.Push(QStringLiteral("c.three"));
    EXPECT_EQ(h.stackEntry(3), QStringLiteral("c.three"));
    h.Pop();
    h.Pop();
    h.Pop();
    EXPECT_EQ(h.pCurStackPointer(), 0);
}

TEST_F(ErrHandlerTest, NestingDeeperThanTheLimitKeepsPushAndPopPaired) {
    for (const int limit : {3, 100}) {
        SCOPED_TRACE(limit);
        shared().errHandler.reset();
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
                if (h.pCurStackPointer() != level)
                    ++mismatches;
                if (level < depth)
                    enter(level + 1);
                if (h.pCurStackPointer() != level)
                    ++mismatches;
                for (int i = 1; i <= std::min(level, limit); ++i) {
                    if (h.stackEntry(i) != QString::fromStdString(names[size_t(i - 1)]))
                        ++mismatches;
                }
                if (level == depth)
                    throw Failure::subscriptOutOfRange();
            });
        };
        enter(1);
        EXPECT_EQ(mismatches, 0);

        CErrHandler& h = errHandler();
        EXPECT_EQ(h.pCurStackPointer(), 0);
        for (int i = 0; i <= limit + 2; ++i)
            EXPECT_EQ(h.stackEntry(i), QString()) << i;
        ASSERT_EQ(ui().messageBoxes().size(), 1);

        // The report lists at least the names within the limit, each indented by its level.
        const QByteArray report = readAll(reportPath());
        for (int i = 1; i <= limit; ++i) {
            const QByteArray line =
                kCrLf +
                (QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')) +
                 QString(i * 2, QLatin1Char(' ')) + QString::fromStdString(names[size_t(i - 1)]))
                    .toUtf8() +
                kCrLf;
            EXPECT_TRUE(report.contains(line)) << i;
        }
        ui().clear();
    }
}

TEST_F(ErrHandlerTest, PushesBeyondTheRangeOfThePointerNeitherFailNorCorruptTheStack) {
    // A host may push without popping; the 16-bit pointer must not run past its range.
    CErrHandler h;
    const int pushes = 40000;
    for (int i = 1; i <= pushes; ++i)
        h.Push(QStringLiteral("m.p%1").arg(i));
    EXPECT_GT(h.pCurStackPointer(), 100);
    EXPECT_EQ(h.stackEntry(1), QStringLiteral("m.p1"));
    EXPECT_EQ(h.stackEntry(100), QStringLiteral("m.p100"));
    for (int i = 0; i < pushes; ++i)
        h.Pop();
    EXPECT_EQ(h.pCurStackPointer(), 0);
    for (int i = 0; i <= 102; ++i)
        EXPECT_EQ(h.stackEntry(i), QString()) << i;
}

TEST_F(ErrHandlerTest, TraceWritesEveryPushWhileOn) {
    const QString tracePath = path(QStringLiteral("module/trace.log"));
    writeFile(QStringLiteral("module/trace.log"), "left from an earlier run\r\n");
    {
        CErrHandler h;
        h.Push(QStringLiteral("not.traced"));
        h.setTraceExecution(true);
        EXPECT_TRUE(h.TraceExecution());
        h.Push(QStringLiteral("a.one"));
        h.Push(QStringLiteral("b.two"));
        h.Pop();
        h.Push(QStringLiteral("fHoster.Ålesund"));
        h.Pop();
        h.Pop();
        h.setTraceExecution(false);
        EXPECT_FALSE(h.TraceExecution());
        h.Push(QStringLiteral("off.again"));
        h.Pop();
        h.Pop();
    }
    EXPECT_BYTES_EQ(readAll(tracePath), crlf({QStringLiteral("a.one"), QStringLiteral("b.two"),
                                              QStringLiteral("fHoster.Ålesund")}));

    // Switching it on again starts a new file.
    {
        CErrHandler h;
        h.setTraceExecution(true);
        h.Push(QStringLiteral("c.three"));
        h.Pop();
    }
    EXPECT_BYTES_EQ(readAll(tracePath), crlf({QStringLiteral("c.three")}));
}

TEST_F(ErrHandlerTest, TraceInAnUnusableFolderIsIgnored) {
    shared().env.componentFolder = blockedFolder(QStringLiteral("module/"));
    CErrHandler h;
    h.setTraceExecution(true);
    h.Push(QStringLiteral("a.one"));
    EXPECT_EQ(h.pCurStackPointer(), 1);
    EXPECT_EQ(h.stackEntry(1), QStringLiteral("a.one"));
    h.Pop();
    EXPECT_TRUE(ui().calls().isEmpty());
}

TEST_F(ErrHandlerTest, ClearLogDeletesTheReport) {
    failNested({"m.p"}, Failure::overflow());
    ASSERT_TRUE(QFile::exists(reportPath()));
    CErrHandler& h = errHandler();
    EXPECT_TRUE(h.ClearLog());
    EXPECT_FALSE(QFile::exists(reportPath()));
    EXPECT_TRUE(h.ClearLog());
    // The log file is not the report.
    EXPECT_TRUE(QFile::exists(logFile()));
}

TEST_F(ErrHandlerTest, ReportGoesToTheLogFolderWhenTheComponentFolderCannotHoldIt) {
    struct Case {
        const char* name;
        QString folder;
    };
    const Case cases[] = {
        {"folder under a regular file", blockedFolder(QStringLiteral("module/"))},
        {"missing folder", path(QStringLiteral("missing/"))},
        {"a regular file", path(QStringLiteral("afile/"))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shared().errHandler.reset();
        QFile::remove(logFolder() + QStringLiteral("ERRORS.TXT"));
        shared().env.componentFolder = c.folder;
        ui().clear();
        failNested({"m.outer", "m.inner"}, Failure::pathFileAccess(QStringLiteral("/x")));

        ReportFacts r;
        r.description = Failure::pathFileAccess(QStringLiteral("/x")).description();
        r.number = 75;
        r.procedure = QStringLiteral("m.inner");
        r.stack = {QStringLiteral("m.outer"), QStringLiteral("m.inner")};
        r.componentFolder = c.folder;
        EXPECT_BYTES_EQ(readAll(logFolder() + QStringLiteral("ERRORS.TXT")), expectedReport(r));
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("missing"))));
        EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("not a folder"));
        EXPECT_EQ(ui().messageBoxes().size(), 1);
        EXPECT_TRUE(readAll(logFile()).endsWith(
            logLine(QStringLiteral("\tm.inner\tError (75) ") + r.description)));
    }
}

TEST_F(ErrHandlerTest, NothingWritableStillShowsTheMessage) {
    const QString blocked = blockedFolder(QString());
    shared().env.componentFolder = blocked + QStringLiteral("module/");
    qputenv("XDG_DATA_HOME", QFile::encodeName(blocked + QStringLiteral("data")));
    CErrHandler& h = errHandler();
    int after = 0;
    QObject::connect(&h, &CErrHandler::AfterHandlerCalled, [&] { ++after; });

    EXPECT_FALSE(
        failNested({"m.p"}, Failure::cannotCreateObject(QStringLiteral("Word.Application"))));

    EXPECT_EQ(after, 1);
    EXPECT_EQ(h.lastErrorNumber(), 429);
    EXPECT_BYTES_EQ(readAll(path(QStringLiteral("afile"))), QByteArray("not a folder"));
    const auto& boxes = ui().messageBoxes();
    ASSERT_FALSE(boxes.isEmpty());
    EXPECT_EQ(boxes.last().icon, Icon::Critical);
    EXPECT_EQ(boxes.last().text,
              expectedMessage(QStringLiteral("m.p"), 0, 429, h.lastErrorDescription()));
}

TEST_F(ErrHandlerTest, UnwritableReportFileEndsTheReportStepAndTheMessageIsStillShown) {
    // A folder where the report file should be: it can be neither deleted nor written.
    ASSERT_TRUE(QDir().mkpath(reportPath()));
    EXPECT_FALSE(failNested({"m.p"}, Failure::overflow()));
    EXPECT_TRUE(QFileInfo(reportPath()).isDir());
    EXPECT_FALSE(QFile::exists(logFile()));
    ASSERT_EQ(ui().messageBoxes().size(), 1);
    EXPECT_EQ(ui().messageBoxes()[0].text,
              expectedMessage(QStringLiteral("m.p"), 0, 6, QStringLiteral("Overflow")));
}

TEST_F(ErrHandlerTest, UnwritableLogStillWritesTheReportAndTheMessage) {
    qputenv("XDG_DATA_HOME", QFile::encodeName(blockedFolder(QStringLiteral("data"))));
    EXPECT_FALSE(failNested({"m.p"}, Failure::overflow()));
    ReportFacts r;
    r.description = QStringLiteral("Overflow");
    r.number = 6;
    r.procedure = QStringLiteral("m.p");
    r.stack = {QStringLiteral("m.p")};
    r.componentFolder = moduleFolder();
    EXPECT_BYTES_EQ(readAll(reportPath()), expectedReport(r));
    EXPECT_TRUE(std::any_of(ui().messageBoxes().begin(), ui().messageBoxes().end(),
                            [](const HeadlessUserInterface::MessageBoxCall& b) {
                                return b.text == expectedMessage(QStringLiteral("m.p"), 0, 6,
                                                                 QStringLiteral("Overflow"));
                            }));
}

TEST_F(ErrHandlerTest, FailuresCarryTheClassicNumbersAndTexts) {
    struct Case {
        Failure failure;
        qint32 number;
        const char* text;
    };
    const Case cases[] = {
        {Failure::invalidCall(), 5, "Invalid procedure call or argument"},
        {Failure::overflow(), 6, "Overflow"},
        {Failure::subscriptOutOfRange(), 9, "Subscript out of range"},
        {Failure::typeMismatch(), 13, "Type mismatch"},
        {Failure::internal({}), 51, "Internal error"},
        {Failure::objectNotSet(), 91, "Object variable or With block variable not set"},
        {Failure::invalidUseOfNull(), 94, "Invalid use of Null"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.failure.number(), c.number);
        EXPECT_EQ(c.failure.description(), QString::fromUtf8(c.text));
        EXPECT_EQ(c.failure.line(), 0);
    }
    // The ones about a named thing start with the classic text and name it.
    const Case named[] = {
        {Failure::fileNotFound(QStringLiteral("/d/KAMINOSE.MDB")), 53, "File not found"},
        {Failure::pathFileAccess(QStringLiteral("/d/KAMINOSE.MDB")), 75, "Path/File access error"},
        {Failure::pathNotFound(QStringLiteral("/d/KAMINOSE.MDB")), 76, "Path not found"},
        {Failure::cannotCreateObject(QStringLiteral("/d/KAMINOSE.MDB")), 429,
         "ActiveX component can't create object"},
        {Failure::memberNotSupported(QStringLiteral("/d/KAMINOSE.MDB")), 438,
         "Object doesn't support this property or method"},
    };
    for (const Case& c : named) {
        EXPECT_EQ(c.failure.number(), c.number);
        EXPECT_TRUE(c.failure.description().startsWith(QString::fromUtf8(c.text)))
            << c.failure.description().toStdString();
        EXPECT_TRUE(c.failure.description().contains(QStringLiteral("/d/KAMINOSE.MDB")))
            << c.failure.description().toStdString();
    }
}
