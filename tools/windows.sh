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
# The tests need every check: a missing tool (clang-tidy) is an error there.
# Only they need GoogleTest and the test programs.
strict=OFF
[ "$mode" = test ] && strict=ON

cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DTARUK_WERROR=$werror -DTARUK_REQUIRE_ALL_CHECKS=$strict \
    -DTARUK_BUILD_TESTS=$strict >/dev/null
cmake --build "$build" --parallel "$(nproc)"
exe=$build/taruk-calculator.exe
[ -f "$exe" ] || { echo "$exe was not built" >&2; exit 1; }
echo "Built $exe ($(stat -c %s "$exe") bytes)"
zip=$(compgen -G "$build/taruk-calculator-*-win32.zip") || { echo "the release zip was not built" >&2; exit 1; }
echo "Built $zip ($(stat -c %s "$zip") bytes)"
[ "$mode" = test ] || exit 0

. "$root/tools/headless.sh"
cleanup() {
    WINEPREFIX=$build/wineprefix-own-font-names wineserver -k 2>/dev/null || true
    stop_wine_desktop
}
trap cleanup EXIT
# One Wine prefix for the build directory, made once; a wineserver kept up
# for the whole run, so that each test does not start its own.
export WINEPREFIX=$build/wineprefix
start_wine_desktop
(cd "$build" && ctest --output-on-failure --timeout 300)
