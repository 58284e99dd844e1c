#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Copying and the whole-colour actions with real keys, the real clipboard and a real pointer grab: the report
# of both colours, the contrast panel and its copied figures, pasting a colour name, picking from the desktop,
# cancelling a pick, undo and redo.
# Usage: e2e_colours.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

start_under_window_manager "$program"

client_height_is() {
    timeout 5 xdotool getwindowgeometry "$window" | grep -q "Geometry: 619x$1\$"
}
# The clipboard as another client sees it, byte for byte (a trailing "." keeps final line ends).
clipboard_is() {
    [[ "$(timeout 5 xclip -o -selection clipboard; printf .)" == "$1." ]]
}
# A point of the sample, where the background shows, as the screen shows it.
sample_is() {
    timeout 5 import -window "$window" -crop 1x1+320+92 -depth 8 txt:- | grep -qi "$1"
}

# The background colour, read back through the copy list and the copy button as another client sees it.
expect_background() {
    local got
    got=$(copy_entry Down Down)
    [[ $got == "$1." ]] || fail "$2: the background is ${got%.}, expected $1"
}

# The report of both colours, the copy list's first entry, byte for byte with every line end.
expected=$'Background color:\r\n'\
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
got=$(copy_entry)
[[ $got == "$expected." ]] || fail "the report on the clipboard is $(printf %q "${got%.}")"

keys ctrl+k
wait_for 50 client_height_is 703 || fail "Ctrl+K did not grow the window by the contrast panel"
keys ctrl+shift+c
expected=$'Foreground #E0E0E0 on background #4080C0\r\n'\
$'Contrast ratio 3.13:1\r\n'\
$'WCAG AA: normal text fail, large text pass, user interface pass\r\n'\
$'WCAG AAA: normal text fail, large text fail\r\n'\
$'APCA Lc -53.8\r\n'\
$'CSS: color: #E0E0E0; background-color: #4080C0;\r\n'
wait_for 50 clipboard_is "$expected" ||
    fail "Ctrl+Shift+C put $(printf %q "$(xclip -o -selection clipboard 2>&1)") on the clipboard"

# After the read-back the copy button has the focus, so Ctrl+V is the window's, not a text box's.
expect_background "#4080C0" "at start"
printf rebeccapurple | timeout 5 xclip -selection clipboard
keys ctrl+v
expect_background "#663399" "after Ctrl+V of rebeccapurple"

# The desktop's colour is previewed while the pointer is over it, and taken by a left click there.
xsetroot -solid '#123456'
keys ctrl+e
timeout 10 xdotool mousemove 1020 760
wait_for 50 sample_is '#123456' || fail "the sample did not preview the desktop's colour during a pick"
timeout 10 xdotool click 1
expect_background "#123456" "after picking from the desktop"

# Over the plane the preview changes; Escape ends the pick and keeps the colour.
keys ctrl+e
timeout 10 xdotool mousemove --window "$window" 436 178
wait_for 50 eval '! sample_is "#123456"' || fail "the sample did not preview the plane's colour during a pick"
keys Escape
wait_for 50 sample_is '#123456' || fail "Escape did not bring back the sample"
expect_background "#123456" "after Escape during a pick"

keys ctrl+z
expect_background "#663399" "after Ctrl+Z of the pick"
keys ctrl+shift+z
expect_background "#123456" "after Ctrl+Shift+Z"

echo "PASS"
