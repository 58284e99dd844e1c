#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copies entries of the copy list with real X input and reads the clipboard from another client.
# Usage: e2e_copy.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

start_xvfb
start_program "$program"

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
