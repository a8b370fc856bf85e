// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

// What the database benchmarks share: the bare SQLite side they compare against (Turns.h has
// the clocks and the turns both sides are measured in).
//
// The bare side is the least work that gets the same rows out of SQLite: each statement is
// prepared once, its values are bound per call, its rows are stepped with every column read in
// the type it is stored in, and it is reset for the next call. That is what the connection
// layer does too (it keeps its prepared statements), so the ratio shows what the component adds
// on top of the engine, not what preparing or formatting numbers as text costs.

#include "Turns.h"

#include <QCoreApplication>
#include <QString>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <initializer_list>
#include <sqlite3.h>
#include <vector>

namespace bench {

// The file opened read-only with the SQLite C API; the benchmark cannot run without it.
inline sqlite3* openBare(const QString& file) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.toUtf8().constData(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK)
        std::abort();
    return db;
}

// The type a column is stored in, and so read in. A String column is text that the output shows,
// so it is read into the string type the output holds, as any side that shows it must.
enum class Column { Integer, Real, Text, String };

// One statement prepared once on a bare connection; `run` binds, steps every row reading each
// column in its type, and resets.
class BareStatement {
public:
    BareStatement(sqlite3* db, const char* sql, std::initializer_list<Column> columns)
        : m_columns(columns) {
        if (sqlite3_prepare_v3(db, sql, -1, SQLITE_PREPARE_PERSISTENT, &m_stmt, nullptr) !=
                SQLITE_OK ||
            sqlite3_column_count(m_stmt) != int(m_columns.size()))
            std::abort();
    }
    ~BareStatement() { sqlite3_finalize(m_stmt); }
    BareStatement(const BareStatement&) = delete;
    BareStatement& operator=(const BareStatement&) = delete;

    // Binds the values (a double binds as REAL, an integer as INTEGER) and reads all rows;
    // a sum of what was read, so that nothing is optimised away.
    template <class... Values> long long run(Values... values) {
        int index = 0;
        (bind(++index, values), ...);
        long long sum = 0;
        while (sqlite3_step(m_stmt) == SQLITE_ROW) {
            for (int c = 0; c < int(m_columns.size()); ++c) {
                switch (m_columns[std::size_t(c)]) {
                case Column::Integer:
                    sum += sqlite3_column_int64(m_stmt, c);
                    break;
                case Column::Real:
                    sum += (long long)sqlite3_column_double(m_stmt, c);
                    break;
                case Column::Text:
                    benchmark::DoNotOptimize(sqlite3_column_text(m_stmt, c));
                    sum += sqlite3_column_bytes(m_stmt, c);
                    break;
                case Column::String: {
                    const auto* text =
                        reinterpret_cast<const char*>(sqlite3_column_text(m_stmt, c));
                    const QString string = QString::fromUtf8(text, sqlite3_column_bytes(m_stmt, c));
                    benchmark::DoNotOptimize(string.constData());
                    sum += string.size();
                    break;
                }
                }
            }
        }
        sqlite3_reset(m_stmt);
        return sum;
    }

private:
    void bind(int index, double value) { sqlite3_bind_double(m_stmt, index, value); }
    void bind(int index, long long value) { sqlite3_bind_int64(m_stmt, index, value); }
    void bind(int index, int value) { sqlite3_bind_int64(m_stmt, index, value); }

    sqlite3_stmt* m_stmt = nullptr;
    std::vector<Column> m_columns;
};

// The main of a benchmark program that runs the component: Qt first, then `prepare` (the data
// set, registrations), then the benchmarks, then `finish` (what must go while Qt is there).
template <class Prepare, class Finish>
int run(int argc, char** argv, Prepare prepare, Finish finish) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    prepare();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    finish();
    return 0;
}

template <class Prepare> int run(int argc, char** argv, Prepare prepare) {
    return run(argc, argv, prepare, [] {});
}

} // namespace bench
