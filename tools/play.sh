#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the game and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/setup-debian.sh" play
cmake -S "$root" -B "$root/build/release" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIMBELO_BUILD_TESTS=OFF
cmake --build "$root/build/release"
exec "$root/build/release/src/app/quimbelo"
