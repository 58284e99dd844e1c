#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The design tokens of --export-pairs json as design systems take them (the tools pinned and installed into
# the build folder): Style Dictionary builds them into CSS without a warning, with exactly the custom
# properties of --export-pairs css, and the Terrazzo CLI finds them valid without a warning. Skipped where npm
# is missing.
# Usage: designtokens.sh <program> <build folder>
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
status=0
bin=$(bash "$here/../../scripts/token-tools" "$2/token-tools") || status=$?
[[ $status == 77 ]] && { echo "SKIP: npm is not installed"; exit 77; }
((status == 0)) || { echo "FAIL: the design-token tools could not be installed" >&2; exit 1; }
# The tools' own scripts find the pinned node first.
export PATH="$bin:$PATH"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
pairs() {
    env -u DISPLAY -u WAYLAND_DISPLAY HOME="$work/home" XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS=detect_leaks=0 \
        timeout 20 "$program" "$@"
}

# Names that make the export names work: digits first and inside, the same name twice, other scripts,
# quotes and backslashes in the descriptions, nothing left of a name.
cat >"$work/pairs.gpl" <<'GPL'
GIMP Palette
255 255 255	Body text background
 34  34  34	Body text foreground
  6  69 173	body text background
255 255 255	body text foreground
  0   0   0	2024 Hero "banner" \ background
255 204   0	2024 Hero "banner" \ foreground
 18  52  86	Überschrift h1 background
250 250 250	Überschrift h1 foreground
 64 128 192	*** background
224 224 224	*** foreground
GPL
mkdir -p "$work/home" "$work/config" "$work/tokens"
pairs --import-pairs "$work/pairs.gpl" >/dev/null
pairs --export-pairs json "$work/tokens/pairs.json"
pairs --export-pairs css "$work/ours.css"

cat >"$work/config.json" <<'JSON'
{
  "log": { "warnings": "error", "verbosity": "verbose" },
  "source": ["tokens/pairs.json"],
  "platforms": {
    "css": {
      "transformGroup": "css",
      "buildPath": "build/",
      "files": [{ "destination": "pairs.css", "format": "css/variables" }]
    }
  }
}
JSON
(cd "$work" && timeout 120 style-dictionary build --config config.json >"$work/log" 2>&1) ||
    fail "style-dictionary failed: $(cat "$work/log")"
! grep -qiE 'warn|⚠' "$work/log" || fail "style-dictionary warned: $(cat "$work/log")"

# Below its header comment, the same text as --export-pairs css: the same properties, values and order.
diff "$work/ours.css" <(sed -n '/^:root {$/,$p' "$work/build/pairs.css") ||
    fail "style-dictionary built other CSS than --export-pairs css"
(($(grep -c '^  --' "$work/build/pairs.css") == 10)) || fail "style-dictionary built $(cat "$work/build/pairs.css")"

# Terrazzo reads the tokens as the format's stable version; it warns about anything older (string colours).
(cd "$work" && timeout 120 tz check tokens/pairs.json >"$work/tz" 2>&1) || fail "tz check failed: $(cat "$work/tz")"
[[ $(grep -cv '^$' "$work/tz") == 1 ]] && grep -q 'No errors' "$work/tz" || fail "tz check said: $(cat "$work/tz")"

echo "PASS"
