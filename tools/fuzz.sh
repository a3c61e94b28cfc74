#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the word-list fuzzer with clang (libFuzzer, AddressSanitizer, UBSan) and runs it
# for a bounded time from a corpus of real lists.
#   tools/fuzz.sh [SECONDS] [BUILD_DIR]
# QUIMBELO_WERROR=ON makes warnings errors (tools/test.sh passes its choice on).
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/fuzz}

command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (tools/setup-debian.sh test installs it)" >&2; exit 1; }

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DQUIMBELO_FUZZ=ON -DQUIMBELO_WERROR="${QUIMBELO_WERROR:-OFF}" \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
# The build's output only when it failed or warned.
if ! built=$(cmake --build "$build" --target fuzz_wordlist -j"$(nproc)" 2>&1); then
    echo "$built" >&2
    exit 1
fi
if grep -q 'warning:' <<<"$built"; then echo "$built" >&2; fi

# New inputs go into a scratch folder; the shipped lists are only read.
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
seeds=()
for list in "$root"/data/*.TXT "$root"/tests/game/corpus; do
    [ -e "$list" ] && seeds+=("$list")
done
mkdir -p "$corpus/seeds"
for seed in "${seeds[@]}"; do
    cp -r "$seed" "$corpus/seeds/" 
done

"$build/fuzz/fuzz_wordlist" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
    "$corpus" "$corpus/seeds" 2>&1 | grep -E 'stat::number_of_executed_units|Done|ERROR|SUMMARY|crash' || true
exit "${PIPESTATUS[0]}"
