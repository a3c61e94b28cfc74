#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser version of the game and serves it on this machine.
#   tools/play-web.sh                builds, serves on http://127.0.0.1:PORT/ and says where
#   tools/play-web.sh --build-only   builds and stops there
# PORT is 8020 unless QUIMBELO_WEB_PORT says otherwise.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
case "${1:-}" in
    "") build_only=false ;;
    --build-only) build_only=true ;;
    *) echo "usage: $0 [--build-only]" >&2; exit 2 ;;
esac

# Emscripten, Node for its optimizer, and Python for the web server, from Debian.
"$root/tools/setup-debian.sh" web

build=$root/build/web-release
emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIMBELO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2
page=$build/page
if $build_only; then
    echo "Built $page"
    exit 0
fi
port=${QUIMBELO_WEB_PORT:-8020}
echo "Quimbelo is served on http://127.0.0.1:$port/ (Ctrl+C stops it)"
exec python3 -m http.server "$port" --bind 127.0.0.1 --directory "$page"
