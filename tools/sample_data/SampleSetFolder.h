// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QStringList>

// The folder that a data set is published into, all of it or nothing: the set is built in a
// hidden folder of its own inside it (on the same file system, so that moving is a rename) and
// moved into place when it is complete, the last name last. An interrupted run (killed, a full
// disk) thus leaves no partial set that looks complete, and what it left behind is removed by
// the next run.
class SampleSetFolder {
public:
    // `names`: the files and folders of the set, relative to `outDir`; the one that marks a
    // complete set comes last.
    SampleSetFolder(QString outDir, QStringList names);
    // Removes what was built or moved unless the set was published.
    ~SampleSetFolder();
    SampleSetFolder(const SampleSetFolder&) = delete;
    SampleSetFolder& operator=(const SampleSetFolder&) = delete;

    // Makes the output folder and the build folder; false with `error` set when the output is
    // a file, one of the set's names exists already or a folder cannot be made.
    bool prepare(QString* error);
    // Where `name` is built.
    QString buildPath(const QString& name) const;
    // Where `name` ends up.
    QString finalPath(const QString& name) const;
    // Moves the built set into place; on failure what was moved is taken out again.
    bool publish(QString* error);

private:
    bool removeLeftovers(QString* error);
    void discard();

    QString m_outDir;
    QStringList m_names;
    QString m_buildDir;  // empty before prepare and once published
    QStringList m_moved; // what publish moved into the output folder
    bool m_published = false;
};
