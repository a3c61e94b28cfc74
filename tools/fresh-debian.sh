#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the README's two commands on a fresh, minimal Debian: makes a root of the given
# release with debootstrap (variant minbase), clones this repository's current commit
# into it and runs there "tools/play.sh --build-only" (the play command, built without
# opening the window) and then "tools/test.sh" in full. Prints one closing line with the
# outcome and the time taken. The root and its mounts are removed afterwards, also when
# a step fails or the run is interrupted.
#
#   tools/fresh-debian.sh RELEASE [--user]
#       RELEASE  bookworm (Debian 12) or trixie (Debian 13)
#       --user   run both commands as an ordinary user who has sudo, not as root
#
# Needs root, debootstrap and git on this machine; not part of CI, as a run takes long
# (two full builds and the whole suite). Packages come from the Debian mirror that this
# machine's apt uses for its own release, or from MIRROR=URL, or else deb.debian.org.
# The root is made under ${TMPDIR:-/var/tmp}.
set -euo pipefail

usage() { echo "usage: $0 bookworm|trixie [--user]" >&2; exit 2; }
[ $# -ge 1 ] || usage
release=$1
shift
as_user=false
for option in "$@"; do
    case $option in
        --user) as_user=true ;;
        *) usage ;;
    esac
done
case $release in
    bookworm) name="Debian 12" ;;
    trixie) name="Debian 13" ;;
    *) usage ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "fresh-debian: run as root (debootstrap, chroot and mounts need it)" >&2; exit 2; }
for tool in debootstrap git chroot mount; do
    command -v "$tool" >/dev/null || { echo "fresh-debian: $tool is missing" >&2; exit 2; }
done

repo=$(cd "$(dirname "$0")/.." && pwd)
commit=$(git -C "$repo" rev-parse HEAD)
if [ -n "$(git -C "$repo" status --porcelain --untracked-files=no)" ]; then
    echo "fresh-debian: note: uncommitted changes are not part of the check, only commit ${commit:0:12}"
fi

# The first archive that apt here uses for this machine's own Debian release, in either
# format of /etc/apt/sources.list(.d).
host_mirror() {
    local codename
    codename=$(. /etc/os-release 2>/dev/null && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || return 0
    {
        for file in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
            [ -f "$file" ] || continue
            awk -v suite="$codename" '
                $1 == "deb" {
                    i = 2
                    if ($i ~ /^\[/) { while (i <= NF && $i !~ /\]$/) i++; i++ }
                    if ($(i + 1) == suite) print $i
                }' "$file"
        done
        for file in /etc/apt/sources.list.d/*.sources; do
            [ -f "$file" ] || continue
            awk -v suite="$codename" '
                BEGIN { RS = ""; FS = "\n" }
                {
                    types = ""; uris = ""; suites = ""; enabled = "yes"
                    for (n = 1; n <= NF; n++) {
                        line = $n
                        key = tolower(line); sub(/:.*/, "", key)
                        sub(/^[^:]*:[ \t]*/, "", line)
                        if (key == "types") types = line
                        else if (key == "uris") uris = line
                        else if (key == "suites") suites = line
                        else if (key == "enabled") enabled = tolower(line)
                    }
                    if (enabled != "no" && (" " types " ") ~ / deb / && (" " suites " ") ~ (" " suite " ")) {
                        split(uris, first, " ")
                        print first[1]
                    }
                }' "$file"
        done
    } | head -n 1
}
mirror=${MIRROR:-$(host_mirror)}
mirror=${mirror:-http://deb.debian.org/debian}

if $as_user; then
    user=player
    home=/home/$user
    who="as user $user with sudo"
else
    user=root
    home=/root
    who="as root"
fi

started=$(date +%s)
work=$(realpath "$(mktemp -d "${TMPDIR:-/var/tmp}/quimbelo-fresh-$release.XXXXXX")")
root=$work/root
log=$work/run.log
step="making the root"

elapsed() {
    local seconds=$(($(date +%s) - started))
    printf '%dm %02ds' $((seconds / 60)) $((seconds % 60))
}

mounted_under_root() {
    awk -v root="$root" '$2 == root || index($2, root "/") == 1 { print $2 }' /proc/self/mounts
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM
    # Whatever still runs inside the root was started by this run: a test's leftover or a
    # daemon a package started.
    local proc
    for proc in /proc/[0-9]*; do
        if [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ]; then
            kill -KILL "${proc#/proc/}" 2>/dev/null || true
        fi
    done
    local mount_point
    for mount_point in $(mounted_under_root | sort -r); do
        umount "$mount_point" 2>/dev/null || umount --lazy "$mount_point" || true
    done
    if [ -n "$(mounted_under_root)" ]; then
        echo "fresh-debian: still mounted under $root, so it was not removed:" >&2
        mounted_under_root >&2
    else
        rm -rf --one-file-system "$work"
    fi
    if [ "$status" -eq 0 ]; then
        echo "fresh-debian: $release ($name) $who, commit ${commit:0:12}: PASSED in $(elapsed)${summary:+ ($summary)}"
    else
        echo "fresh-debian: $release ($name) $who, commit ${commit:0:12}: FAILED while $step (status $status) after $(elapsed)"
    fi
    exit "$status"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

in_root() { chroot "$root" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root "$@" </dev/null; }

echo "== $release from $mirror into $root"
if ! debootstrap --variant=minbase "$release" "$root" "$mirror" >"$work/debootstrap.log" 2>&1; then
    tail -n 20 "$work/debootstrap.log" >&2
    exit 1
fi

# What a running system has and a bare chroot lacks: /proc, /sys, a /dev of its own with
# pseudo-terminals (sudo runs commands on one) and POSIX shared memory (the X server and
# the X clients share images through /dev/shm, as any user).
step="mounting /proc, /sys and /dev"
mount -t proc proc "$root/proc"
mount -t sysfs -o ro,nosuid,nodev,noexec sysfs "$root/sys"
mount -t tmpfs -o mode=0755,nosuid dev "$root/dev"
for node in null:1:3 zero:1:5 full:1:7 random:1:8 urandom:1:9 tty:5:0; do
    IFS=: read -r node_name major minor <<<"$node"
    mknod -m 0666 "$root/dev/$node_name" c "$major" "$minor"
done
ln -s /proc/self/fd "$root/dev/fd"
ln -s /proc/self/fd/0 "$root/dev/stdin"
ln -s /proc/self/fd/1 "$root/dev/stdout"
ln -s /proc/self/fd/2 "$root/dev/stderr"
mkdir "$root/dev/pts" "$root/dev/shm"
mount -t devpts -o newinstance,ptmxmode=0666,mode=0620,gid=5 devpts "$root/dev/pts"
ln -s pts/ptmx "$root/dev/ptmx"
mount -t tmpfs -o mode=1777,nosuid,nodev shm "$root/dev/shm"
# Packages install as on a machine, but the services they bring (D-Bus) are not started
# in the root; the tests start the buses they use.
printf '#!/bin/sh\nexit 101\n' >"$root/usr/sbin/policy-rc.d"
chmod 755 "$root/usr/sbin/policy-rc.d"
# localhost and the machine's name resolve, as the installer's /etc/hosts makes them:
# debootstrap writes none, and sudo asks for the name and Selenium reaches chromedriver
# at localhost.
host_name=$(cat "$root/etc/hostname" 2>/dev/null || hostname)
grep -qw -- localhost "$root/etc/hosts" 2>/dev/null ||
    printf '127.0.0.1\tlocalhost\n::1\t\tlocalhost ip6-localhost ip6-loopback\n' >>"$root/etc/hosts"
grep -qw -- "$host_name" "$root/etc/hosts" 2>/dev/null || printf '127.0.1.1\t%s\n' "$host_name" >>"$root/etc/hosts"

if $as_user; then
    step="adding the user $user with sudo"
    in_root apt-get update -qq
    in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends sudo >/dev/null
    in_root apt-get clean
    rm -rf "$root"/var/lib/apt/lists/*
    in_root useradd --create-home --shell /bin/bash "$user"
    echo "$user ALL=(ALL) NOPASSWD: ALL" >"$root/etc/sudoers.d/$user"
    chmod 440 "$root/etc/sudoers.d/$user"
fi

step="cloning commit ${commit:0:12}"
git clone --quiet --no-local "$repo" "$root$home/quimbelo"
git -C "$root$home/quimbelo" checkout --quiet --detach "$commit"
if $as_user; then
    chown -R "$(in_root id -u "$user"):$(in_root id -g "$user")" "$root$home/quimbelo"
fi

# Runs a command in the clone as the user would from a login shell's plain environment.
as_player() {
    local command=(/usr/bin/env -i HOME="$home" USER="$user" LOGNAME="$user" SHELL=/bin/bash
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin TERM=dumb
        /bin/bash -c "cd ~/quimbelo && $1")
    if $as_user; then
        chroot "$root" /usr/sbin/runuser -u "$user" -- "${command[@]}" </dev/null
    else
        chroot "$root" "${command[@]}" </dev/null
    fi
}

for command in "tools/play.sh --build-only" "tools/test.sh"; do
    step="running $command"
    echo "== $command ($who, $(elapsed) so far)"
    set +e
    as_player "$command" 2>&1 | tee -a "$log"
    status=${PIPESTATUS[0]}
    set -e
    [ "$status" -eq 0 ] || exit "$status"
done

step="summing up"
# From CTest's report of the whole suite, the last one in the log.
report=$(awk '/^Test project /{ text = "" } { text = text $0 "\n" } END { printf "%s", text }' "$log")
tests=$(grep -E '^[0-9]+% tests passed' <<<"$report" || true)
skipped=$(sed -nE 's/^[[:space:]]+[0-9]+ - (.*) \(Skipped\)$/\1/p' <<<"$report" | paste -sd, -)
# The compilers' and the linker's warnings in the builds' output, and in the fuzz build's,
# which only CTest's log holds (not those of apt and its scripts).
warnings=$(cat "$log" "$root$home/quimbelo/build/test/Testing/Temporary/LastTest.log" 2>/dev/null |
    grep -cE '(:[0-9]+(:[0-9]+)?|(^|/)(cc1plus|clang[^ :]*|[cg]\+\+[^ :]*|gcc[^ :]*|ld)): warning: ' || true)
summary="${tests:-no test report}; skipped: ${skipped:-none}; compiler warnings: $warnings"
