# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Helpers of bench/run.sh and bench/run-windows.sh, sourced by both.

# The median of the numbers on stdin, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { if (NR == 0) { print "nan" } else if (NR % 2) { print v[(NR + 1) / 2] } else { print (v[NR / 2] + v[NR / 2 + 1]) / 2 } }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2f", a / b; else print "nan" }'; }
# The value of "name: value unit" in a result file.
value() { awk -v n="$2:" '$1 == n { print $2; exit }' "$1"; }
# The median of every "name: value unit" of that name in a result file.
pick_from() { awk -v n="$2:" '$1 == n { print $2 }' "$1" | median; }
show() { printf '%s: %s %s\n' "$1" "$2" "$3"; }
goal() { # name value limit [<]
    local op=${4:-<=}
    if awk -v v="$2" -v l="$3" -v op="$op" 'BEGIN { exit !(op == "<" ? v + 0 < l + 0 : v + 0 <= l + 0) }'; then
        printf 'goal %s %s %s: met (%s)\n' "$1" "$op" "$3" "$2"
    else
        printf 'goal %s %s %s: MISSED (%s)\n' "$1" "$op" "$3" "$2"
    fi
}
loadavg() { cut -d' ' -f1-3 /proc/loadavg; }
# A start-up time, with what it is against one display frame at 60 Hz (16.7 ms): the
# least a player can see. "name: value ms (N frames)", read as the other lines are.
show_ms() {
    awk -v n="$1" -v v="$2" 'BEGIN {
        if (v == "" || v == "nan") { printf "%s: nan ms\n", n; exit }
        printf "%s: %s ms (%.2f frames of %.1f ms)\n", n, v, v / (1000 / 60), 1000 / 60 }'
}
# The browser's goals, from the figures bench/run-web.sh printed. The new round's is the
# page's own build: JavaScript's exceptions, under Asyncify for its modal dialogs.
web_goals() { # figures-file
    goal web_startup_ratio "$(value "$1" web_startup_ratio)" 1.3
    goal web_handover_ratio "$(value "$1" web_handover_ratio)" 2
    goal web_new_round_ratio_javascript_exceptions_asyncify \
        "$(value "$1" web_new_round_ratio_javascript_exceptions_asyncify)" 2
    goal web_first_visit_gzip_kb "$(value "$1" web_first_visit_gzip_kb)" 500
}
