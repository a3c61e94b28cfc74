#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the word-list fuzzer with clang (libFuzzer, AddressSanitizer, UBSan) and runs it
# for a bounded time from a corpus of real lists.
#   tools/fuzz.sh [SECONDS] [BUILD_DIR]
set -euo pipefail

seconds=${1:-60}
root=$(cd "$(dirname "$0")/.." && pwd)
build=${2:-$root/build/fuzz}

command -v clang++ >/dev/null || { echo "fuzz: clang++ is missing (tools/setup-debian.sh test installs it)" >&2; exit 1; }

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DQUIMBELO_FUZZ=ON -DQUIMBELO_WERROR=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" --target fuzz_wordlist >/dev/null

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
