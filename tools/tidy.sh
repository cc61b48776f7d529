#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy over every source file of
# the project in the build's compile database; fails on any finding.
set -euo pipefail
tidy=$1
build=$2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files 'core/*.cpp' 'ui/*.cpp' 'app/*.cpp' 'tests/*.cpp' 'bench/*.cpp')
printf '%s\n' "${files[@]}" |
    xargs -P "$(nproc)" -n 1 "$tidy" -p "$build" --quiet --warnings-as-errors='*' 2>/dev/null
