// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/ExternalProgram.h"

#include <QProcess>
#include <QStandardPaths>

namespace ExternalProgram {

QString find(const QString& name) {
    return QStandardPaths::findExecutable(name);
}

Result run(const QString& name, const QStringList& arguments, int waitMs, bool captureOutput) {
    Result result;
    const QString program = find(name);
    if (program.isEmpty())
        return result;
    auto* process = new QProcess;
    process->setProgram(program);
    process->setArguments(arguments);
    process->setStandardInputFile(QProcess::nullDevice());
    if (!captureOutput)
        process->setStandardOutputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start();
    if (!process->waitForStarted(waitMs)) {
        result.outcome = Outcome::FailedToStart;
        delete process;
        return result;
    }
    if (!process->waitForFinished(waitMs)) {
        // Killing it would close what the user is about to work in; it cleans up after itself
        // once it ends.
        result.outcome = Outcome::StillRunning;
        QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
        return result;
    }
    result.outcome =
        process->exitStatus() == QProcess::CrashExit ? Outcome::Crashed : Outcome::Finished;
    result.exitCode = process->exitCode();
    if (captureOutput)
        result.output = process->readAllStandardOutput();
    delete process;
    return result;
}

} // namespace ExternalProgram
