# SPDX-License-Identifier: MIT
# shellcheck shell=bash
# Sourced by the Windows scripts: Wine with a prefix of this run alone. Setting up a prefix takes Wine some
# twenty seconds, so one is set up once per Wine version in the user's cache and each run gets a copy of it
# (hard links for the system's libraries, which Wine only reads; real copies of all else).

# Debian's wine64 puts its loader outside PATH unless the wine package is installed too.
wine=$(command -v wine64 || true)
[ -n "$wine" ] || wine=/usr/lib/wine/wine64
wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver64
[ -x "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

# No menu entries, and no offer to install Mono or Gecko, which nothing here needs.
export WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree=;mshtml="

# Copies the entries of folder $1 into $2, except the one named $3.
copy_prefix_level() {
    mkdir -p "$2"
    find "$1" -mindepth 1 -maxdepth 1 ! -name "$3" -exec cp -a -t "$2" {} +
}

# Makes a fresh prefix in the folder given as $1 and exports WINEPREFIX for it.
wine_prefix() {
    local version template
    version=$("$wine" --version 2>/dev/null | tr -c 'A-Za-z0-9.\n' _)
    template=${XDG_CACHE_HOME:-$HOME/.cache}/quenby-color-picker/wineprefix-$version
    if [ ! -f "$template/system.reg" ]; then
        rm -rf "$template.new"
        mkdir -p "$template.new-home"
        # A home of its own, so the prefix's user folders link to nothing of the user's.
        if ! HOME="$template.new-home" WINEPREFIX="$template.new" timeout 300 "$wine" wineboot --init \
            >"$template.log" 2>&1; then
            cat "$template.log" >&2
            echo "Wine could not set up its prefix" >&2
            return 1
        fi
        WINEPREFIX="$template.new" timeout 60 "$wineserver" -w || true
        rm -rf "$template" "$template.new-home"
        mv "$template.new" "$template"
    fi
    rm -rf "$1"
    copy_prefix_level "$template" "$1" drive_c
    copy_prefix_level "$template/drive_c" "$1/drive_c" windows
    copy_prefix_level "$template/drive_c/windows" "$1/drive_c/windows" system32
    cp -al "$template/drive_c/windows/system32" "$1/drive_c/windows/"
    export WINEPREFIX=$1
}

# Ends every Windows process of the prefix.
wine_stop() {
    [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] && timeout 30 "$wineserver" -k >/dev/null 2>&1
    return 0
}

# A registry value as "TYPE DATA" (for example "REG_SZ 1,2,3"), or nothing when it is not there.
reg_value() {
    "$wine" reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' |
        awk -v name="$2" '$1 == name { $1 = ""; sub(/^ +/, ""); print; exit }'
}

# A Unix path as Windows programs under Wine see it: drive Z: is the root of the Unix file system.
winepath_of() {
    local path=$1
    echo "Z:${path//\//\\}"
}
