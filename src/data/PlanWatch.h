// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/FileIdentity.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <utility>

class Connection;

// Tells a window that the plan changed, whoever changed it, so that every workstation shows a
// service planned or removed elsewhere at once. A plan file is watched with its write-ahead log
// through the file system's notifications (the file, and its folder for the log coming and
// going); a plan on a database server is listened to: its table notifies the channel kChannel
// on every change. Bursts of notifications are taken together, and for a file changed() is
// only emitted when the file or its log really differ from what was last seen.
class PlanWatch : public QObject {
    Q_OBJECT
public:
    // The channel that the server's plan table notifies.
    static constexpr const char* kChannel = "lc_plan_changed";
    // How long the notifications of one change are waited for before the plan counts as changed.
    static constexpr int kSettleMs = 50;

    explicit PlanWatch(QObject* parent = nullptr);
    ~PlanWatch() override;

    // Watches the plan file `file` (as the INI file names it); it need not exist yet.
    void watchFile(const QString& file);
    // Listens to the plan on the server that `connectionString` names; throws Failure when the
    // server cannot be reached or does not take the subscription.
    void watchServer(const QString& connectionString);
    // The plan as it is now counts as seen: a change this window made and shows already is not
    // reported again.
    void seen();

Q_SIGNALS:
    void changed();

private:
    using Signature = std::pair<std::optional<FileIdentity>, std::optional<FileIdentity>>;
    // The identities of the file and of its log (none for an empty log).
    Signature signature() const;
    // Watches the file and the log again where they exist now (a replaced file is a new one).
    void rewatch();
    void settled();

    QString m_file;
    QFileSystemWatcher m_watcher;
    QTimer m_settle;
    Signature m_seen;
    std::unique_ptr<Connection> m_server;
};
