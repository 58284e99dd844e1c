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

expect_clipboard() {
    local got
    got=$(copy_entry "${@:2}")
    [[ $got == "$1." ]] || fail "clipboard holds $(printf %q "${got%.}"), expected $(printf %q "$1")"
}

expect_clipboard "14737632" Down Down Down Down

expect_clipboard $'RGB(224,224,224)\r\n' Down Down Down Down Down Down

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
