#!/usr/bin/env bash
# Fails when a C++ source of the project differs from what the committed
# .clang-format makes of it; run clang-format -i on the files it names. The
# sources are the files git tracks, so it needs git and a checkout.
set -euo pipefail
format=$1
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
command -v git >/dev/null || { echo "format-check.sh: needs git to list the sources" >&2; exit 1; }
files=$(git ls-files '*.cpp' '*.h') || { echo "format-check.sh: $root is not a git checkout" >&2; exit 1; }
[ -n "$files" ] || { echo "format-check.sh: git lists no C++ source" >&2; exit 1; }
mapfile -t sources <<<"$files"
echo "clang-format over ${#sources[@]} files"
"$format" --dry-run --Werror "${sources[@]}"
