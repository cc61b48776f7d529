#!/usr/bin/env bash
# Installs what is missing (Debian 12, as root), builds, then either opens
# the calculator ("run") or runs every test ("test").
set -euo pipefail

mode=${1:-}
case "$mode" in
run | test | windows) ;;
*)
    echo "usage: $0 run|test|windows" >&2
    exit 2
    ;;
esac

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${TARUK_BUILD_DIR:-$root/build}

# The Windows program, cross-compiled with mingw-w64; its tests run under
# 32-bit Wine on Xvfb (tools/windows.sh test).
install_windows_packages() {
    local sudo_cmd=() missing=() p
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    if ! dpkg --print-foreign-architectures | grep -qx i386; then
        "${sudo_cmd[@]}" dpkg --add-architecture i386
        "${sudo_cmd[@]}" apt-get update -qq
    fi
    for p in cmake make g++-mingw-w64-i686 googletest wine wine32:i386 xvfb openbox \
             fonts-arphic-uming fonts-wqy-microhei; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "Installing: ${missing[*]}"
        "${sudo_cmd[@]}" apt-get update -qq
        DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"
    fi
}
if [ "$mode" = windows ]; then
    install_windows_packages
    exec "$root/tools/windows.sh" build
fi

packages=(cmake g++ make libgtest-dev libbenchmark-dev qt6-base-dev libgl-dev
          fonts-arphic-uming fonts-wqy-microhei)
# The test command also builds with sanitizers, fuzzes with clang and runs clang-tidy.
[ "$mode" = test ] && packages+=(clang libclang-rt-14-dev clang-tidy clang-format appstream dpkg-dev
                                    binutils-mingw-w64-x86-64)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

werror=OFF
[ "${CI:-}" = true ] && werror=ON

configure_and_build() { # dir, extra cmake arguments...
    local dir=$1
    shift
    cmake -S "$root" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARUK_WERROR=$werror "$@" >/dev/null
    cmake --build "$dir" --parallel "$(nproc)"
}

configure_and_build "$build"

if [ "$mode" = test ]; then
    export QT_QPA_PLATFORM=offscreen
    echo "== tests, and clang-tidy"
    (cd "$build" && ctest --output-on-failure)

    echo "== tests under AddressSanitizer and UndefinedBehaviorSanitizer"
    configure_and_build "$build-asan" -DTARUK_SANITIZE=ON -DTARUK_BUILD_BENCHMARKS=OFF
    (cd "$build-asan" && ctest --output-on-failure)

    echo "== fuzzing (${TARUK_FUZZ_SECONDS:-20} s a target)"
    CXX=clang++ configure_and_build "$build-fuzz" -DTARUK_BUILD_FUZZERS=ON -DTARUK_BUILD_GUI=OFF \
        -DTARUK_BUILD_TESTS=OFF -DTARUK_BUILD_BENCHMARKS=OFF -DTARUK_FUZZ_SECONDS="${TARUK_FUZZ_SECONDS:-20}"
    (cd "$build-fuzz" && ctest --output-on-failure)
    exit
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "Built $build/app/taruk-calculator, but there is no display to open it on" >&2
    echo "(neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    exit 1
fi
exec "$build/app/taruk-calculator"
