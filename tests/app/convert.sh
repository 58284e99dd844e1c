#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The built program's --convert with no display at all: standard output byte for byte, the one-line
# messages on standard error and the exit codes.
# Usage: convert.sh <program>
set -euo pipefail

program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# convert <expected exit code> <expected standard output> <arguments after --convert...>
convert() {
    local code=$1 expected=$2 status=0
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ASAN_OPTIONS=detect_leaks=0 \
        timeout 20 "$program" --convert "$@" >"$work/out" 2>"$work/err" || status=$?
    [[ $status == "$code" ]] || fail "--convert $* ended with $status, not $code; stderr: $(cat "$work/err")"
    printf %s "$expected" >"$work/expected"
    cmp -s "$work/out" "$work/expected" ||
        fail "--convert $* printed $(od -c "$work/out" | head -5), not $(od -c "$work/expected" | head -5)"
}

# A failure says why in one line and prints nothing else.
convert_fails() {
    local message=$1
    shift
    convert 2 "" "$@"
    [[ $(wc -l <"$work/err") == 1 && $(cat "$work/err") == *"$message"* ]] ||
        fail "--convert $* said '$(cat "$work/err")', not one line with '$message'"
}
quiet() {
    [[ ! -s $work/err ]] || fail "standard error held '$(cat "$work/err")'"
}

convert 0 $'hex\nrgb\nrgb-comma\nhsl\nhwb\nlab\nlch\noklab\noklch\nsrgb\ndecimal\nhtml\nvb\nvb-rgb\nqt\ndotnet\njava\nswift\nargb\npython\n' list
quiet
convert 0 $'Color(red: 0.251, green: 0.502, blue: 0.753)\n' swift '#4080C0'
quiet
convert 0 $'hsl(120 100% 25%)\n' hsl 'rgb(0 128 0)'
# CSS Color 4 gives green as lab(46.2775% -47.5621 48.5837).
convert 0 $'lab(46.3 -47.6 48.6)\n' lab green
convert 0 $'12615744 (decimal)\n' decimal '&HC08040'
convert 0 $'#4080c0 on #E0E0E0\n' '{bg.hex} on {fg.HEX}' '#4080c0' 'rgb(224, 224, 224)'
convert 0 $'51,102,153 {b}\n' '{r},{g},{b} {{b}}' 336699
convert 0 $'255\xc2\xb0\n' '{r}°' red
quiet

convert 0 $'#4080c0\n' hex '#4080c080'
[[ $(cat "$work/err") == *"note: the transparency of '#4080c080' was ignored" ]] ||
    fail "the dropped alpha was told as '$(cat "$work/err")'"

convert_fails "unknown form 'bogus'" bogus red
convert_fails "not a color: 'rgb(50,5%, 20%, 10%)'" hex 'rgb(50,5%, 20%, 10%)'
convert_fails "not a color: 'a␁b'" hex $'a\x01b'
convert_fails "Unknown placeholder {red}" '{red}' red
convert_fails "The { at character 1 is not closed" '{r' red
convert_fails "give the background and the foreground" '{bg.r}' red
convert_fails "a second color is only for a template" hex red blue
convert_fails "needs a color" hex
convert_fails "--convert list takes no color" list red

echo "PASS"
