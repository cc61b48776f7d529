#!/usr/bin/env bash
# Cross-compiles the shipped 32-bit Windows program into build-windows/ (or
# $TARUK_WINDOWS_BUILD_DIR) with mingw-w64; with "test", also runs its tests
# under Wine on a private Xvfb display:
#   - where this machine runs 32-bit programs and wine32 is installed, the
#     shipped program's own tests under 32-bit Wine;
#   - elsewhere, the shipped program and zip are checked without running
#     them, and the same sources are built for x86_64 into build-windows-x64/
#     (or $TARUK_WINDOWS_BUILD_DIR-x64), whose tests run under 64-bit Wine.
# Expects the packages that "tools/setup.sh windows" installs (test: also
# those of "tools/setup.sh test", and g++-mingw-w64-x86-64 for the second
# case).
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

build_for() { # cpu, build directory
    cmake -S "$root" -B "$2" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/$1-w64-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DTARUK_WERROR=$werror -DTARUK_REQUIRE_ALL_CHECKS=$strict \
        -DTARUK_BUILD_TESTS=$strict >/dev/null
    cmake --build "$2" --parallel "$(nproc)"
}

build_for i686 "$build"
exe=$build/taruk-calculator.exe
[ -f "$exe" ] || { echo "$exe was not built" >&2; exit 1; }
echo "Built $exe ($(stat -c %s "$exe") bytes)"
# This version's: a zip of an earlier one may still lie beside it.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
zip=$build/taruk-calculator-$version-win32.zip
[ -f "$zip" ] || { echo "$zip was not built" >&2; exit 1; }
echo "Built $zip ($(stat -c %s "$zip") bytes)"
[ "$mode" = test ] || exit 0

. "$root/tools/headless.sh"
. "$root/tools/wine-choice.sh"
choose_wine "$build"
tested=$build
if [ "$wine_bits" = 32 ]; then
    echo "Windows tests: the shipped 32-bit program under 32-bit Wine ($wine_why)"
    labels=()
else
    tested=$build-x64
    echo "Windows tests: under 64-bit Wine with an x86_64 build of the same sources" \
        "in $tested ($wine_why); the shipped 32-bit program and zip are checked without running them"
    (cd "$build" && ctest --output-on-failure --label-exclude wine)
    build_for x86_64 "$tested"
    labels=(--label-regex wine)
fi
export WINEARCH
WINEARCH=$(wine_arch_of "$tested/taruk-calculator.exe")

cleanup() {
    WINEPREFIX=$tested/wineprefix-own-font-names wineserver -k 2>/dev/null || true
    stop_wine_desktop
}
trap cleanup EXIT
# One Wine prefix for the build directory, made once; a wineserver kept up
# for the whole run, so that each test does not start its own.
export WINEPREFIX=$tested/wineprefix
start_wine_desktop
(cd "$tested" && ctest --output-on-failure --timeout 300 "${labels[@]}")
