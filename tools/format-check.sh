#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what the committed
# .clang-format makes of it; run clang-format -i on the files it names.
set -euo pipefail
format=$1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
"$format" --dry-run --Werror "${files[@]}"
