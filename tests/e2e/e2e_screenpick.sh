#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Picks from the screen of the real program under a window manager, on the second of two monitors with a
# known pattern on it, at scale factors 1 and 1.5: the loupe shows the screen's own pixels around the
# pointer and covers none of them, beside the pointer and on the other side near the screen's edges; the
# arrow keys move one pixel (Shift ten), the wheel changes the magnification, and a click takes exactly
# the pixel under the pointer, or the mean of the square of 3 or 5 around it after the key 3 or 5; a drag
# with Ctrl+Shift+A over the pattern gives the figures of "Text over an area" and its striped pixels.
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

    # Across the pattern's seam at its x 256 (red 255, 0, 1, ...; blue 32, then 96), 3 x 3 and 5 x 5 take
    # the mean of each channel, rounded: red 85.3, green 100, blue 74.7; then red 102.4, blue 70.4. The
    # choice holds for the next pick (one pixel on: red 52.2, green 101, blue 83.2), and 1 takes the pixel
    # again.
    averaged_pick() {
        timeout 10 xdotool mousemove "$2" "$3"
        keys ctrl+e
        wait_for 50 find_window '^Loupe$' || fail "at scale $scale no loupe for the pick"
        [[ -z $1 ]] || keys "$1"
        timeout 10 xdotool click 1
        wait_for 50 no_window '^Loupe$' || fail "the loupe stayed after the pick"
        keys ctrl+shift+c
        [[ $(background) == "$4" ]] || fail "at scale $scale ${1:-the kept size} at $2, $3 picked $(background), not $4"
    }
    averaged_pick 3 1756 300 "#55644B"
    averaged_pick 5 1756 300 "#666446"
    averaged_pick "" 1757 301 "#346553"
    averaged_pick 1 1756 300 "#006460"

    # Text over an area: 50 x 16 pixels of the pattern from its (150, 60), where #E0E0E0 reaches 4.5:1 on
    # the darker reds only, dragged from their top left to their bottom right.
    timeout 10 xdotool mousemove 1650 260
    keys ctrl+shift+a
    wait_for 50 find_window '^Loupe$' || fail "at scale $scale no loupe for the area"
    timeout 10 xdotool mousedown 1
    timeout 10 xdotool mousemove 1699 275
    sleep 0.3
    timeout 10 xdotool mouseup 1
    wait_for 50 find_window '^Text over an area$' || fail "at scale $scale no window for the area"
    timeout 10 xdotool windowactivate --sync "$(find_window '^Text over an area$')"
    keys ctrl+shift+c
    expected=$("${peer[@]}" figures 150 60 50 16)
    [[ $(timeout 5 xclip -o -selection clipboard | head -n6 | tr -d '\r') == "$expected" ]] ||
        fail "at scale $scale the area's figures are $(timeout 5 xclip -o -selection clipboard), not $expected"
    wait_for 50 "${peer[@]}" marks 150 60 50 16 || fail "at scale $scale: $("${peer[@]}" marks 150 60 50 16)"

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
