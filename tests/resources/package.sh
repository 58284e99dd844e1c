#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the Debian package from the build folder with cpack, checks that it carries its documents and the
# scalable icon, and runs lintian on it, which must report nothing (no error, no warning). Skipped only where
# lintian is missing.
# Usage: package.sh <build folder>
set -euo pipefail

build=$1
command -v lintian >/dev/null || { echo "SKIP: lintian is not installed"; exit 77; }
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

(cd "$build" && timeout 300 cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || fail "cpack: $(cat "$work/cpack.log")"
debs=("$work"/*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "cpack made no package: $(cat "$work/cpack.log")"

contents=$(dpkg-deb -c "${debs[0]}")
for file in usr/share/doc/quenby-color-picker/copyright usr/share/doc/quenby-color-picker/changelog.gz \
    usr/share/man/man1/quenby-color-picker.1.gz usr/share/icons/hicolor/scalable/apps/quenby-color-picker.svg; do
    grep -q " \./$file\$" <<<"$contents" || fail "the package has no $file"
done

# Tags go to standard output; lintian's own notes (such as running as root) to standard error.
report=$(timeout 300 lintian "${debs[0]}" 2>"$work/lintian.log") || fail "lintian: $report $(cat "$work/lintian.log")"
[[ -z $report ]] || fail "lintian: $report"
echo "PASS: lintian reports nothing on $(basename "${debs[0]}")"
