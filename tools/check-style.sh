#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks that every source, template, build file and script starts with the licence line
# (after a "#!" or an XML declaration), and that every C++ source is formatted with the
# project's .clang-format. Formatting differs between clang-format releases, so it is
# checked with the release the style was written for and skipped with any other.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
wanted=14

# The project's files: those git tracks, or, where there is no git (a copy of the tree),
# those of the source folders, builds left out.
sources() {
    if command -v git >/dev/null && git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files "$@"
    else
        local names=()
        for pattern in "$@"; do
            names+=(-o -name "${pattern##*/}")
        done
        find . -path ./build -prune -o -path ./.git -prune -o -path ./out -prune \
            -o -type f \( "${names[@]:1}" \) -print | sed 's|^\./||' | sort
    fi
}
files=$(sources '*.cpp' '*.h' '*.h.in')
licensed=$(sources '*.cpp' '*.h' '*.in' '*.cmake' '*.sh' '*.py' '*.manifest' '*.desktop' '*.js' '*.html' '*.css' \
    'CMakeLists.txt' '*/CMakeLists.txt' .clang-format .gitignore)
status=0
for file in $licensed; do
    top=$(head -n 1 "$file")
    case "$top" in
    '#!'* | '<?xml'*) top=$(sed -n 2p "$file") ;;
    esac
    case "$top" in
    *'SPDX-License-Identifier: MIT'*) ;;
    *)
        echo "$file: no SPDX-License-Identifier line at the top"
        status=1
        ;;
    esac
done

version=$(clang-format --version 2>/dev/null | grep -oE 'version [0-9]+' | grep -oE '[0-9]+' || true)
if [ "$version" != "$wanted" ]; then
    echo "formatting not checked: clang-format ${version:-missing}, the style is checked with $wanted"
    [ $status -eq 0 ] && exit 77
    exit $status
fi
# shellcheck disable=SC2086
clang-format --dry-run --Werror $(echo "$files" | grep -v '\.in$') || status=1
[ $status -eq 0 ] && echo "$(echo "$licensed" | wc -l) files licensed, $(echo "$files" | wc -l) formatted"
exit $status
