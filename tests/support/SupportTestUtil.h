// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "common/TestEnv.h"
#include "support/BuildInfo.h"
#include "support/CErrHandler.h"
#include "support/Failure.h"
#include "support/ProcScope.h"
#include "support/SharedState.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>
#include <initializer_list>
#include <string>
#include <sys/stat.h>
#include <vector>

// Compares two byte arrays as text, so that a failure shows both texts and their difference.
#define EXPECT_BYTES_EQ(actual, expected)                                                          \
    EXPECT_EQ((actual).toStdString(), (expected).toStdString())

// Helpers that the runtime-support tests share: the expected texts of the log, report and
// message, and a few file-system probes.
namespace supporttest {

inline constexpr char kCrLf[] = "\r\n";

// The lines, each followed by CR LF, as UTF-8.
inline QByteArray crlf(std::initializer_list<QString> lines) {
    QByteArray out;
    for (const QString& line : lines)
        out += line.toUtf8() + kCrLf;
    return out;
}

// The per-user log folder under the test's data home, with a trailing '/'.
inline QString logFolder() {
    return qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Brekka Data as/LogFiles/");
}

inline QString logFile() {
    return logFolder() + QStringLiteral("Cendra Liturgy Calendar LOG.TXT");
}

// "Build 1.00.0001" for version 1.0.1.
inline QString expectedVersionText() {
    return QStringLiteral("Build %1.%2.%3")
        .arg(buildinfo::kMajor)
        .arg(buildinfo::kMinor, 2, 10, QLatin1Char('0'))
        .arg(buildinfo::kRevision, 4, 10, QLatin1Char('0'));
}

// The four banner lines of a new log file; the last holds a lone carriage return.
inline QByteArray logBanner(const QString& shortDate) {
    const QString stars(60, QLatin1Char('*'));
    return crlf({stars,
                 QStringLiteral("*****   Brekka Data AS  -  Generated loggfile ") + shortDate +
                     QStringLiteral("    *****"),
                 stars, QStringLiteral("\r")});
}

// One log record line at the test clock (3/5/24 2:30:15 PM); `joined` begins with a TAB.
inline QByteArray logLine(const QString& joined) {
    return crlf({expectedVersionText() + QStringLiteral(" 3/5/24 2:30:15 PM Error: ") + joined});
}

// The message box text of a failure.
inline QString expectedMessage(const QString& procedure, qint32 line, qint32 number,
                               const QString& description, const QString& currentOperation = {}) {
    QString text = QStringLiteral("The following error has occurred in procedure: \r\n") +
                   procedure + QStringLiteral(" on line ") + QString::number(line) +
                   QStringLiteral("\r\nError (") + QString::number(number) + QStringLiteral(") ") +
                   description;
    if (!currentOperation.isEmpty())
        text += QStringLiteral("\r\nCurrent Operation: ") + currentOperation;
    return text;
}

inline bool writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return f.write(bytes) == bytes.size();
}

// The permission bits of a path (not following a final symbolic link); -1 when absent.
inline int modeOf(const QString& path) {
    struct stat st {};
    if (::lstat(QFile::encodeName(path).constData(), &st) != 0)
        return -1;
    return int(st.st_mode & 07777);
}

// The names in a folder, hidden ones included, sorted.
inline QStringList entries(const QString& folder) {
    return QDir(folder).entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

// Runs nested procedures named `names` (outermost first); the innermost throws `failure`.
// Returns the innermost procedure's result: false, its default, after the failure.
inline bool failNested(const std::vector<std::string>& names, const Failure& failure,
                       size_t level = 0) {
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

} // namespace supporttest

// The fixture of the runtime-support tests: a plain file "afile" that folders can be asked
// for under, so that they cannot be made.
class SupportTest : public TestEnv {
protected:
    static constexpr char kPlain[] = "plain";

    // Writes "afile" and returns the path `below` under it.
    QString blockedPath(const QString& below) const {
        writeFile(QStringLiteral("afile"), kPlain);
        return path(QStringLiteral("afile/") + below);
    }
    // "afile" still holds what blockedPath wrote.
    void expectBlockerKept() const {
        EXPECT_BYTES_EQ(readFile(path(QStringLiteral("afile"))), QByteArray(kPlain));
    }
    QString moduleFolder() const { return path(QStringLiteral("module/")); }
    QString tracePath() const { return path(QStringLiteral("module/trace.log")); }
    void useDataHome(const QString& home) const {
        qputenv("XDG_DATA_HOME", QFile::encodeName(home));
    }
};
