// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "app/FirstStart.h"

#include "SampleDataWriter.h"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QMessageBox>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QThread>

QString FirstStart::question(const QString& folder) {
    return QApplication::translate(
               "FirstStart",
               "There is no calendar data on this computer yet. Create the default data set "
               "now? It holds the church year with its readings and prayers and takes a few "
               "minutes to write.\n\nIt will be written to %1.")
        .arg(QDir::toNativeSeparators(folder));
}

QString FirstStart::progressTitle() {
    return QApplication::translate("FirstStart", "Creating the default data set");
}

bool FirstStart::offer(QWidget* parent, const QString& title, const SampleDataOptions& options,
                       QString* error) {
    QMessageBox ask(QMessageBox::Question, title, question(options.outDir), QMessageBox::NoButton,
                    parent);
    ask.setObjectName(QStringLiteral("firstStart"));
    QPushButton* create =
        ask.addButton(QApplication::translate("FirstStart", "&Create"), QMessageBox::AcceptRole);
    ask.addButton(QMessageBox::Cancel);
    ask.setDefaultButton(create);
    ask.exec();
    if (ask.clickedButton() != create) {
        *error =
            QStringLiteral("no data set was created; create it with: make-sample-data --out ") +
            QDir::toNativeSeparators(options.outDir);
        return false;
    }

    // The writer runs beside the event loop so that the dialog stays drawn; its connections
    // are its own and live in its thread.
    QProgressDialog progress(parent);
    progress.setObjectName(QStringLiteral("firstStartProgress"));
    progress.setWindowTitle(progressTitle());
    progress.setLabelText(QApplication::translate("FirstStart", "Starting..."));
    progress.setCancelButton(nullptr);
    progress.setRange(0, 0);
    progress.setMinimumDuration(0);
    progress.setWindowModality(Qt::ApplicationModal);
    progress.show();

    QPointer<QProgressDialog> shown(&progress);
    bool written = false;
    QString failure;
    QEventLoop loop;
    QThread* worker = QThread::create([&] {
        SampleDataWriter writer(options, [shown](const QString& line) {
            QMetaObject::invokeMethod(
                qApp,
                [shown, line] {
                    if (shown)
                        shown->setLabelText(line.trimmed());
                },
                Qt::QueuedConnection);
        });
        written = writer.run(&failure);
    });
    QObject::connect(worker, &QThread::finished, &loop, &QEventLoop::quit);
    worker->start();
    loop.exec();
    worker->wait();
    delete worker;
    progress.close();
    if (written)
        return true;
    *error = QStringLiteral("the default data set could not be created: ") + failure;
    QMessageBox::critical(
        parent, title,
        QApplication::translate("FirstStart", "The default data set could not be created: %1")
            .arg(failure));
    return false;
}
