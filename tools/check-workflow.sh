#!/usr/bin/env bash
# Checks every hosted-CI workflow in .github/workflows against the workflow
# schema with action-validator, pinned in tools/ci-lint/package-lock.json
# and installed there by "tools/setup.sh test" (npm ci). It works offline;
# the workflow itself cannot run here.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
validator=$root/tools/ci-lint/node_modules/.bin/action-validator
fail() { echo "check-workflow: $*" >&2; exit 1; }
[ -x "$validator" ] || fail "needs $validator (run: cd tools/ci-lint && npm ci)"
shopt -s nullglob
workflows=("$root"/.github/workflows/*.yml "$root"/.github/workflows/*.yaml)
[ ${#workflows[@]} -gt 0 ] || fail "no workflow in .github/workflows"
for workflow in "${workflows[@]}"; do
    "$validator" "$workflow" || fail "${workflow#"$root"/} is not a valid workflow (above)"
    echo "check-workflow: ${workflow#"$root"/} is valid"
done
