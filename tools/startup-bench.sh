#!/usr/bin/env bash
# Start-up time and peak memory of the real window against a bare Qt window
# of the same size, in one run. Needs hyperfine and GNU time; starts Xvfb
# when there is no display.
set -euo pipefail
build=${1:-build}
probe=$build/bench/startup_probe
[ -x "$probe" ] || { echo "build $probe first" >&2; exit 1; }

if [ -z "${DISPLAY:-}" ]; then
    Xvfb :93 -screen 0 1024x768x24 >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill $xvfb' EXIT
    export DISPLAY=:93
    sleep 1
fi

modes=(--bare --label --cjk-label "")
names=("bare Qt window" "+ one Latin label" "+ one Chinese label" "calculator")
args=()
for i in "${!modes[@]}"; do args+=(-n "${names[$i]}" "$probe ${modes[$i]}"); done
hyperfine --warmup 5 --runs 40 -N --export-json /tmp/startup.json "${args[@]}" >&2

peak_rss() { # median peak RSS in KiB over 15 runs
    for _ in $(seq 15); do /usr/bin/time -f %M "$@" 2>&1 >/dev/null | tail -1; done |
        sort -n | sed -n 8p
}
rss=()
for m in "${modes[@]}"; do rss+=("$(peak_rss "$probe" $m)"); done
python3 - "${rss[@]}" <<'PY'
import json, sys
results = json.load(open("/tmp/startup.json"))["results"]
floor_t, floor_m = results[0]["median"] * 1000, int(sys.argv[1]) / 1024
print("| window | median wall time | vs floor | peak RSS | vs floor |\n|---|---|---|---|---|")
for r, kib in zip(results, sys.argv[1:]):
    t, m = r["median"] * 1000, int(kib) / 1024
    print(f"| {r['command']} | {t:.1f} ms | {t / floor_t:.2f}x | {m:.1f} MiB | {m - floor_m:+.1f} MiB |")
PY
