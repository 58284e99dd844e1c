#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Picks from the screen of the real program under a window manager, on the second of two monitors with a
# known pattern on it, at scale factors 1 and 1.5: the loupe shows the screen's own pixels around the
# pointer and covers none of them, beside the pointer and on the other side near the screen's edges; the
# arrow keys move one pixel (Shift ten), the wheel changes the magnification, and a click takes exactly
# the pixel under the pointer.
# Usage: e2e_screenpick.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"
peer=("/usr/bin/python3" "$(dirname "$0")/screen_peer.py")
pattern_pid=

background() { timeout 5 xclip -o -selection clipboard | head -n1 | sed 's/.* on background //; s/\r//'; }
pointer() { timeout 5 xdotool getmouselocation | sed 's/x:\([0-9]*\) y:\([0-9]*\) .*/\1 \2/'; }
# Waits for the loupe to show the pixels around (x, y) with n squares of m device pixels, and says why not.
loupe_shows() {
    wait_for 50 "${peer[@]}" loupe "$@" || fail "at scale $scale: $("${peer[@]}" loupe "$@")"
}

check_scale() {
    scale=$1
    export QT_SCALE_FACTOR=$scale
    start_xvfb 2400x1000x24
    # Two monitors side by side; the main window opens on the first.
    xrandr --setmonitor first 1200/318x1000/265+0+0 screen >/dev/null
    xrandr --setmonitor second 1200/318x1000/265+1200+0 none >/dev/null
    "${peer[@]}" pattern 1500 200 512 >"$work/pattern.out" &
    pattern_pid=$!
    wait_for 50 grep -q ready "$work/pattern.out" || fail "the pattern did not appear"
    start_openbox
    start_program "$program"
    wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
    window=$(find_window '^Quenby Color Picker')
    timeout 10 xdotool windowactivate --sync "$window"

    # The loupe follows the pointer at 12 times, 17 pixels across.
    timeout 10 xdotool mousemove 1700 300
    keys ctrl+e
    loupe_shows 1700 300 17 12
    keys Right
    [[ $(pointer) == "1701 300" ]] || fail "at scale $scale Right moved the pointer to $(pointer)"
    loupe_shows 1701 300 17 12
    keys shift+Down
    [[ $(pointer) == "1701 310" ]] || fail "at scale $scale Shift+Down moved the pointer to $(pointer)"
    loupe_shows 1701 310 17 12
    # One step of the wheel away: 16 times, 13 pixels across; near the second monitor's corner the loupe
    # turns to the other side, and pixels beyond the screen are not shown as the screen's.
    timeout 10 xdotool click 4
    loupe_shows 1701 310 13 16
    timeout 10 xdotool mousemove 2395 995
    loupe_shows 2395 995 13 16
    # A click takes the pixel under the pointer: local (212, 145) of the pattern.
    timeout 10 xdotool mousemove 1712 345
    loupe_shows 1712 345 13 16
    [[ $("${peer[@]}" pixel 1712 345) == "#d49120" ]] || fail "the pattern is not on the screen"
    timeout 10 xdotool click 1
    wait_for 50 no_window '^Loupe$' || fail "the loupe stayed after the pick"
    keys ctrl+shift+c
    [[ $(background) == "#D49120" ]] || fail "at scale $scale a click on 1712, 345 picked $(background)"

    for pid in $app_pid $wm_pid $pattern_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    app_pid= wm_pid= pattern_pid= xvfb_pid=
    rm -rf "$work/config" # the colours saved as the program ended; the next run starts from the defaults
}

check_scale 1
check_scale 1.5
echo "PASS"
