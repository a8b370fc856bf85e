// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "common/TestEnv.h"

#include <QObject>
#include <QTimer>
#include <QVariant>
#include <functional>
#include <memory>

class QDialog;
class fHoster;

// The host's notify object as a test sees it: every message recorded.
class RecordingNotify : public QObject {
    Q_OBJECT
    Q_PROPERTY(qint32 pChildhWnd READ pChildhWnd WRITE setPChildhWnd)
    Q_PROPERTY(QVariant pParam READ pParam WRITE setPParam)
    Q_PROPERTY(QString pCommand READ pCommand WRITE setPCommand)
public:
    qint32 pChildhWnd() const { return childhWnd; }
    void setPChildhWnd(qint32 v) { childhWnd = v; }
    QVariant pParam() const { return param; }
    void setPParam(const QVariant& v) { param = v; }
    QString pCommand() const { return command; }
    void setPCommand(const QString& v) { command = v; }
    Q_INVOKABLE void mMsgFromClient(qint32 code) { messages.append(code); }

    qint32 childhWnd = 0;
    QVariant param;
    QString command;
    QList<qint32> messages;
};

// What the window takes as pApp: the facade's status text.
class RecordingApp : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString pStatusText READ pStatusText WRITE setPStatusText)
public:
    QString pStatusText() const { return status; }
    void setPStatusText(const QString& v) { status = v; }
    QString status;
};

// A liturgy database of March 2024 (the clock says 2024-03-05) under the file name of an
// edition, a plan database, an INI file naming them, and a host window on them.
class HostWindowTest : public TestEnv {
protected:
    void TearDown() override;

    // Writes the data under `liturgyName` and returns the INI file's path.
    QString makeData(const QString& liturgyName);
    // A window of `version` on the data, loaded and initialised.
    fHoster& open(const QString& liturgyName, qint32 version, bool multiEdition = false);

    RecordingNotify notify;
    RecordingApp app;
    std::unique_ptr<fHoster> window;
    QString iniFile;
};

// Hands the next dialog that shows to `note`, then closes it; the watch ends with the timer.
std::unique_ptr<QTimer> closeNextDialog(const std::function<void(QDialog&)>& note);
