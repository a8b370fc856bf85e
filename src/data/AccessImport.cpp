#include "data/AccessImport.h"

#include "support/ComponentInfo.h"
#include "support/Failure.h"
#include "support/Sanitizers.h"
#include "support/SharedState.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryFile>
#include <cstdio>
#include <sys/resource.h>

namespace {

// The number the engine gives when it cannot open a data file.
constexpr qint32 kCannotOpen = -2147467259;
// How much of the start and of the end of the helper's error output is read back.
constexpr qint64 kErrorPart = 4096;

[[noreturn]] void fail(const QString& shownName, const QString& reason) {
    throw Failure(
        kCannotOpen,
        QStringLiteral("Cannot open the Access database '%1': %2").arg(shownName, reason));
}

bool isProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

// The lines of the helper's error output: its first and last few thousand bytes.
QStringList helperLines(const QString& errorFile) {
    QFile f(errorFile);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    QByteArray text = f.read(kErrorPart);
    if (f.size() > 2 * kErrorPart)
        f.seek(f.size() - kErrorPart);
    text += '\n' + f.readAll();
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
QString runHelper(const QString& program, const QString& source, const QString& target,
                  const QString& errorFile) {
    const Environment& env = shared().env;
    const rlim_t memory = rlim_t(env.accessImportMemoryBytes);
    QProcess process;
    process.setProgram(program);
    process.setArguments({source, target});
    process.setStandardInputFile(QProcess::nullDevice());
    process.setStandardOutputFile(QProcess::nullDevice());
    process.setStandardErrorFile(errorFile);
    process.setChildProcessModifier([memory] {
        if (kAddressSanitizer)
            return;
        const rlimit limit{memory, memory};
        ::setrlimit(RLIMIT_AS, &limit);
    });
    process.start();
    if (!process.waitForStarted())
        return QStringLiteral("the import helper '%1' cannot be started: %2")
            .arg(program, process.errorString());
    if (!process.waitForFinished(env.accessImportTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return QStringLiteral("the import helper did not finish within %1 seconds and was stopped")
            .arg(env.accessImportTimeoutMs / 1000.0);
    }
    const QStringList lines = helperLines(errorFile);
    const QString said = helperReason(lines);
    if (process.exitStatus() == QProcess::CrashExit)
        return said.isEmpty() ? QStringLiteral("the import helper crashed")
                              : QStringLiteral("the import helper crashed (%1)").arg(said);
    if (process.exitCode() != 0)
        return said.isEmpty() ? QStringLiteral("the import helper failed with exit code %1")
                                    .arg(process.exitCode())
                              : said;
    // libmdb reads past damage with a warning and goes on; a copy of a damaged file is no copy.
    if (!lines.isEmpty())
        return QStringLiteral("the file is damaged (libmdb: %1)").arg(lines.first());
    QFile written(target);
    if (!written.open(QIODevice::ReadOnly) ||
        !written.read(16).startsWith(QByteArray("SQLite format 3\0", 16)))
        return QStringLiteral("the import helper wrote no database");
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
        fail(shownName, QStringLiteral("the import helper '%1' is not installed beside the "
                                       "component")
                            .arg(programName()));
    const QFileInfo targetInfo(target);
    if (!replace && (targetInfo.exists() || targetInfo.isSymLink()))
        fail(shownName, QStringLiteral("the file '%1' exists already").arg(target));
    QTemporaryFile part(target + QStringLiteral(".XXXXXX.part"));
    QTemporaryFile errors(target + QStringLiteral(".XXXXXX.err"));
    if (!part.open() || !errors.open())
        fail(shownName, QStringLiteral("the folder '%1' cannot be written")
                            .arg(QDir::toNativeSeparators(targetInfo.absolutePath())));
    part.close();
    errors.close();
    const QString reason = runHelper(helper, accessFile, part.fileName(), errors.fileName());
    if (!reason.isEmpty())
        fail(shownName, reason);
    // rename() replaces atomically; without `replace` a file that appeared meanwhile wins.
    if (!replace && QFileInfo::exists(target))
        fail(shownName, QStringLiteral("the file '%1' exists already").arg(target));
    if (std::rename(QFile::encodeName(part.fileName()).constData(),
                    QFile::encodeName(target).constData()) != 0)
        fail(shownName, QStringLiteral("the copy cannot be put in place as '%1'").arg(target));
    part.setAutoRemove(false);
}

} // namespace AccessImport
