# Sourced, not run: a private X display, and a warm Wine server, for the
# tools that run the programs without a desktop.

# Starts Xvfb on a display number it picks itself (so parallel runs do not
# collide), exports DISPLAY and sets XVFB_PID.
start_private_display() {
    local file number
    file=$(mktemp)
    Xvfb -displayfd 5 -screen 0 1280x1024x24 -nolisten tcp 5>"$file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 100); do [ -s "$file" ] && break; sleep 0.1; done
    number=$(head -1 "$file")
    rm -f "$file"
    [ -n "$number" ] || { echo "Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$number
}

# Makes $WINEPREFIX if needed and keeps a wineserver with its background
# services up, so that each Windows program started afterwards pays only for
# itself.
start_warm_wineserver() {
    local tools
    tools=$(dirname "${BASH_SOURCE[0]}")
    "$tools/wine-run.sh" wineboot >/dev/null 2>&1
    wineserver -w # until the one wineboot started has gone
    wineserver -p >/dev/null 2>&1
    # The services start with the first program and live as long as the
    # server: start them here, not in the first program that is measured or
    # tested.
    "$tools/wine-run.sh" wineboot >/dev/null 2>&1
}

# A private display with a window manager, as on a desktop (without one Wine
# waits two seconds for each window it unmaps, and activation is not what a
# user gets), and a warm wineserver for $WINEPREFIX. Sets WM_PID.
start_wine_desktop() {
    start_private_display
    openbox --sm-disable >/dev/null 2>&1 &
    WM_PID=$!
    sleep 0.5
    start_warm_wineserver
}

# Ends what start_wine_desktop started.
stop_wine_desktop() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null || true
    [ -n "${WM_PID:-}" ] && kill "$WM_PID" 2>/dev/null || true
    [ -n "${XVFB_PID:-}" ] && kill "$XVFB_PID" 2>/dev/null || true
}
