#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-debian.sh" test
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUIMBELO_WERROR=ON
cmake --build "$root/build/test" -j"$(nproc)"
ctest --test-dir "$root/build/test" --output-on-failure -j"$(nproc)"
