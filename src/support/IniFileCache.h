// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "support/FileIdentity.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <optional>

// The INI files read on this thread, each kept with the values asked of it until the file on
// disk changes: a read costs one look at the file's identity (and at its folder's when the name
// was found in other letter case), and the file is read again only when that identity changed.
// Lives in the shared state; dropping it forgets everything.
class IniFileCache {
public:
    // Files kept at most; past that the cache starts afresh.
    static constexpr int kMaxFiles = 16;

    // The value of `key` in `section` of `iniFile`, uncut; empty when the file, the section or
    // the key is missing or the file cannot be read.
    QString value(const QString& iniFile, const QString& section, const QString& key);
    // The values of `keys` in `section`, the same way, with one look at the file.
    QStringList values(const QString& iniFile, const QString& section, const QStringList& keys);
    // The whole text of `file` as UTF-8, kept the same way (for the style sheets the pages copy
    // in); empty when the file cannot be read.
    QString text(const QString& file);

    // This thread's cache, created when absent.
    static IniFileCache& instance();

private:
    struct Entry {
        QByteArray path;       // the file read, letter case resolved, encoded
        FileIdentity identity; // the file as it was when read
        QByteArray folder;     // its folder when the name was resolved, encoded
        std::optional<FileIdentity> folderIdentity;
        bool settled = false; // no change can have left the identity as it was
        QByteArray text;
        QHash<QString, QString> values; // by section and key as asked
    };

    // The entry of `file` as it is on disk now, read again when it changed; null when it
    // cannot be read.
    Entry* find(const QString& file);
    // The value of `key` in `section` of the file of `entry`.
    static QString valueOf(Entry& entry, const QString& section, const QString& key);
    // Whether `entry` still holds what is on disk.
    static bool current(const Entry& entry);
    // Reads `iniFile` into a new entry; nothing when it cannot be read.
    static std::optional<Entry> load(const QString& iniFile);

    QHash<QString, Entry> m_files; // by the path as the caller gave it
};
