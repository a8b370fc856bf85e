// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <QString>
#include <QStringList>

// The databases the component reads, created as SQLite files: the tables and columns that the
// statements use, dates as REAL date values, and indexes on every column that a statement
// searches. Tests, the sample data generator and benchmarks make their databases here.
namespace Schema {

enum class Kind {
    Liturgy,  // tbCalenderData, tbFeasts, tbOrdo, tbContent, tbBibleText, tbLyrics, tbReadings,
              // tbContentLinks
    Plan,     // tbMainPlan
    Service,  // tbUserText
    ItemData, // tbContent, tbBibleText, tbLyrics (a hymn book or another item data file)
};

// The statements that create the tables and indexes of `kind`, in order.
QStringList statements(Kind kind);

// Creates a new SQLite database at `path` with the tables and indexes of `kind`. An existing
// file is never touched: the result is then false. On failure nothing is left at `path` and
// `error` (when given) says why.
bool create(const QString& path, Kind kind, QString* error = nullptr);

} // namespace Schema
