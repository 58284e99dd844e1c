#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The Windows program under Wine, on a private Xvfb with openbox, through its Windows layers: the window at
# its size with the caption from its version resource, Save writing Params as REG_SZ, Copy reaching an X
# client's clipboard, a paste from an owner that does not answer leaving the window answering, a link
# reaching the shell (a stand-in browser records the address), Help showing the viewer beside the window,
# Quit showing the catalogue and ending with the colours saved, and a restart restoring them. The command
# line answers on the console the program was started from.
# Usage: e2e_wine.sh <program.exe>
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../e2e/xvfb.sh"
source "$here/wine.sh"
stop_all() {
    local status=$?
    wine_stop
    (exit "$status")
    cleanup
}
trap stop_all EXIT
wine_prefix "$work/prefix"
key='HKCU\Software\Quenby Systems\TVK'

# Wine's shell hands web addresses to the programs listed here; this one only writes the address down.
printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s/urls"\n' "$work" >"$work/browser"
chmod +x "$work/browser"
"$wine" reg add 'HKCU\Software\Wine\WineBrowser' /v Browsers /t REG_SZ /d "$work/browser" /f >/dev/null

# The X server first: Wine's desktop process, started with the prefix's first program, stays on the display
# it found then.
start_xvfb 1600x1200x24
start_openbox

# The command line: redirected, and from a console (Wine's cmd), where the program has none of its own.
version=$("$wine" "$program" --version 2>&1 | tr -d '\r')
[[ $version == "Quenby Color Picker 5.00" ]] || fail "--version printed '$version'"
status=0
"$wine" "$program" --bogus >"$work/out" 2>"$work/err" || status=$?
[[ $status == 2 && ! -s $work/out ]] && grep -q "Unknown option 'bogus'" "$work/err" ||
    fail "--bogus ended with $status and printed '$(cat "$work/out" "$work/err")'"
converted=$("$wine" "$program" --convert html 'rgb(16, 32, 48)' 2>&1)
[[ $converted == "#102030" ]] || fail "--convert printed '$converted' (a carriage return is a fault too)"
# A file name with a character outside the ANSI code page reaches the program whole.
"$wine" "$program" --export-pairs css "$(winepath_of "$work/色 é.css")" >/dev/null 2>&1 &&
    grep -q '^:root {' "$work/色 é.css" || fail "--export-pairs did not write a file named with 色"
# Wine's cmd on a terminal of its own (script gives it one) has a console that the program must attach to;
# the terminal's escape sequences, which also stand for blanks, are taken out.
windows_path=$(winepath_of "$program" | sed 's/\\/\\\\/g')
status=0
timeout 60 script -qec "$wine cmd /c $windows_path --bogus" /dev/null >"$work/console" 2>&1 || status=$?
console=$(sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g' "$work/console" | tr -d '\r ')
[[ $status == 2 && $console == *"Unknownoption'bogus'"* ]] ||
    fail "from a console, --bogus ended with $status and printed '$console'"

start_wine_program() {
    "$wine" "$program" >"$work/app.log" 2>&1 &
    app_pid=$!
    wait_for 600 find_window '^Quenby Color Picker 5\.00$' ||
        fail "the main window did not appear; the program wrote: $(tail -n 5 "$work/app.log")"
    window=$(find_window '^Quenby Color Picker 5\.00$')
    timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
}
start_wine_program
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
[[ "$width x $height" == "619 x 547" ]] || fail "the window is $width x $height, not 619 x 547"

# A colour picked on the plane and saved: Params is a REG_SZ string under the program's key.
click_at 436 178
sleep 0.5
click_at 270 276 # Save
wait_for 50 sh -c "[ -n \"\$(\"$wine\" reg query '$key' /v Params 2>/dev/null)\" ]" || fail "Save wrote no Params"
params=$(reg_value "$key" Params)
[[ $params == REG_SZ\ * ]] || fail "Params is '$params', not a REG_SZ string"
echo "Params after Save: $params"

# Everything, as an X client reads the clipboard.
copied=$(copy_entry)
[[ $copied == *"#"* ]] || fail "the clipboard holds '$copied'"

# An owner of the clipboard that never answers: the paste gives up within a second, the window answers.
/usr/bin/python3 "$here/../e2e/clipboard_peer.py" own silent 0 >"$work/peer.out" &
peer_pid=$!
wait_for 50 grep -q ready "$work/peer.out" || fail "the silent owner did not take the clipboard"
# Wine's clipboard manager notices a new owner of the X clipboard only at its next look, up to two seconds
# later; until then the program rightly takes the clipboard as its own (Windows tells it at once).
sleep 3
/usr/bin/python3 "$here/../e2e/clipboard_peer.py" ping "$window" 3 >"$work/ping.out" &
ping_pid=$!
sleep 0.2
timeout 10 xdotool windowactivate --sync "$window" key ctrl+v >/dev/null 2>&1 || true
wait "$ping_pid"
longest=$(cat "$work/ping.out")
echo "Paste from an owner that does not answer: the longest answer took $longest ms"
((longest < 1500)) || fail "the window did not answer for $longest ms while pasting"
wait_for 50 find_window '^Paste color$' || fail "the paste from a silent owner showed no box"
timeout 10 xdotool windowfocus --sync "$(find_window '^Paste color$')" key Return
kill "$peer_pid" 2>/dev/null || true
wait "$peer_pid" 2>/dev/null || true

# The online manual's link reaches the shell, which hands it to the browser.
timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
click_at 545 510
wait_for 100 test -s "$work/urls" || fail "the link reached no browser"
[[ $(head -n1 "$work/urls") == https://quenby-systems.example/* ]] || fail "the browser got '$(cat "$work/urls")'"

# Help shows the viewer beside the main window, at the same height.
click_at 490 484
wait_for 100 find_window '^Help for TVK$' || fail "the viewer did not appear"
viewer=$(find_window '^Help for TVK$')
read -r main_left main_top main_width _ < <(frame "$window")
read -r viewer_left viewer_top _ _ < <(frame "$viewer")
((viewer_left >= main_left + main_width - 2 && viewer_top == main_top)) ||
    fail "the viewer is at $viewer_left,$viewer_top; the main window at $main_left,$main_top, $main_width wide"
timeout 10 xdotool windowactivate --sync "$viewer" key Escape >/dev/null 2>&1 || true
wait_for 50 no_window '^Help for TVK$' || fail "Escape did not close the viewer"

# Quit shows the catalogue; Enter closes it and ends the program, with the colours saved.
timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
click_at 566 484
wait_for 100 find_window '^Quenby Systems Software$' || fail "Quit showed no catalogue"
timeout 10 xdotool windowactivate --sync "$(find_window '^Quenby Systems Software$')" key Return >/dev/null 2>&1 ||
    true
wait_for 100 sh -c "! kill -0 $app_pid" || fail "Enter in the catalogue after Quit did not end the program"
status=0
wait "$app_pid" || status=$?
[[ $status == 0 ]] || fail "after Quit the program ended with exit code $status"
[[ $(reg_value "$key" Params) == "$params" ]] || fail "Params after Quit is '$(reg_value "$key" Params)'"

# A restart restores the saved colours.
start_wine_program
[[ $(copy_entry) == "$copied" ]] || fail "after a restart the clipboard holds '$(copy_entry)', not '$copied'"
kill "$app_pid"
wait "$app_pid" 2>/dev/null || true

# A screen scaled to 150 % (Windows' display setting is the DPI Wine reads, 144): the window grows by half,
# and a pick takes exactly the device pixel under the pointer, on the program's own window and on another
# program's, whose click must not reach that program.
wine_stop
"$wine" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d 144 /f >/dev/null
start_wine_program
read -r width height < <(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w, h}')
[[ "$width x $height" == "929 x 821" ]] || fail "at 150 % the window is $width x $height, not 929 x 821"
"$wine" notepad >/dev/null 2>&1 &
notepad_pid=$!
wait_for 300 find_window 'Notepad' || fail "Notepad did not appear"
timeout 10 xdotool windowmove --sync "$(find_window 'Notepad')" 1300 100 >/dev/null 2>&1 || true
background() { timeout 5 xclip -o -selection clipboard | head -n1 | sed 's/.* on background //; s/\r//'; }
pick_at() {
    timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    timeout 10 xdotool mousemove "$1" "$2"
    keys ctrl+e
    wait_for 50 find_window '^Loupe$' || fail "at $1, $2 Ctrl+E showed no loupe"
    local expected
    expected=$(/usr/bin/python3 "$here/../e2e/screen_peer.py" pixel "$1" "$2" | tr a-f A-F)
    timeout 10 xdotool click 1
    wait_for 50 no_window '^Loupe$' || fail "a click at $1, $2 did not end the pick"
    timeout 10 xdotool windowactivate --sync "$window" key ctrl+shift+c >/dev/null 2>&1 || true
    wait_for 20 sh -c "timeout 5 xclip -o -selection clipboard | grep -q ' on background $expected'" ||
        fail "at 150 % a click on $1, $2 picked $(background), the screen has $expected there"
}
read -r left top < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x = $4} /Absolute upper-left Y/ {y = $4}
    END {print x, y}')
# On the plane (device pixels 504 to 887 across, 192 to 575 down), at odd and even device pixels.
pick_at $((left + 504 + 101)) $((top + 192 + 77))
pick_at $((left + 504 + 250)) $((top + 192 + 300))
read -r note_left note_top _ _ < <(frame "$(find_window 'Notepad')")
pick_at $((note_left + 100)) $((note_top + 120))
kill "$notepad_pid" 2>/dev/null || true

echo "PASS"
