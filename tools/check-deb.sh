#!/usr/bin/env bash
# Builds the .deb from a finished build, checks its control data and its
# files (the program and its manual page say the project's version), checks
# that the program is hardened as Debian's own programs are (hardening-check:
# stack protection, fortified functions, read-only relocations, immediate
# binding, PIE), and runs lintian on it: any error or warning fails.
set -euo pipefail
build=$1
version=$2 # project(VERSION)
fail() { echo "check-deb: $*" >&2; exit 1; }
for tool in cpack dpkg-deb dpkg-shlibdeps file lintian hardening-check; do
    command -v "$tool" >/dev/null || fail "needs $tool (./tools/setup.sh test installs it)"
done
cd "$build"
rm -f taruk-calculator_*.deb
cpack -G DEB >/dev/null
debs=(taruk-calculator_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single .deb: ${debs[*]}"
deb=${debs[0]}

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
for dep in libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6 libc6 qt6-qpa-plugins \
    'fonts-wqy-microhei | fonts-noto-cjk'; do
    grep -qF "$dep" <<<"$depends" || fail "Depends lacks $dep"
done
grep -qF fonts-arphic-uming <<<"$(dpkg-deb -f "$deb" Recommends)" || fail "Recommends lacks fonts-arphic-uming"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "version is not $version"

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
id=io.github.tarukcalc.TarukCalculator
for f in usr/bin/taruk-calculator "usr/share/applications/$id.desktop" \
    "usr/share/metainfo/$id.metainfo.xml" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/icons/hicolor/48x48/apps/$id.png" usr/share/man/man1/taruk-calculator.1.gz \
    usr/share/doc/taruk-calculator/copyright usr/share/doc/taruk-calculator/changelog.gz; do
    [ -e "$root/$f" ] || fail "missing $f"
done
[ -x "$root/usr/bin/taruk-calculator" ] || fail "the program is not executable"
grep -qaF "Taruk杀伤计算器 $version" "$root/usr/bin/taruk-calculator" ||
    fail "the program's credit line does not say $version"
zcat "$root/usr/share/man/man1/taruk-calculator.1.gz" | head -1 | grep -qF "\"taruk-calculator $version\"" ||
    fail "the manual page does not say $version"
file "$root/usr/bin/taruk-calculator" | grep -q ', stripped' || fail "the program is not stripped"
# Every feature is required; control-flow protection is not among the
# flags dpkg-buildflags gives on Debian 12, so it is not asked for.
hardening-check --nocfprotection "$root/usr/bin/taruk-calculator" ||
    fail "the packaged program lacks a hardening feature (above)"

lintian --fail-on error,warning "$deb"
echo "check-deb: $deb is sound, lintian finds nothing"
