#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the Debian packages the project needs, only those that are missing. The names
# are those of Debian 12 and Debian 13 alike: no package named after a compiler version.
#   tools/setup-debian.sh play      building and playing the game
#   tools/setup-debian.sh windows   building the Windows program and its packages
#   tools/setup-debian.sh web       building the browser version
#   tools/setup-debian.sh test      also everything the tests use
#   tools/setup-debian.sh bench     the benchmarks of the game on Linux
#   tools/setup-debian.sh bench-web the benchmarks of the browser version
set -euo pipefail

play=(
    cmake ninja-build g++ pkgconf
    qt6-base-dev qt6-svg-dev libgl-dev
    fonts-liberation fonts-comic-neue
)
# The Windows program is cross-built; its pictures are drawn by a tool built with Qt here.
windows=(
    "${play[@]}"
    g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 nsis
)
# The browser version: Debian's Emscripten, the Node its optimizer runs on, the renderer
# that draws the web app's icons and the tools that make them and the lists small, and
# Python to serve the page.
web=(
    cmake ninja-build
    emscripten nodejs librsvg2-bin pngquant zopfli python3
)
test=(
    "${windows[@]}"
    "${web[@]}"
    clang libclang-rt-dev
    xvfb xauth xdotool imagemagick x11-utils openbox
    appstream desktop-file-utils dpkg-dev file
    python3-pyatspi at-spi2-core dbus
    # The screen reader a round is played with, speaking Spanish into a null sound
    # device; the locale is made from the locales package's sources.
    orca speech-dispatcher speech-dispatcher-espeak-ng espeak-ng locales
    python3 wspanish hunspell-es
    clang-format
    # The Windows program is tested under Wine. Debian 12 and 13 both name Wine's 64-bit
    # loader wine64.
    doctest-dev wine wine64 fonts-wine
    # The page's tests run in Debian's headless Chromium, driven by Selenium.
    chromium chromium-driver python3-selenium
)
# The benchmarks time windows through the X server's own extensions, and the page in the
# same Chromium as the tests.
bench=(
    "${play[@]}"
    xvfb xauth libxcb1-dev libxcb-damage0-dev libxcb-xtest0-dev
)
bench_web=(
    "${web[@]}"
    g++ chromium chromium-driver python3-selenium
)

case "${1:-play}" in
    play) wanted=("${play[@]}") ;;
    windows) wanted=("${windows[@]}") ;;
    web) wanted=("${web[@]}") ;;
    test) wanted=("${test[@]}") ;;
    bench) wanted=("${bench[@]}") ;;
    bench-web) wanted=("${bench_web[@]}") ;;
    *) echo "usage: $0 play|windows|web|test|bench|bench-web" >&2; exit 2 ;;
esac

missing=()
for package in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [ "$status" = "install ok installed" ] || missing+=("$package")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    command -v sudo >/dev/null || { echo "Run as root or install sudo: missing ${missing[*]}" >&2; exit 1; }
    sudo=(sudo)
fi
# Through env, as sudo would drop the variable from the environment.
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
