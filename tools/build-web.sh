#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the browser version and writes it as a static folder and a zip that any static
# web host serves as they are, with no code of its own on the server.
#   tools/build-web.sh     prints the folder's and the zip's paths
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build/web-release
"$root/tools/setup-debian.sh" web
emcmake cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUIMBELO_BUILD_TESTS=OFF >/dev/null
# The page's folder is written afresh, so that it holds no file of an earlier build,
# which the service worker would keep and the zip would carry.
page=$(sed -n 's/^QUIMBELO_PAGE_DIR:INTERNAL=//p' "$build/CMakeCache.txt")
[ -n "$page" ] && rm -rf "$page"
cmake --build "$build" -j"$(nproc)" --target quimbelo_web_package
name=quimbelo-$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")-web
echo "Folder: $build/$name"
echo "Zip:    $build/$name.zip"
