#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the game as a packager and a player would: into a staging root with a
# prefix, then as a Debian package unpacked into a scratch root, whose program is
# started under Xvfb, shows its game window, opens its help file and a mail link
# through the desktop, and ends with Ctrl+S.
#   test_package.sh BUILD_DIR
set -euo pipefail

build=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# 1. Any prefix, with DESTDIR: one folder for program and lists, a relative link on the PATH.
DESTDIR="$work/staging" cmake --install "$build" --prefix /opt/juegos >/dev/null
prefix="$work/staging/opt/juegos"
[ "$(readlink "$prefix/bin/quimbelo")" = "../lib/quimbelo/quimbelo" ] || fail "bin/quimbelo is not a link to the program"
for file in quimbelo propios.TXT peliculas.TXT informatica.TXT diccionario.TXT leeme.txt; do
    [ -f "$prefix/lib/quimbelo/$file" ] || fail "missing lib/quimbelo/$file"
done
[ -f "$prefix/share/icons/hicolor/48x48/apps/quimbelo.png" ] || fail "missing the 48x48 icon"
[ -f "$prefix/share/icons/hicolor/scalable/apps/quimbelo.svg" ] || fail "missing the scalable icon"
desktop-file-validate "$prefix/share/applications/org.example.Quimbelo.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.example.Quimbelo.metainfo.xml" >/dev/null \
    || fail "the AppStream metadata does not validate"

# 2. The Debian package, its computed dependencies, and its files.
(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null)
deb=$(ls "$work"/package/quimbelo_2.0.0_*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6svg6 libc6 fonts-liberation fonts-comic-neue qt6-qpa-plugins; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed: $depends"
done
# Unpacked into a folder whose name a shell would take for commands.
# It ends in "Ñandú" in Latin-1, as an old zip unpacks it: bytes that are not UTF-8.
root="$work/juegos de \"Ana\"; \$(touch $work/pwned) \`touch $work/pwned\` 'x' "$'\xd1'and$'\xfa'
mkdir -p "$root"
dpkg -x "$deb" "$root"
[ -L "$root/usr/bin/quimbelo" ] || fail "the package has no /usr/bin/quimbelo link"
version=$("$root/usr/bin/quimbelo" --version) || fail "quimbelo --version failed"
[ "$version" = "Quimbelo 2.0.0" ] || fail "quimbelo --version says $version"

# 3. The installed program, started through its link, finds its lists and plays.
display=
for n in $(seq 140 180); do
    if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || fail "no free X display"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/runtime"
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

# The desktop's opener is replaced by a recorder of the arguments it is given and of the
# one setting of the game's own that must not reach the programs it starts.
mkdir "$work/bin"
printf '#!/bin/sh\nprintf "%%s\\n" "$#" "$@" "${QT_XCB_NO_MITSHM-unset}" >> "%s"\n' "$work/opened" \
    > "$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION

cd "$work" # not the program's folder: the lists must be found beside the program
"$root/usr/bin/quimbelo" >"$work/program.log" 2>&1 &
program=$!
pids+=("$program")
window=$(timeout 15 xdotool search --sync --onlyvisible --name 'Especial Tornelas' | head -n 1) \
    || fail "the game window never appeared: $(cat "$work/program.log")"
xdotool windowfocus --sync "$window"

# "Archivo Leame" hands the help file over as one argument, and nothing else runs.
xdotool key --clearmodifiers alt+a Return
for _ in $(seq 50); do [ -s "$work/opened" ] && break; sleep 0.1; done
handed=$(sed -n 2p "$work/opened")
[ "$(sed -n 1p "$work/opened")" = 1 ] || fail "the help file was not handed over as one argument: $(cat "$work/opened")"
[ "${handed#file://}" != "$handed" ] || fail "the help file went out as $handed"
[ "$(python3 -c 'import sys, urllib.parse; sys.stdout.buffer.write(urllib.parse.unquote_to_bytes(sys.argv[1][7:]))' "$handed")" \
    = "$root/usr/lib/quimbelo/leeme.txt" ] || fail "the help file went out as $handed"
[ "$(sed -n 3p "$work/opened")" = unset ] || fail "the editor inherited the game's QT_XCB_NO_MITSHM"
[ ! -e "$work/pwned" ] || fail "the program's folder name ran a command"

# The mascot opens a mail message to the author.
xdotool mousemove --window "$window" 30 90 click 1
for _ in $(seq 50); do [ "$(wc -l < "$work/opened")" -ge 6 ] && break; sleep 0.1; done
[ "$(sed -n 5p "$work/opened")" = "mailto:autor@quimbelo.example" ] || fail "no mail link: $(cat "$work/opened")"

xdotool windowfocus --sync "$window"
xdotool key --clearmodifiers ctrl+s
status=0
timeout 10 tail --pid="$program" -f /dev/null || fail "the program did not end on Ctrl+S"
wait "$program" || status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "package installs, starts and ends cleanly"
