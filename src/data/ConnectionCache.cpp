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

int ConnectionCache::indexOf(const QString& dataFile, int from) const {
    // An empty path occurs in every connection string; it names no connection.
    if (dataFile.isEmpty())
        return -1;
    const QString wanted = upperCase(dataFile);
    for (int i = qMax(from, 0); i < count(); ++i) {
        if (m_connections[i] && mentions(m_connections[i]->upperConnectionString(), wanted))
            return i;
    }
    return -1;
}

bool ConnectionCache::mentions(const QString& upperConnectionString, const QString& upperFile) {
    // The file's whole path, not the start of a longer one ("PLAN.MDB" in "PLAN.MDB2") nor the
    // end of a deeper one ("/X/PLAN.MDB" in "/Y/X/PLAN.MDB"): those are other files. A relative
    // path may still name the end of an absolute one. A plain search: the strings are short,
    // and the general one builds a table of skips for a needle as long as a path on every call.
    const QStringView textView(upperConnectionString);
    const QStringView fileView(upperFile);
    const std::u16string_view text(textView.utf16(), size_t(textView.size()));
    const std::u16string_view file(fileView.utf16(), size_t(fileView.size()));
    if (file.empty())
        return false;
    const auto isOneOf = [](char16_t c, std::u16string_view set) {
        return set.find(c) != std::u16string_view::npos;
    };
    const bool absolute = isOneOf(file.front(), u"/\\");
    for (size_t at = text.find(file); at != std::u16string_view::npos;
         at = text.find(file, at + 1)) {
        const size_t end = at + file.size();
        const bool endsValue = end == text.size() || isOneOf(text[end], u";\"'");
        const bool startsValue = at == 0 || isOneOf(text[at - 1], u"=;\"'") ||
                                 (!absolute && isOneOf(text[at - 1], u"/\\"));
        if (startsValue && endsValue)
            return true;
    }
    return false;
}

namespace {

// What `make` gives for `key`, made once and kept. Kept small: a session looks up a few files
// and connection strings over and over.
template <class Value, class Make>
const Value& kept(QHash<QString, Value>& table, const QString& key, Make make) {
    constexpr qsizetype kMaxKept = 64;
    const auto found = table.constFind(key);
    if (found != table.constEnd())
        return found.value();
    if (table.size() >= kMaxKept)
        table.clear();
    return table.insert(key, make()).value();
}

} // namespace

QString ConnectionCache::upperCase(const QString& text) const {
    return kept(m_upperCase, text, [&] { return text.toUpper(); });
}

QString ConnectionCache::pathAsWritten(const QString& dataFile) const {
    const bool absolute =
        dataFile.startsWith(QLatin1Char('/')) || dataFile.startsWith(QLatin1Char('\\'));
    if (!absolute)
        return DataSource::pathAsWritten(dataFile);
    return kept(m_absolutePaths, dataFile, [&] { return DataSource::pathAsWritten(dataFile); });
}

const DataSource::Target& ConnectionCache::parsed(const QString& connectionString) const {
    return kept(m_parsed, connectionString, [&] { return DataSource::parse(connectionString); });
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
