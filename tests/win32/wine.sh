#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# A private X server and Wine prefix for the tests of the Windows program.
#   wine.sh start STATE [DPI]   makes a fresh prefix in STATE/prefix and starts Xvfb
#   wine.sh run STATE PROGRAM [ARG...]   runs a Windows program there, with its status
#   wine.sh restart STATE       starts the Wine server and its desktop afresh
#   wine.sh stop STATE          ends the Wine server and Xvfb
# The fonts the windows are designed with are mapped to free fonts in the prefix's
# registry, never in the program: Arial and MS Sans Serif to Liberation Sans, Comic Sans MS
# to Comic Neue.
set -euo pipefail
command=$1
state=$(realpath -m "$2")
shift 2

# Debian 12 starts 64-bit programs with wine64; later releases with wine itself.
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine)
wineserver=/usr/lib/wine/wineserver
[ -x "$wineserver" ] || wineserver=$(command -v wineserver)

# Wine names files in the locale's character set: the test folders' Spanish letters need
# a UTF-8 one, which a bare environment (a fresh root, a service) does not set.
if [ -z "${LC_ALL:-}${LC_CTYPE:-}${LANG:-}" ]; then
    export LANG=C.UTF-8
fi
export WINEPREFIX=$state/prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;${QUIMBELO_WINE_OVERRIDES:-}"

case "$command" in
start)
    dpi=${1:-96}
    "$0" stop "$state" 2>/dev/null || true
    rm -rf "$state"
    mkdir -p "$state"
    # Xvfb picks a free display and tells it on a descriptor.
    setsid Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$state/display" \
        >"$state/xvfb.log" 2>&1 </dev/null &
    echo $! >"$state/xvfb.pid"
    for _ in $(seq 100); do
        [ -s "$state/display" ] && break
        sleep 0.1
    done
    export DISPLAY=":$(cat "$state/display")"
    "$wine" wineboot -i >"$state/wineboot.log" 2>&1
    reg() { "$wine" reg.exe add "$@" /f >/dev/null 2>&1 </dev/null; }
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v Arial /t REG_SZ /d "Liberation Sans"
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "MS Sans Serif" /t REG_SZ /d "Liberation Sans"
    reg 'HKCU\Software\Wine\Fonts\Replacements' /v "Comic Sans MS" /t REG_SZ /d "Comic Neue"
    # No window manager runs: Wine draws the windows' frames and title bars itself.
    reg 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
    reg 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d Y
    reg 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi"
    "$wineserver" -w || true
    "$wineserver" -p </dev/null >/dev/null 2>&1
    # The prefix's services start now, apart from any test's output, and stay.
    "$wine" cmd.exe /c exit >/dev/null 2>&1 </dev/null
    echo "Wine prefix ready on display $DISPLAY at $dpi dots per inch"
    ;;
run)
    export DISPLAY=":$(cat "$state/display")"
    exec "$wine" "$@"
    ;;
restart)
    # Wine 10 keeps the DPI (LogPixels) that its server and desktop started with: a
    # change takes effect only with a new server.
    export DISPLAY=":$(cat "$state/display")"
    "$wineserver" -k 2>/dev/null || true
    "$wineserver" -w 2>/dev/null || true
    "$wineserver" -p </dev/null >/dev/null 2>&1
    "$wine" cmd.exe /c exit >/dev/null 2>&1 </dev/null
    ;;
stop)
    if [ -d "$state/prefix" ]; then
        "$wineserver" -k 2>/dev/null || true
    fi
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid"
    fi
    ;;
*)
    echo "usage: $0 start|run|restart|stop STATE ..." >&2
    exit 2
    ;;
esac
