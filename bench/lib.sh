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
