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

QString IniFileCache::value(const QString& iniFile, const QString& section, const QString& key) {
    auto it = m_files.find(iniFile);
    if (it == m_files.end() || !current(*it)) {
        std::optional<Entry> loaded = load(iniFile);
        if (!loaded) {
            m_files.remove(iniFile);
            return {};
        }
        if (it == m_files.end() && m_files.size() >= kMaxFiles)
            m_files.clear();
        it = m_files.insert(iniFile, std::move(*loaded));
    }
    const QString name = section.toCaseFolded() + QChar(0) + key.toCaseFolded();
    auto found = it->values.constFind(name);
    if (found != it->values.constEnd())
        return *found;
    const QString value = modIni::valueIn(it->text, section, key);
    it->values.insert(name, value);
    return value;
}
