#!/usr/bin/env bash

# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# Builds the fuzz targets with clang in a build folder of their own and runs each for a short,
# bounded time over its checked-in seed corpus (tests/fuzz/corpus/<target>/). A crash, a
# broken property or a hang fails the run; the input that did it is kept in the build folder.
#   scripts/fuzz.sh [--sanitize]    (with AddressSanitizer and UndefinedBehaviorSanitizer)
set -euo pipefail

here=$(cd "$(dirname "$0")/.." && pwd)
sanitize=OFF
[ "${1:-}" = --sanitize ] && sanitize=ON
dir="$here/build-fuzz"
[ "$sanitize" = ON ] && dir="$here/build-fuzz-sanitize"
launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_BASEDIR="$here" CCACHE_NOHASHDIR=1
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi

cmake -S "$here" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" \
    -DLC_BUILD_FUZZ=ON -DLC_BUILD_UI=OFF -DLC_BUILD_TESTS=OFF -DLC_BUILD_BENCH=OFF \
    -DLC_WERROR=ON -DLC_SANITIZE="$sanitize" >/dev/null
# Only the fuzz targets and the layers they link.
cmake --build "$dir" -j "$(nproc)" --target fuzz

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=0
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# Seconds per target.
declare -A seconds=([fuzz_ini]=5 [fuzz_jet]=5 [fuzz_command_line]=5 [fuzz_database]=15
    [fuzz_day_page_html]=15)
for target in fuzz_ini fuzz_jet fuzz_command_line fuzz_database fuzz_day_page_html; do
    # New inputs go to a scratch corpus; the checked-in seeds stay as they are.
    work="$dir/corpus/$target"
    mkdir -p "$work" "$dir/crashes"
    echo "== $target (${seconds[$target]} s)"
    log="$dir/$target.log"
    if ! "$dir/tests/fuzz/$target" -max_total_time="${seconds[$target]}" -timeout=10 \
        -rss_limit_mb=2048 -max_len=4096 -print_final_stats=1 \
        -artifact_prefix="$dir/crashes/$target-" \
        "$work" "$here/tests/fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "$target failed; the input is in $dir/crashes/" >&2
        exit 1
    fi
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log"
done
