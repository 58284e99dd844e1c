#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The secondary windows under a real window manager: where the catalogue and the viewer land beside the
# main window's outer frame, scrolling the catalogue with keys and the wheel, the viewer keeping its text and
# the reader's place when the user comes back to it, and Enter closing the catalogue after Quit.
# Usage: e2e_windows.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

start_xvfb
start_openbox
helpers=()
stop_all() {
    local status=$?
    set +e
    kill "${helpers[@]}" 2>/dev/null
    (exit "$status")
    cleanup
}
trap stop_all EXIT

start_program "$program"
wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
main=$(find_window '^Quenby Color Picker')

frame_is() { [[ $(frame "$1") == "$2" ]]; }
expect_frame() { wait_for 50 frame_is "$1" "$2" || fail "$3 has the frame $(frame "$1"), expected $2"; }
is_active() { [[ $(xdotool getactivewindow) == "$1" ]]; }
activate() {
    timeout 10 xdotool windowactivate --sync "$1" >/dev/null 2>&1 || true
    wait_for 50 is_active "$1" || fail "window $1 did not become active"
}
click_in() { timeout 10 xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; }
key() { timeout 10 xdotool key "$@"; }

wait_for 50 sh -c "xprop -id $main _NET_FRAME_EXTENTS | grep -q =" || fail "the main window has no frame"
read -r main_left main_top main_width main_height < <(frame "$main")

# A window of one size tells the window manager so: it offers no maximizing, and a click on the place of
# the maximize button in the title bar (which openbox 3.6 draws, disabled, on every window) changes nothing.
actions=$(xprop -id "$main" _NET_WM_ALLOWED_ACTIONS)
[[ $actions == *_NET_WM_ACTION_MOVE* && $actions != *MAXIMIZE* ]] || fail "the main window allows $actions"
timeout 10 xdotool mousemove $((main_left + main_width - 28)) $((main_top + 10)) click 1
sleep 0.5
[[ $(frame "$main") == "$main_left $main_top $main_width $main_height" ]] ||
    fail "a click on the maximize button made the main window $(frame "$main")"
[[ $(xprop -id "$main" _NET_WM_STATE) != *MAXIMIZED* ]] || fail "the main window is maximized"

# The catalogue: 100 twips right of and 400 twips below the main window, frames included.
click_in "$main" 300 512 # the catalogue button, under the copy list
wait_for 100 find_window '^Quenby Systems Software$' || fail "the catalogue did not appear"
catalogue=$(find_window '^Quenby Systems Software$')
wait_for 50 is_active "$catalogue" || fail "the catalogue is not active"
read -r _ _ width height < <(frame "$catalogue")
expect_frame "$catalogue" "$((main_left + 7)) $((main_top + 27)) $width $height" "the catalogue"

# The rows (the list without its scroll bar) as a checksum of their picture.
rows() { timeout 10 import -window "$catalogue" -crop 570x297+8+80 +repage rgb:- | md5sum; }
rows_are() { [[ $(rows) == "$1" ]]; }
rows_differ() { ! rows_are "$1"; }
expect_rows() { wait_for 50 rows_are "${at[$1]}" || fail "after $2 the list does not start at item $1"; }

# What each scroll position looks like, from clicks on the scroll bar's down arrow, one at a time.
declare -a at
at[0]=$(rows)
for value in {1..11}; do
    click_in "$catalogue" 591 368
    wait_for 50 rows_differ "${at[value - 1]}" || fail "click $value on the scroll bar's arrow did not scroll"
    at[value]=$(rows)
done

key Home
expect_rows 0 Home
key Down
expect_rows 1 Down
key Page_Down
expect_rows 4 "Page Down"
key End
expect_rows 11 End
key Home
click_in "$catalogue" 200 150 5 # the wheel turned down over a description
expect_rows 3 "the wheel"

key Escape
wait_for 100 find_window '^Quenby Color Picker' || fail "the main window did not come back"

# The viewer, 5200 twips wide, beside the main window and as high. The pair does not fit on this screen,
# so it ends at the screen's right edge.
read -r _ main_top main_width main_height < <(frame "$main")
click_in "$main" 490 484 # Help
wait_for 100 find_window '^Help for TVK$' || fail "the viewer did not appear"
viewer=$(find_window '^Help for TVK$')
right=$(xwininfo -root | awk '/Width:/ {print $2}')
expect_frame "$main" "$((right - 347 - main_width)) $main_top $main_width $main_height" "the main window"
expect_frame "$viewer" "$((right - 347)) $main_top 347 $main_height" "the viewer"

# Lines selected at the end of the text; reading the file again would drop them.
activate "$viewer"
click_in "$viewer" 60 60
key ctrl+End shift+Up shift+Up
selected() {
    [[ $(timeout 10 import -window "$viewer" png:- |
        convert - -fill black +opaque '#308CC6' -format '%[fx:mean]' info:) != 0 ]]
}
not_selected() { ! selected; }
wait_for 50 selected || fail "no selection shows in the viewer"

xmessage -title "Another application" "another application" >/dev/null 2>&1 &
helpers+=("$!")
wait_for 100 find_window '^Another application$' || fail "the other application did not appear"
activate "$(find_window '^Another application$')"
activate "$viewer"
for _ in {1..5}; do
    selected || fail "the viewer read its file again when the user came back from another application"
    sleep 0.1
done

# From the main window too the viewer comes back as it was left: it reads its file again, finds the text
# unchanged and keeps the reader's place and selection.
activate "$main"
activate "$viewer"
for _ in {1..5}; do
    selected || fail "the viewer lost its selection when the user came back from the main window"
    sleep 0.1
done
key Escape
wait_for 50 no_window '^Help for TVK$' || fail "Escape did not close the viewer"

# Quit shows the catalogue with the focus on Close: Enter closes it and ends the program.
activate "$main"
click_in "$main" 566 484 # Quit
wait_for 100 find_window '^Quenby Systems Software$' || fail "Quit showed no catalogue"
activate "$(find_window '^Quenby Systems Software$')"
key Return
wait_for 100 sh -c "! kill -0 $app_pid" || fail "Enter in the catalogue after Quit did not end the program"

echo "PASS"
