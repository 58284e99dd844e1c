#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copy as and Formats... through the real context menu with real keys, read back with xclip: two of the
# built-in forms, then a format added in the dialog, which the next save keeps.
# Usage: e2e_copyas.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

start_under_window_manager "$program"

# The clipboard as another client sees it, byte for byte (a trailing "." keeps final line ends).
clipboard_is() {
    [[ "$(timeout 5 xclip -o -selection clipboard; printf .)" == "$1." ]]
}
# Opens the context menu over the directions, which have no menu of their own, and goes down to its
# entry number $1 (Copy as is the 7th, Formats... the 8th).
menu_entry() {
    click_at 150 100 3
    sleep 0.5
    for ((i = 0; i < $1; i++)); do keys Down; done
}
# Chooses the entry number $1 (from 0) of Copy as, whose first entry is chosen when it opens.
copy_as() {
    menu_entry 7
    keys Right
    for ((i = 0; i < $1; i++)); do keys Down; done
    keys Return
}

copy_as 1
wait_for 50 clipboard_is 'rgb(64 128 192)' ||
    fail "Copy as rgb put $(printf %q "$(xclip -o -selection clipboard 2>&1)") on the clipboard"
no_window '^Copy to clipboard$' || fail "Copy as asked for a confirmation"
copy_as 17
wait_for 50 clipboard_is 'Color(red: 0.251, green: 0.502, blue: 0.753)' ||
    fail "Copy as swift put $(printf %q "$(xclip -o -selection clipboard 2>&1)") on the clipboard"

menu_entry 8
keys Return
wait_for 100 find_window '^Formats$' || fail "Formats... did not open its window"
timeout 10 xdotool type --delay 50 '{bg.hex} on {fg.HEX}'
keys Return Escape
wait_for 50 no_window '^Formats$' || fail "Escape did not close Formats"

# The built-in forms, a separator, then the new format.
copy_as 20
wait_for 50 clipboard_is '#4080c0 on #E0E0E0' ||
    fail "Copy as of the new format put $(printf %q "$(xclip -o -selection clipboard 2>&1)") on the clipboard"

click_at 270 276 # Save
store="$work/config/Quenby Systems/registry.ini"
wait_for 50 grep -qF 'Formats=@ByteArray({bg.hex} on {fg.HEX}' "$store" ||
    fail "the saved store holds $(printf %q "$(cat "$store" 2>&1)")"

echo "PASS"
