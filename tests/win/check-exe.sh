#!/usr/bin/env bash
# Checks the built Windows program: a 32-bit GUI executable under 1 MB that
# imports only DLLs every Windows has, with ASLR and DEP, icon, manifest and
# the project's version (passed by CMake) as file and product version.
set -euo pipefail
exe=$1
version=$2
objdump=${OBJDUMP:-i686-w64-mingw32-objdump}
fail() { echo "$exe: $*" >&2; exit 1; }

file -b "$exe" | grep -q '^PE32 executable (GUI) Intel 80386' || fail "not a PE32 i386 GUI program"
size=$(stat -c %s "$exe")
[ "$size" -lt 1048576 ] || fail "$size bytes, not under 1 MB"

headers=$("$objdump" -p "$exe")
allowed='^(KERNEL32|USER32|GDI32|COMCTL32|msvcrt)\.dll$'
mapfile -t dlls < <(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
[ ${#dlls[@]} -gt 0 ] || fail "no imports found"
for dll in "${dlls[@]}"; do
    grep -qiE "$allowed" <<<"$dll" || fail "imports $dll, which is not part of Windows"
done
grep -qP 'MajorSubsystemVersion\s+6' <<<"$headers" || fail "not marked for Windows 7 or later"
# ASLR needs the flag and the relocations to move the program by; DEP the
# NX flag. (0x40 DYNAMIC_BASE, 0x100 NX_COMPAT.)
flags=$(sed -n 's/^DllCharacteristics\s\+\([0-9a-fA-F]\+\)$/\1/p' <<<"$headers")
[ -n "$flags" ] || fail "no DllCharacteristics in the PE header"
(( 0x$flags & 0x40 )) || fail "no ASLR: DYNAMIC_BASE is not set (DllCharacteristics $flags)"
(( 0x$flags & 0x100 )) || fail "no DEP: NX_COMPAT is not set (DllCharacteristics $flags)"
"$objdump" -h "$exe" | grep -qE '^\s*[0-9]+\s+\.reloc\s' || fail "no .reloc section: ASLR cannot move it"

rsrc=$(mktemp)
trap 'rm -f "$rsrc"' EXIT
${OBJCOPY:-i686-w64-mingw32-objcopy} -O binary --only-section=.rsrc "$exe" "$rsrc"
for text in 'Microsoft.Windows.Common-Controls' 'PerMonitorV2' 'true/pm' \
            '8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a' '35138b9a-5d96-4fbd-8e2d-a2440225f93a'; do
    grep -qaF "$text" "$rsrc" || fail "manifest lacks $text"
done
# Version strings are UTF-16: the version, and the Chinese (PRC), Unicode block.
utf16() { sed 's/[.]/\\./g; s/[^\\]/&\\x00/g' <<<"$1"; }
LC_ALL=C grep -qaP "$(utf16 "$version")" "$rsrc" || fail "no version $version"
LC_ALL=C grep -qaP "$(utf16 080404B0)" "$rsrc" || fail "no 080404B0 block"
# The numbers after the fixed part's signature (0xFEEF04BD): file, then product
# version, each as minor, major, tweak, patch in 16 bits ("1.01" is 1, 1, 0, 0).
IFS=. read -r major minor patch tweak <<<"$version"
numbers="$((10#${minor:-0})) $((10#$major)) $((10#${tweak:-0})) $((10#${patch:-0}))"
at=$(LC_ALL=C grep -obaP '\xbd\x04\xef\xfe' "$rsrc" | head -1 | cut -d: -f1)
[ -n "$at" ] || fail "no fixed version information"
found=$(od -An -tu2 -j $((at + 8)) -N 16 "$rsrc" | xargs)
[ "$found" = "$numbers $numbers" ] || fail "version numbers $found, not $numbers twice for $version"
# The icon: its 256-pixel image is stored as PNG.
LC_ALL=C grep -qaP '\x89PNG' "$rsrc" || fail "no icon"
echo "$exe: PE32 GUI, $size bytes, ASLR and DEP, version $version, imports ${dlls[*]}"
