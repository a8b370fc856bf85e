#!/usr/bin/env bash
# Set-up, build and run on a Debian 12 machine.
#   scripts/dev.sh run              install what is missing, build, run the main job
#   scripts/dev.sh test [--sanitize] install what is missing, build, run every test
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
cmd=${1:-run}
shift || true
sanitize=OFF
for arg in "$@"; do
    case "$arg" in
        --sanitize) sanitize=ON ;;
        *) echo "unknown option: $arg" >&2; exit 2 ;;
    esac
done

packages=(cmake ninja-build g++ pkg-config qt6-base-dev libqt6sql6-sqlite libsqlite3-dev
          libgtest-dev libgmock-dev libbenchmark-dev mdbtools-dev mdbtools libsword-dev
          sword-text-web xdg-utils clang libclang-rt-14-dev ccache poppler-utils unzip
          postgresql libqt6sql6-psql libical-dev qt6-httpserver-dev
          qt6-websockets-dev)

install_missing() {
    local missing=()
    for p in "${packages[@]}"; do
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

build() {
    local dir=$1; shift
    # Paths below the checkout are hashed relative to it, so every clone shares one cache.
    export CCACHE_BASEDIR="$here"
    cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)"
}

install_missing
case "$cmd" in
    run)
        build "$here/build"
        "$here/scripts/run-main.sh" "$here/build"
        ;;
    test)
        dir="$here/build"
        [ "$sanitize" = ON ] && dir="$here/build-sanitize"
        build "$dir" -DLC_WERROR=ON -DLC_SANITIZE="$sanitize"
        export QT_QPA_PLATFORM=offscreen
        export ASAN_OPTIONS=detect_leaks=0
        export UBSAN_OPTIONS=print_stacktrace=1
        trap stop_cluster EXIT
        start_cluster
        ctest --test-dir "$dir" --output-on-failure -j "$(nproc)"
        # The parsers and the database pages under the fuzzer, a few seconds each.
        fuzz_args=()
        [ "$sanitize" = ON ] && fuzz_args=(--sanitize)
        "$here/scripts/fuzz.sh" "${fuzz_args[@]}"
        ;;
    *)
        echo "usage: scripts/dev.sh run | test [--sanitize]" >&2
        exit 2
        ;;
esac
