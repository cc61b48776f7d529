#!/usr/bin/env bash
# Start-up time, from start to first paint, of the Windows program under Wine
# beside the Qt program, in one run on one private Xvfb display with openbox.
# Wine's own start (the wineserver, its services) would dominate, so the
# wineserver is started first and kept warm: what is timed is one Windows
# process from exec to the window's first WM_PAINT.
#   tools/startup-bench-windows.sh [linux-build-dir] [windows-build-dir]
set -euo pipefail
trap 'echo "$0: failed at line $LINENO" >&2' ERR
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
linux=${1:-$root/build}
windows=${2:-$root/build-windows}
qt_probe=$linux/bench/startup_probe
win_probe=$windows/bench/win/startup_probe_win.exe
for f in "$qt_probe" "$win_probe"; do
    [ -f "$f" ] || { echo "build $f first" >&2; exit 1; }
done

cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT
displayfile=$(mktemp)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
export DISPLAY=:$(head -1 "$displayfile")
rm -f "$displayfile"
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 0.5

export WINEPREFIX=$windows/wineprefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
"$root/tools/wine-run.sh" wineboot >/dev/null 2>&1
wineserver -w
wineserver -p >/dev/null 2>&1
"$root/tools/wine-run.sh" wineboot >/dev/null 2>&1

export QT_QPA_PLATFORM=xcb
json=$(mktemp)
hyperfine --warmup 5 --runs 30 -N --export-json "$json" \
    -n "Qt: bare window" "$qt_probe --bare" \
    -n "Qt: calculator" "$qt_probe" \
    -n "Wine: bare window" "wine $win_probe --bare" \
    -n "Wine: calculator" "wine $win_probe"
python3 - "$json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
print("| window | median start to first paint | min | max |")
print("|---|---|---|---|")
for r in results:
    print(f"| {r['command']} | {r['median'] * 1000:.0f} ms | {r['min'] * 1000:.0f} ms | {r['max'] * 1000:.0f} ms |")
PY
rm -f "$json"
