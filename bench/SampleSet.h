// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include "SampleDataWriter.h"

#include <QString>
#include <cstdio>
#include <cstdlib>

// Writes the generated data set of the years `from` to `to` into `dir` + "/set" and returns
// the path of its INI file; a bench cannot go on without it, so a failure ends the program.
inline QString writeSampleSet(const QString& dir, int from, int to) {
    SampleDataOptions options;
    options.outDir = dir + QStringLiteral("/set");
    options.fromYear = from;
    options.toYear = to;
    SampleDataWriter writer(options, [](const QString&) {});
    QString error;
    if (!writer.run(&error)) {
        std::fprintf(stderr, "cannot write the data set: %s\n", qPrintable(error));
        std::exit(1);
    }
    return options.outDir + QLatin1Char('/') + SampleDataWriter::iniFileName();
}
