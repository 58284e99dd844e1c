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

# Our own server on whichever display is free, of the size given as $1 (default 1024x768x24); it writes the
# number once it accepts clients. Without -noreset the server resets whenever its last client leaves, and a
# client still greeting it then (openbox while a probe exits) is dropped with "Failed to open the display".
start_xvfb() {
    rm -f "$work/display" # a server started before must not be taken for this one
    Xvfb -displayfd 3 -screen 0 "${1:-1024x768x24}" -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
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
    wait_for 100 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"' ||
        fail "openbox did not start; it wrote: $(tail -n 5 "$work/openbox.log"); Xvfb wrote: $(tail -n 5 "$work/xvfb.log")"
}

# Starts the program given as $1 with a fresh home, so no colours saved by earlier runs are restored.
start_program() {
    mkdir -p "$work/home" "$work/config"
    HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
        ASAN_OPTIONS=detect_leaks=0 "$1" >"$work/app.log" 2>&1 &
    app_pid=$!
}

# Starts Xvfb (of the size given as $2, default 1024x768x24), openbox and the program given as $1, and makes
# its main window, kept in $window, the active one.
start_under_window_manager() {
    start_xvfb "${2:-}"
    start_openbox
    start_program "$1"
    wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
    window=$(find_window '^Quenby Color Picker')
    timeout 10 xdotool windowactivate --sync "$window"
}

# The outer rectangle of a window, frame included: "left top width height".
frame() {
    local x y w h left right top bottom
    read -r x y w h < <(xwininfo -id "$1" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        /Width:/ {w = $2} /Height:/ {h = $2} END {print x, y, w, h}')
    read -r left right top bottom < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed 's/.*= //; s/,//g')
    echo "$((x - left)) $((y - top)) $((w + left + right)) $((h + top + bottom))"
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

# Input to the main window, whose id the script keeps in $window: a click with button $3 (default the left
# one) at a point in its own pixels, and keys typed one after the other.
click_at() {
    timeout 10 xdotool mousemove --window "$window" "$1" "$2" click "${3:-1}"
}
keys() {
    timeout 10 xdotool key --delay 100 "$@"
}

# Takes the copy list's entry reached from its top with the given keys, presses the copy button, closes the
# confirmation and prints the clipboard as another client reads it, byte for byte (a "." keeps line ends).
copy_entry() {
    click_at 320 484 # the copy list, right of the copy button
    sleep 0.5
    keys Home "$@" Return
    sleep 0.3
    click_at 100 484 # the copy button
    wait_for 100 find_window '^Copy to clipboard$' || fail "no confirmation after copying"
    timeout 10 xdotool windowfocus --sync "$(find_window '^Copy to clipboard$')" key Return
    wait_for 100 no_window '^Copy to clipboard$' || fail "the confirmation did not close"
    timeout 10 xclip -o -selection clipboard
    printf .
}
