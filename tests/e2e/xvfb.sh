# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the end-to-end scripts: a scratch folder, a private Xvfb, starting the program with a fresh home,
# and looking up windows by title. On exit everything started here is stopped and the scratch folder removed.

work=$(mktemp -d)
xvfb_pid=
wm_pid=
app_pid=

cleanup() {
    local status=$?
    set +e
    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null
        for ((i = 0; i < 50; i++)); do
            kill -0 "$pid" 2>/dev/null || break
            sleep 0.1
        done
        kill -KILL "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Waits up to $1 tenths of a second for the command after it to succeed; the command runs anew each time.
wait_for() {
    local tenths=$1
    shift
    for ((i = 0; i < tenths; i++)); do
        "$@" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    return 1
}

# Our own server on whichever display is free; it writes the number once it accepts clients.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
    DISPLAY=":$(head -n1 "$work/display")"
    export DISPLAY
}

# A real window manager, for frames, placement and focus as users get them; it is ready once it names itself
# on the root window.
start_openbox() {
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    wm_pid=$!
    wait_for 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' || fail "openbox did not start"
}

# Starts the program given as $1 with a fresh home, so no colours saved by earlier runs are restored.
start_program() {
    mkdir -p "$work/home" "$work/config"
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
        ASAN_OPTIONS=detect_leaks=0 "$1" >"$work/app.log" 2>&1 &
    app_pid=$!
}

# Prints the id of the first visible window whose title matches, and fails when there is none.
find_window() {
    local id
    id=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [[ -n $id ]] && echo "$id"
}
no_window() {
    ! find_window "$1"
}
