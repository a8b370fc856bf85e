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
          sword-text-web xdg-utils clang libclang-rt-14-dev ccache)

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
