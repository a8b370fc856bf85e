// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

#include "MdbToSqlite.h"

extern "C" {
#include <mdbtools.h>
}
#include <algorithm>
#include <charconv>
#include <cstring>
#include <fcntl.h>
#include <sqlite3.h>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Flags in the head of a memo or OLE value: the data follows the head in the row, or fills
// one row elsewhere; without either it is a chain of rows, each naming the next.
constexpr std::uint32_t kInline = 0x80000000u;
constexpr std::uint32_t kSinglePage = 0x40000000u;
constexpr std::uint32_t kLengthMask = 0x3fffffffu;

[[noreturn]] void fail(const std::string& text) {
    throw std::runtime_error(text);
}

std::uint32_t le32(const unsigned char* p) {
    return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
           std::uint32_t(p[3]) << 24;
}

std::int64_t le64(const unsigned char* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = v << 8 | p[i];
    return std::int64_t(v);
}

double leDouble(const unsigned char* p) {
    const std::int64_t bits = le64(p);
    double d = 0;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

std::string quoted(const std::string& name) {
    std::string q = "\"";
    for (char c : name) {
        q += c;
        if (c == '"')
            q += '"';
    }
    return q + '"';
}

bool sameLetters(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

const char* declaredType(int mdbType) {
    switch (mdbType) {
    case MDB_BOOL:
    case MDB_BYTE:
    case MDB_INT:
    case MDB_LONGINT:
    case MDB_COMPLEX:
        return "INTEGER";
    case MDB_FLOAT:
    case MDB_DOUBLE:
    case MDB_MONEY:
    case MDB_NUMERIC:
    case MDB_DATETIME:
        return "REAL";
    case MDB_TEXT:
    case MDB_MEMO:
    case MDB_REPID:
        return "TEXT";
    default:
        return "BLOB";
    }
}

// A value as it goes to SQLite.
struct Value {
    enum class Kind { Null, Integer, Real, Text, Blob } kind = Kind::Null;
    std::int64_t integer = 0;
    double real = 0;
    std::string bytes; // text (UTF-8) or blob
};

} // namespace

struct MdbToSqlite::Handles {
    MdbHandle* mdb = nullptr;
    sqlite3* db = nullptr;
};

namespace {

// The raw bytes of the memo or OLE value whose 12-byte head starts at `start` of the current
// page and spans `size` bytes of the row. Damaged pointers fail instead of reading astray.
std::string longValue(MdbHandle* mdb, int start, int size) {
    const auto pageSize = std::size_t(mdb->fmt->pg_size);
    if (size < MDB_MEMO_OVERHEAD || start < 0 || std::size_t(start) + std::size_t(size) > pageSize)
        fail("a memo or OLE value is damaged");
    const unsigned char* head = mdb->pg_buf + start;
    const std::uint32_t length = le32(head) & kLengthMask;
    const std::uint32_t flags = le32(head) & ~kLengthMask;
    if (flags & kInline) {
        if (std::uint32_t(size - MDB_MEMO_OVERHEAD) < length)
            fail("a memo or OLE value is damaged");
        return {reinterpret_cast<const char*>(head + MDB_MEMO_OVERHEAD), length};
    }
    std::uint32_t pgRow = le32(head + 4);
    std::string out;
    out.reserve(length);
    // Each row of a chain holds at least one byte, so a longer chain loops.
    for (std::uint32_t rows = 0; out.size() < length; ++rows) {
        void* buf = nullptr;
        int off = 0;
        std::size_t len = 0;
        if (pgRow == 0 || rows > length ||
            mdb_find_pg_row(mdb, int(pgRow), &buf, &off, &len) != 0 || off < 0 ||
            std::size_t(off) + len > pageSize)
            fail("a memo or OLE value points outside the file");
        const auto* row = static_cast<const unsigned char*>(buf) + off;
        if (flags & kSinglePage) {
            if (len < length)
                fail("a memo or OLE value is damaged");
            out.assign(reinterpret_cast<const char*>(row), length);
            break;
        }
        if (len < 4)
            fail("a memo or OLE value is damaged");
        pgRow = le32(row);
        const std::size_t take = std::min(len - 4, std::size_t(length) - out.size());
        out.append(reinterpret_cast<const char*>(row + 4), take);
        if (take == 0)
            fail("a memo or OLE value is damaged");
    }
    return out;
}

// Text as the file stores it (a code page in Jet 3, UCS-2 with optional compression later),
// as UTF-8.
std::string utf8Text(MdbHandle* mdb, const std::string& raw) {
    if (raw.empty())
        return {};
    // Every stored byte gives at most three bytes of UTF-8.
    std::string out(raw.size() * 3 + 16, '\0');
    const int n = mdb_unicode2ascii(mdb, raw.data(), raw.size(), out.data(), out.size());
    out.resize(std::size_t(std::clamp(n, 0, int(out.size()))));
    return out;
}

double shortestDouble(float f) {
    // A Single reads as the decimal number it shows (1.1, not 1.100000023841858).
    char text[32];
    const auto res = std::to_chars(text, text + sizeof text, f);
    double d = f;
    std::from_chars(text, res.ptr, d);
    return d;
}

Value valueOf(MdbHandle* mdb, MdbColumn* col, const MdbField& field) {
    Value v;
    if (col->col_type == MDB_BOOL) {
        // A Yes/No value lives in the row's null mask: a set bit, read as "not null", is Yes.
        v.kind = Value::Kind::Integer;
        v.integer = field.is_null ? 0 : -1;
        return v;
    }
    if (field.is_null)
        return v;
    const int start = field.start;
    const int size = field.siz;
    const auto pageSize = std::size_t(mdb->fmt->pg_size);
    if (start < 0 || size < 0 || std::size_t(start) + std::size_t(size) > pageSize)
        fail(std::string("a value of the column '") + col->name + "' lies outside its page");
    const unsigned char* p = mdb->pg_buf + start;
    const auto need = [&](int bytes) {
        if (size < bytes)
            fail(std::string("a value of the column '") + col->name + "' is too short");
    };
    switch (col->col_type) {
    case MDB_BYTE:
        need(1);
        v.kind = Value::Kind::Integer;
        v.integer = p[0];
        break;
    case MDB_INT:
        need(2);
        v.kind = Value::Kind::Integer;
        v.integer = std::int16_t(std::uint16_t(p[0] | p[1] << 8));
        break;
    case MDB_LONGINT:
    case MDB_COMPLEX:
        need(4);
        v.kind = Value::Kind::Integer;
        v.integer = std::int32_t(le32(p));
        break;
    case MDB_MONEY:
        // Currency is stored in ten-thousandths.
        need(8);
        v.kind = Value::Kind::Real;
        v.real = double(le64(p)) / 10000.0;
        break;
    case MDB_FLOAT: {
        need(4);
        const std::uint32_t bits = le32(p);
        float f = 0;
        std::memcpy(&f, &bits, sizeof f);
        v.kind = Value::Kind::Real;
        v.real = shortestDouble(f);
        break;
    }
    case MDB_DOUBLE:
    case MDB_DATETIME:
        // The stored OLE day number itself, never libmdb's formatted text of it.
        need(8);
        v.kind = Value::Kind::Real;
        v.real = leDouble(p);
        break;
    case MDB_NUMERIC: {
        char* text = mdb_numeric_to_string(mdb, start, col->col_scale, col->col_prec);
        v.kind = Value::Kind::Real;
        if (!text || std::from_chars(text, text + std::strlen(text), v.real).ec != std::errc())
            v.kind = Value::Kind::Null;
        g_free(text);
        break;
    }
    case MDB_REPID: {
        need(16);
        char* text = mdb_uuid_to_string(mdb->pg_buf, start);
        v.kind = Value::Kind::Text;
        v.bytes = text ? text : "";
        g_free(text);
        break;
    }
    case MDB_TEXT:
        v.kind = Value::Kind::Text;
        v.bytes = utf8Text(mdb, std::string(reinterpret_cast<const char*>(p), std::size_t(size)));
        break;
    case MDB_MEMO:
        v.kind = Value::Kind::Text;
        v.bytes = utf8Text(mdb, longValue(mdb, start, size));
        break;
    case MDB_OLE:
        v.kind = Value::Kind::Blob;
        v.bytes = longValue(mdb, start, size);
        break;
    default:
        v.kind = Value::Kind::Blob;
        v.bytes.assign(reinterpret_cast<const char*>(p), std::size_t(size));
        break;
    }
    return v;
}

class Statement {
public:
    Statement(sqlite3* db, const std::string& sql) : m_db(db) {
        if (sqlite3_prepare_v2(db, sql.c_str(), int(sql.size()), &m_stmt, nullptr) != SQLITE_OK)
            fail(std::string("SQLite: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(m_stmt); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int index, const Value& v) {
        switch (v.kind) {
        case Value::Kind::Null:
            sqlite3_bind_null(m_stmt, index);
            break;
        case Value::Kind::Integer:
            sqlite3_bind_int64(m_stmt, index, v.integer);
            break;
        case Value::Kind::Real:
            sqlite3_bind_double(m_stmt, index, v.real);
            break;
        case Value::Kind::Text:
            sqlite3_bind_text(m_stmt, index, v.bytes.data(), int(v.bytes.size()), SQLITE_STATIC);
            break;
        case Value::Kind::Blob:
            sqlite3_bind_blob(m_stmt, index, v.bytes.data(), int(v.bytes.size()), SQLITE_STATIC);
            break;
        }
    }
    void step() {
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            fail(std::string("SQLite: ") + sqlite3_errmsg(m_db));
        sqlite3_reset(m_stmt);
    }

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

} // namespace

MdbToSqlite::MdbToSqlite(const std::string& source, const std::string& target)
    : m_source(source), m_target(target), m_h(new Handles) {}

MdbToSqlite::~MdbToSqlite() {
    if (m_h->db)
        sqlite3_close(m_h->db);
    if (m_h->mdb)
        mdb_close(m_h->mdb);
    delete m_h;
}

void MdbToSqlite::exec(const std::string& sql) {
    char* error = nullptr;
    if (sqlite3_exec(m_h->db, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
        const std::string text = error ? error : "unknown error";
        sqlite3_free(error);
        fail("SQLite: " + text);
    }
}

std::vector<MdbToSqlite::TableCount> MdbToSqlite::run() {
    struct stat st {};
    if (::stat(m_source.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        fail("the file cannot be read");
    m_h->mdb = mdb_open(m_source.c_str(), MDB_NOFLAGS);
    if (!m_h->mdb)
        fail("libmdb cannot read the file; it is no Access database or it is damaged");
    MdbHandle* mdb = m_h->mdb;
    // Access files are whole pages; anything else was cut short or appended to.
    if (mdb->fmt->pg_size <= 0 || st.st_size % mdb->fmt->pg_size != 0)
        fail("the file is truncated or damaged (its size is no whole number of pages)");
    if (!mdb_read_catalog(mdb, MDB_TABLE))
        fail("the file's table catalog cannot be read; it is damaged");

    struct stat target {};
    if (::stat(m_target.c_str(), &target) == 0 && target.st_size != 0)
        fail("the target file is not empty");
    if (sqlite3_open_v2(m_target.c_str(), &m_h->db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr) != SQLITE_OK)
        fail("the copy cannot be written: " +
             std::string(m_h->db ? sqlite3_errmsg(m_h->db) : "out of memory"));
    // A copy that is not complete is thrown away whole, so it needs no journal.
    exec("PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; PRAGMA locking_mode=EXCLUSIVE; "
         "BEGIN");

    std::vector<TableCount> counts;
    for (unsigned int i = 0; i < mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(mdb->catalog, i));
        if (entry->object_type != MDB_TABLE || !mdb_is_user_table(entry))
            continue;
        MdbTableDef* table = mdb_read_table(entry);
        if (!table)
            fail(std::string("the table '") + entry->object_name + "' cannot be read");
        try {
            counts.push_back({entry->object_name, copyTable(table)});
        } catch (...) {
            mdb_free_tabledef(table);
            throw;
        }
        mdb_free_tabledef(table);
    }
    exec("COMMIT");
    if (sqlite3_close(m_h->db) != SQLITE_OK)
        fail("the copy cannot be completed: " + std::string(sqlite3_errmsg(m_h->db)));
    m_h->db = nullptr;
    // On disk before the caller renames it into place.
    const int fd = ::open(m_target.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0 || ::fsync(fd) != 0) {
        if (fd >= 0)
            ::close(fd);
        fail("the copy cannot be written to disk");
    }
    ::close(fd);
    return counts;
}

std::int64_t MdbToSqlite::copyTable(MdbTableDef* table) {
    MdbHandle* mdb = table->entry->mdb;
    const std::string name = table->name;
    if (!mdb_read_columns(table))
        fail("the columns of the table '" + name + "' cannot be read");
    const unsigned int columns = table->num_cols;
    if (columns == 0 || columns > MDB_MAX_COLS)
        fail("the table '" + name + "' is damaged");

    std::string create = "CREATE TABLE " + quoted(name) + " (";
    std::string insert = "INSERT INTO " + quoted(name) + " VALUES (";
    std::vector<std::string> indexed;
    for (unsigned int c = 0; c < columns; ++c) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, c));
        const std::string colName = col->name;
        create += (c ? ", " : "") + quoted(colName) + ' ' + declaredType(col->col_type);
        insert += c ? ",?" : "?";
        if (sameLetters(colName, "ID") || sameLetters(colName, "Date") ||
            sameLetters(colName, "itemDate"))
            indexed.push_back(colName);
    }
    exec(create + ")");
    Statement statement(m_h->db, insert + ")");

    std::vector<MdbField> fields(MDB_MAX_COLS);
    std::vector<Value> values(columns);
    std::int64_t rows = 0;
    mdb_rewind_table(table);
    while (mdb_fetch_row(table)) {
        // The row just read is the one before the table's cursor, on the current page.
        int rowStart = 0;
        size_t rowSize = 0;
        if (table->cur_row == 0 ||
            mdb_find_row(mdb, int(table->cur_row - 1), &rowStart, &rowSize) != 0)
            fail("a row of the table '" + name + "' cannot be read");
        const int cracked = mdb_crack_row(table, rowStart, rowSize, fields.data());
        if (cracked < 0 || unsigned(cracked) > columns)
            fail("a row of the table '" + name + "' is damaged");
        std::fill(values.begin(), values.end(), Value());
        for (int f = 0; f < cracked; ++f) {
            const int colNum = fields[std::size_t(f)].colnum;
            if (colNum < 0 || unsigned(colNum) >= columns)
                fail("a row of the table '" + name + "' is damaged");
            auto* col = static_cast<MdbColumn*>(g_ptr_array_index(table->columns, colNum));
            values[std::size_t(colNum)] = valueOf(mdb, col, fields[std::size_t(f)]);
        }
        for (unsigned int c = 0; c < columns; ++c)
            statement.bind(int(c) + 1, values[c]);
        statement.step();
        ++rows;
    }
    // The table's own count tells a file that ends early from a complete one.
    if (rows != std::int64_t(table->num_rows))
        fail("the table '" + name + "' gave " + std::to_string(rows) + " of its " +
             std::to_string(table->num_rows) + " rows; the file is truncated or damaged");
    for (const std::string& col : indexed)
        exec("CREATE INDEX " + quoted("ix" + name + "_" + col) + " ON " + quoted(name) + " (" +
             quoted(col) + ")");
    return rows;
}
