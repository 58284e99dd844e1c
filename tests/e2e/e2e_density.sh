#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# At scale factors 2 and 1.5 a click on the large picture picks the colour shown under the pointer, on every
# device pixel across its edges and inside it, and a click beside it picks nothing; Help's viewer touches
# the main window's outer frame.
# Usage: e2e_density.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

background() { timeout 5 xclip -o -selection clipboard | head -n1 | sed 's/.* on background //; s/\r//'; }
# The colour of a device pixel of the screenshot, "#RRGGBB".
shown_at() { convert "$work/shot.png" -crop "1x1+$1+$2" -depth 8 txt:- | grep -o '#[0-9A-F]\{6\}' | head -n1; }

check_scale() {
    local scale=$1
    export QT_SCALE_FACTOR=$scale
    start_under_window_manager "$program" 2560x1600x24
    sleep 1
    local x y left top size
    read -r x y < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
        END {print x, y}')
    # The plane, 256 points from (336, 128) of the window, in device pixels.
    left=$(awk -v x="$x" -v s="$scale" 'BEGIN {printf "%d", x + 336 * s}')
    top=$(awk -v y="$y" -v s="$scale" 'BEGIN {printf "%d", y + 128 * s}')
    size=$(awk -v s="$scale" 'BEGIN {printf "%d", 256 * s}')
    timeout 10 import -window root "$work/shot.png"
    local row=$((top + 150)) previous="#4080C0" dx expected got
    for dx in $(seq $((left - 3)) $((left + 6))) $((left + size / 2)) $((left + size / 2 + 1)) \
        $(seq $((left + size - 6)) $((left + size + 3))); do
        expected=$(shown_at "$dx" "$row")
        # Only the plane's points have green 128 in this row; beside it nothing may be picked.
        [[ $expected == \#??80?? ]] || expected=$previous
        timeout 10 xdotool mousemove "$dx" "$row" click 1
        keys ctrl+shift+c
        got=$(background)
        [[ $got == "$expected" ]] || fail "at scale $scale a click on device pixel $dx, $row picked $got; the screen shows $expected there"
        previous=$got
    done

    # Help: the viewer's outer frame starts where the main window's ends.
    local main_left main_width viewer_left viewer
    read -r main_left _ main_width _ < <(frame "$window")
    timeout 10 xdotool mousemove --window "$window" "$(awk -v s="$scale" 'BEGIN {printf "%d", 490 * s}')" \
        "$(awk -v s="$scale" 'BEGIN {printf "%d", 484 * s}')" click 1
    wait_for 100 find_window '^Help for TVK$' || fail "at scale $scale Help showed no viewer"
    viewer=$(find_window '^Help for TVK$')
    sleep 1
    read -r main_left _ main_width _ < <(frame "$window")
    read -r viewer_left _ _ _ < <(frame "$viewer")
    ((viewer_left == main_left + main_width)) ||
        fail "at scale $scale the viewer's frame starts at $viewer_left, the main window's ends at $((main_left + main_width))"

    for pid in $app_pid $wm_pid $xvfb_pid; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    app_pid= wm_pid= xvfb_pid=
    rm -rf "$work/config" # the colours saved as the program ended; the next run starts from the defaults
}

check_scale 2
check_scale 1.5
echo "PASS"
