// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "SampleDataWriter.h"

#include <QString>
#include <QTemporaryDir>

// A data set written by the generator into a temporary folder of its own, for the years `from`
// to `to`. Writing one takes a while, so suites make it once in SetUpTestSuite and share it.
class SampleSet {
public:
    SampleSet(
        int from, int to, SampleDataWriter::Progress progress = [](const QString&) {}) {
        SampleDataOptions options;
        options.outDir = folder();
        options.fromYear = from;
        options.toYear = to;
        m_ok = SampleDataWriter(options, std::move(progress)).run(&m_error);
    }

    bool ok() const { return m_ok; }
    QString error() const { return m_error; }
    QString folder() const { return m_dir.path() + QStringLiteral("/set"); }
    QString file(const QString& name) const { return folder() + QLatin1Char('/') + name; }

private:
    QTemporaryDir m_dir;
    QString m_error;
    bool m_ok = false;
};
