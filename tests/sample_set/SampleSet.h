// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QTemporaryDir>
#include <functional>

// A data set written by the generator into a temporary folder of its own, once for a whole
// suite: the suites that open the window on generated data share this instead of each
// writing the set their own way.
class SampleSet {
public:
    // Writes the set of the years `fromYear` to `toYear`; `progress` gets the generator's lines.
    SampleSet(int fromYear, int toYear, const std::function<void(const QString&)>& progress = {});

    // False, with error() saying why, when the set could not be written.
    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    // The folder that holds the set, and a file of it by its name.
    QString folder() const;
    QString file(const QString& name) const;
    // The host's INI file of the set.
    QString iniFile() const;

private:
    QTemporaryDir m_dir;
    QString m_error;
    bool m_ok = false;
};
