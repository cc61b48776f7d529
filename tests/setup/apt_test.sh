#!/usr/bin/env bash
# The set-up's package installation against a fake apt-get first on the PATH
# (no network, nothing installed): a mirror in mid-sync fails "update", which
# is tried three times and then passed over; a failed "install" stops the
# set-up and says which packages, why and where apt's log is.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"

# apt-get: logs its verb; "update" fails $UPDATE_FAILS times, then succeeds;
# "install" fails when INSTALL=fail, with apt's own kind of message.
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
for verb in "$@"; do case $verb in update | install) break ;; esac; done
echo "$verb" >>"$CALLS"
if [ "$verb" = update ]; then
    n=$(grep -c update "$CALLS")
    [ "$n" -gt "$UPDATE_FAILS" ] && exit 0
    echo "E: Failed to fetch .../i386/Packages.xz  File has unexpected size (1234 != 5678). Mirror sync in progress?"
    exit 100
fi
[ "$INSTALL" = fail ] || exit 0
echo "E: Unable to locate package no-such-package"
exit 100
FAKE
# dpkg-query: the packages in $INSTALLED are installed, no others.
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
for p in $INSTALLED; do [ "$p" = "${!#}" ] && { echo -n 'install ok installed'; exit 0; }; done
exit 1
FAKE
chmod +x "$work/bin/"*
export PATH=$work/bin:$PATH TARUK_APT_RETRY_SECONDS=0 TMPDIR=$work

failures=0
# name | update failures | install | installed | the call | expected status |
# expected apt verbs | a regex the output must match | one it must not (if any)
cases=(
    "nothing missing|0|ok|a b|install_missing a b|0||^$|Installing"
    "installs the missing only|0|ok|a|install_missing a b|0|update install|^Installing: b$|update failed"
    "an update that fails once is tried again|1|ok||install_missing a|0|update update install|^Installing: a$|update failed"
    "three failed updates: go on with the lists apt has|9|ok||install_missing a|0|update update update install|^setup.sh: apt-get update failed 3 times \\(a Debian mirror may be in mid-sync\\); going on with the package lists apt has \\(log: .*taruk-apt\\.[A-Za-z0-9]+\\)$|could not install"
    "the lists are read once a run|0|ok||install_missing a; install_missing b|0|update install install|Installing: b|update failed"
    "a failed install stops, naming the packages|0|fail|a|install_missing a b c; echo went on|1|update install|^setup.sh: could not install b c; a Debian mirror may be in mid-sync, so try again later \\(apt's log: .*taruk-apt\\.[A-Za-z0-9]+\\)$|went on"
    "a failed install shows apt's errors|0|fail||install_missing a|1|update install|^E: Unable to locate package|"
    "try_install reports a failure and goes on|0|fail||try_install a; echo went on \$?|0|update install|^went on 1$|"
)
for row in "${cases[@]}"; do
    IFS='|' read -r name fails install installed call status verbs want unwanted <<<"$row"
    export CALLS=$work/calls UPDATE_FAILS=$fails INSTALL=$install INSTALLED=$installed
    rm -f "$CALLS" "$work"/taruk-apt.*
    got=0
    out=$(bash -c '. "$1/tools/apt.sh"; as_root() { "$@"; }; '"$call" _ "$root" 2>&1) || got=$?
    called=
    [ ! -f "$CALLS" ] || called=$(tr '\n' ' ' <"$CALLS" | sed 's/ $//')
    problems=()
    [ "$got" = "$status" ] || problems+=("status $got, not $status")
    [ "$called" = "$verbs" ] || problems+=("apt-get calls '$called', not '$verbs'")
    grep -qE -- "$want" <<<"$out" || problems+=("no line matches /$want/")
    [ -z "$unwanted" ] || ! grep -qE -- "$unwanted" <<<"$out" || problems+=("a line matches /$unwanted/")
    if [ "$status" != 0 ] || [ "$name" = "three failed updates: go on with the lists apt has" ]; then
        log=$(grep -oE "$work/taruk-apt\.[A-Za-z0-9]+" <<<"$out" | head -1) || true
        [ -s "$log" ] || problems+=("the log it names is not there")
    fi
    if [ ${#problems[@]} -eq 0 ]; then
        echo "ok: $name"
    else
        failures=$((failures + 1))
        printf 'FAILED: %s: %s\n--- output:\n%s\n---\n' "$name" "$(IFS=';'; echo "${problems[*]}")" "$out"
    fi
done
[ "$failures" = 0 ] || { echo "$failures of ${#cases[@]} cases failed" >&2; exit 1; }
echo "${#cases[@]} cases passed"
