#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: first the unit and
# window tests under AddressSanitizer and UndefinedBehaviorSanitizer, then the whole
# suite on a normal build, then the Windows program, cross-built and tested under Wine.
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

echo "== The Windows program, cross-built with mingw-w64 and tested under Wine"
cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DQUIMBELO_WERROR=ON >/dev/null
cmake --build "$root/build/windows" -j"$jobs"
ctest --test-dir "$root/build/windows" --output-on-failure
