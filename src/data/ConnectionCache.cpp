// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "data/ConnectionCache.h"

#include <string_view>

// Dropping the cache's references closes every connection that nobody else still holds.
ConnectionCache::~ConnectionCache() = default;

ConnectionCache& ConnectionCache::instance() {
    std::unique_ptr<ConnectionCacheBase>& slot = shared().connectionCache;
    if (!slot)
        slot = std::make_unique<ConnectionCache>();
    return static_cast<ConnectionCache&>(*slot);
}

ConnectionCache* ConnectionCache::existing() {
    return static_cast<ConnectionCache*>(shared().connectionCache.get());
}

int ConnectionCache::indexOf(const QString& dataFile) const {
    // An empty path occurs in every connection string; it names no connection.
    if (dataFile.isEmpty())
        return -1;
    const QString wanted = upperCase(dataFile);
    for (int i = 0; i < count(); ++i) {
        if (m_connections[i] && mentions(m_connections[i]->upperConnectionString(), wanted))
            return i;
    }
    return -1;
}

bool ConnectionCache::mentions(const QString& upperConnectionString, const QString& upperFile) {
    // A plain search: the strings are short, and the general one builds a table of skips for a
    // needle as long as a path on every call.
    const QStringView text(upperConnectionString);
    const QStringView file(upperFile);
    return std::u16string_view(text.utf16(), size_t(text.size()))
               .find(std::u16string_view(file.utf16(), size_t(file.size()))) !=
           std::u16string_view::npos;
}

QString ConnectionCache::upperCase(const QString& text) const {
    // Kept small: a session looks up a few files and connection strings.
    constexpr qsizetype kMaxTexts = 64;
    const auto found = m_upperCase.constFind(text);
    if (found != m_upperCase.constEnd())
        return found.value();
    if (m_upperCase.size() >= kMaxTexts)
        m_upperCase.clear();
    return m_upperCase.insert(text, text.toUpper()).value();
}

const DataSource::Target& ConnectionCache::parsed(const QString& connectionString) const {
    // Kept small like the upper cases.
    constexpr qsizetype kMaxStrings = 64;
    const auto found = m_parsed.constFind(connectionString);
    if (found != m_parsed.constEnd())
        return found.value();
    if (m_parsed.size() >= kMaxStrings)
        m_parsed.clear();
    return m_parsed.insert(connectionString, DataSource::parse(connectionString)).value();
}

int ConnectionCache::indexOfConnectionString(const QString& connectionString) const {
    for (int i = 0; i < count(); ++i) {
        if (m_connections[i] && m_connections[i]->ConnectionString() == connectionString)
            return i;
    }
    return -1;
}

void ConnectionCache::removeAt(int index) {
    if (index >= 0 && index < count())
        m_connections.erase(m_connections.begin() + index);
}
