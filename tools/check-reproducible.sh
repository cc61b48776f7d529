#!/usr/bin/env bash
# Builds what a user downloads twice, in two build directories at different
# paths, and fails unless both give the same bytes: the .deb, the Windows
# program with its release zip, and every file of the site. Expects the
# packages that "tools/setup.sh package" installs. Takes a few minutes on two
# cores.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/taruk-reproducible.XXXXXX")
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
jobs=$(nproc)

build_deb() { # dir
    cmake -S "$root" -B "$1" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARUK_BUILD_TESTS=OFF \
        -DTARUK_BUILD_BENCHMARKS=OFF >/dev/null
    cmake --build "$1" --parallel "$jobs" >/dev/null
    (cd "$1" && cpack -G DEB) >"$1.cpack.log" 2>&1 || { cat "$1.cpack.log" >&2; exit 1; }
}
build_windows() { # dir
    cmake -S "$root" -B "$1" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/i686-w64-mingw32.cmake" \
        -DCMAKE_BUILD_TYPE=MinSizeRel -DTARUK_BUILD_TESTS=OFF >/dev/null
    cmake --build "$1" --parallel "$jobs" --target taruk_release_zip >/dev/null
}
build_site() { # dir: the module's build in dir/wasm, the site in dir/site
    TARUK_WASM_BUILD_DIR=$1/wasm TARUK_WEB_DIR=$1/site "$root/tools/web.sh" build >/dev/null
}

status=0
for kind in deb windows site; do
    "build_$kind" "$work/first-$kind"
    "build_$kind" "$work/second/$kind"
    case $kind in
    deb) files=(taruk-calculator_*.deb) ;;
    windows) files=(taruk-calculator.exe taruk-calculator-*-win32.zip) ;;
    # The site is a folder: the same files, each the same bytes.
    site)
        count=$(find "$work/first-$kind/site" -type f | wc -l)
        [ "$count" -gt 0 ] || { echo "check-reproducible: no site was built" >&2; exit 1; }
        if diff -r "$work/first-$kind/site" "$work/second/$kind/site" >&2; then
            echo "site/ ($count files): the same bytes twice ($(cd "$work/first-$kind/site" &&
                find . -type f | sort | xargs sha256sum | sha256sum | cut -c1-16)…)"
        else
            echo "check-reproducible: the site differs between two builds of the same sources" >&2
            status=1
        fi
        continue
        ;;
    esac
    for pattern in "${files[@]}"; do
        first=$(cd "$work/first-$kind" && compgen -G "$pattern" | head -1) ||
            { echo "check-reproducible: no $pattern was built" >&2; exit 1; }
        if cmp -s "$work/first-$kind/$first" "$work/second/$kind/$first"; then
            echo "$first: the same bytes twice ($(sha256sum <"$work/first-$kind/$first" | cut -c1-16)…)"
        else
            echo "check-reproducible: $first differs between two builds of the same sources" >&2
            status=1
        fi
    done
done
exit $status
