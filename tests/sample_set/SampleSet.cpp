// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SampleSet.h"

#include "SampleDataWriter.h"

SampleSet::SampleSet(int fromYear, int toYear,
                     const std::function<void(const QString&)>& progress) {
    SampleDataOptions options;
    options.outDir = folder();
    options.fromYear = fromYear;
    options.toYear = toYear;
    SampleDataWriter writer(options, [&progress](const QString& line) {
        if (progress)
            progress(line);
    });
    m_ok = m_dir.isValid() && writer.run(&m_error);
}

QString SampleSet::folder() const {
    return m_dir.filePath(QStringLiteral("set"));
}

QString SampleSet::file(const QString& name) const {
    return folder() + QLatin1Char('/') + name;
}

QString SampleSet::iniFile() const {
    return file(SampleDataWriter::iniFileName());
}
