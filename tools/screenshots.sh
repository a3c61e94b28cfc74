#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Takes the screenshots in docs/ of the built program under Xvfb, at scale 1 and 2.
#   tools/screenshots.sh [BUILD_DIR [OUT_DIR]]
# With QUIMBELO_SHOT_TIME set to a time ("2026-12-09 12:00:00"), the program's wall clock
# stands still at it under faketime: the word drawn, seeded from the time of day, is then
# the same at every run, and two builds can be compared pixel for pixel.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build/release}
out=${2:-$root/docs}
program="$build/src/qt/quimbelo"
[ -x "$program" ] || { echo "build the program first (tools/play.sh builds $build)" >&2; exit 1; }
run=()
if [ -n "${QUIMBELO_SHOT_TIME:-}" ]; then
    command -v faketime >/dev/null || { echo "faketime is missing: apt-get install faketime" >&2; exit 1; }
    # Only the wall clock: the timers keep real time.
    run=(env FAKETIME_DONT_FAKE_MONOTONIC=1 faketime -f "$QUIMBELO_SHOT_TIME")
fi
mkdir -p "$out"

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
    QT_SCALE_FACTOR=$scale "${run[@]}" "$program" >/dev/null 2>&1 &
    local pid=$!
    pids+=("$pid")
    if [ "$scale" = 1 ]; then
        # The first window up is the splash, which stays three seconds.
        local splash
        splash=$(timeout 10 xdotool search --sync --onlyvisible --classname quimbelo | head -n1)
        sleep 0.5
        import -window root -crop "$(xdotool getwindowgeometry --shell "$splash" \
            | awk -F= '/WIDTH/{w=$2}/HEIGHT/{h=$2}/^X/{x=$2}/^Y/{y=$2}END{print w"x"h"+"x"+"y}')" \
            "$out/splash.png"
    else
        sleep 1
    fi
    local window
    window=$(timeout 10 xdotool search --sync --onlyvisible --name 'Especial Tornelas' | head -n1)
    xdotool windowfocus --sync "$window"
    sleep 0.5
    xdotool type --delay 80 "aeoz"
    sleep 0.5
    import -window "$window" "$out/$name.png"
    if [ "$scale" = 1 ]; then
        xdotool key alt+a Up Return
        sleep 1
        local about
        about=$(timeout 5 xdotool search --sync --onlyvisible --name 'Acerca de Quimbelo' | head -n1)
        import -window "$about" "$out/about.png"
        xdotool key Escape
    fi
    xdotool windowfocus --sync "$window" key ctrl+s
    wait "$pid" || true
}

shoot 1 game-window
shoot 2 game-window-hidpi
echo "screenshots written to $out"
