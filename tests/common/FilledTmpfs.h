// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QString>

// A small tmpfs over a folder, filled to the last byte; unmounted at the end. Only root can
// mount one: elsewhere `mounted` is false.
class FilledTmpfs {
public:
    explicit FilledTmpfs(const QString& folder);
    ~FilledTmpfs();
    FilledTmpfs(const FilledTmpfs&) = delete;
    FilledTmpfs& operator=(const FilledTmpfs&) = delete;

    bool mounted() const { return m_mounted; }
    // Fills what is left with a hidden file of its own, ".filler".
    void fill() const;

private:
    QByteArray m_folder;
    bool m_mounted = false;
};
