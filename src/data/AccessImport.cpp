// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/AccessImport.h"

#include "support/ComponentInfo.h"
#include "support/Failure.h"
#include "support/Sanitizers.h"
#include "support/SharedState.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <csignal>
#include <cstdio>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// The number the engine gives when it cannot open a data file.
constexpr qint32 kCannotOpen = -2147467259;
// How much of the start and of the end of the helper's error output is read back.
constexpr qint64 kErrorPart = 4096;

[[noreturn]] void fail(const QString& shownName, const QString& reason) {
    throw Failure(kCannotOpen, QCoreApplication::translate(
                                   "AccessImport", "Cannot open the Access database '%1': %2")
                                   .arg(shownName, reason));
}

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// The helper's error output as far as it is kept: its first and last few thousand bytes. A
// damaged file can make libmdb warn without end; the rest is read and dropped.
class CappedOutput {
public:
    void add(const QByteArray& bytes) {
        const qsizetype take = qMin(kErrorPart - m_head.size(), bytes.size());
        m_head += bytes.left(take);
        m_tail += bytes.mid(take);
        if (m_tail.size() > 2 * kErrorPart) {
            m_tail = m_tail.right(kErrorPart);
            m_dropped = true;
        }
    }
    QByteArray text() const { return m_dropped ? m_head + '\n' + m_tail : m_head + m_tail; }

private:
    QByteArray m_head;
    QByteArray m_tail;
    bool m_dropped = false;
};

// The non-empty lines of the helper's error output.
QStringList helperLines(const QByteArray& text) {
    QStringList lines;
    for (const QString& line :
         QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (!line.trimmed().isEmpty())
            lines.append(line.trimmed());
    }
    return lines;
}

// The reason the helper gave: its last "error: " line, or else its last line.
QString helperReason(const QStringList& lines) {
    for (qsizetype i = lines.size() - 1; i >= 0; --i) {
        if (lines[i].startsWith(QLatin1String("error: ")))
            return lines[i].mid(7);
    }
    return lines.isEmpty() ? QString() : lines.last();
}

// Runs the helper on `source` into the empty file `target`; the reason of a failure, or empty.
QString runHelper(const QString& program, const QString& source, const QString& target) {
    const Environment& env = shared().env;
    const rlim_t memory = rlim_t(env.accessImportMemoryBytes);
    QProcess process;
    process.setProgram(program);
    process.setArguments({source, target});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setReadChannel(QProcess::StandardError);
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([memory, parent] {
        // A process group of its own, so that stopping it stops whatever it started; and it
        // ends with this process (the helper then removes what it wrote), not orphaned.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
        if (kAddressSanitizer)
            return;
        const rlimit limit{memory, memory};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    process.start();
    if (!process.waitForStarted())
        return QCoreApplication::translate("AccessImport",
                                           "the import helper '%1' cannot be started: %2")
            .arg(program, process.errorString());
    CappedOutput errors;
    QElapsedTimer clock;
    clock.start();
    while (process.state() != QProcess::NotRunning) {
        const qint64 left = env.accessImportTimeoutMs - clock.elapsed();
        if (left <= 0) {
            ::kill(-pid_t(process.processId()), SIGKILL);
            process.kill();
            process.waitForFinished();
            return QCoreApplication::translate(
                       "AccessImport",
                       "the import helper did not finish within %1 seconds and was stopped")
                .arg(env.accessImportTimeoutMs / 1000.0);
        }
        process.waitForReadyRead(int(qMin<qint64>(left, 200)));
        errors.add(process.readAllStandardError());
    }
    errors.add(process.readAllStandardError());
    const QStringList lines = helperLines(errors.text());
    const QString said = helperReason(lines);
    if (process.exitStatus() == QProcess::CrashExit)
        return said.isEmpty()
                   ? QCoreApplication::translate("AccessImport", "the import helper crashed")
                   : QCoreApplication::translate("AccessImport", "the import helper crashed (%1)")
                         .arg(said);
    if (process.exitCode() != 0)
        return said.isEmpty() ? QCoreApplication::translate(
                                    "AccessImport", "the import helper failed with exit code %1")
                                    .arg(process.exitCode())
                              : said;
    // libmdb reads past damage with a warning and goes on; a copy of a damaged file is no copy.
    if (!lines.isEmpty())
        return QCoreApplication::translate("AccessImport", "the file is damaged (libmdb: %1)")
            .arg(lines.first());
    QFile written(target);
    if (!written.open(QIODevice::ReadOnly) ||
        !written.read(16).startsWith(QByteArray("SQLite format 3\0", 16)))
        return QCoreApplication::translate("AccessImport", "the import helper wrote no database");
    return {};
}

} // namespace

namespace AccessImport {

QString programName() {
    return QStringLiteral("liturgy-access-import");
}

QString program() {
    const QString& chosen = shared().env.accessImportProgram;
    if (!chosen.isEmpty())
        return chosen;
    const QString path = ComponentInfo::helperPath(programName());
    return isProgram(path) ? path : QString();
}

void copy(const QString& accessFile, const QString& target, const QString& shownName,
          bool replace) {
    const QString helper = program();
    if (helper.isEmpty())
        fail(shownName, QCoreApplication::translate(
                            "AccessImport", "the import helper '%1' is not installed beside the "
                                            "component")
                            .arg(programName()));
    const QFileInfo targetInfo(target);
    if (!replace && (targetInfo.exists() || targetInfo.isSymLink()))
        fail(shownName, QCoreApplication::translate("AccessImport", "the file '%1' exists already")
                            .arg(target));
    QTemporaryFile part(target + QStringLiteral(".XXXXXX.part"));
    if (!part.open())
        fail(shownName,
             QCoreApplication::translate("AccessImport", "the folder '%1' cannot be written")
                 .arg(QDir::toNativeSeparators(targetInfo.absolutePath())));
    part.close();
    const QString reason = runHelper(helper, accessFile, part.fileName());
    if (!reason.isEmpty())
        fail(shownName, reason);
    // rename() replaces atomically; without `replace` a file that appeared meanwhile wins.
    if (!replace && QFileInfo::exists(target))
        fail(shownName, QCoreApplication::translate("AccessImport", "the file '%1' exists already")
                            .arg(target));
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        fail(shownName,
             QCoreApplication::translate("AccessImport", "the copy cannot be put in place as '%1'")
                 .arg(target));
    part.setAutoRemove(false);
}

} // namespace AccessImport
