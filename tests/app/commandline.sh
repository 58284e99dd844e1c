#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the built program with --version, --help and an unknown option and no display at all: each must
# answer on the right stream with the right exit code and never try to reach a window system.
# Usage: commandline.sh <program>
set -euo pipefail

program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# run <expected exit code> <arguments...>: leaves the output in $out and $err.
run() {
    local expected=$1 status=0
    shift
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
        timeout 20 "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
    out=$(cat "$work/out")
    err=$(cat "$work/err")
    [[ $status == "$expected" ]] || fail "'$*' ended with $status, not $expected; stderr: $err"
}

run 0 --version
[[ $out == "Quenby Color Picker 5.00" && -z $err ]] || fail "--version printed '$out' and '$err'"

run 0 --help
[[ $out == "Usage: $(basename "$program") [options]"* && $out == *--version* && -z $err ]] ||
    fail "--help printed '$out' and '$err'"

run 2 --bogus
[[ -z $out && $err == *"Unknown option 'bogus'"* ]] || fail "--bogus printed '$out' and '$err'"

echo "PASS"
