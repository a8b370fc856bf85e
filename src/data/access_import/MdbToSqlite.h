// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct sqlite3;
struct S_MdbTableDef;

// Copies every user table of an Access file, read through libmdb, into a new SQLite database:
// the same table and column names, the values as the component's statements expect them
// (dates as the stored OLE day numbers, Yes/No as -1 and 0, Currency as REAL), and indexes on
// the columns those statements search. The Access file is opened read-only. Every failure
// throws std::runtime_error with a text for the user.
class MdbToSqlite {
public:
    struct TableCount {
        std::string name;
        std::int64_t rows = 0;
    };

    MdbToSqlite(const std::string& source, const std::string& target);
    ~MdbToSqlite();
    MdbToSqlite(const MdbToSqlite&) = delete;
    MdbToSqlite& operator=(const MdbToSqlite&) = delete;

    // Copies all user tables in one transaction and returns them with their row counts.
    std::vector<TableCount> run();

private:
    std::int64_t copyTable(S_MdbTableDef* table);
    void exec(const std::string& sql);

    std::string m_source;
    std::string m_target;
    struct Handles;
    Handles* m_h;
};
