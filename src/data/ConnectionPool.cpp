// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/ConnectionPool.h"

ConnectionPool::~ConnectionPool() {
    clear();
}

void ConnectionPool::put(Handle handle) {
    m_idle.push_back(std::move(handle));
    while (idleCount() > kMaxIdle) {
        close(m_idle.front());
        m_idle.erase(m_idle.begin());
    }
}

std::optional<ConnectionPool::Handle> ConnectionPool::take(const QString& file,
                                                           const FileIdentity& identity) {
    // Only the handles of `file` are looked at: its identity now is known, so those opened on
    // an earlier state of it go without another look at the disk. The others wait for their own
    // next open (or dropChanged).
    std::optional<Handle> found;
    for (auto it = m_idle.end(); it != m_idle.begin();) {
        --it;
        if (it->file != file)
            continue;
        if (!found && it->identity == identity) {
            found.emplace(std::move(*it));
        } else {
            close(*it);
        }
        it = m_idle.erase(it);
    }
    return found;
}

void ConnectionPool::dropChanged() {
    for (auto it = m_idle.begin(); it != m_idle.end();) {
        // A handle holds the file it opened, so while it is idle no other file can take its
        // device and inode: another identity means the file was changed, replaced or removed.
        if (FileIdentity::of(it->file) == std::optional<FileIdentity>(it->identity)) {
            ++it;
            continue;
        }
        close(*it);
        it = m_idle.erase(it);
    }
}

void ConnectionPool::clear() {
    for (Handle& handle : m_idle)
        close(handle);
    m_idle.clear();
}

void ConnectionPool::close(Handle& handle) {
    // The statements go before the database they were prepared on.
    handle.statements.clear();
    if (handle.connectionName.isEmpty())
        return;
    handle.db.close();
    handle.db = QSqlDatabase();
    QSqlDatabase::removeDatabase(handle.connectionName);
    handle.connectionName.clear();
}
