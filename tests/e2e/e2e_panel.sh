#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Small screens under a real window manager. The contrast panel: on 1366 x 768 the window grows by the panel
# and moves up to stay on the screen; on 800 x 600 the panel is a window of its own. Either way its lowest
# button works: Copy contrast puts the figures on the clipboard. Help on 800 x 600: the viewer, which cannot
# fit beside the main window, leaves the large picture free.
# Usage: e2e_panel.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

on_screen() {
    local left top width height
    read -r left top width height < <(frame "$1")
    ((left >= 0 && top >= 0 && left + width <= $2 && top + height <= $3))
}
copied_contrast() { [[ $(timeout 5 xclip -o -selection clipboard 2>/dev/null) == "Foreground #E0E0E0 on background #4080C0"* ]]; }

stop_session() {
    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    app_pid= wm_pid= xvfb_pid=
}

# 1366 x 768: the grown window stays inside the screen, and the panel is part of it.
start_under_window_manager "$program" 1366x768x24
keys ctrl+k
wait_for 50 sh -c "xwininfo -id $window | grep -q 'Height: 703'" || fail "Ctrl+K did not grow the window"
wait_for 50 on_screen "$window" 1366 768 || fail "the grown window $(frame "$window") leaves the 1366 x 768 screen"
click_at 504 $((547 + 138)) # Copy contrast, the panel's lowest row
wait_for 50 copied_contrast || fail "Copy contrast on the grown window did not copy the figures"
stop_session

# 800 x 600: the window keeps its size and the panel opens in a window of its own, on the screen.
start_under_window_manager "$program" 800x600x24
# The first key may come before the program has taken the focus the window manager gave it.
for _ in 1 2 3; do
    keys ctrl+k
    wait_for 30 find_window '^Contrast panel$' && break
done
find_window '^Contrast panel$' >/dev/null || fail "Ctrl+K showed no panel on 800 x 600"
panel=$(find_window '^Contrast panel$')
xwininfo -id "$window" | grep -q 'Height: 547' || fail "the main window grew on a screen too small for the panel"
wait_for 50 on_screen "$panel" 800 600 || fail "the panel's window $(frame "$panel") leaves the 800 x 600 screen"
timeout 10 xdotool mousemove --window "$panel" 504 138 click 1
wait_for 50 copied_contrast || fail "Copy contrast in the panel's own window did not copy the figures"
# The window's shortcuts work there too: Ctrl+K closes the panel.
timeout 10 xdotool windowactivate --sync "$panel" key ctrl+k
wait_for 50 no_window '^Contrast panel$' || fail "Ctrl+K in the panel's window did not close it"

# Help: the viewer goes where it hides the least of the pictures, which leaves the large picture whole.
click_at 490 484
wait_for 100 find_window '^Help for TVK$' || fail "Help showed no viewer on 800 x 600"
viewer=$(find_window '^Help for TVK$')
sleep 1
read -r main_left _ _ _ < <(frame "$window")
read -r viewer_left _ viewer_width _ < <(frame "$viewer")
plane_left=$(xwininfo -id "$window" | awk '/Absolute upper-left X/ {print $4 + 336}')
((viewer_left + viewer_width <= plane_left || viewer_left >= plane_left + 256)) ||
    fail "the viewer ($viewer_left, $viewer_width wide) covers the large picture at $plane_left on 800 x 600"
on_screen "$viewer" 800 600 || fail "the viewer $(frame "$viewer") leaves the 800 x 600 screen"

echo "PASS"
