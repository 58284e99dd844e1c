#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Ends the real program with SIGTERM and with SIGHUP after a colour was edited, and checks that the
# colours were saved as Quit saves them.
# Usage: e2e_termination.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

start_xvfb
for signal in TERM HUP; do
    rm -rf "$work/home" "$work/config"
    start_program "$program"
    wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
    window=$(find_window '^Quenby Color Picker')
    # The first swatch sets the base channel of the background (green) to 8.
    timeout 10 xdotool mousemove --window "$window" 56 40 click 1
    sleep 0.5
    kill -s "$signal" "$app_pid"
    wait_for 100 bash -c "! kill -0 $app_pid" || fail "SIG$signal did not end the program"
    wait "$app_pid" || true
    app_pid=
    store="$work/config/Quenby Systems/registry.ini"
    grep -qF 'values\Params=@ByteArray(001 064 008 192 002 224 224 224 \0)' "$store" ||
        fail "after SIG$signal the store holds: $(cat "$store" 2>/dev/null || echo nothing)"
done
echo "PASS"
