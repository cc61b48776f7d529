#!/usr/bin/env bash
# Builds the .deb from a finished build, then checks its control data and
# unpacks it into a scratch root to check the installed files.
set -euo pipefail
build=$1
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t taruk-calculator_*.deb | head -1)
fail() { echo "check-deb: $*" >&2; exit 1; }

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 qt6-qpa-plugins; do
    grep -q "$dep" <<<"$depends" || fail "Depends lacks $dep"
done
recommends=$(dpkg-deb -f "$deb" Recommends)
grep -q fonts-arphic-uming <<<"$recommends" || fail "Recommends lacks fonts-arphic-uming"
[ "$(dpkg-deb -f "$deb" Version)" = 1.00 ] || fail "version is not 1.00"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
id=io.github.orvel.TarukCalculator
for f in usr/bin/taruk-calculator "usr/share/applications/$id.desktop" \
    "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/icons/hicolor/48x48/apps/$id.png"; do
    [ -e "$root/$f" ] || fail "missing $f"
done
[ -x "$root/usr/bin/taruk-calculator" ] || fail "the program is not executable"
echo "check-deb: $deb is sound"
