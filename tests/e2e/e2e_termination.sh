#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Ends the real program with SIGTERM, SIGHUP, SIGINT and SIGQUIT after a colour was edited, and checks that
# the colours were saved as Quit saves them and the exit code is 0; and once more with a store that cannot be
# saved, where the exit code must tell the failure.
# Usage: e2e_termination.sh <program>
set -euo pipefail

program=$1
source "$(dirname "$0")/xvfb.sh"

# A script's background jobs ignore SIGINT and SIGQUIT, which the program then leaves ignored; started from a
# terminal it gets them as they are by default.
launcher="$work/launch"
printf '#!/bin/sh\nexec env --default-signal=INT,QUIT "%s"\n' "$program" >"$launcher"
chmod +x "$launcher"
store="$work/config/Quenby Systems/registry.ini"

start_xvfb
for signal in TERM HUP INT QUIT unsaved; do
    rm -rf "$work/home" "$work/config"
    # A folder in the store's place makes every save fail.
    [[ $signal != unsaved ]] || mkdir -p "$store"
    start_program "$launcher"
    wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
    window=$(find_window '^Quenby Color Picker')
    # The first swatch sets the base channel of the background (green) to 8.
    timeout 10 xdotool mousemove --window "$window" 56 40 click 1
    sleep 0.5
    kill -s "${signal/unsaved/TERM}" "$app_pid"
    wait_for 100 bash -c "! kill -0 $app_pid" || fail "SIG$signal did not end the program"
    status=0
    wait "$app_pid" || status=$?
    app_pid=
    if [[ $signal == unsaved ]]; then
        [[ $status -eq 1 ]] || fail "a failed save on SIGTERM ended the program with code $status"
        continue
    fi
    [[ $status -eq 0 ]] || fail "after SIG$signal the exit code is $status"
    grep -qF 'values\Params=@ByteArray(001 064 008 192 002 224 224 224 \0)' "$store" ||
        fail "after SIG$signal the store holds: $(cat "$store" 2>/dev/null || echo nothing)"
done
echo "PASS"
