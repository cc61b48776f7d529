#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over the project's own
# sources that the build compiled (its compile database), so a build without
# the window checks no Qt file. With folders (ui/win ...), only the sources in
# them. Fails on any finding.
set -euo pipefail
tidy=$1
build=$(cd "$2" && pwd)
shift 2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
database=$build/compile_commands.json
[ -f "$database" ] || { echo "tidy.sh: no $database; configure the build first" >&2; exit 1; }

# Every entry's "file", less what the build generated (moc, rcc) and anything
# outside the source tree.
files=$(sed -n 's/^ *"file": *"\(.*\)",\{0,1\}$/\1/p' "$database" | sort -u |
        grep -v "^$build/" | grep "^$root/") ||
    { echo "tidy.sh: no source of the project in $database" >&2; exit 1; }
if [ $# -gt 0 ]; then
    files=$(grep -F -f <(printf '%s\n' "${@/#/$root/}" | sed 's|$|/|') <<<"$files") ||
        { echo "tidy.sh: no source under $* in $database" >&2; exit 1; }
fi

# The Windows program is cross-compiled with mingw-w64: clang-tidy then parses
# for that target, with the cross compiler's own C++ headers.
extra=()
compiler=$(sed -n 's/^ *"command": *"\([^ ]*\) .*/\1/p' "$database" | head -1)
target=$("$compiler" -dumpmachine)
case $target in
*mingw32*)
    extra+=(--extra-arg=--target="$target")
    while read -r dir; do
        case $dir in */c++*) extra+=(--extra-arg=-isystem"$dir") ;; esac
    done < <(echo | "$compiler" -xc++ -E -v - 2>&1 |
             sed -n '/search starts here:/,/End of search list/{s/^ //p}')
    ;;
esac

count=$(wc -l <<<"$files")
echo "clang-tidy over $count files"
# xargs exits non-zero when any clang-tidy does.
xargs -P "$(nproc)" -n 1 "$tidy" -p "$build" --quiet --warnings-as-errors='*' "${extra[@]}" <<<"$files"
