#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Windows release on Debian: quimbelo.exe, cross-built with mingw-w64, packed as
# a zip to unpack and play and as a per-user installer, both in build/windows-release.
#   tools/build-windows.sh
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/windows-release
"$root/tools/setup-debian.sh" windows
if [ "${CI:-}" = true ]; then werror=ON; else werror=OFF; fi
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DQUIMBELO_BUILD_TESTS=OFF \
    -DQUIMBELO_WERROR="${QUIMBELO_WERROR:-$werror}" >/dev/null
cmake --build "$build" -j"$(nproc)"
for artefact in "$build"/quimbelo-*-windows-x64.zip "$build"/quimbelo-*-setup.exe; do
    printf 'Built %s (%s bytes)\n' "$artefact" "$(stat -c %s "$artefact")"
done
