// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "SampleSet.h"

#include "SampleDataWriter.h"

SampleSet::SampleSet(int fromYear, int toYear) {
    SampleDataOptions options;
    options.outDir = m_dir.filePath(QStringLiteral("set"));
    options.fromYear = fromYear;
    options.toYear = toYear;
    SampleDataWriter writer(options, [](const QString&) {});
    m_ok = m_dir.isValid() && writer.run(&m_error);
}

QString SampleSet::file(const QString& name) const {
    return m_dir.filePath(QStringLiteral("set/") + name);
}

QString SampleSet::iniFile() const {
    return file(SampleDataWriter::iniFileName());
}
