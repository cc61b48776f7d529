#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing, builds, then
#   run      opens the calculator;
#   test     runs every test (also under sanitizers, and the fuzzers);
#   package  builds build/taruk-calculator_<version>_<arch>.deb, the
#            Windows release zip build-windows/taruk-calculator-<version>-win32.zip
#            and the site build-web/;
#   windows  builds build-windows/taruk-calculator.exe for 32-bit Windows
#            and its release zip;
#   web      builds the web page into build-web/ and serves it at
#            http://127.0.0.1:8080/.
# Needs root or sudo for the installation.
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARUK_BUILD_DIR:-$root/build}

. "$root/tools/apt.sh"
. "$root/tools/wine-choice.sh"

# What the program needs to build and to show its Chinese text.
base_packages=(cmake g++ make qt6-base-dev libgl-dev qt6-translations-l10n
               fonts-wqy-microhei fonts-arphic-uming)
# What turns a build into a checked .deb.
package_packages=(dpkg-dev file lintian)
# The Windows program, cross-compiled with mingw-w64; python3 writes its
# release zip.
windows_packages=(cmake make g++-mingw-w64-i686 python3)
# Its tests, built from Debian's GoogleTest sources, run under Wine on Xvfb,
# with a window manager (without one Wine waits on every window it closes),
# and clang-tidy checks its sources. 32-bit Wine comes in
# install_windows_test_packages, where it can run.
windows_test_packages=(googletest wine wine64 xvfb openbox fonts-arphic-uming
                       fonts-wqy-microhei file clang-tidy)

# The web page, built with Debian's emscripten (its prebuilt system
# libraries), served by python3's http.server.
web_packages=(cmake make emscripten libfast-float-dev python3)
# Its tests: the core's under node (GoogleTest from sources), the page's in
# headless Chromium through Selenium, and the scenarios in WebKitGTK's
# MiniBrowser on Xvfb, under locales compiled from Debian's locales.
web_test_packages=(googletest nodejs chromium chromium-driver python3-selenium
                   fonts-wqy-microhei fonts-arphic-uming webkit2gtk-driver xvfb locales)

# The shipped program is 32-bit: where this machine runs 32-bit programs, its
# tests run under 32-bit Wine (wine32, an i386 package). Elsewhere, or where
# wine32 cannot be installed, no i386 package is added, and the same sources
# are built for x86_64 and tested under 64-bit Wine (tools/windows.sh).
install_windows_test_packages() {
    install_missing "${windows_packages[@]}" "${windows_test_packages[@]}"
    if [ "${TARUK_WINE_BITS:-}" != 64 ] && runs_32bit_programs "$root"; then
        if ! dpkg --print-foreign-architectures | grep -qx i386; then
            as_root dpkg --add-architecture i386
            apt_lists_read=
        fi
        try_install wine32:i386 ||
            echo "setup.sh: without wine32, the Windows tests run under 64-bit Wine" >&2
    fi
    [ -x "$wine32_loader" ] || install_missing g++-mingw-w64-x86-64
}

werror=OFF
[ "${CI:-}" = true ] && werror=ON

configure_and_build() { # dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARUK_WERROR=$werror "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)" >/dev/null
}

# Prints one line on success; on failure the output of the failed tests.
run_ctest() { # dir, title
    local dir=$1 log
    log=$(mktemp "${TMPDIR:-/tmp}/taruk-ctest.XXXXXX")
    echo "== $2"
    if (cd "$dir" && ctest --parallel "$(nproc)" --no-tests=error >"$log" 2>&1); then
        grep -E 'tests passed|Total Test time' "$log"
        rm -f "$log"
    else
        sed -n '/tests passed/,$p' "$log" | grep -v '^$' >&2 || cat "$log" >&2
        (cd "$dir" && ctest --rerun-failed --output-on-failure) >&2 || true
        echo "setup.sh: tests failed in $dir" >&2
        exit 1
    fi
}

# Runs "tools/SCRIPT test"; prints its summary lines on success, all its
# output on failure.
run_tool_test() { # script, title
    local log
    log=$(mktemp "${TMPDIR:-/tmp}/taruk-$1.XXXXXX")
    echo "== $2"
    if "$root/tools/$1" test >"$log" 2>&1; then
        grep -E '^Built|^Windows tests:|tests passed|Total Test time|PASSED|^[0-9]+ passed' "$log"
        rm -f "$log"
    else
        cat "$log" >&2
        echo "setup.sh: tools/$1 test failed" >&2
        exit 1
    fi
}

package_only_program() { # dir
    configure_and_build "$1" -DTARUK_BUILD_TESTS=OFF -DTARUK_BUILD_BENCHMARKS=OFF
}

case "${1:-}" in
run)
    # qt6-wayland: the program runs natively in a Wayland session.
    install_missing "${base_packages[@]}" qt6-wayland
    package_only_program "$build"
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "Built $build/app/taruk-calculator, but there is no display to open it on" >&2
        echo "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
        exit 1
    fi
    # The program itself says so and exits with 1 when the display cannot be reached.
    exec "$build/app/taruk-calculator"
    ;;
package)
    install_missing "${base_packages[@]}" "${package_packages[@]}"
    package_only_program "$build"
    log=$(mktemp "${TMPDIR:-/tmp}/taruk-cpack.XXXXXX")
    (cd "$build" && cpack -G DEB) >"$log" 2>&1 || { cat "$log" >&2; exit 1; }
    rm -f "$log"
    deb=$(cd "$build" && ls -t taruk-calculator_*.deb | head -1)
    lintian --fail-on error,warning "$build/$deb"
    echo "Built $build/$deb"
    install_missing "${windows_packages[@]}"
    "$root/tools/windows.sh" build | grep -E '^Built'
    install_missing "${web_packages[@]}"
    "$root/tools/web.sh" build
    ;;
test)
    # clang with its runtime for the sanitizers and the fuzzers, the checkers,
    # git for the list of sources.
    # devscripts for hardening-check on the packaged program.
    install_missing "${base_packages[@]}" "${package_packages[@]}" libgtest-dev libbenchmark-dev \
        clang clang-tidy clang-format appstream git devscripts
    # The sanitizer runtime comes with the version of the installed clang.
    clang_major=$(clang -dumpversion | cut -d. -f1)
    install_missing "libclang-rt-$clang_major-dev"

    # The CI workflow's check: action-validator from npm, at the version its
    # lock pins.
    command -v npm >/dev/null || install_missing nodejs npm
    if ! (cd "$root/tools/ci-lint" && npm ci --no-audit --no-fund --loglevel=error --fetch-retries=4 >/dev/null); then
        echo "setup.sh: could not install the CI workflow's linter from the npm registry (npm's error above);" \
            "behind a proxy that re-signs HTTPS, point NODE_EXTRA_CA_CERTS at its certificate" >&2
        exit 1
    fi

    export QT_QPA_PLATFORM=offscreen
    # A private runtime directory: Qt warns without one.
    XDG_RUNTIME_DIR=$(mktemp -d "${TMPDIR:-/tmp}/taruk-runtime.XXXXXX")
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
    # Every check must run: a missing tool is an error here, not a skip.
    strict=(-DTARUK_BUILD_TESTS=ON -DTARUK_BUILD_BENCHMARKS=ON -DTARUK_REQUIRE_ALL_CHECKS=ON)

    configure_and_build "$build" "${strict[@]}"
    run_ctest "$build" "tests, clang-tidy, clang-format, the metainfo and the .deb (lintian)"

    configure_and_build "$build-asan" -DTARUK_SANITIZE=ON -DTARUK_BUILD_BENCHMARKS=OFF \
        -DTARUK_BUILD_TESTS=ON -DTARUK_REQUIRE_ALL_CHECKS=ON
    run_ctest "$build-asan" "tests under AddressSanitizer and UndefinedBehaviorSanitizer"

    seconds=${TARUK_FUZZ_SECONDS:-20}
    CXX=clang++ configure_and_build "$build-fuzz" -DTARUK_BUILD_FUZZERS=ON -DTARUK_BUILD_GUI=OFF \
        -DTARUK_BUILD_TESTS=OFF -DTARUK_BUILD_BENCHMARKS=OFF -DTARUK_FUZZ_SECONDS="$seconds"
    run_ctest "$build-fuzz" "fuzzing ($seconds s a target)"

    install_windows_test_packages
    run_tool_test windows.sh "the Windows program, its core and window tests under Wine"

    install_missing "${web_packages[@]}"
    echo "== two builds of the .deb, the Windows program and its zip, and the site give the same bytes"
    "$root/tools/check-reproducible.sh"

    install_missing "${web_packages[@]}" "${web_test_packages[@]}"
    run_tool_test web.sh "the web page: the core's tests under node, the page in headless Chromium"
    ;;
web)
    install_missing "${web_packages[@]}"
    exec "$root/tools/web.sh" serve
    ;;
windows)
    install_missing "${windows_packages[@]}"
    exec "$root/tools/windows.sh" build
    ;;
*)
    echo "usage: $0 run|test|package|windows|web" >&2
    exit 2
    ;;
esac
