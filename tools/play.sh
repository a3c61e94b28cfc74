#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game and starts it.
#   tools/play.sh                builds and plays
#   tools/play.sh --build-only   builds and stops there, opening no window
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
    "") build_only=false ;;
    --build-only) build_only=true ;;
    *) echo "usage: $0 [--build-only]" >&2; exit 2 ;;
esac
"$root/tools/setup-debian.sh" play
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIMBELO_BUILD_TESTS=OFF
cmake --build "$root/build/release" -j"$(nproc)"
if $build_only; then
    echo "Built $root/build/release/src/qt/quimbelo"
    exit 0
fi
exec "$root/build/release/src/qt/quimbelo"
