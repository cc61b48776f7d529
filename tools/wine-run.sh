#!/usr/bin/env bash
# Runs a Windows program under Wine: the emulator ctest uses for the
# cross-compiled tests. A 32-bit program (PE32) runs under 32-bit Wine, a
# 64-bit one (PE32+) under 64-bit Wine; anything else, such as "wineboot",
# under $WINEARCH's (win32 unless set). The prefix is $WINEPREFIX, or
# "wineprefix" in the build directory that holds the program; it is made on
# first use (slow) and reused.
# Chinese text needs a CJK font, so the Windows faces the program asks for are
# mapped to fonts Debian installs (fonts-arphic-uming, fonts-wqy-microhei);
# with TARUK_WINE_FONT_ALIASES=no they are not, and the fonts go by their own
# names only, as on a Windows without YaHei or 宋体.
set -euo pipefail
[ $# -ge 1 ] || { echo "usage: $0 program.exe [arguments...]" >&2; exit 2; }

if [ -z "${WINEPREFIX:-}" ]; then
    dir=$(cd "$(dirname "$1")" && pwd)
    while [ ! -f "$dir/CMakeCache.txt" ]; do
        [ "$dir" != / ] || { echo "$1 is not inside a build directory; set WINEPREFIX" >&2; exit 2; }
        dir=$(dirname "$dir")
    done
    export WINEPREFIX=$dir/wineprefix
fi
. "$(dirname "${BASH_SOURCE[0]}")/wine-choice.sh"
[ ! -f "$1" ] || WINEARCH=$(wine_arch_of "$1")
export WINEARCH=${WINEARCH:-win32}
wine=$(wine_loader_for "$WINEARCH")
[ "$WINEARCH" = win32 ] || export WINELOADER=$wine
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer prompts: nothing here uses .NET or HTML.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

make_prefix() {
    local tmp=$WINEPREFIX.new reg
    rm -rf "$tmp"
    WINEPREFIX=$tmp "$wine" wineboot --init >/dev/null 2>&1
    if [ "${TARUK_WINE_FONT_ALIASES:-yes}" = no ]; then
        WINEPREFIX=$tmp wineserver -w
        mv "$tmp" "$WINEPREFIX"
        return
    fi
    reg=$(mktemp --suffix=.reg)
    # regedit reads UTF-16 files: the face names are Chinese.
    iconv -f UTF-8 -t UTF-16 >"$reg" <<'REG'
Windows Registry Editor Version 5.00

[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]
"宋体"="AR PL UMing CN"
"SimSun"="AR PL UMing CN"
"新宋体"="AR PL UMing CN"
"NSimSun"="AR PL UMing CN"
"微软雅黑"="WenQuanYi Micro Hei"
"Microsoft YaHei"="WenQuanYi Micro Hei"
"Microsoft YaHei UI"="WenQuanYi Micro Hei"
REG
    WINEPREFIX=$tmp "$wine" regedit /S "$(winepath_of "$reg")" >/dev/null 2>&1
    rm -f "$reg"
    WINEPREFIX=$tmp wineserver -w
    mv "$tmp" "$WINEPREFIX"
}
winepath_of() { echo "Z:${1//\//\\}"; }

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    # Parallel ctest runs wait for the one that makes the prefix.
    exec 9>"$WINEPREFIX.lock"
    flock 9
    [ -f "$WINEPREFIX/system.reg" ] || make_prefix
    flock -u 9
fi
exec "$wine" "$@"
