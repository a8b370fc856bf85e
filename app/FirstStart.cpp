// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/FirstStart.h"

#include "support/ComponentInfo.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QProgressDialog>
#include <QPushButton>
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>

namespace {

// Enough of the generator's error output for any message it writes; a runaway one is cut.
constexpr qsizetype kErrorCap = 4000;

const QString kGenerator = QStringLiteral("make-sample-data");

// The generator's arguments for `request`.
QStringList generatorArguments(const FirstStart::Request& request) {
    QStringList arguments = {QStringLiteral("--out"), request.folder};
    if (request.fromYear != 0)
        arguments << QStringLiteral("--from") << QString::number(request.fromYear);
    if (request.toYear != 0)
        arguments << QStringLiteral("--to") << QString::number(request.toYear);
    return arguments;
}

// Runs the generator while the event loop goes on, showing each line it prints in `progress`.
// Empty when it wrote the set; else why not.
QString runGenerator(const FirstStart::Request& request, QProgressDialog& progress, bool* stopped) {
    const QString program = FirstStart::generatorPath();
    const QFileInfo found(program);
    if (!found.isFile() || !found.isExecutable())
        return QStringLiteral("%1 was not found next to the program (%2)")
            .arg(kGenerator, QDir::toNativeSeparators(program));

    QProcess process;
    process.setProgram(program);
    process.setArguments(generatorArguments(request));
    process.setStandardInputFile(QProcess::nullDevice());
    const pid_t parent = ::getpid();
    process.setChildProcessModifier([parent] {
        // A process group of its own, so that stopping it stops all of it; and it ends with
        // this program rather than writing on, orphaned, after the window is gone.
        ::setpgid(0, 0);
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != parent)
            ::_exit(127);
    });

    QByteArray errors;
    QEventLoop loop;
    QObject::connect(&process, &QProcess::readyReadStandardOutput, &progress, [&] {
        while (process.canReadLine()) {
            const QString line = QString::fromUtf8(process.readLine()).trimmed();
            if (!line.isEmpty())
                progress.setLabelText(line);
        }
    });
    QObject::connect(&process, &QProcess::readyReadStandardError, &progress, [&] {
        errors += process.readAllStandardError();
        if (errors.size() > 2 * kErrorCap)
            errors = errors.right(kErrorCap);
    });
    QObject::connect(&process, &QProcess::finished, &loop, &QEventLoop::quit);
    // Cancel, Escape or closing the progress dialog is the person's way to stop the writing.
    const auto stop = [&] {
        *stopped = true;
        if (process.processId() > 0)
            ::kill(-pid_t(process.processId()), SIGTERM);
    };
    QObject::connect(&progress, &QProgressDialog::canceled, &loop, stop);
    QObject::connect(&progress, &QDialog::rejected, &loop, stop);
    process.start();
    if (!process.waitForStarted())
        return QStringLiteral("%1 could not be started: %2")
            .arg(QDir::toNativeSeparators(program), process.errorString());
    loop.exec();
    errors += process.readAllStandardError();
    const QString said = QString::fromLocal8Bit(errors.right(kErrorCap)).trimmed();
    if (process.exitStatus() == QProcess::CrashExit)
        return said.isEmpty() ? QStringLiteral("%1 stopped unexpectedly").arg(kGenerator) : said;
    if (process.exitCode() != 0)
        return said.isEmpty() ? QStringLiteral("%1 failed with exit code %2")
                                    .arg(kGenerator)
                                    .arg(process.exitCode())
                              : said;
    return {};
}

} // namespace

QString FirstStart::question(const QString& folder) {
    return QApplication::translate(
               "FirstStart",
               "There is no calendar data on this computer yet. Create the default data set "
               "now? It holds the church year with its readings and prayers. This takes a few "
               "seconds.\n\nIt will be written to %1.")
        .arg(QDir::toNativeSeparators(folder));
}

QString FirstStart::progressTitle() {
    return QApplication::translate("FirstStart", "Creating the default data set");
}

QString FirstStart::generatorPath() {
    const QString chosen = qEnvironmentVariable(ComponentInfo::kHelperFolderVariable);
    const QString helpers = chosen.isEmpty() ? QCoreApplication::applicationDirPath() : chosen;
    return QDir::cleanPath(helpers + QStringLiteral("/" LC_BINDIR_FROM_PROGRAM "/") + kGenerator);
}

bool FirstStart::offer(QWidget* parent, const QString& title, const Request& request,
                       QString* error) {
    const QString declined =
        QApplication::translate(
            "FirstStart", "no data set was created; create it with: make-sample-data --out %1")
            .arg(QDir::toNativeSeparators(request.folder));
    QMessageBox ask(QMessageBox::Question, title, question(request.folder), QMessageBox::NoButton,
                    parent);
    ask.setObjectName(QStringLiteral("firstStart"));
    QPushButton* create =
        ask.addButton(QApplication::translate("FirstStart", "&Create"), QMessageBox::AcceptRole);
    ask.addButton(QMessageBox::Cancel);
    ask.setDefaultButton(create);
    ask.exec();
    if (ask.clickedButton() != create) {
        *error = declined;
        return false;
    }

    QProgressDialog progress(parent);
    progress.setObjectName(QStringLiteral("firstStartProgress"));
    progress.setWindowTitle(progressTitle());
    progress.setLabelText(QApplication::translate("FirstStart", "Starting..."));
    progress.setRange(0, 0);
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.show();
    bool stopped = false;
    const QString failure = runGenerator(request, progress, &stopped);
    progress.close();
    if (failure.isEmpty())
        return true;
    if (stopped) {
        *error = declined;
        return false;
    }
    *error = QStringLiteral("the default data set could not be created: ") + failure;
    QMessageBox::critical(
        parent, title,
        QApplication::translate("FirstStart", "The default data set could not be created: %1")
            .arg(failure));
    return false;
}
