#!/usr/bin/env bash
# Start-up of the Windows program under Wine beside the Qt program, every row
# measured the same way in one run, up to its first paint, by
# tools/first-paint.py on one private Xvfb display. Wine's own start (the
# wineserver and its services) would dominate, so the wineserver is started
# first and kept warm: what is timed is one Windows process from exec to its
# window's first drawing. valgrind cannot run Wine, so no instruction counts.
#   tools/startup-bench-windows.sh [linux-build-dir] [windows-build-dir]
# Needs both builds, xvfb, python3-xlib and wine; where 32-bit Wine cannot
# run, give build-windows-x64 as the Windows build.
set -euo pipefail
trap 'echo "$0: failed at line $LINENO" >&2' ERR
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
linux=${1:-$root/build}
windows=${2:-$root/build-windows}
for f in "$linux/bench/startup_probe" "$linux/app/taruk-calculator" \
    "$windows/bench/win/startup_probe_win.exe" "$windows/taruk-calculator.exe"; do
    [ -f "$f" ] || { echo "build $f first" >&2; exit 1; }
done

. "$root/tools/headless.sh"
. "$root/tools/wine-choice.sh"
cleanup() {
    wineserver -k 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
trap cleanup EXIT
# No window manager: first-paint.py watches the top-level windows itself.
start_private_display
export WINEPREFIX=$windows/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= WINEARCH
WINEARCH=$(wine_arch_of "$windows/taruk-calculator.exe")
wine=$(wine_loader_for "$WINEARCH")
[ "$WINEARCH" = win32 ] || export WINELOADER=$wine
start_warm_wineserver

export QT_QPA_PLATFORM=xcb
"$root/tools/first-paint.py" --runs 20 --no-instructions \
    "Qt: bare window=$linux/bench/startup_probe --bare" \
    "Qt: calculator=$linux/app/taruk-calculator" \
    "Wine: bare window=$wine $windows/bench/win/startup_probe_win.exe" \
    "Wine: calculator=$wine $windows/taruk-calculator.exe"
