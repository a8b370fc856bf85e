#!/bin/sh
# SPDX-FileCopyrightText: Brekka Data as
#
# SPDX-License-Identifier: LGPL-2.1-or-later

# Gives every tracked file that has no licence header yet the project's copyright and licence
# lines, in the comment syntax of its type (through `reuse annotate`). Files that cannot carry a
# comment are covered by .reuse/dep5 and left as they are. Running it again changes nothing.
#
#   scripts/add-spdx-headers.sh        then        reuse lint
set -euf # no globbing: the patterns of .reuse/dep5 are matched, not expanded
cd "$(git rev-parse --show-toplevel)"

copyright="Brekka Data as"
licence="LGPL-2.1-or-later"
# The tags, written in two pieces so that this script's own lines are not taken for its header.
copyright_tag="SPDX-FileCopyright""Text"
licence_tag="SPDX-License-""Identifier"

# The file patterns of .reuse/dep5 (a '*' there matches '/' too, as in a shell's case).
patterns=$(sed -n '/^Files:/,/^[A-Z][a-zA-Z-]*:/p' .reuse/dep5 |
    sed -e 's/^Files://' -e '/^[A-Z][a-zA-Z-]*:/d')

covered() {
    for pattern in $patterns; do
        # shellcheck disable=SC2254
        case "$1" in $pattern) return 0 ;; esac
    done
    return 1
}

# The comment style of a file whose name does not tell it.
style_of() {
    case "$1" in
    CMakeLists.txt | */CMakeLists.txt | *.cmake | *.cmake.in | *.pc.in | *Doxyfile.in) echo python ;;
    *.h.in) echo c ;;
    *.map) echo css ;; # a linker script takes only block comments
    .ci/run | .gitignore | .clang-format | *.desktop) echo python ;;
    *.1) echo troff ;;
    *.md) echo html ;;
    *) head -c 64 "$1" | grep -q '^#!.*sh' && echo python || true ;;
    esac
}

annotate() { # STYLE, then the files on standard input, one a line
    if [ "$1" = auto ]; then
        set -- --skip-unrecognised
    else
        set -- --style "$1"
    fi
    tr '\n' '\0' | xargs -0 -r reuse annotate --copyright "$copyright" --license "$licence" \
        --exclude-year "$@" >/dev/null
}

# The files that need a header, each with its comment style ("auto": known by its name).
lacking=$(mktemp)
trap 'rm -f "$lacking"' EXIT
git ls-files | while IFS= read -r file; do
    [ -f "$file" ] || continue
    case "$file" in LICENSES/* | .reuse/dep5) continue ;; esac
    case "$file" in
    CMakeLists.txt | */CMakeLists.txt) ;;
    *) covered "$file" && continue ;;
    esac
    grep -q "$licence_tag:" "$file" && continue
    style=$(style_of "$file")
    printf '%s\t%s\n' "${style:-auto}" "$file"
done >"$lacking"

for style in $(cut -f1 "$lacking" | sort -u); do
    files=$(awk -F '\t' -v s="$style" '$1 == s { print $2 }' "$lacking")
    if [ "$style" = troff ]; then # manual pages: comment lines of their own kind
        printf '%s\n' "$files" | while IFS= read -r file; do
            printf '.\\" %s: %s\n.\\"\n.\\" %s: %s\n' "$copyright_tag" "$copyright" \
                "$licence_tag" "$licence" | cat - "$file" >"$file.spdx" && mv "$file.spdx" "$file"
        done
    else
        printf '%s\n' "$files" | annotate "$style"
    fi
done
