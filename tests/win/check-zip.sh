#!/usr/bin/env bash
# Checks the Windows release zip: exactly the program, the Chinese guide and
# the licence, with the guide in UTF-8 with a BOM and CRLF line ends, as
# Notepad on any Windows shows it, saying the version the zip is named after,
# and plain text: no markdown left of its source.
set -euo pipefail
# The guide's name is UTF-8; C.UTF-8 is there on every Debian, whatever the
# caller's locale.
export LC_ALL=C.UTF-8
zip=$1
fail() { echo "$zip: $*" >&2; exit 1; }
[ -f "$zip" ] || fail "missing"
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
(cd "$dir" && cmake -E tar xf "$zip")
names=$(cd "$dir" && ls | tr '\n' ' ')
[ "$names" = "LICENSE taruk-calculator.exe 使用说明.txt " ] || fail "holds $names"
guide=$dir/使用说明.txt
[ "$(head -c 3 "$guide" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "the guide has no UTF-8 BOM"
lines=$(wc -l <"$guide")
crlf=$(grep -c $'\r$' "$guide" || true)
[ "$lines" -gt 0 ] && [ "$lines" = "$crlf" ] || fail "the guide has $crlf CRLF of $lines lines"
iconv -f UTF-8 -t UTF-8 "$guide" >/dev/null || fail "the guide is not UTF-8"
grep -q '计算Taruk杀伤' "$guide" || fail "the guide does not name the buttons"
version=$(basename "$zip" | sed -n 's/^taruk-calculator-\(.*\)-win32\.zip$/\1/p')
sed -n 2p "$guide" | grep -qxF "版本 $version"$'\r' || fail "the guide does not say version $version"
if grep -nE '^\s*(#|\|)|\*\*|`|\]\(' "$guide" >&2; then fail "markdown left in the guide (above)"; fi
echo "$zip: $names; the guide is UTF-8 with BOM and CRLF, for version $version"
