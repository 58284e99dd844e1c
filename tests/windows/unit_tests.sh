#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Qt Test programs built for Windows, and the string store's cases over the real registry, under
# Wine with the windows platform on the X server in DISPLAY, in a Wine prefix of their own. Under Wine a
# Qt Test program prints nothing to a redirected standard output, so each writes its log to a file (-o).
# Usage: unit_tests.sh <build folder>
set -euo pipefail
tests=$1
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'wine_stop; rm -rf "$work"' EXIT
wine_prefix "$work/prefix"

failed=()
passed=0
# The Qt Test programs this build defines, so that one left over from an earlier build is not run.
mapfile -t names < <(ctest --test-dir "$tests" -N | sed -n 's/^ *Test *#[0-9]*: \(tst_[a-z0-9_]*\)$/\1/p')
[ ${#names[@]} -gt 0 ] || { echo "FAIL: no test program in $tests" >&2; exit 1; }
for name in "${names[@]}"; do
    exe=$tests/$name.exe
    log=$work/$name.txt
    status=0
    QT_QPA_PLATFORM=windows timeout 300 "$wine" "$exe" -o "$(winepath_of "$log"),txt" >"$work/$name.out" 2>&1 ||
        status=$?
    totals=$(grep -a '^Totals:' "$log" 2>/dev/null | tr -d '\r' || true)
    if [ "$status" -eq 0 ] && [[ $totals == *", 0 failed,"* ]]; then
        echo "PASS $name: ${totals#Totals: }"
        passed=$((passed + 1))
    else
        echo "FAIL $name (exit code $status): ${totals:-no totals}"
        # Whatever these find, the run goes on to the next program.
        { grep -a -E '^(FAIL!|   Loc:|   Actual|   Expected|QWARN|QFATAL)' "$log" 2>/dev/null || true; } |
            head -n 20 | sed 's/^/    /'
        tail -n 5 "$work/$name.out" 2>/dev/null | sed 's/^/    /' || true
        failed+=("$name")
    fi
done

# A plain program: one line per case, then "N passed, N failed".
status=0
timeout 300 "$wine" "$tests/registry3_win.exe" >"$work/registry3.out" 2>&1 || status=$?
summary=$(tr -d '\r' <"$work/registry3.out" | tail -n 1)
if [ "$status" -eq 0 ] && [[ $summary == *" passed, 0 failed" ]]; then
    echo "PASS registry3_win: $summary"
    passed=$((passed + 1))
else
    tr -d '\r' <"$work/registry3.out" | grep -v '^PASS' | sed 's/^/    /'
    echo "FAIL registry3_win (exit code $status)"
    failed+=(registry3_win)
fi

echo "$passed passed, ${#failed[@]} failed"
[ ${#failed[@]} -eq 0 ]
