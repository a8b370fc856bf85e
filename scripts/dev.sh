#!/usr/bin/env bash

# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# Set-up, build and run on a Debian 12 machine.
#   scripts/dev.sh run    install what the programs need, build them plainly in build-run/, run
#                         the main job
#   scripts/dev.sh test   install what the tests need too, build everything once with
#                         AddressSanitizer and UndefinedBehaviorSanitizer in build-test/, run every
#                         test there, then fuzz under the same sanitizers
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cmd=${1:-run}
[ $# -le 1 ] || { echo "usage: scripts/dev.sh run | test" >&2; exit 2; }

# What the library, the host application with its helpers and make-sample-data need to build
# and run. One package a line.
run_packages=(
    ccache
    cmake
    g++
    libical-dev
    libqt6sql6-sqlite
    libsqlite3-dev
    libsword-dev
    mdbtools-dev
    ninja-build
    pkg-config
    qt6-base-dev
    qt6-httpserver-dev
    qt6-l10n-tools
    qt6-tools-dev
    qt6-websockets-dev
    sword-text-web
    xdg-utils
    zlib1g-dev
)
# What only the tests, the benchmarks and the fuzz targets need. One package a line.
test_packages=(
    clang
    libbenchmark-dev
    libclang-rt-14-dev
    libgmock-dev
    libgtest-dev
    libqt6sql6-psql
    mdbtools
    poppler-utils
    postgresql
    unzip
)

install_missing() {
    local missing=()
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    echo "Installing: ${missing[*]}"
    local sudo=()
    [ "$(id -u)" -eq 0 ] || sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# A throwaway PostgreSQL cluster for the server tests: owned by an unprivileged user, in a
# temporary folder, reachable only through a Unix socket in that folder. Its connection string
# goes to the tests in LC_TEST_POSTGRES; stop_cluster removes it again.
pg_bin=/usr/lib/postgresql/15/bin
cluster=""
start_cluster() {
    [ -x "$pg_bin/initdb" ] || { echo "PostgreSQL is missing: the server tests are skipped" >&2; return 0; }
    local owner=nobody run=()
    if [ "$(id -u)" -eq 0 ]; then
        run=(runuser -u "$owner" --)
    fi
    cluster=$(mktemp -d /tmp/lc-pg.XXXXXX)
    local password
    password=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
    printf '%s\n' "$password" >"$cluster/pw"
    [ "$(id -u)" -eq 0 ] && chown -R "$owner" "$cluster"
    "${run[@]}" "$pg_bin/initdb" -D "$cluster/data" -U lctest --auth=scram-sha-256 \
        --pwfile="$cluster/pw" -E UTF8 --locale=C.UTF-8 >"$cluster/initdb.log" 2>&1
    rm -f "$cluster/pw"
    "${run[@]}" "$pg_bin/pg_ctl" -D "$cluster/data" -l "$cluster/server.log" -w \
        -o "-c listen_addresses='' -k $cluster" start >/dev/null
    PGPASSWORD=$password "$pg_bin/createdb" -h "$cluster" -U lctest lctest
    export LC_TEST_POSTGRES="Provider=PostgreSQL;Server=$cluster;Port=5432;Database=lctest;User ID=lctest;Password=$password;"
}
stop_cluster() {
    [ -n "$cluster" ] || return 0
    local run=()
    [ "$(id -u)" -eq 0 ] && run=(runuser -u nobody --)
    "${run[@]}" "$pg_bin/pg_ctl" -D "$cluster/data" -m fast -w stop >/dev/null 2>&1 || true
    rm -rf "$cluster"
    cluster=""
}

# The compiler cache is shared by every checkout: paths below the checkout are hashed relative
# to it, and the working folder, which the debug information names, is left out of the hash.
export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1

# configure DIR OPTION...: a RelWithDebInfo build folder (optimised, with debug information).
configure() {
    local dir=$1; shift
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache "$@" >/dev/null
}

case "$cmd" in
    run)
        install_missing "${run_packages[@]}"
        dir="$here/build-run"
        configure "$dir" -DLC_BUILD_TESTS=OFF -DLC_BUILD_BENCH=OFF -DLC_SANITIZE=OFF
        # The front program brings the window helper, the library and the Access helper along.
        cmake --build "$dir" -j "$(nproc)" --target liturgy-calendar make-sample-data
        "$here/scripts/run-main.sh" "$dir"
        ;;
    test)
        install_missing "${run_packages[@]}" "${test_packages[@]}"
        dir="$here/build-test"
        # One instrumented build: a sanitizer report fails the test that caused it.
        configure "$dir" -DLC_WERROR=ON -DLC_SANITIZE=ON
        cmake --build "$dir" -j "$(nproc)"
        export QT_QPA_PLATFORM=offscreen
        # Qt's plugins and caches live until the process ends; leaks are not what is looked for.
        export ASAN_OPTIONS=detect_leaks=0
        export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
        trap stop_cluster EXIT
        start_cluster
        ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
        # The parsers, the database pages and the day-page HTML under the fuzzer, a few
        # seconds each.
        "$here/scripts/fuzz.sh" --sanitize
        ;;
    *)
        echo "usage: scripts/dev.sh run | test" >&2
        exit 2
        ;;
esac
