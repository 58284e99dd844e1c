#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Another program holds the clipboard and the selection and does not answer, stalls or abandons a chunked
# transfer, or sends 50 MB: the window never stops answering for more than 1.5 s (its answers to
# _NET_WM_PING, timed by another client) when Ctrl+V pastes a colour, or Ctrl+V, a middle click or the
# right-click menu of a base box reads the text. A text offered only in Latin-1 is read as such.
# Usage: e2e_clipboard.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"
peer=("/usr/bin/python3" "$(dirname "$0")/clipboard_peer.py")
peer_pid=

start_under_window_manager "$program"

# Starts an owner of the clipboard and the selection that behaves as $1 says.
own() {
    if [[ -n $peer_pid ]]; then
        kill "$peer_pid" 2>/dev/null || true
        wait "$peer_pid" 2>/dev/null || true
    fi
    "${peer[@]}" own "$1" 50000000 >"$work/peer.out" &
    peer_pid=$!
    wait_for 50 grep -q ready "$work/peer.out" || fail "the $1 owner did not take the clipboard"
}

# Runs the command after $1 (what it is) while pinging the window, and fails when an answer took 1.5 s or
# more.
answers_meanwhile() {
    local what=$1
    shift
    "${peer[@]}" ping "$window" 3 >"$work/ping.out" &
    local ping_pid=$!
    sleep 0.2
    "$@"
    wait "$ping_pid"
    local longest
    longest=$(cat "$work/ping.out")
    echo "$what: the longest answer took $longest ms"
    ((longest < 1500)) || fail "$what: the window did not answer for $longest ms"
}

# The window's own paste ends in its box, empty clipboard or not a colour; the box is closed again.
click_at 436 178 # the plane
for mode in silent stall vanish text; do
    own "$mode"
    answers_meanwhile "Ctrl+V of a $mode owner" keys ctrl+v
    wait_for 50 find_window '^Paste color$' || fail "the paste from a $mode owner showed no box"
    timeout 10 xdotool windowfocus --sync "$(find_window '^Paste color$')" key Return
    wait_for 50 no_window '^Paste color$' || fail "the paste box did not close"
done

# Selecting in the box would make its text the selection, so the box is emptied before the owner starts.
click_at 205 218 # the decimal base box
keys ctrl+a BackSpace
own latin1
click_at 205 218 2
keys ctrl+a ctrl+c
got=$(timeout 10 xclip -o -selection clipboard)
[[ $got == "été" ]] || fail "a middle-button paste of a Latin-1 text gave $got"

own silent
answers_meanwhile "Ctrl+V in a base box" keys ctrl+v
answers_meanwhile "a middle click in a base box" click_at 205 218 2
answers_meanwhile "the menu of a base box" click_at 205 218 3
keys Escape

kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
