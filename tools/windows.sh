#!/usr/bin/env bash
# Cross-compiles the Windows program into build-windows/ (or $TARUK_WINDOWS_BUILD_DIR)
# with mingw-w64; with "test", also runs its tests under Wine on a private
# Xvfb display. Expects the packages that "tools/setup.sh windows" installs.
set -euo pipefail
trap 'echo "$0: failed at line $LINENO" >&2' ERR

mode=${1:-build}
case "$mode" in
build | test) ;;
*)
    echo "usage: $0 [build|test]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARUK_WINDOWS_BUILD_DIR:-$root/build-windows}
werror=OFF
[ "${CI:-}" = true ] && werror=ON

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DTARUK_WERROR=$werror >/dev/null
cmake --build "$build" --parallel "$(nproc)"
exe=$build/taruk-calculator.exe
[ -f "$exe" ] || { echo "$exe was not built" >&2; exit 1; }
echo "Built $exe ($(stat -c %s "$exe") bytes)"
[ "$mode" = test ] || exit 0

cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
}
trap cleanup EXIT

# A display of our own: Xvfb picks a free number and writes it to fd 5.
displayfile=$(mktemp)
Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$displayfile" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$displayfile" ] && break; sleep 0.1; done
[ -s "$displayfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$(head -1 "$displayfile")
rm -f "$displayfile"
# A window manager, as on a desktop: without one Wine waits two seconds for
# each window it unmaps, and activation is not what a user gets.
openbox --sm-disable >/dev/null 2>&1 &
wm=$!
sleep 0.5

# One Wine prefix for the build directory, made once; a wineserver kept up
# for the whole run, so that each test does not start its own.
export WINEPREFIX=$build/wineprefix
"$root/tools/wine-run.sh" wineboot >/dev/null 2>&1
wineserver -w # until the one wineboot started has gone
WINEARCH=win32 wineserver -p >/dev/null 2>&1
# Wine's background services start with the first program and live as long
# as the server: start them here, not from a test whose output ctest waits on.
"$root/tools/wine-run.sh" wineboot >/dev/null 2>&1
(cd "$build" && ctest --output-on-failure --timeout 300)
