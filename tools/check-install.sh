#!/usr/bin/env bash
# Installs the .deb into a fresh, minimal Debian 12 (mmdebstrap's minbase,
# like the debian:12 image) as a user would, starts the program under Xvfb,
# checks that its Chinese text has a font and that the window is painted,
# then purges it and checks that nothing of it is left behind.
#
#   tools/check-install.sh build/taruk-calculator_1.00_amd64.deb   (as root)
#
# Leaves a screenshot of the window next to the .deb (install-check.png) when
# ImageMagick is installed. Takes a few minutes: it builds a whole root.
set -euo pipefail

deb=$(realpath "${1:?usage: $0 path/to/taruk-calculator.deb}")
[ -f "$deb" ] || { echo "check-install: no $deb" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || { echo "check-install: run as root (it makes a chroot)" >&2; exit 1; }
tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
display=${CHECK_DISPLAY:-:96}
fail() { echo "check-install: $*" >&2; exit 1; }

log=$(mktemp)
quietly() { # runs a command with its output in $log, shown only on failure
    "$@" >"$log" 2>&1 || { cat "$log" >&2; fail "failed: $*"; }
}

if ! command -v mmdebstrap >/dev/null; then
    quietly apt-get update
    quietly env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends mmdebstrap
fi

root=$(mktemp -d "${TMPDIR_ROOT:-/var/tmp}/taruk-install.XXXXXX")
cleanup() {
    set +e # take down everything, whatever fails
    [ -n "${app:-}" ] && kill "$app" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
    for m in dev proc; do
        mountpoint -q "$root/$m" && umount -R "$root/$m"
    done
    rm -rf --one-file-system "$root" "$log"
}
trap cleanup EXIT

sources=/etc/apt/sources.list.d/debian.sources
[ -f "$sources" ] || sources=/etc/apt/sources.list
echo "== a minimal Debian 12 in $root, with Xvfb and fontconfig's tools for the check"
rmdir "$root"
quietly mmdebstrap --variant=minbase --include=xvfb,fontconfig \
    --aptopt='Acquire::Check-Valid-Until "false"' bookworm "$root" "$sources"
mount -t proc proc "$root/proc"
mount --rbind /dev "$root/dev" && mount --make-rslave "$root/dev"
env_in_root=(/usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin)
in_root() { chroot "$root" "${env_in_root[@]}" "$@"; }

# Everything but the volatile places (caches, logs, apt's lists, scratch
# space) and root's home, where the program's user data would go: dpkg never
# removes a user's files.
snapshot() {
    in_root find / -xdev \( -path /proc -o -path /dev -o -path /sys -o -path /tmp -o -path /run \
        -o -path /var/cache -o -path /var/log -o -path /var/lib/apt/lists -o -path /root \) -prune \
        -o -print | sort
}
in_root dpkg-query -W -f='${Package}\n' | sort >"$root.packages-before"
snapshot >"$root.files-before"
trap 'cleanup; rm -f "$root".*' EXIT

name=$(basename "$deb")
cp "$deb" "$root/tmp/$name"
echo "== apt-get update; apt-get install ./$name"
quietly in_root apt-get update
quietly in_root env DEBIAN_FRONTEND=noninteractive apt-get install -y "./tmp/$name"
grep -E '^[0-9]+ upgraded' "$log"
in_root dpkg-query -L taruk-calculator >"$root.owned"

echo "== the program under Xvfb"
# Every Chinese character of the window needs a font that has it; the check
# takes a few of the labels' characters.
for char in 原 始 杀 伤 计 算; do
    code=$(printf '%s' "$char" | iconv -f UTF-8 -t UTF-32BE | od -An -tx1 | tr -d ' \n' | sed 's/^0*//')
    font=$(in_root fc-list ":charset=$code" family | head -1)
    [ -n "$font" ] || fail "no installed font has $char (U+$code)"
done
echo "Chinese characters have a font: $(in_root fc-match -f '%{family}' 'WenQuanYi Micro Hei')"

mkdir -p "$root/tmp/fb" "$root/tmp/runtime"
chmod 700 "$root/tmp/runtime"
# Not through in_root: $! must be the program's own process (chroot and env exec it).
[ ! -e "/tmp/.X11-unix/X${display#:}" ] || fail "display $display is taken; set CHECK_DISPLAY"
chroot "$root" "${env_in_root[@]}" Xvfb "$display" -screen 0 640x600x24 -fbdir /tmp/fb -br \
    -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -e "$root/tmp/fb/Xvfb_screen0" ] && break; sleep 0.1; done
[ -e "$root/tmp/fb/Xvfb_screen0" ] || fail "Xvfb did not start on $display"
chroot "$root" "${env_in_root[@]}" DISPLAY="$display" XDG_RUNTIME_DIR=/tmp/runtime \
    taruk-calculator >"$log" 2>&1 &
app=$!
# Painted: the framebuffer shows the grey window with dark text on it.
painted=
for _ in $(seq 60); do
    sleep 0.5
    kill -0 "$app" 2>/dev/null || { cat "$log" >&2; fail "the program ended on its own"; }
    if painted=$("$tools/xwd-ink.py" "$root/tmp/fb/Xvfb_screen0"); then break; fi
done
[ -n "$painted" ] || fail "the window was not painted within 30 s"
echo "window painted: $painted"
if command -v convert >/dev/null; then
    convert "xwd:$root/tmp/fb/Xvfb_screen0" "$(dirname "$deb")/install-check.png"
fi
kill "$app"
wait "$app" || true
app=
kill "$xvfb"
wait "$xvfb" || true
xvfb=

echo "== apt-get purge taruk-calculator; apt-get autoremove --purge"
quietly in_root env DEBIAN_FRONTEND=noninteractive apt-get purge -y taruk-calculator
quietly in_root env DEBIAN_FRONTEND=noninteractive apt-get autoremove --purge -y
in_root dpkg-query -W -f='${Package}\n' | sort >"$root.packages-after"
snapshot >"$root.files-after"
status=0
if ! diff "$root.packages-before" "$root.packages-after"; then
    echo "check-install: the packages differ from before the installation (above)" >&2
    status=1
fi
# Files that are new since before the installation: none may be the
# program's; others come from the maintainer scripts of dependencies that
# autoremove purged again (systemd's and dbus's state, backups of the user
# databases) and are listed only.
new_files=$(comm -13 "$root.files-before" "$root.files-after")
if grep -iE 'taruk' <<<"$new_files"; then
    echo "check-install: the files above are left behind" >&2
    status=1
elif [ -n "$new_files" ]; then
    echo "left behind by purged dependencies, not by the package: $(tr '\n' ' ' <<<"$new_files")"
fi
if comm -23 "$root.files-before" "$root.files-after" | grep .; then
    echo "check-install: the files above were there before the installation and are gone" >&2
    status=1
fi
while read -r path; do
    if [ -e "$root$path" ] && ! grep -qxF "$path" "$root.files-before"; then
        echo "check-install: $path is left behind" >&2
        status=1
    fi
done <"$root.owned"
[ $status -eq 0 ] || exit 1
echo "check-install: installed, started, painted and purged without a trace"
