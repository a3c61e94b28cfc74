#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds everything and runs every test: first the unit and window tests under
# AddressSanitizer and UndefinedBehaviorSanitizer, then the whole suite on a normal build,
# then the Windows program, cross-built with mingw-w64 and tested under Wine, and last
# the browser version built with Emscripten: the rules and the play layer tested under
# Node, the page played in headless Chromium.
#
# Warnings are errors in CI (CI=true, as CI systems set it), which builds with the
# compilers the project is checked on; elsewhere a newer compiler's new warnings are
# shown and the build goes on. QUIMBELO_WERROR=ON or OFF decides instead.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-debian.sh" test
jobs=$(nproc)
# File names with Spanish letters need a UTF-8 locale, which a bare environment lacks.
if [ -z "${LC_ALL:-}${LC_CTYPE:-}${LANG:-}" ]; then
    export LANG=C.UTF-8
fi
if [ "${CI:-}" = true ]; then werror=ON; else werror=OFF; fi
export QUIMBELO_WERROR=${QUIMBELO_WERROR:-$werror} # the fuzz build, started by CTest, reads it too

# CTest shows no output of a skipped test; a test that skips says why on a line of its own.
say_why_skipped() {
    grep -h '^Skipped: ' "$1/Testing/Temporary/LastTest.log" 2>/dev/null || true
}

echo "== Unit and window tests under AddressSanitizer and UBSan (warnings as errors: $QUIMBELO_WERROR)"
cmake -S "$root" -B "$root/build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQUIMBELO_WERROR="$QUIMBELO_WERROR" \
    -DQUIMBELO_SANITIZE=ON >/dev/null
cmake --build "$root/build/asan" -j"$jobs"
ctest --test-dir "$root/build/asan" -L unit --output-on-failure -j"$jobs"
say_why_skipped "$root/build/asan"

echo "== Everything (warnings as errors: $QUIMBELO_WERROR)"
cmake -S "$root" -B "$root/build/test" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUIMBELO_WERROR="$QUIMBELO_WERROR" >/dev/null
cmake --build "$root/build/test" -j"$jobs"
ctest --test-dir "$root/build/test" --output-on-failure -j"$jobs"
say_why_skipped "$root/build/test"
# What Orca said in its round, key by key, for a person to read.
transcript="$root/build/test/tests/e2e/artefacts/orca_round/transcript.txt"
if [ -s "$transcript" ]; then
    echo "== What Orca said in the round it played ($transcript)"
    cat "$transcript"
fi

echo "== The Windows program, cross-built with mingw-w64 and tested under Wine"
cmake -S "$root" -B "$root/build/windows" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DQUIMBELO_WERROR="$QUIMBELO_WERROR" \
    >/dev/null
cmake --build "$root/build/windows" -j"$jobs"
ctest --test-dir "$root/build/windows" --output-on-failure

echo "== The browser version, built with Emscripten: tested under Node and in headless Chromium"
emcmake cmake -S "$root" -B "$root/build/web" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DQUIMBELO_WERROR="$QUIMBELO_WERROR" >/dev/null
cmake --build "$root/build/web" -j"$jobs"
ctest --test-dir "$root/build/web" --output-on-failure -j"$jobs"
say_why_skipped "$root/build/web"
