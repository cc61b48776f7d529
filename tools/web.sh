#!/usr/bin/env bash
# Builds the calculator's web page with Debian's emscripten: CMake works in
# build-wasm/ (or $TARUK_WASM_BUILD_DIR), the page goes to build-web/ (or
# $TARUK_WEB_DIR), a static folder any web server can host as it is.
#   build  builds only;
#   test   builds, then runs the core's tests under node and the page's tests
#          in headless Chromium;
#   serve  builds, then serves build-web/ at http://127.0.0.1:8080/.
# Expects the packages that "tools/setup.sh web" (and, for test, "test") installs.
set -euo pipefail
trap 'echo "$0: failed at line $LINENO" >&2' ERR

mode=${1:-build}
case "$mode" in
build | test | serve) ;;
*)
    echo "usage: $0 [build|test|serve]" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARUK_WASM_BUILD_DIR:-$root/build-wasm}
site=${TARUK_WEB_DIR:-$root/build-web}
werror=OFF
[ "${CI:-}" = true ] && werror=ON
# Only the system libraries Debian ships prebuilt in emscripten's cache: a
# missing one is an error here, never a private rebuild.
export EM_FROZEN_CACHE=1

tests=OFF
[ "$mode" = test ] && tests=ON
cmake -S "$root" -B "$build" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/wasm32-emscripten.cmake" \
    -DCMAKE_BUILD_TYPE=MinSizeRel -DTARUK_WERROR=$werror -DTARUK_WEB_SITE_DIR="$site" \
    -DTARUK_BUILD_TESTS=$tests -DTARUK_REQUIRE_ALL_CHECKS=$tests >/dev/null
cmake --build "$build" --parallel "$(nproc)" >/dev/null
[ -f "$site/taruk.wasm" ] && [ -f "$site/sw.js" ] || { echo "$site was not built" >&2; exit 1; }
echo "Built $site ($(cat "$site"/* | wc -c) bytes, $(ls "$site" | wc -l) files)"

case "$mode" in
test)
    (cd "$build" && ctest --output-on-failure --parallel "$(nproc)" --no-tests=error)
    # How many tests each of the two ran.
    grep -hE '^\[  PASSED  \] [0-9]+ tests|^[0-9]+ passed, [0-9]+ failed' \
        "$build/Testing/Temporary/LastTest.log"
    ;;
serve)
    echo "Serving the calculator at http://127.0.0.1:8080/ (Ctrl+C stops)"
    exec /usr/bin/python3 -m http.server 8080 --bind 127.0.0.1 --directory "$site"
    ;;
esac
