#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything with warnings as errors and runs every test: first the unit and
# window tests under AddressSanitizer and UndefinedBehaviorSanitizer, then the whole
# suite on a normal build.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-debian.sh" test
jobs=$(nproc)

echo "== Unit and window tests under AddressSanitizer and UBSan"
cmake -S "$root" -B "$root/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIMBELO_WERROR=ON \
    -DQUIMBELO_SANITIZE=ON >/dev/null
cmake --build "$root/build/asan" -j"$jobs"
ctest --test-dir "$root/build/asan" -L unit --output-on-failure -j"$jobs"

echo "== Everything"
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIMBELO_WERROR=ON >/dev/null
cmake --build "$root/build/test" -j"$jobs"
ctest --test-dir "$root/build/test" --output-on-failure -j"$jobs"
