#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The built program's --export-pairs and --import-pairs with no display at all, on a store of its own:
# standard output byte for byte, one-line messages, exit codes, and a store that a refused import leaves
# as it was.
# Usage: pairs.sh <program>
set -euo pipefail

program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/home" "$work/config"
store="$work/config/Quenby Systems/registry.ini"

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# run <expected exit code> <expected standard output> <arguments...>
run() {
    local code=$1 expected=$2 status=0
    shift 2
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM HOME="$work/home" XDG_CONFIG_HOME="$work/config" \
        ASAN_OPTIONS=detect_leaks=0 timeout 20 "$program" "$@" >"$work/out" 2>"$work/err" || status=$?
    [[ $status == "$code" ]] || fail "$* ended with $status, not $code; stderr: $(cat "$work/err")"
    printf %s "$expected" >"$work/expected"
    cmp -s "$work/out" "$work/expected" ||
        fail "$* printed $(od -c "$work/out" | head -5), not $(od -c "$work/expected" | head -5)"
}
quiet() {
    [[ ! -s $work/err ]] || fail "standard error held '$(cat "$work/err")'"
}
# A refusal says why in one line, prints nothing else and leaves the store byte for byte as it was.
refused() {
    local code=$1 message=$2
    shift 2
    cp "$store" "$work/before"
    run "$code" "" "$@"
    [[ $(wc -l <"$work/err") == 1 && $(cat "$work/err") == *"$message"* ]] ||
        fail "$* said '$(cat "$work/err")', not one line with '$message'"
    cmp -s "$store" "$work/before" || fail "$* changed the store"
}

# Nothing stored yet: every format writes an empty list.
run 0 $':root {\n}\n' --export-pairs css
quiet
run 0 $'{}\n' --export-pairs json

cat >"$work/site.gpl" <<'GPL'
GIMP Palette
Name: Site
255 255 255	Body text background
 34  34  34	Body text foreground
 64 128 192	Links! background
224 224 224	Links! foreground
GPL
run 0 $'Imported 2 pairs.\n' --import-pairs "$work/site.gpl"
quiet
grep -qF 'Pairs=@ByteArray(ffffff 1 222222 2 Body text\n4080c0 1 e0e0e0 2 Links!\n\0)' "$store" ||
    fail "the store holds $(cat "$store")"

css=$':root {\n  --body-text-background: #ffffff;\n  --body-text-foreground: #222222;\n'
css+=$'  --links-background: #4080c0;\n  --links-foreground: #e0e0e0;\n}\n'
run 0 "$css" --export-pairs css
quiet
gpl=$'GIMP Palette\nName: Quenby Color Picker pairs\nColumns: 2\n#\n'
gpl+=$'255 255 255\tBody text background\n 34  34  34\tBody text foreground\n'
gpl+=$' 64 128 192\tLinks! background\n224 224 224\tLinks! foreground\n'
run 0 "$gpl" --export-pairs gpl
# The stored list checked: Links! (3.13:1) fails AA for normal text and passes it for large text.
table=$'Pair       Background  Foreground  Ratio  AA    AAA\nBody text  #ffffff     #222222     15.90  pass  pass\n'
table+=$'Links!     #4080c0     #e0e0e0     3.13   fail  fail\n'
run 1 "$table"$'1 of 2 pairs fails AA for normal text.\n' --check-pairs
quiet
run 0 "${table//fail  fail/pass  fail}"$'All 2 pairs pass AA for large text.\n' --check-pairs --large
# The same as every foreground against every background, with the exit code of the pairs.
run 1 $'Foreground \\ background,#ffffff,#4080c0\n#222222,15.90 pass,3.83 fail\n#e0e0e0,1.32 fail,3.13 fail\n' \
    --check-pairs --matrix --format csv
run 0 $'Contrast ratio 21.00:1\nAA normal text 4.5: pass\nAA large text 3: pass\nAAA normal text 7: pass\nAAA large text 4.5: pass\nUser interface 3: pass\nAPCA Lc 106.0\n' --contrast black white

run 0 "" --export-pairs json "$work/pairs.json"
quiet
grep -qF '"$description": "Links!",' "$work/pairs.json" || fail "the json export holds $(cat "$work/pairs.json")"
run 1 "$table"$'1 of 2 pairs fails AA for normal text.\n' --check-pairs "$work/pairs.json"

# Its own export comes back whole, after what is there.
run 0 $'Imported 2 pairs.\n' --import-pairs "$work/pairs.json"
run 0 "$gpl${gpl#*#$'\n'}" --export-pairs gpl

# Two processes importing at once, ten times each, lose no pair and duplicate none.
printf 'GIMP Palette\n1 2 3\tRace background\n4 5 6\tRace foreground\n' >"$work/race.gpl"
for importer in 1 2; do
    (
        for ((i = 0; i < 10; i++)); do
            env -u DISPLAY HOME="$work/home" XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS=detect_leaks=0 \
                timeout 20 "$program" --import-pairs "$work/race.gpl" >>"$work/race.out" 2>&1 ||
                echo "import failed" >>"$work/race.out"
        done
    ) &
done
wait
[[ $(grep -c '^Imported 1 pair.$' "$work/race.out") == 20 ]] || fail "the imports said $(sort "$work/race.out" | uniq -c)"
run 0 "$gpl${gpl#*#$'\n'}$(printf '  1   2   3\tRace background\n  4   5   6\tRace foreground\n%.0s' {1..20})"$'\n' \
    --export-pairs gpl

# Another program's single colours: those that pair by name are taken, the others counted.
printf ':root { --hero-bg: #000; --accent: red; --hero-fg: #fff; --muted-bg: #eee; --x-fg: #111; }\n' >"$work/other.css"
run 0 $'Imported 1 pair; 3 colors had no partner.\n' --import-pairs "$work/other.css"

# Files that are not pairs, and arguments that are wrong, change nothing.
printf '{\n  "a": {}\n  "b": {}\n}\n' >"$work/bad.json"
refused 2 "bad.json: not valid JSON: expected ',' or '}' at line 3, column 3" --import-pairs "$work/bad.json"
printf 'GIMP Palette\n1 2 300 x\n' >"$work/bad.gpl"
refused 2 "not a valid GIMP palette: line 2 is not a color" --import-pairs "$work/bad.gpl"
refused 2 "no such file" --import-pairs "$work/missing.css"
mkfifo "$work/fifo"
refused 2 "not a regular file" --import-pairs "$work/fifo"
refused 2 "unknown format 'xml' (css, json or gpl)" --export-pairs xml
refused 2 "unexpected argument 'more'" --export-pairs css "$work/out.css" more
refused 2 "unexpected argument 'more'" --import-pairs "$work/site.gpl" more
run 2 "" --import-pairs
[[ $(cat "$work/err") == *"Missing value after '--import-pairs'"* ]] || fail "--import-pairs alone said $(cat "$work/err")"
refused 1 "$work/nowhere/pairs.css" --export-pairs css "$work/nowhere/pairs.css"

# A store that cannot be read is no empty list: an export or import fails with one line and changes nothing.
cp "$store" "$work/store.bak"
for obstacle in fifo folder "link loop" damaged "over 1 MiB" "value given twice"; do
    rm -rf "$store"
    case $obstacle in
    fifo) mkfifo "$store" ;;
    folder) mkdir "$store" ;;
    "link loop") ln -s "$store" "$store" ;;
    damaged) printf '[HKEY_CURRENT_USER\ngarbage\n' >"$store" ;;
    "over 1 MiB") { cat "$work/store.bak" && head -c 1048576 /dev/zero | tr '\0' ';'; } >"$store" ;;
    "value given twice") sed 's/^values\\Pairs=.*/&\n&/' "$work/store.bak" >"$store" ;;
    esac
    for arguments in "--export-pairs css" "--import-pairs $work/race.gpl"; do
        run 1 "" $arguments
        [[ $(wc -l <"$work/err") == 1 && $(cat "$work/err") == *" could not be "* ]] ||
            fail "$arguments with a store that is a $obstacle said '$(cat "$work/err")'"
    done
done
rm -rf "$store" && cp "$work/store.bak" "$store"

# Repeated or mixed options do nothing; a file that starts with '-' is an option's value, or follows '--'.
refused 2 "Give each option once." --import-pairs "$work/race.gpl" --import-pairs "$work/race.gpl"
refused 2 "Give one of --convert, --export-pairs, --import-pairs" --import-pairs "$work/race.gpl" --export-pairs css
cp "$work/race.gpl" "$work/-dash.gpl"
(cd "$work" && run 0 $'Imported 1 pair.\n' --import-pairs -dash.gpl)
(cd "$work" && refused 2 "goes after '--'" --export-pairs css -dash.css)
(cd "$work" && run 0 "" --export-pairs css -- -dash.css && [[ -s $work/-dash.css ]]) || fail "no -dash.css"

# File names of any bytes are used as they are.
cp "$work/race.gpl" "$work/in"$'\xff'".gpl"
run 0 $'Imported 1 pair.\n' --import-pairs "$work/in"$'\xff'".gpl"
run 0 "" --export-pairs gpl "$work/out"$'\xfe'".gpl"
[[ -s $work/out$'\xfe'.gpl ]] || fail "the export did not write out\\xfe.gpl: $(ls "$work" | od -c)"
css=$(env -u DISPLAY HOME="$work/home" XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS=detect_leaks=0 "$program" \
    --export-pairs css)

# A write that fails ends with one line and exit code 1 and leaves an existing file as it was: standard
# output that is full or closed, a file-size limit with SIGXFSZ ignored or not, a full disk.
writeFails() { # <message> <shell command that runs "$@" with its own redirection>
    local message=$1 status=0
    shift
    printf 'old\n' >"$work/old.css"
    env -u DISPLAY HOME="$work/home" XDG_CONFIG_HOME="$work/config" ASAN_OPTIONS=detect_leaks=0 \
        bash -c "$1" bash "$program" 2>"$work/err" || status=$?
    [[ $status == 1 && $(wc -l <"$work/err") == 1 && $(cat "$work/err") == *"$message"* ]] ||
        fail "'$1' ended with $status and said '$(cat "$work/err")'"
    [[ $(cat "$work/old.css") == old && -z $(find "$work" -maxdepth 1 -name 'old.css.tmp*') ]] ||
        fail "'$1' changed old.css or left a copy"
}
writeFails "standard output: No space left on device" '"$1" --export-pairs css >/dev/full'
writeFails "standard output: Bad file descriptor" '"$1" --export-pairs css >&-'
writeFails "standard output: File too large" "ulimit -f 1; \"\$1\" --export-pairs css >$work/old.out"
writeFails "old.css: File too large" "ulimit -f 1; \"\$1\" --export-pairs css $work/old.css"
writeFails "old.css: File too large" "trap '' XFSZ; ulimit -f 1; \"\$1\" --export-pairs css $work/old.css"
mkdir "$work/disk"
if mount -t tmpfs -o size=64k tmpfs "$work/disk" 2>/dev/null; then
    trap 'umount "$work/disk"; rm -rf "$work"' EXIT
    printf 'old\n' >"$work/disk/tokens.css"
    head -c 1M /dev/zero >"$work/disk/filler" 2>/dev/null || true
    run 1 "" --export-pairs css "$work/disk/tokens.css"
    [[ $(cat "$work/err") == *"tokens.css: No space left on device" && $(cat "$work/disk/tokens.css") == old ]] ||
        fail "the export to a full disk said '$(cat "$work/err")' and left '$(cat "$work/disk/tokens.css")'"
    [[ $(ls "$work/disk") == $'filler\ntokens.css' ]] || fail "the full disk holds $(ls "$work/disk")"
else
    echo "SKIP: no tmpfs could be mounted; the export to a full disk is not checked"
fi

# A thousand pairs with the longest names in other scripts fit in the store; six hundred more would pass
# its limit, and that import is refused before anything changes.
long=$(printf 'é%.0s' {1..120})
for ((i = 0; i < 1000; i++)); do printf '1 2 3\t%s background\n4 5 6\t%s foreground\n' "$long" "$long"; done |
    sed '1i GIMP Palette' >"$work/thousand.gpl"
head -n 1201 "$work/thousand.gpl" >"$work/six-hundred.gpl"
run 0 $'Imported 1000 pairs.\n' --import-pairs "$work/thousand.gpl"
(($(stat -c %s "$store") < 1048576)) || fail "the store grew to $(stat -c %s "$store") bytes"
refused 1 "the pairs could not be saved: 1816 Unable to write value." --import-pairs "$work/six-hundred.gpl"
run 0 "" --export-pairs gpl "$work/all.gpl"
(($(grep -c 'é background$' "$work/all.gpl") == 1000)) || fail "the store lost pairs"

env -u DISPLAY ASAN_OPTIONS=detect_leaks=0 timeout 20 "$program" --help >"$work/out"
grep -q -- '--export-pairs <format>' "$work/out" && grep -q -- '--import-pairs <file>' "$work/out" ||
    fail "--help does not name the pairs options"

echo "PASS"
