#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program under Wine: its start-up, hand-over and peak working set, each beside
# a bare window of the Windows API started and measured the same way in the same run, and
# the size of quimbelo.exe. bench/run.sh runs it as its last section (BENCH_WINDOWS=0 leaves
# it out); it also runs alone:
#
#   bench/run-windows.sh
#
# Both programs are cross-built with cmake/mingw-w64.cmake in build/bench-windows (Release)
# and run in a Wine prefix and Xvfb of their own (tests/win32/wine.sh), where bench_xprobe
# (bench/CMakeLists.txt, built for the host) watches their X windows as it watches the Qt
# program's. Without mingw-w64 or Wine it says so and measures nothing.
#
# Settings (environment):
#   BENCH_WINDOWS_BUILD_DIR build folder of the Windows pieces  (build/bench-windows)
#   BENCH_BUILD_DIR         build folder of bench_xprobe        (build/bench)
#   BENCH_RUNS              start-ups of each program           (15, medians)
#   BENCH_PLAY_ROUNDS       F2 presses before the working set   (100)
#   BENCH_WINE_QUIET_MS     quiet time that ends a first frame  (100)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_WINDOWS_BUILD_DIR:-$root/build/bench-windows}
host_build=${BENCH_BUILD_DIR:-$root/build/bench}
runs=${BENCH_RUNS:-15}
play_rounds=${BENCH_PLAY_ROUNDS:-100}
quiet=${BENCH_WINE_QUIET_MS:-100}
# shellcheck source=bench/lib.sh
. "$root/bench/lib.sh"

echo "## Windows build under Wine (${runs} runs each, alternating, medians)"

# Debian 12 starts 64-bit programs with wine64, later releases with wine itself.
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine || true)
missing=()
command -v x86_64-w64-mingw32-g++-posix >/dev/null || missing+=(g++-mingw-w64-x86-64-posix)
[ -n "$wine" ] || missing+=(wine wine64)
command -v Xvfb >/dev/null || missing+=(xvfb)
if [ ${#missing[@]} -gt 0 ]; then
    echo "# skipped: no ${missing[*]} (Debian packages) to build or run the Windows program"
    exit 0
fi

# --- Build ---------------------------------------------------------------------------------
cmake -S "$root/bench/win32" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" >&2
cmake --build "$build" -j"$(nproc)" >&2
if [ -z "${BENCH_XPROBE:-}" ]; then
    cmake -S "$root/bench" -B "$host_build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
    cmake --build "$host_build" -j"$(nproc)" --target bench_xprobe bench_firstframe_test >&2
    # shellcheck source=/dev/null
    . "$host_build/bench_paths.sh"
    "$BENCH_FIRSTFRAME_TEST" >&2
fi
# shellcheck source=/dev/null
. "$build/bench_paths.sh"
# The game window reads its lists beside the program; without them it would show a
# message box instead, and the hand-over would time that.
for list in propios.TXT peliculas.TXT informatica.TXT diccionario.TXT; do
    [ -f "$(dirname "$QUIMBELO_EXE")/$list" ] || { echo "no $list beside $QUIMBELO_EXE" >&2; exit 1; }
done

work=$(mktemp -d /tmp/quimbelo-bench-windows.XXXXXX)
state=$work/wine
keeper=
cleanup() {
    if [ -n "$keeper" ]; then
        kill "$keeper" 2>/dev/null || true
        wait "$keeper" 2>/dev/null || true
    fi
    "$root/tests/win32/wine.sh" stop "$state" >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
log=${BENCH_PROBE_LOG:-$work/probe.log}

echo "# load average at the start: $(loadavg)"
"$root/tests/win32/wine.sh" start "$state" >&2
# The programs are started by Wine's loader itself, with the settings `wine.sh run` gives
# it, so that the script's own start stays out of the figures. The Wine server and the
# prefix's services keep running between the runs, and so does the desktop process, kept
# by a hidden window: each program finds them started, as a Windows program finds its
# desktop. Wine would otherwise start the desktop with each program, unless the last one
# ended less than a second before.
export WINEPREFIX=$state/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;"
DISPLAY=":$(cat "$state/display")"
export DISPLAY
"$wine" "$BENCH_BARE_WINDOW_WIN32" --hidden &
keeper=$!
probe() { "$BENCH_XPROBE" "$@" 2>>"$log"; }
game=("$wine" "$QUIMBELO_EXE")
bare=("$wine" "$BENCH_BARE_WINDOW_WIN32" --handover)
# Wine draws each control into the X window as soon as it is painted: a window's first
# frame is its last new rectangle once nothing new came for $quiet ms (bench_xprobe --quiet).
timing=(--handover --quiet "$quiet")

# --- Start-up and hand-over ----------------------------------------------------------------
echo "Windows, start-up and hand-over" >>"$log"
# One unmeasured start of each first, so that both find the same warm caches.
probe startup --runs 1 "${timing[@]}" -- "${game[@]}" >/dev/null
probe startup --runs 1 "${timing[@]}" -- "${bare[@]}" >/dev/null
: >"$work/startup.txt"
for _ in $(seq "$runs"); do
    probe startup --runs 1 "${timing[@]}" --prefix program_ -- "${game[@]}" >>"$work/startup.txt"
    probe startup --runs 1 "${timing[@]}" --prefix bare_ -- "${bare[@]}" >>"$work/startup.txt"
done
pick() { pick_from "$work/startup.txt" "$1"; }
splash=$(pick program_first_frame_ms)
text=$(pick bare_first_frame_ms)
handover=$(pick program_handover_ms)
bare_handover=$(pick bare_handover_ms)
show_ms win32_startup_to_splash_ms "$splash"
show_ms win32_bare_text_window_ms "$text"
show win32_startup_ratio_text "$(ratio "$splash" "$text")" ""
show_ms win32_handover_to_game_ms "$handover"
show_ms win32_bare_handover_ms "$bare_handover"
show win32_handover_ratio "$(ratio "$handover" "$bare_handover")" ""
echo "# CPU time of the program's own process (all threads; the Wine server's not counted):"
show win32_startup_to_splash_cpu_ms "$(pick program_first_frame_cpu_ms)" ms
show win32_bare_text_window_cpu_ms "$(pick bare_first_frame_cpu_ms)" ms
show win32_handover_to_game_cpu_ms "$(pick program_handover_cpu_ms)" ms
show win32_bare_handover_cpu_ms "$(pick bare_handover_cpu_ms)" ms
echo "# the steps, from the X server: until the window is created (from exec, or from the key),"
echo "# from then until it is mapped (its controls built), and from then until its first frame:"
for step in created built painted; do
    show "win32_splash_${step}_ms" "$(pick "program_first_${step}_ms")" ms
    show "win32_bare_text_window_${step}_ms" "$(pick "bare_first_${step}_ms")" ms
done
for step in created built painted; do
    show "win32_game_${step}_ms" "$(pick "program_handover_${step}_ms")" ms
    show "win32_bare_handover_${step}_ms" "$(pick "bare_handover_${step}_ms")" ms
done

# A first frame cut short by a pause in the middle of its painting would end on fewer new
# rectangles than the others: each window must end on the same number in every run.
for name in program_first_frame_new_rects program_handover_new_rects \
    bare_first_frame_new_rects bare_handover_new_rects; do
    counts=$(awk -v n="$name:" '$1 == n { print $2 + 0 }' "$work/startup.txt" | sort -un | tr '\n' ' ')
    echo "# $name: $counts"
    [ "$(wc -w <<<"$counts")" -eq 1 ] || echo "warning: $name differs between runs: $counts" >&2
done

# --- Peak working set ----------------------------------------------------------------------
# Wine gives a process's peak working set (GetProcessMemoryInfo) as the peak resident size
# of its Unix process, VmHWM in /proc/PID/status, which the probe reads from outside.
echo "Windows, peak working set" >>"$log"
probe rounds --rounds "$play_rounds" "${timing[@]}" -- "${game[@]}" >"$work/rounds.txt"
probe rounds --rounds "$play_rounds" "${timing[@]}" --no-wait -- "${bare[@]}" >"$work/rounds_bare.txt"
set_mb=$(value "$work/rounds.txt" peak_rss_mb)
bare_set_mb=$(value "$work/rounds_bare.txt" peak_rss_mb)
show win32_peak_working_set_mb "$set_mb" MB
show win32_bare_peak_working_set_mb "$bare_set_mb" MB
show win32_working_set_ratio "$(ratio "$set_mb" "$bare_set_mb")" ""
show_ms win32_round_key_to_frame_ms "$(value "$work/rounds.txt" round_key_to_frame_ms)"

# --- The program's size --------------------------------------------------------------------
size_kb() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.0f", b / 1024 }'; }
if "$BENCH_OBJDUMP" -h "$QUIMBELO_EXE" | grep -q '\.debug_'; then
    stripped="not stripped: it keeps the debugging sections of the static runtime"
else
    stripped="stripped"
fi
show quimbelo_exe_kb "$(size_kb "$QUIMBELO_EXE")" kB
echo "# the Release quimbelo.exe as built, $stripped"
"$BENCH_STRIP" --strip-all -o "$work/quimbelo-stripped.exe" "$QUIMBELO_EXE"
show quimbelo_exe_stripped_kb "$(size_kb "$work/quimbelo-stripped.exe")" kB
echo "# load average at the end: $(loadavg)"

if [ -z "${BENCH_PROBE_LOG:-}" ] && grep -q . "$log"; then
    echo
    echo "## Probe details"
    cat "$log"
fi
