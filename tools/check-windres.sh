#!/usr/bin/env bash
# Compiles the Windows version resource with mingw's windres; exit 77 (a
# skip for ctest) where windres is not installed.
set -euo pipefail
windres=$(command -v x86_64-w64-mingw32-windres) || { echo "windres not installed"; exit 77; }
rc=$1
out=$(mktemp --suffix=.res)
trap 'rm -f "$out"' EXIT
# The resource needs no Windows header, so the host's preprocessor will do.
"$windres" --preprocessor=cpp --preprocessor-arg=-P -O res -i "$rc" -o "$out"
# The version strings are stored as UTF-16.
LC_ALL=C grep -qaP '1\x00\.\x000\x000' "$out" || { echo "no version 1.00 in $out"; exit 1; }
echo "windres compiled $rc"
