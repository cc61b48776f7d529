#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over the project's own
# sources that the build compiled (its compile database), so a build without
# the window checks no Qt file. Fails on any finding.
set -euo pipefail
tidy=$1
build=$(cd "$2" && pwd)
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
database=$build/compile_commands.json
[ -f "$database" ] || { echo "tidy.sh: no $database; configure the build first" >&2; exit 1; }

# Every entry's "file", less what the build generated (moc, rcc) and anything
# outside the source tree.
files=$(sed -n 's/^ *"file": *"\(.*\)",\{0,1\}$/\1/p' "$database" | sort -u |
        grep -v "^$build/" | grep "^$root/") ||
    { echo "tidy.sh: no source of the project in $database" >&2; exit 1; }
count=$(wc -l <<<"$files")
echo "clang-tidy over $count files"
# xargs exits non-zero when any clang-tidy does.
xargs -P "$(nproc)" -n 1 "$tidy" -p "$build" --quiet --warnings-as-errors='*' <<<"$files"
