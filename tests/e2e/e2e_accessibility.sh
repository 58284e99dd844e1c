#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Starts the accessibility bus as a desktop does (a private session bus, at-spi-bus-launcher and the registry
# daemon), the program under Xvfb and openbox, and reads it with pyatspi as a screen reader would
# (atspi_read.py says what is checked).
# Usage: e2e_accessibility.sh <program>
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

bus_pids=()
stop_bus() {
    for pid in "${bus_pids[@]}"; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
}
# The buses go first; cleanup then stops the rest and ends with the script's status.
trap 'status=$?; set +e; stop_bus; (exit $status); cleanup' EXIT

start_xvfb
dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>"$work/dbus.log" &
bus_pids+=($!)
wait_for 100 test -s "$work/bus" || fail "the session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS
# The launcher starts the accessibility bus and tells its address on the session bus.
/usr/libexec/at-spi-bus-launcher --launch-immediately >"$work/launcher.log" 2>&1 &
bus_pids=($! "${bus_pids[@]}")
wait_for 100 dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress ||
    fail "the accessibility bus did not start"
/usr/libexec/at-spi2-registryd >"$work/registryd.log" 2>&1 &
bus_pids=($! "${bus_pids[@]}")

start_openbox
# As a running screen reader makes it, without waiting for the desktop's settings.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$program"
wait_for 300 find_window '^Quenby Color Picker' || fail "the main window did not appear"
window=$(find_window '^Quenby Color Picker')
timeout 10 xdotool windowactivate --sync "$window"

timeout 120 /usr/bin/python3 "$here/atspi_read.py" || fail "see above; the program wrote: $(tail -n 20 "$work/app.log")"
