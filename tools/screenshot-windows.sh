#!/usr/bin/env bash
# Makes docs/screenshot-windows.png: the Windows program under Wine after the
# worked example (raw damage 5000, correction 1.2, bonuses 100, 50, 50, 100
# and fruit 30, every counter 5, frenzy 20), typed with the keyboard alone
# on a private Xvfb display with openbox. Needs a build (tools/windows.sh;
# where 32-bit Wine cannot run, TARUK_WINDOWS_BUILD_DIR=build-windows-x64),
# and xdotool and imagemagick besides the test packages.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=$(realpath -m "${TARUK_WINDOWS_BUILD_DIR:-$root/build-windows}")
out=${1:-$root/docs/screenshot-windows.png}
for tool in xdotool import openbox Xvfb; do
    command -v "$tool" >/dev/null || { echo "$0: $tool is missing" >&2; exit 1; }
done
[ -f "$build/taruk-calculator.exe" ] || { echo "$0: build the program first" >&2; exit 1; }

. "$root/tools/headless.sh"
. "$root/tools/wine-choice.sh"
trap stop_wine_desktop EXIT
export WINEPREFIX=$build/wineprefix WINEARCH
WINEARCH=$(wine_arch_of "$build/taruk-calculator.exe")
start_wine_desktop
LANG=zh_CN.UTF-8 LC_ALL= "$root/tools/wine-run.sh" "$build/taruk-calculator.exe" &

window=
for _ in $(seq 50); do
    window=$(xdotool search --name 'Orvel' 2>/dev/null | head -1) && [ -n "$window" ] && break
    sleep 0.2
done
[ -n "$window" ] || { echo "$0: the window did not open" >&2; exit 1; }
sleep 1
xdotool windowactivate --sync "$window" || true
keys() { xdotool key --delay 30 "$@"; }
text() { xdotool type --delay 30 "$1"; }

# Keyboard order: Text1, Text2, Text3, Text4, Command1, Text5, Text6,
# Command2, Text10 to Text13, the eleven counters, Text22, Text23, Text24.
keys ctrl+a; text 5000; keys Tab; text 1.2; keys Tab Tab Tab Tab; text 20; keys Tab Tab Tab
text 100; keys Tab; text 50; keys Tab; text 50; keys Tab; text 100; keys Tab
for _ in $(seq 11); do text 5; keys Tab; done
keys Tab; text 5; keys Tab; text 30
# Round to 计算Taruk杀伤 and press it.
keys Tab Tab Tab Tab Tab space
sleep 1
import -frame -window "$window" "$out"
echo "$out: $(identify -format '%wx%h' "$out")"
