#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in docs/ of the built program under Xvfb, at scale 1 and 2.
#   tools/screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
program="$build/src/qt/quimbelo"
[ -x "$program" ] || { echo "build the program first (tools/play.sh builds $build)" >&2; exit 1; }

work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
display=:$(( 200 + RANDOM % 50 ))
Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display XDG_RUNTIME_DIR=$work QT_QPA_PLATFORM=xcb
sleep 1

shoot() { # scale name
    local scale=$1 name=$2
    QT_SCALE_FACTOR=$scale "$program" >/dev/null 2>&1 &
    local pid=$!
    pids+=("$pid")
    sleep 1
    if [ "$scale" = 1 ]; then
        import -window root -crop "$(xdotool search --onlyvisible --classname quimbelo | head -n1 \
            | xargs xdotool getwindowgeometry --shell | awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}/^X/{x=$2}/^Y/{y=$2}END{print w"x"h"+"x"+"y}')" \
            "$root/docs/splash.png"
    fi
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --name 'Especial Tornelas' | head -n1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool type --delay 80 "aeoz"
    sleep 0.5
    import -window "$window" "$root/docs/$name.png"
    if [ "$scale" = 1 ]; then
        xdotool key alt+a Up Return
        sleep 1
        local about
        about=$(timeout 5 xdotool search --sync --onlyvisible --name 'Acerca de Quimbelo' | head -n1)
        import -window "$about" "$root/docs/about.png"
        xdotool key Escape
    fi
    xdotool windowfocus --sync "$window" key ctrl+s
    wait "$pid" || true
}

shoot 1 game-window
shoot 2 game-window-hidpi
echo "screenshots written to $root/docs"
