// liturgy-access-import SOURCE TARGET
// Copies the user tables of the Access file SOURCE into the empty or missing SQLite file
// TARGET and prints one "table TAB rows" line a table. On failure it prints "error: " and the
// reason as its last line on standard error and exits with 1; usage errors exit with 2.
#include "MdbToSqlite.h"

#include <cstdio>
#include <exception>
#include <new>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: liturgy-access-import SOURCE.mdb TARGET.sqlite\n");
        return 2;
    }
    try {
        MdbToSqlite copy(argv[1], argv[2]);
        for (const MdbToSqlite::TableCount& t : copy.run())
            std::printf("%s\t%lld\n", t.name.c_str(), static_cast<long long>(t.rows));
        return std::fflush(stdout) == 0 ? 0 : 1;
    } catch (const std::bad_alloc&) {
        std::fprintf(stderr, "\nerror: out of memory\n");
    } catch (const std::exception& e) {
        std::fprintf(stderr, "\nerror: %s\n", e.what());
    }
    return 1;
}
