#!/usr/bin/env bash
# Start-up time, peak memory and instruction count of the real window
# against a bare Qt window of the same size, in one run. Needs hyperfine and
# GNU time, counts instructions where valgrind is installed, and starts Xvfb
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
instructions() { # the same on every run, unlike the wall time; 0 without valgrind
    command -v valgrind >/dev/null || { echo 0; return; }
    # The largest count is the program's own: Qt's D-Bus start may fork a child.
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
        sed -n 's/.*Collected : //p' | sort -n | tail -1
}
rss=() ins=()
for m in "${modes[@]}"; do
    rss+=("$(peak_rss "$probe" $m)")
    ins+=("$(instructions "$probe" $m)")
done
python3 - "${rss[@]}" "${ins[@]}" <<'PY'
import json, sys
results = json.load(open("/tmp/startup.json"))["results"]
n = len(results)
rss, ins = [int(k) / 1024 for k in sys.argv[1:1 + n]], [int(i) for i in sys.argv[1 + n:]]
print("| window | median wall time | vs floor | peak RSS | vs floor | instructions | vs floor |")
print("|---|---|---|---|---|---|---|")
for r, m, i in zip(results, rss, ins):
    t = r["median"] * 1000
    t0 = results[0]["median"] * 1000
    print(f"| {r['command']} | {t:.1f} ms | {t / t0:.2f}x | {m:.1f} MiB | {m - rss[0]:+.1f} MiB"
          f" | {i / 1e6:.1f} M | {i / max(ins[0], 1):.2f}x |")
PY
