#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The list of pairs under a real window manager with real keys: pairs added with Ctrl+D in both windows,
# renamed with F2, moved with Alt+Down and removed with Delete are there after a restart, in the window
# that opens again where it was closed; the matrix of every foreground against every background loads a
# cell's pair with Enter and copies as CSV.
# Usage: e2e_pairs.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

store="$work/config/Quenby Systems/registry.ini"
# The stored list, a pair a line: "colours base channels name".
stored_pairs() {
    sed -n 's/^values\\Pairs=@ByteArray(\(.*\)\\0)$/\1/p' "$store" 2>/dev/null | sed 's/\\n/\n/g'
}
pairs_are() {
    [[ "$(stored_pairs)" == "$1" ]]
}
# Ctrl+Shift+P until the window shows; the first key may come before the program has the focus.
open_pairs() {
    for _ in 1 2 3; do
        keys ctrl+shift+p
        wait_for 30 find_window '^Color pairs$' && break
    done
    pairs=$(find_window '^Color pairs$') || fail "Ctrl+Shift+P showed no Color pairs window"
    timeout 10 xdotool windowactivate --sync "$pairs"
}

start_under_window_manager "$program"
for _ in 1 2 3; do
    keys ctrl+d
    wait_for 30 pairs_are "4080c0 1 e0e0e0 2 Pair 1" && break
done
pairs_are "4080c0 1 e0e0e0 2 Pair 1" || fail "Ctrl+D in the main window stored $(stored_pairs)"
keys ctrl+shift+x ctrl+d
wait_for 50 pairs_are $'4080c0 1 e0e0e0 2 Pair 1\ne0e0e0 2 4080c0 1 Pair 2' ||
    fail "a second Ctrl+D stored $(stored_pairs)"

open_pairs
keys ctrl+d
wait_for 50 pairs_are $'4080c0 1 e0e0e0 2 Pair 1\ne0e0e0 2 4080c0 1 Pair 2\ne0e0e0 2 4080c0 1 Pair 3' ||
    fail "Ctrl+D in the list stored $(stored_pairs)"
# The new pair is the current row; Up twice reaches the first.
keys Up Up F2 ctrl+a
timeout 10 xdotool type --delay 50 ' Body text '
keys Return
wait_for 50 pairs_are $'4080c0 1 e0e0e0 2 Body text\ne0e0e0 2 4080c0 1 Pair 2\ne0e0e0 2 4080c0 1 Pair 3' ||
    fail "F2 stored $(stored_pairs)"
keys alt+Down
wait_for 50 pairs_are $'e0e0e0 2 4080c0 1 Pair 2\n4080c0 1 e0e0e0 2 Body text\ne0e0e0 2 4080c0 1 Pair 3' ||
    fail "Alt+Down stored $(stored_pairs)"
keys Down Delete
wait_for 50 pairs_are $'e0e0e0 2 4080c0 1 Pair 2\n4080c0 1 e0e0e0 2 Body text' || fail "Delete stored $(stored_pairs)"
find_window '^Color pairs$' >/dev/null || fail "Delete closed the window"
timeout 10 xdotool windowmove --sync "$pairs" 40 60
sleep 0.5
place=$(frame "$pairs")
keys Escape
wait_for 50 no_window '^Color pairs$' || fail "Escape did not close the window"

# Another start with the same store: the window opens where it was, and shows the list (Delete takes the
# first of the two pairs, Ctrl+Z brings it back).
kill "$app_pid"
wait_for 100 sh -c "! kill -0 $app_pid" || fail "the program did not end"
wait "$app_pid" 2>/dev/null || true
start_program "$program"
wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear again"
window=$(find_window '^Quenby Color Picker')
timeout 10 xdotool windowactivate --sync "$window"
open_pairs
[[ $(frame "$pairs") == "$place" ]] || fail "the window opened at $(frame "$pairs"), not at $place"
keys Delete
wait_for 50 pairs_are "4080c0 1 e0e0e0 2 Body text" || fail "Delete after the restart stored $(stored_pairs)"
keys ctrl+z
wait_for 50 pairs_are $'e0e0e0 2 4080c0 1 Pair 2\n4080c0 1 e0e0e0 2 Body text' ||
    fail "Ctrl+Z after the restart stored $(stored_pairs)"

# Ctrl+M: #4080c0 and #e0e0e0 against #e0e0e0 and #4080c0; Right and Enter load #4080c0 on itself, which
# no pair has.
keys ctrl+m Right Return
timeout 10 xdotool windowactivate --sync "$window"
keys ctrl+shift+c
[[ $(timeout 5 xclip -o -selection clipboard | head -n1) == $'Foreground #4080C0 on background #4080C0\r' ]] ||
    fail "the matrix's cell loaded $(timeout 5 xclip -o -selection clipboard | head -n1)"
timeout 10 xdotool windowactivate --sync "$pairs"
keys alt+s
csv=$'Foreground \\ background,#e0e0e0,#4080c0\r\n#4080c0,3.13 fail,1.00 fail\r\n#e0e0e0,1.00 fail,3.13 fail\r\n'
[[ $(timeout 5 xclip -o -selection clipboard; printf .) == "$csv." ]] ||
    fail "the matrix copied $(timeout 5 xclip -o -selection clipboard | od -c | head)"

echo "PASS"
