// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/PlanWatch.h"

#include "data/Connection.h"
#include "support/Failure.h"
#include "support/mVBFileDisk.h"

#include <QFileInfo>
#include <QSqlDriver>

namespace {

constexpr qint32 kEngineError = -2147467259;

QString logOf(const QString& file) {
    return file + QStringLiteral("-wal");
}

} // namespace

PlanWatch::PlanWatch(QObject* parent) : QObject(parent) {
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &PlanWatch::settled);
    const auto touched = [this] {
        rewatch();
        m_settle.start();
    };
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, touched);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, touched);
}

PlanWatch::~PlanWatch() = default;

void PlanWatch::watchFile(const QString& file) {
    if (file.trimmed().isEmpty())
        return;
    QString path = file;
    path.replace(QLatin1Char('\\'), QLatin1Char('/'));
    m_file = QFileInfo(mVBFileDisk::resolveLetterCase(path)).absoluteFilePath();
    m_watcher.addPath(QFileInfo(m_file).absolutePath());
    rewatch();
    m_seen = signature();
}

void PlanWatch::watchServer(const QString& connectionString) {
    auto server = std::make_unique<Connection>();
    server->Open(connectionString);
    QSqlDriver* driver = server->database().driver();
    if (!server->isServer() || !driver->subscribeToNotification(QLatin1String(kChannel)))
        throw Failure(kEngineError,
                      QStringLiteral("The plan on the database server cannot be listened to."));
    connect(driver, &QSqlDriver::notification, this, [this] { m_settle.start(); });
    m_server = std::move(server);
}

void PlanWatch::rewatch() {
    const QStringList watched = m_watcher.files();
    for (const QString& path : {m_file, logOf(m_file)})
        if (!watched.contains(path) && QFileInfo::exists(path))
            m_watcher.addPath(path);
}

PlanWatch::Signature PlanWatch::signature() const {
    std::optional<FileIdentity> log = FileIdentity::of(logOf(m_file));
    // A log is made empty by every connection that opens the file and goes with the last one:
    // no change of the plan.
    if (log && log->size == 0)
        log.reset();
    return {FileIdentity::of(m_file), log};
}

void PlanWatch::seen() {
    if (!m_file.isEmpty())
        m_seen = signature();
}

void PlanWatch::settled() {
    if (!m_server) {
        const Signature now = signature();
        if (now == m_seen)
            return;
        m_seen = now;
    }
    emit changed();
}
