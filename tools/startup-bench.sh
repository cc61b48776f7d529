#!/usr/bin/env bash
# Start-up of the calculator up to its first paint, against bare Qt windows of
# the same size and against the calculators a user might pick instead (where
# installed), all measured the same way in one run by tools/first-paint.py.
# Needs Xvfb, python3-xlib and valgrind:
#   apt-get install xvfb python3-xlib valgrind
set -euo pipefail
build=${1:-build}
runs=${RUNS:-20}
for f in "$build/bench/startup_probe" "$build/app/taruk-calculator"; do
    [ -x "$f" ] || { echo "startup-bench.sh: build $f first" >&2; exit 1; }
done
for tool in Xvfb valgrind; do
    command -v "$tool" >/dev/null || { echo "startup-bench.sh: needs $tool" >&2; exit 1; }
done

# A display of our own without a window manager: windows stay children of
# the root window, where the watcher sees them.
. "$(dirname "${BASH_SOURCE[0]}")/headless.sh"
runtime=$(mktemp -d)
trap '[ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID"; rm -rf "$runtime"' EXIT
start_private_display
export XDG_RUNTIME_DIR=$runtime
unset QT_QPA_PLATFORM

rows=("bare Qt window=$build/bench/startup_probe --bare"
      "+ one Latin label=$build/bench/startup_probe --label"
      "+ one Chinese label=$build/bench/startup_probe --cjk-label"
      "calculator=$build/app/taruk-calculator")
for other in galculator speedcrunch qalculate-gtk; do
    command -v "$other" >/dev/null && rows+=("$other=$other")
done
"$(dirname "${BASH_SOURCE[0]}")/first-paint.py" --runs "$runs" "${rows[@]}"
