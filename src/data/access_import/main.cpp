// SPDX-FileCopyrightText: Brekka Data as
//
// SPDX-License-Identifier: LGPL-2.1-or-later

// liturgy-access-import SOURCE TARGET
// Copies the user tables of the Access file SOURCE into the empty or missing SQLite file
// TARGET and prints one "table TAB rows" line a table. On failure it prints "error: " and the
// reason as its last line on standard error and exits with 1; usage errors exit with 2.
#include "MdbToSqlite.h"

#include <climits>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>
#include <unistd.h>

namespace {

// The files this run writes, for the signal handler: the target and SQLite's journal beside.
char g_target[PATH_MAX];
char g_journal[PATH_MAX];

// Stopped (the program that started it ended, or the user), it leaves nothing behind: what
// it wrote is no copy.
extern "C" void removeAndExit(int) {
    ::unlink(g_target);
    ::unlink(g_journal);
    ::_exit(1);
}

void removeWhenStopped(const char* target) {
    if (std::snprintf(g_target, sizeof g_target, "%s", target) >= int(sizeof g_target) ||
        std::snprintf(g_journal, sizeof g_journal, "%s-journal", target) >= int(sizeof g_journal))
        return;
    struct sigaction action {};
    action.sa_handler = removeAndExit;
    for (const int signal : {SIGTERM, SIGINT, SIGHUP})
        ::sigaction(signal, &action, nullptr);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: liturgy-access-import SOURCE.mdb TARGET.sqlite\n");
        return 2;
    }
    removeWhenStopped(argv[2]);
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
