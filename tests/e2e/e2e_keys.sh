#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Keyboard use under a real window manager: Enter on an error box closes it for good, the arrow keys move a
# pick made with the mouse, and a save that cannot be made is told in a box.
# Usage: e2e_keys.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

start_under_window_manager "$program"

# A bad base value, applied with Enter; Enter again closes the error box, and no new one may follow.
click_at 205 218 # the decimal base box
keys ctrl+a x y z Return
wait_for 100 find_window '^Error$' || fail "Enter did not apply the base box"
keys Return
sleep 1
wait_for 30 no_window '^Error$' || fail "after Enter on the error box an error box is still or again open"

# Pasting the selection with the middle button keeps the base box's limit of three characters.
click_at 205 218
keys ctrl+a BackSpace
printf 12345 | timeout 5 xclip -selection primary
click_at 205 218 2
keys ctrl+a ctrl+c
got=$(timeout 10 xclip -o -selection clipboard)
[[ $got == 123 ]] || fail "a middle-button paste of 12345 gave $got"

# Green is the base channel: x is blue, y is red. Pick (100, 50), then one step right, then copy the
# background's hexadecimal form and read it back from another client.
click_at $((336 + 100)) $((128 + 50))
keys Right
got=$(copy_entry Down Down)
[[ $got == "#328065." ]] || fail "after a pick at (100, 50) and Right the background is ${got%.}, expected #328065"

# Ctrl+Z with the focus in the base box undoes the colour, not the box's text, which never goes empty:
# Enter after it applies the restored base value, with no error box.
click_at 205 218
keys ctrl+a 7 Return
got=$(copy_entry Down Down)
[[ $got == "#320765." ]] || fail "applying 7 gave the background ${got%.}, expected #320765"
click_at 205 218
keys ctrl+z Return
sleep 0.5
no_window '^Error$' || fail "Enter after Ctrl+Z in the base box showed an error box"
got=$(copy_entry Down Down)
[[ $got == "#328065." ]] || fail "Ctrl+Z in the base box left the background at ${got%.}, expected #328065"

# A store that cannot be created (a file where its folder must be): Save says so in a real box, and the
# file in the way stays as it was.
rm -rf "$work/config/Quenby Systems"
printf 'not a folder' >"$work/config/Quenby Systems"
click_at 270 276 # Save
wait_for 100 find_window '^Cannot save colors$' || fail "a failed save showed no box"
keys Return
wait_for 50 no_window '^Cannot save colors$' || fail "the failed-save box did not close"
[[ $(cat "$work/config/Quenby Systems") == "not a folder" ]] || fail "the failed save changed the file in its way"

echo "PASS"
