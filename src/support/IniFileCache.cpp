// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "support/IniFileCache.h"

#include "support/DiskInterface.h"
#include "support/SharedState.h"
#include "support/mVBFileDisk.h"
#include "support/modIni.h"

#include <QFile>

IniFileCache& IniFileCache::instance() {
    std::unique_ptr<IniFileCache>& slot = shared().iniFiles;
    if (!slot)
        slot = std::make_unique<IniFileCache>();
    return *slot;
}

bool IniFileCache::current(const Entry& entry) {
    if (!entry.settled || FileIdentity::ofEncoded(entry.path) != entry.identity)
        return false;
    // A name found in other letter case stays found only while nobody adds, removes or renames
    // a file in its folder (one written exactly as asked would be the one to read then).
    return entry.folder.isEmpty() || FileIdentity::ofEncoded(entry.folder) == entry.folderIdentity;
}

std::optional<IniFileCache::Entry> IniFileCache::load(const QString& iniFile) {
    const QString resolved = mVBFileDisk::resolveLetterCase(iniFile);
    Entry entry;
    entry.path = QFile::encodeName(resolved);
    // The clock first: a change after it gets a stamp of its tick or later.
    const qint64 since = FileIdentity::stampClock();
    if (resolved != QString(iniFile).replace(QLatin1Char('\\'), QLatin1Char('/'))) {
        const QString folder = mVBFileDisk::folderPart(resolved);
        entry.folder = QFile::encodeName(folder.isEmpty() ? QStringLiteral(".") : folder);
        entry.folderIdentity = FileIdentity::ofEncoded(entry.folder);
        if (!entry.folderIdentity)
            return std::nullopt;
    }
    const std::optional<FileIdentity> identity = FileIdentity::ofEncoded(entry.path);
    if (!identity || !RealDiskInterface::instance().readFile(resolved, &entry.text))
        return std::nullopt;
    entry.identity = *identity;
    entry.settled = !identity->mayChangeUnseen(since) &&
                    !(entry.folderIdentity && entry.folderIdentity->mayChangeUnseen(since));
    return entry;
}

IniFileCache::Entry* IniFileCache::find(const QString& file) {
    auto it = m_files.find(file);
    if (it == m_files.end() || !current(*it)) {
        std::optional<Entry> loaded = load(file);
        if (!loaded) {
            m_files.remove(file);
            return nullptr;
        }
        if (it == m_files.end() && m_files.size() >= kMaxFiles)
            m_files.clear();
        it = m_files.insert(file, std::move(*loaded));
    }
    return &*it;
}

QString IniFileCache::text(const QString& file) {
    const Entry* entry = find(file);
    return entry ? QString::fromUtf8(entry->text) : QString();
}

QString IniFileCache::value(const QString& iniFile, const QString& section, const QString& key) {
    Entry* const entry = find(iniFile);
    return entry ? valueOf(*entry, section, key) : QString();
}

QStringList IniFileCache::values(const QString& iniFile, const QString& section,
                                 const QStringList& keys) {
    Entry* const entry = find(iniFile);
    QStringList result;
    result.reserve(keys.size());
    for (const QString& key : keys)
        result.append(entry ? valueOf(*entry, section, key) : QString());
    return result;
}

QString IniFileCache::valueOf(Entry& entry, const QString& section, const QString& key) {
    // Callers ask with the same names every time: remembered as asked, in whatever case.
    const QString name = section + QChar(0) + key;
    auto found = entry.values.constFind(name);
    if (found != entry.values.constEnd())
        return *found;
    const QString value = modIni::valueIn(entry.text, section, key);
    entry.values.insert(name, value);
    return value;
}
