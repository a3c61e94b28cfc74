#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds every benchmark (Release, in build/bench) and runs them all, printing each figure
# as "name: value unit" beside its floor measured in the same run. Not part of the tests:
# the figures depend on the machine and on what else it is doing. Linux with X11 (an Xvfb
# of its own); bench/RESULTS.md keeps each system's runs under a heading of its own. The
# Windows program is measured under Wine the same way by bench/run-windows.sh, and the
# browser version in headless Chromium by bench/run-web.sh, its last section. Each
# start-up time is also given against one display frame (16.7 ms), the least a player
# can see.
#
#   bench/run.sh
#
# Settings (environment):
#   BENCH_BUILD_DIR   build folder                      (build/bench)
#   BENCH_ROUNDS      rounds drawn for the draw figures (200)
#   BENCH_RUNS        start-ups of each program         (15, medians)
#   BENCH_IDLE_S      seconds watched for idle load     (30)
#   BENCH_PLAY_ROUNDS F2 presses in the memory figures (100)
#   BENCH_WINDOWS     0 leaves out the Windows program  (1)
#   BENCH_WEB         0 leaves out the browser version  (1; bench/run-web.sh)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build/bench}
rounds=${BENCH_ROUNDS:-200}
runs=${BENCH_RUNS:-15}
idle=${BENCH_IDLE_S:-30}
play_rounds=${BENCH_PLAY_ROUNDS:-100}

# --- Debian packages: the program's own and what the benchmarks add -----------------------
"$root/tools/setup-debian.sh" bench >&2

# --- Build ---------------------------------------------------------------------------------
cmake -S "$root/bench" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
cmake --build "$build" -j"$(nproc)" >&2
# shellcheck source=/dev/null
. "$build/bench_paths.sh"
"$BENCH_FIRSTFRAME_TEST" >&2

work=$(mktemp -d /tmp/quimbelo-bench.XXXXXX)
xvfb_pid=
cleanup() {
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# shellcheck source=bench/lib.sh
. "$root/bench/lib.sh"

echo "# Quimbelo benchmarks, $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "# $(nproc) CPUs, $(lscpu | awk -F: '/Model name/ { gsub(/^ +/, "", $2); print $2; exit }'), load average $(loadavg)"
echo

# --- 1. A new round from the dictionary --------------------------------------------------------
echo "## New round from the dictionary (${rounds} rounds, medians)"
"$BENCH_NEWROUND" "$QUIMBELO_DIR" "$rounds" | tee "$work/newround.txt"
echo

# --- An X server of our own ----------------------------------------------------------------
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
exec 9>"$work/display"
Xvfb -displayfd 9 -screen 0 1024x768x24 -nolisten tcp -noreset >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 9>&-
for _ in $(seq 100); do
    [ -s "$work/display" ] && break
    sleep 0.05
done
[ -s "$work/display" ] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$work/display")"
probe() { "$BENCH_XPROBE" "$@" 2>>"$work/probe.log"; }

# --- 2. Start-up and hand-over -----------------------------------------------------------------
echo "## Start-up under Xvfb (${runs} runs each, alternating, medians)"
# One unmeasured start of each first, so that all find the same warm caches.
probe startup --runs 1 --handover -- "$QUIMBELO" >/dev/null
probe startup --runs 1 --handover -- "$BENCH_BARE_WINDOW" --handover >/dev/null
probe startup --runs 1 --handover -- "$BENCH_BARE_WINDOW" --handover --text >/dev/null
: >"$work/startup.txt"
for _ in $(seq "$runs"); do
    probe startup --runs 1 --handover --prefix program_ -- "$QUIMBELO" >>"$work/startup.txt"
    probe startup --runs 1 --handover --prefix bare_ -- "$BENCH_BARE_WINDOW" --handover >>"$work/startup.txt"
    probe startup --runs 1 --handover --prefix text_ -- "$BENCH_BARE_WINDOW" --handover --text >>"$work/startup.txt"
done
pick() { awk -v n="$1:" '$1 == n { print $2 }' "$work/startup.txt" | median; }
splash=$(pick program_first_frame_ms)
bare=$(pick bare_first_frame_ms)
show_ms startup_to_splash_ms "$splash"
show_ms bare_qt_window_ms "$bare"
show startup_ratio "$(ratio "$splash" "$bare")" ""
show_ms bare_qt_text_window_ms "$(pick text_first_frame_ms)"
show startup_ratio_text "$(ratio "$splash" "$(pick text_first_frame_ms)")" ""
show_ms handover_to_game_ms "$(pick program_handover_ms)"
show_ms bare_qt_handover_ms "$(pick bare_handover_ms)"
show handover_ratio "$(ratio "$(pick program_handover_ms)" "$(pick bare_handover_ms)")" ""
echo "# CPU time the program spent on them (all threads, from /proc/PID/task/*/schedstat):"
show startup_to_splash_cpu_ms "$(pick program_first_frame_cpu_ms)" ms
show bare_qt_window_cpu_ms "$(pick bare_first_frame_cpu_ms)" ms
show startup_cpu_ratio "$(ratio "$(pick program_first_frame_cpu_ms)" "$(pick bare_first_frame_cpu_ms)")" ""
show bare_qt_text_window_cpu_ms "$(pick text_first_frame_cpu_ms)" ms
show handover_to_game_cpu_ms "$(pick program_handover_cpu_ms)" ms
show bare_qt_handover_cpu_ms "$(pick bare_handover_cpu_ms)" ms
echo

# --- 2b. The game window prepared behind the splash ---------------------------------------------
# The program times its own steps when the "quimbelo.startup" logging category is on:
#   quimbelo.startup: game window prepared: N steps, T ms in all, longest step L ms, ...
# A key waits at most for the step under way: the longest step is what a key pressed on the
# splash may wait. With the key at the splash's first frame, the hand-over does at once
# whatever was left.
echo "## The game window prepared behind the splash (${runs} runs each, medians)"
: >"$work/prepared.txt"
: >"$work/early.txt"
for _ in $(seq "$runs"); do
    QT_LOGGING_RULES="quimbelo.startup.debug=true" "$BENCH_XPROBE" startup --runs 1 --handover \
        -- "$QUIMBELO" 2>"$work/steps.log" >/dev/null
    awk '/game window prepared:/ { for (i = 1; i <= NF; ++i) {
            if ($(i + 1) == "steps,") print "steps:", $i
            if ($(i + 1) == "ms" && $(i + 2) == "in") print "total:", $i
            if ($i == "step") print "longest:", $(i + 1) } }' "$work/steps.log" >>"$work/prepared.txt"
    probe startup --runs 1 --handover --settle 0 --prefix early_ -- "$QUIMBELO" >>"$work/early.txt"
    probe startup --runs 1 --handover --settle 0 --prefix bare_ -- "$BENCH_BARE_WINDOW" --handover >>"$work/early.txt"
done
prepared() { awk -v n="$1:" '$1 == n { print $2 }' "$work/prepared.txt" | median; }
show preparation_steps "$(prepared steps)" ""
show preparation_ms "$(prepared total)" ms
show preparation_longest_step_ms "$(prepared longest)" ms
show preparation_longest_step_max_ms "$(awk '$1 == "longest:" { print $2 }' "$work/prepared.txt" | sort -g | tail -n1)" ms
early() { awk -v n="$1:" '$1 == n { print $2 }' "$work/early.txt" | median; }
echo "# the key at the splash's first frame, while the game window is prepared:"
show_ms handover_during_preparation_ms "$(early early_handover_ms)"
show_ms bare_qt_handover_at_first_frame_ms "$(early bare_handover_ms)"
show handover_during_preparation_ratio "$(ratio "$(early early_handover_ms)" "$(early bare_handover_ms)")" ""
echo

# --- 3. Idle load ----------------------------------------------------------------------------
echo "## Idle load over ${idle} s (program and X server together)"
xserver=(--xserver-pid "$xvfb_pid")
probe idle --seconds "$idle" --settle 1000 --handover "${xserver[@]}" -- "$QUIMBELO" >"$work/idle.txt"
probe idle --seconds "$idle" --settle 1000 --handover "${xserver[@]}" -- "$BENCH_BARE_WINDOW" --handover >"$work/idle_bare.txt"
probe idle --seconds "$idle" --settle 1000 --handover "${xserver[@]}" -- "$BENCH_FAST_TIMER" "$QUIMBELO_DIR" 1 >"$work/idle_fast.txt"
# The same program with Qt's shared-memory images to the X server turned off.
probe idle --seconds "$idle" --settle 1000 --handover "${xserver[@]}" -- env QT_XCB_NO_MITSHM=1 "$QUIMBELO" >"$work/idle_noshm.txt"
for which in "" _program _xserver; do
    show "idle_cpu_percent$which" "$(value "$work/idle.txt" "idle_cpu_percent$which")" %
    show "bare_qt_idle_cpu_percent$which" "$(value "$work/idle_bare.txt" "idle_cpu_percent$which")" %
done
echo "# the same from the scheduler's run times (/proc/PID/task/*/schedstat, nanoseconds):"
for which in "" _program _xserver; do
    show "idle_cpu_percent${which}_schedstat" "$(value "$work/idle.txt" "idle_cpu_percent${which}_schedstat")" %
    show "bare_qt_idle_cpu_percent${which}_schedstat" "$(value "$work/idle_bare.txt" "idle_cpu_percent${which}_schedstat")" %
done
show timer2_ticks_per_s "$(value "$work/idle.txt" busiest_area_repaints_per_s)" /s
grep '^#' "$work/idle.txt" | sed 's/^# /# timer2_ticks_per_s: repaints of the /' || true
show window_repaints_per_s "$(value "$work/idle.txt" repaints_per_s)" /s
show idle_wakeups_per_s_program "$(value "$work/idle.txt" idle_wakeups_per_s_program)" /s
show bare_qt_idle_wakeups_per_s "$(value "$work/idle_bare.txt" idle_wakeups_per_s_program)" /s
echo "# the same game window with Timer2 set to 1 ms from outside (bench_fast_timer):"
for which in "" _program _xserver; do
    show "idle_cpu_percent${which}_timer2_1ms" "$(value "$work/idle_fast.txt" "idle_cpu_percent$which")" %
done
show timer2_ticks_per_s_timer2_1ms "$(value "$work/idle_fast.txt" busiest_area_repaints_per_s)" /s
show idle_wakeups_per_s_program_timer2_1ms "$(value "$work/idle_fast.txt" idle_wakeups_per_s_program)" /s
echo "# the same game window with QT_XCB_NO_MITSHM=1 (no shared-memory images):"
for which in "" _program _xserver; do
    show "idle_cpu_percent${which}_no_mitshm" "$(value "$work/idle_noshm.txt" "idle_cpu_percent$which")" %
done
show idle_cpu_percent_schedstat_no_mitshm "$(value "$work/idle_noshm.txt" idle_cpu_percent_schedstat)" %
show timer2_ticks_per_s_no_mitshm "$(value "$work/idle_noshm.txt" busiest_area_repaints_per_s)" /s
show idle_wakeups_per_s_program_no_mitshm "$(value "$work/idle_noshm.txt" idle_wakeups_per_s_program)" /s
echo

# --- 4. Memory over a hundred rounds-----------------------------------------------------------
echo "## Peak memory over ${play_rounds} rounds (F2)"
probe rounds --rounds "$play_rounds" --handover -- "$QUIMBELO" >"$work/rounds.txt"
# Option4 "Diccionario" lies 151 px from the left and 253 px above the bottom edge of the
# game window (design position 2160, 1920 + 255/2 twips in a client area 5835 twips high).
probe rounds --rounds "$play_rounds" --handover --click 151,-253 -- "$QUIMBELO" >"$work/rounds_dict.txt"
probe rounds --rounds "$play_rounds" --handover --no-wait -- "$BENCH_BARE_WINDOW" --handover >"$work/rounds_bare.txt"
probe rounds --rounds "$play_rounds" --handover --no-wait -- "$BENCH_BARE_WINDOW" --handover --text >"$work/rounds_text.txt"
rss=$(value "$work/rounds.txt" peak_rss_mb)
rss_dict=$(value "$work/rounds_dict.txt" peak_rss_mb)
rss_bare=$(value "$work/rounds_bare.txt" peak_rss_mb)
show peak_rss_mb "$rss" MB
show bare_qt_rss_mb "$rss_bare" MB
show rss_ratio "$(ratio "$rss" "$rss_bare")" ""
show peak_rss_mb_dictionary "$rss_dict" MB
show rss_ratio_dictionary "$(ratio "$rss_dict" "$rss_bare")" ""
show bare_qt_text_window_rss_mb "$(value "$work/rounds_text.txt" peak_rss_mb)" MB
show rss_ratio_text "$(ratio "$rss" "$(value "$work/rounds_text.txt" peak_rss_mb)")" ""
show read_per_round_kb "$(value "$work/rounds.txt" read_per_round_kb)" kB
show read_per_round_kb_dictionary "$(value "$work/rounds_dict.txt" read_per_round_kb)" kB
show_ms round_key_to_frame_ms "$(value "$work/rounds.txt" round_key_to_frame_ms)"
show_ms round_key_to_frame_ms_dictionary "$(value "$work/rounds_dict.txt" round_key_to_frame_ms)"
# The dictionary is about 1 MB read twice a round: much less means the click missed it.
if ! awk -v k="$(value "$work/rounds_dict.txt" read_per_round_kb)" 'BEGIN { exit !(k > 1500) }'; then
    echo "warning: the rounds on the dictionary did not read it; the click on Diccionario missed" >&2
fi
echo

# --- 5. The Windows program under Wine ------------------------------------------------------
if [ "${BENCH_WINDOWS:-1}" != 0 ]; then
    BENCH_XPROBE=$BENCH_XPROBE BENCH_PROBE_LOG=$work/probe.log BENCH_RUNS=$runs \
        BENCH_PLAY_ROUNDS=$play_rounds "$root/bench/run-windows.sh"
    echo
fi

# --- 6. The browser version in headless Chromium -------------------------------------------
if [ "${BENCH_WEB:-1}" != 0 ]; then
    BENCH_NEWROUND=$BENCH_NEWROUND BENCH_BUILD_DIR=$build BENCH_RUNS=$runs BENCH_ROUNDS=$rounds \
        BENCH_WEB_FIGURES=$work/web.txt "$root/bench/run-web.sh"
    echo
fi

echo "# load average at the end: $(loadavg)"
echo
# Only the goals in force. The start-up, its CPU time and memory are held against the
# window with a line of text (the splash's own least), not against the empty window: an
# empty window draws less than any splash can, so those ratios were missed in every run
# and said nothing about the program.
echo "## Goals"
goal new_round_ratio "$(value "$work/newround.txt" new_round_ratio)" 3
goal startup_ratio_text "$(ratio "$splash" "$(pick text_first_frame_ms)")" 1.1
goal handover_ratio "$(ratio "$(pick program_handover_ms)" "$(pick bare_handover_ms)")" 2
goal idle_cpu_percent "$(value "$work/idle.txt" idle_cpu_percent)" 2 "<"
goal idle_cpu_percent_schedstat "$(value "$work/idle.txt" idle_cpu_percent_schedstat)" 2 "<"
goal rss_ratio_text "$(ratio "$rss" "$(value "$work/rounds_text.txt" peak_rss_mb)")" 1.1
[ -s "$work/web.txt" ] && web_goals "$work/web.txt"
if grep -q . "$work/probe.log"; then
    echo
    echo "## Probe details"
    grep -v 'XDG_RUNTIME_DIR' "$work/probe.log" || true
fi
