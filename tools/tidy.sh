#!/usr/bin/env bash
# Runs clang-tidy with the committed .clang-tidy (every finding an error) over
# the project's own sources that the build compiled, through run-clang-tidy
# and the build's compile database, so a build without the window checks no
# Qt file. With folders (ui/win ...), only the sources in them. Fails on any
# finding, and when it has checked no file at all.
#   usage: tidy.sh CLANG-TIDY BUILD-DIR [FOLDER...]
set -euo pipefail
tidy=$1
build=$(cd "$2" && pwd)
shift 2
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
fail() { echo "tidy.sh: $*" >&2; exit 1; }
[ -f "$build/compile_commands.json" ] || fail "no $build/compile_commands.json; configure the build first"
# The runner of the same clang-tidy, or the one on the PATH.
runner=$(dirname "$(readlink -f "$(command -v "$tidy")")")/run-clang-tidy
[ -x "$runner" ] || runner=$(command -v run-clang-tidy) || fail "needs run-clang-tidy (clang-tidy)"

# Its files are regular expressions over the database's absolute paths: the
# source tree's, less what the build generated there (moc, rcc).
quote() { sed 's/[][\\.^$*+?(){}|]/\\&/g' <<<"$1"; }
files="^(?!$(quote "$build")/)$(quote "$root")/"
if [ $# -gt 0 ]; then
    folders=()
    for folder in "$@"; do folders+=("$(quote "$folder")"); done
    files+="($(IFS='|'; echo "${folders[*]}"))/"
fi

# The Windows program is cross-compiled with mingw-w64: clang-tidy then parses
# for that target, with the cross compiler's own C++ headers. The compiler is
# the one CMake recorded when it configured the build.
extra=()
compiler=$(sed -n 's/^set(CMAKE_CXX_COMPILER "\(.*\)")$/\1/p' "$build"/CMakeFiles/*/CMakeCXXCompiler.cmake | head -1)
[ -n "$compiler" ] || fail "no C++ compiler recorded in $build/CMakeFiles"
target=$("$compiler" -dumpmachine)
case $target in
*mingw32*)
    extra+=(-extra-arg=--target="$target")
    while read -r dir; do
        case $dir in */c++*) extra+=(-extra-arg=-isystem"$dir") ;; esac
    done < <(echo | "$compiler" -xc++ -E -v - 2>&1 |
             sed -n '/search starts here:/,/End of search list/{s/^ //p}')
    ;;
esac

# run-clang-tidy prints each file's command line, then its findings in
# colour; the command lines are counted, clang's count of the warnings it
# did not show is dropped, and the rest is shown without colour.
status=0
count=$("$runner" -clang-tidy-binary "$tidy" -p "$build" -quiet "${extra[@]}" "$files" 2>&1 |
        awk -v tidy="$tidy" '{ gsub(/\033\[[0-9;]*m/, "") }
                            index($0, tidy " ") == 1 { n++; next }
                            !/^[0-9]+ warnings? generated\.$/ { print > "/dev/stderr" }
                            END { print n + 0 }') || status=$?
[ "$count" -gt 0 ] || fail "no source${*:+ under $*} of the project in $build/compile_commands.json"
[ "$status" = 0 ] || fail "clang-tidy found the above in $count files"
echo "clang-tidy over $count files: nothing found"
