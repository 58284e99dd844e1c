#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# What must never lock the desktop or kill the screen pick: another program holding the pointer (the pick
# fails with its message within 2 s, holding nothing); a message box opening mid-pick, and the main window
# closed from outside mid-pick (the pick ends, the grabs go, nothing is picked); a desktop portal on a
# private session bus that never answers one pick (the next Ctrl+E asks again and gets its colour), and a
# session bus that is stopped (the window keeps answering and the pick fails with its message).
# Usage: e2e_screenpick_faults.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"
peer=("/usr/bin/python3" "$(dirname "$0")/screen_peer.py")
pinger=("/usr/bin/python3" "$(dirname "$0")/clipboard_peer.py")
holder_pid=
bus_pid=
portal_pid=
# The helpers go first (a stopped bus is woken to end), then what xvfb.sh started, with the script's status.
stop_all() {
    local status=$?
    set +e
    for pid in $holder_pid $portal_pid $bus_pid; do
        kill -CONT "$pid" 2>/dev/null
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    (exit "$status")
    cleanup
}
trap stop_all EXIT

background() { timeout 5 xclip -o -selection clipboard | head -n1 | sed 's/.* on background //; s/\r//'; }
store="$work/config/Quenby Systems/registry.ini"
now_ms() { echo $(($(date +%s%N) / 1000000)); }
close_box() {
    timeout 10 xdotool windowfocus --sync "$(find_window "$1")" key Return
    wait_for 50 no_window "$1" || fail "the box \"$1\" did not close"
}

# A browser launcher that fails after a second, as one that cannot start a browser does.
mkdir -p "$work/bin"
printf '#!/bin/sh\nsleep 1\nexit 4\n' >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

start_under_window_manager "$program"
timeout 10 xdotool mousemove --window "$window" 100 100
keys ctrl+shift+c
before=$(background)

# Another program holds the pointer: the message comes within 2 s and the keyboard is free meanwhile.
"${peer[@]}" hold >"$work/holder.out" &
holder_pid=$!
wait_for 50 grep -q '^held' "$work/holder.out" || fail "the other program could not take the pointer"
keys ctrl+e
asked=$(now_ms)
wait_for 50 find_window '^Pick from screen$' || fail "no message while another program holds the pointer"
took=$(($(now_ms) - asked))
((took < 2000)) || fail "the message came after $took ms"
[[ $("${peer[@]}" grabs) == "pointer held keyboard free" ]] || fail "a grab was left: $("${peer[@]}" grabs)"
kill "$holder_pid"
wait "$holder_pid" 2>/dev/null || true
holder_pid=
[[ $("${peer[@]}" grabs) == "pointer free keyboard free" ]] || fail "a grab was left: $("${peer[@]}" grabs)"
close_box '^Pick from screen$'

# A box that opens during the pick (the browser failed to start) ends it and gets the clicks.
click_at 60 512 # the home page link
keys ctrl+e
wait_for 50 find_window '^Loupe$' || fail "the pick did not start"
wait_for 50 find_window '^Cannot launch web browser$' || fail "the failed browser showed no box"
wait_for 20 no_window '^Loupe$' || fail "the loupe stayed over the box"
[[ $("${peer[@]}" grabs) == "pointer free keyboard free" ]] || fail "the pick kept a grab: $("${peer[@]}" grabs)"
close_box '^Cannot launch web browser$'
keys ctrl+shift+c
[[ $(background) == "$before" ]] || fail "the interrupted pick changed the colour to $(background)"

# The main window closed from outside: the pick ends before the colours are saved, and the catalogue gets
# the keys and clicks.
keys ctrl+e
wait_for 50 find_window '^Loupe$' || fail "the pick did not start"
"${peer[@]}" close "$window"
wait_for 50 find_window '^Quenby Systems Software$' || fail "closing the window showed no catalogue"
wait_for 20 no_window '^Loupe$' || fail "the loupe stayed over the catalogue"
[[ $("${peer[@]}" grabs) == "pointer free keyboard free" ]] || fail "the pick kept a grab: $("${peer[@]}" grabs)"
grep -q 'Params=' "$store" || fail "the colours were not saved"
close_box '^Quenby Systems Software$'
wait_for 100 bash -c "! kill -0 $app_pid" || fail "the program did not end"
app_pid=

# The desktop portal on a session bus of our own, under a Wayland session's name.
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>/dev/null &
bus_pid=$!
wait_for 50 test -s "$work/bus" || fail "the session bus did not start"
export DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus") WAYLAND_DISPLAY=wayland-quenby-test
/usr/bin/python3 "$(dirname "$0")/fake_portal.py" "$work/portal.log" silent 0.25,0.5,1 >"$work/portal.out" &
portal_pid=$!
wait_for 50 grep -q ready "$work/portal.out" || fail "the fake portal did not start"
start_program "$program"
wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
window=$(find_window '^Quenby Color Picker')
timeout 10 xdotool windowactivate --sync "$window"
keys ctrl+e
wait_for 50 grep -q 'pick silent' "$work/portal.log" || fail "the portal was not asked"
keys ctrl+e
wait_for 50 grep -q 'pick 0.25,0.5,1' "$work/portal.log" || fail "a second Ctrl+E did not ask again"
grep -q close "$work/portal.log" || fail "the unanswered request was not closed"
keys ctrl+shift+c
wait_for 50 bash -c '[[ $(xclip -o -selection clipboard | head -n1) == *"on background #4080FF"* ]]' ||
    fail "the portal's colour was not taken: $(background)"

kill -STOP "$bus_pid"
"${pinger[@]}" ping "$window" 3 >"$work/ping.out" &
ping_pid=$!
sleep 0.2
keys ctrl+e
wait_for 50 find_window '^Pick from screen$' || fail "a stopped bus gave no message"
wait "$ping_pid"
longest=$(cat "$work/ping.out")
echo "Ctrl+E with a stopped session bus: the longest answer took $longest ms"
((longest < 1500)) || fail "with a stopped session bus the window did not answer for $longest ms"
kill -CONT "$bus_pid"
close_box '^Pick from screen$'
kill -0 "$app_pid" || fail "the program ended"
echo "PASS"
