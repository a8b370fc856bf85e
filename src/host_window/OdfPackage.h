// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

// The files of an OpenDocument package (a zip archive), read whole and written again, so that
// one of them can be mended after Qt's writer has made it. The first file (the package's
// "mimetype") is written stored, as the format asks; the others compressed.
class OdfPackage {
public:
    // The package in `zip`; nothing when it is no zip archive this class reads (stored or
    // deflated files, no zip64) or a file in it is damaged.
    static std::optional<OdfPackage> read(const QByteArray& zip);

    // The contents of the file `name`; empty when there is none.
    QByteArray file(const QString& name) const;
    // Replaces the contents of the file `name`, which must exist.
    void setFile(const QString& name, const QByteArray& contents);
    // The package as a zip archive.
    QByteArray write() const;

private:
    struct Entry {
        QString name;
        QByteArray contents;
    };
    QList<Entry> m_entries;
};
