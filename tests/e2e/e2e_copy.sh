#!/usr/bin/env bash
# Copies entries of the copy list with real X input and reads the clipboard from another client.
# Usage: e2e_copy.sh <program>
set -euo pipefail

program=$1
work=$(mktemp -d)
xvfb_pid=
app_pid=

cleanup() {
    local status=$?
    set +e
    for pid in $app_pid $xvfb_pid; do
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
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
wait_for 100 test -s "$work/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$work/display")"

# A fresh home, so no colours saved by earlier runs are restored: the defaults load.
mkdir -p "$work/home" "$work/config"
HOME="$work/home" XDG_CONFIG_HOME="$work/config" QT_QPA_PLATFORM=xcb \
    ASAN_OPTIONS=detect_leaks=0 "$program" >"$work/app.log" 2>&1 &
app_pid=$!

# Prints the id of the first visible window whose title matches, and fails when there is none.
find_window() {
    local id
    id=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
    [[ -n $id ]] && echo "$id"
}
no_window() {
    ! find_window "$1"
}

wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
window=$(find_window '^Quenby Color Picker')

# Clicks at a point of the main window, in its own pixels.
click_at() {
    timeout 10 xdotool mousemove --window "$window" "$1" "$2" click 1
}

# Opens the copy list, moves the highlight by the given keys, takes the entry and presses the copy button,
# then dismisses the confirmation.
copy_entry() {
    click_at 320 484 # the copy list, right of the copy button
    sleep 0.5
    timeout 10 xdotool key --delay 50 "$@" Return
    sleep 0.3
    click_at 100 484 # the copy button
    wait_for 100 find_window '^Copy to clipboard$' || fail "no confirmation after copying"
    local box
    box=$(find_window '^Copy to clipboard$')
    timeout 10 xdotool windowfocus --sync "$box" key Return
    wait_for 100 no_window '^Copy to clipboard$' || fail "the confirmation did not close"
}

# The clipboard as another client sees it, byte for byte (a trailing "." keeps final line ends).
clipboard() {
    timeout 10 xclip -o -selection clipboard
    printf .
}

expect_clipboard() {
    local expected=$1 got
    got=$(clipboard)
    [[ $got == "$expected." ]] || fail "clipboard holds $(printf %q "${got%.}"), expected $(printf %q "$expected")"
}

copy_entry Down Down Down Down
expect_clipboard "14737632"

copy_entry Down Down
expect_clipboard $'RGB(224,224,224)\r\n'

copy_entry Up Up Up Up Up Up
expect_clipboard $'Background color:\r\n'\
$'red    64 (dec.)  40 (hex.)\r\n'\
$'green 128 (dec.)  80 (hex.)\r\n'\
$'blue  192 (dec.)  C0 (hex.)\r\n'\
$'12615744 (decimal)\r\n'\
$'#4080C0 (hexadecimal for HTML)\r\n'\
$'&HC08040 (hexadecimal for Visual Basic)\r\n'\
$'RGB(64,128,192)  (RGB function for Visual Basic)\r\n'\
$'\r\n'\
$'Foreground color:\r\n'\
$'red   224 (dec.)  E0 (hex.)\r\n'\
$'green 224 (dec.)  E0 (hex.)\r\n'\
$'blue  224 (dec.)  E0 (hex.)\r\n'\
$'14737632 (decimal)\r\n'\
$'#E0E0E0 (hexadecimal for HTML)\r\n'\
$'&HE0E0E0 (hexadecimal for Visual Basic)\r\n'\
$'RGB(224,224,224)  (RGB function for Visual Basic)\r\n'\
$'\r\n'

echo "PASS"
