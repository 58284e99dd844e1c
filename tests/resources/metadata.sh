#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Checks the software-centre metadata and the menu entry as shipped: both validate cleanly, and the metadata
# has a release entry for the version being built. Skips (77) when appstreamcli is missing.
# Usage: metadata.sh <application id> <project version>
set -euo pipefail

id=$1
version=$2
resources=$(cd "$(dirname "$0")/../../resources" && pwd)
metainfo="$resources/$id.metainfo.xml"

command -v appstreamcli >/dev/null || {
    echo "SKIP: appstreamcli is not installed"
    exit 77
}

# Infos stay allowed: the validator does not know the reserved "example" top-level domain.
report=$(appstreamcli validate --no-net --pedantic "$metainfo" 2>&1) || {
    echo "FAIL: appstreamcli: $report"
    exit 1
}
if grep -E '^[EWP]: ' <<<"$report"; then
    echo "FAIL: appstreamcli reported the problems above"
    exit 1
fi
grep -q "<release version=\"$version\"" "$metainfo" || {
    echo "FAIL: no release entry for version $version"
    exit 1
}
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || {
    echo "FAIL: the metadata does not launch $id.desktop"
    exit 1
}
if command -v desktop-file-validate >/dev/null; then
    problems=$(desktop-file-validate "$resources/$id.desktop" | grep -v ': hint: ' || true)
    [[ -z $problems ]] || {
        echo "FAIL: desktop-file-validate: $problems"
        exit 1
    }
fi
echo "PASS"
