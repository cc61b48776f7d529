# Sourced, not run: installs Debian packages for tools/setup.sh, and survives
# a mirror in mid-sync. apt's output goes to a log shown only in part, when
# apt fails.

# Seconds between two tries of "apt-get update".
: "${TARUK_APT_RETRY_SECONDS:=5}"

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "setup.sh: installing packages needs root; run as root or install sudo" >&2
        exit 1
    fi
}

# env, not a plain assignment, so that sudo keeps the variable. apt retries
# each download too.
apt_get() {
    as_root env DEBIAN_FRONTEND=noninteractive apt-get -o Acquire::Retries=3 "$@"
}

# Reads the package lists at most once a run. A mirror in mid-sync fails an
# index now and then ("unexpected size"), while the lists apt already has
# may still serve every package: after three tries, go on with those.
apt_lists_read=
update_package_lists() {
    [ -z "$apt_lists_read" ] || return 0
    apt_lists_read=yes
    local log try
    log=$(mktemp "${TMPDIR:-/tmp}/taruk-apt.XXXXXX")
    for try in 1 2 3; do
        if apt_get update >>"$log" 2>&1; then
            rm -f "$log"
            return 0
        fi
        [ "$try" = 3 ] || sleep "$TARUK_APT_RETRY_SECONDS"
    done
    echo "setup.sh: apt-get update failed 3 times (a Debian mirror may be in mid-sync); going on with the package lists apt has (log: $log)" >&2
}

# The packages among the arguments that are not installed yet.
missing_packages() {
    local p
    for p in "$@"; do
        dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
    done
}

# Installs the packages among the arguments that are not installed yet;
# returns non-zero, after saying which packages and why, when apt cannot.
try_install() {
    local missing log
    mapfile -t missing < <(missing_packages "$@")
    [ ${#missing[@]} -gt 0 ] || return 0
    echo "Installing: ${missing[*]}"
    update_package_lists
    log=$(mktemp "${TMPDIR:-/tmp}/taruk-apt.XXXXXX")
    if ! apt_get install -y --no-install-recommends "${missing[@]}" >>"$log" 2>&1; then
        grep -E '^(E|W): ' "$log" >&2 || true
        echo "setup.sh: could not install ${missing[*]}; a Debian mirror may be in mid-sync, so try again later (apt's log: $log)" >&2
        return 1
    fi
    rm -f "$log"
}

# As try_install, but a package that cannot be installed stops the set-up.
install_missing() {
    try_install "$@" || exit 1
}
