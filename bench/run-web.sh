#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Measures the browser version in Debian's headless Chromium, served from 127.0.0.1, each
# figure beside its floor measured in the same run: the page load to the splash's first
# frame against a page that loads an empty module and draws a line of text; a key on the
# splash to the game window's first frame against a page that swaps two blocks; a new
# round on the dictionary in the browser against the same loop native, for each way of
# building it; and the compressed transfer of a first visit. bench/run.sh runs it as its
# last section; it runs alone too.
#
#   bench/run-web.sh
#
# Settings (environment), besides those of bench/run.sh it shares:
#   BENCH_WEB_ROUND_RUNS  page loads of each new-round program, alternating with native (5)
#   BENCH_WEB_FIGURES     a file that also receives the figures (for run.sh's goals)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$root/build/bench}
runs=${BENCH_RUNS:-15}
rounds=${BENCH_ROUNDS:-200}
round_runs=${BENCH_WEB_ROUND_RUNS:-5}
# Rounds before the measured ones: enough for the browser to have compiled the round's
# code well (bench_newround says why). The first round is given apart.
warm_up=100
# shellcheck source=bench/lib.sh
. "$root/bench/lib.sh"

# --- Debian packages -----------------------------------------------------------------------
"$root/tools/setup-debian.sh" bench-web >&2
# Debian's python3, which python3-selenium is installed for.
python=/usr/bin/python3

work=$(mktemp -d /tmp/quimbelo-bench-web.XXXXXX)
trap 'rm -rf "$work"' EXIT
figures=$work/figures.txt
out() { tee -a "$figures"; }

# --- Build ---------------------------------------------------------------------------------
# The native loop, unless bench/run.sh has built it already.
if [ -z "${BENCH_NEWROUND:-}" ]; then
    cmake -S "$root/bench" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >&2
    cmake --build "$build" -j2 --target bench_newround >&2
    BENCH_NEWROUND=$build/bench_newround
fi
# The loop and the floors for the browser, once for each exception mechanism.
for exceptions in javascript wasm; do
    emcmake cmake -S "$root/bench" -B "$build-web-$exceptions" -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DQUIMBELO_WEB_EXCEPTIONS=$exceptions >&2
    cmake --build "$build-web-$exceptions" -j2 >&2
done
# Asyncify over WebAssembly's exceptions, which binaryen 108 (Debian 12) aborts on.
wasm_asyncify=true
if ! cmake --build "$build-web-wasm" -j2 --target bench_newround_asyncify >"$work/wasm-asyncify.log" 2>&1; then
    wasm_asyncify=false
fi
# The game's page, as a player's browser fetches it: the static folder of
# tools/build-web.sh where there is one (with its service worker), else the page's build.
if [ -x "$root/tools/build-web.sh" ]; then
    page=$("$root/tools/build-web.sh" | sed -n 's/^Folder: *//p')
else
    "$root/tools/play-web.sh" --build-only >&2
    page=$root/build/web-release/page
fi
[ -f "$page/index.html" ] || { echo "no page built in '$page'" >&2; exit 1; }

browser() {
    "$python" "$root/bench/web/browser.py" --mount "floor=$build-web-javascript/site" \
        --mount "js=$build-web-javascript/site" --mount "wasm=$build-web-wasm/site" \
        --isolate js --isolate wasm --mount "game=$page" "$@"
}

echo "## The browser: headless Chromium $(chromium --version 2>/dev/null | awk '{ print $2 }'), from 127.0.0.1"
echo "# load average at the start: $(loadavg)"
echo "# every page load from an empty cache and storage, as a first visit"

# --- Page load and hand-over ---------------------------------------------------------------
echo "### Page load and hand-over (${runs} runs each, alternating, medians)"
browser startup --runs "$runs" >"$work/startup.txt"
pick() { pick_from "$work/startup.txt" "$1"; }
splash=$(pick game_first_frame_ms)
text=$(pick floor_text_first_frame_ms)
handover=$(pick game_handover_ms)
swap=$(pick floor_swap_handover_ms)
{
    show_ms web_page_to_splash_ms "$splash"
    show_ms web_bare_text_page_ms "$text"
    show web_startup_ratio "$(ratio "$splash" "$text")" ""
    show_ms web_handover_to_game_ms "$handover"
    show_ms web_bare_swap_handover_ms "$swap"
    show web_handover_ratio "$(ratio "$handover" "$swap")" ""
    show_ms web_bare_swap_page_ms "$(pick floor_swap_first_frame_ms)"
    echo "# the same at the marks, made at the start of those frames (before their layout):"
    show_ms web_page_to_splash_mark_ms "$(pick game_first_frame_mark_ms)"
    show_ms web_bare_text_page_mark_ms "$(pick floor_text_first_frame_mark_ms)"
    show_ms web_handover_to_game_mark_ms "$(pick game_handover_mark_ms)"
    show_ms web_bare_swap_handover_mark_ms "$(pick floor_swap_handover_mark_ms)"
} | out

# --- A new round ---------------------------------------------------------------------------
echo
echo "### A new round from the dictionary (${rounds} rounds a load, ${round_runs} loads each, alternating with native, medians)"
programs=(js/bench_newround_asyncify js/bench_newround_asyncify_all js/bench_newround_plain
    wasm/bench_newround_plain)
$wasm_asyncify && programs+=(wasm/bench_newround_asyncify)
: >"$work/rounds.txt"
for _ in $(seq "$round_runs"); do
    "$BENCH_NEWROUND" "$root/data" "$rounds" "$warm_up" | sed 's/^/native_/' >>"$work/rounds.txt"
    for program in "${programs[@]}"; do
        mount=${program%%/*}
        name=${program#*/}
        browser newround --page "/$mount/newround.html" --program "$name" --rounds "$rounds" \
            --warm-up "$warm_up" --runs 1 --prefix "${mount}_${name#bench_newround_}_" >>"$work/rounds.txt"
    done
done
rpick() { pick_from "$work/rounds.txt" "$1"; }
native=$(rpick native_new_round_dictionary_ms)
{
    show native_new_round_ms "$native" ms
    show native_new_round_count_pass_ms "$(rpick native_new_round_count_pass_ms)" ms
    show native_new_round_first_ms "$(rpick native_new_round_first_ms)" ms
    # The page's own build first: JavaScript's exceptions, for Asyncify (its dialogs), the
    # word lists' reading left out of Asyncify (quimbelo_web_asyncify).
    for variant in js_asyncify js_asyncify_all js_plain wasm_plain wasm_asyncify; do
        case $variant in
            js_asyncify) label=javascript_exceptions_asyncify ;;
            js_asyncify_all) label=javascript_exceptions_asyncify_all ;;
            js_plain) label=javascript_exceptions ;;
            wasm_plain) label=wasm_exceptions ;;
            wasm_asyncify) label=wasm_exceptions_asyncify ;;
        esac
        if [ "$variant" = wasm_asyncify ] && ! $wasm_asyncify; then
            echo "# web_new_round_ms_$label: not built: wasm-opt --asyncify" \
                "$(grep -m1 -o 'received SIG[A-Z]*' "$work/wasm-asyncify.log" || echo failed)"
            continue
        fi
        value=$(rpick "${variant}_new_round_dictionary_ms")
        show "web_new_round_ms_$label" "$value" ms
        show "web_new_round_count_pass_ms_$label" "$(rpick "${variant}_new_round_count_pass_ms")" ms
        show "web_new_round_first_ms_$label" "$(rpick "${variant}_new_round_first_ms")" ms
        show "web_new_round_ratio_$label" "$(ratio "$value" "$native")" ""
    done
    for build_kind in js wasm; do
        mech=$([ $build_kind = js ] && echo javascript || echo wasm)
        for variant in plain asyncify asyncify_all; do
            wasm_file=$build-web-$mech/site/bench_newround_$variant.wasm
            # A link that failed in wasm-opt leaves its unoptimized output behind.
            if [ "$mech/$variant" = wasm/asyncify ] && ! $wasm_asyncify; then
                continue
            fi
            if [ -f "$wasm_file" ]; then
                echo "# bench_newround_$variant.wasm, $mech exceptions: $(stat -c %s "$wasm_file") bytes"
            fi
        done
    done
    echo "# timers: cross-origin isolated (5 us) $(awk '/cross_origin_isolated:/ { s += $2; n++ } END { print s "/" n }' "$work/rounds.txt") loads"
} | out

# --- The transfer of a first visit ---------------------------------------------------------
echo
echo "### The transfer of a first visit (every file the page and its service worker fetch, gzip -9)"
browser transfer >"$work/transfer.txt"
grep '^#' "$work/transfer.txt"
grep -v '^#' "$work/transfer.txt" | out
echo "# load average at the end: $(loadavg)"

if [ -n "${BENCH_WEB_FIGURES:-}" ]; then
    cp "$figures" "$BENCH_WEB_FIGURES"
else
    echo
    echo "## Goals"
    web_goals "$figures"
fi
