#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the built program into a scratch prefix, checks where everything went, then starts the installed
# program through its link in bin and opens Help, which must find the help file beside the real executable.
# Usage: e2e_install.sh <program>   (the program's folder is the build folder)
set -euo pipefail

program=$1
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=tests/e2e/xvfb.sh
source "$here/xvfb.sh"

name=quenby-color-picker
prefix="$work/prefix"
timeout 120 cmake --install "$(dirname "$program")" --prefix "$prefix" >"$work/install.log" 2>&1 ||
    fail "cmake --install failed: $(cat "$work/install.log")"

folder="$prefix/lib/$name"
[[ -f $folder/$name && ! -L $folder/$name && -x $folder/$name ]] || fail "no program in $folder"
cmp -s "$here/../../resources/tvk_help.txt" "$folder/tvk_help.txt" || fail "the help file is not beside the program"

link="$prefix/bin/$name"
[[ -L $link ]] || fail "$link is not a link"
[[ $(readlink "$link") != /* ]] || fail "the link in bin is absolute, so the prefix cannot move: $(readlink "$link")"
[[ $(readlink -f "$link") == "$(readlink -f "$folder/$name")" ]] || fail "the link in bin leads to $(readlink -f "$link")"

# Width and height as a PNG header gives them (big-endian, after the 8-byte signature and the IHDR tag).
png_size() {
    local -a bytes
    read -r -a bytes < <(od -An -tu1 -j16 -N8 "$1")
    echo "$(((bytes[0] << 24) + (bytes[1] << 16) + (bytes[2] << 8) + bytes[3]))x$(((bytes[4] << 24) + (bytes[5] << 16) + (bytes[6] << 8) + bytes[7]))"
}
icons="$prefix/share/icons/hicolor"
[[ -f $icons/32x32/apps/$name.png ]] || fail "no 32x32 icon"
for icon in "$icons"/*/apps/"$name".png; do
    size=$(basename "$(dirname "$(dirname "$icon")")")
    [[ $(head -c8 "$icon" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "$size icon is not a PNG"
    [[ $(png_size "$icon") == "$size" ]] || fail "the $size icon is $(png_size "$icon")"
done
# Drawn by the renderer desktops draw icons with, the scalable icon is the same artwork, pixel for pixel.
svg="$icons/scalable/apps/$name.svg"
[[ -f $svg ]] || fail "no scalable icon"
for size in 32 256; do
    rsvg-convert -w "$size" -h "$size" "$svg" -o "$work/svg$size.png" || fail "the scalable icon does not render"
    differing=$(compare -metric AE "$work/svg$size.png" "$icons/${size}x${size}/apps/$name.png" null: 2>&1) || true
    [[ $differing == 0 ]] || fail "the scalable icon at $size differs from the PNG in $differing pixels"
done

id=example.quenby_systems.colorpicker
entry="$prefix/share/applications/$id.desktop"
[[ -f $entry ]] || fail "no desktop entry"
# The value of a key in the entry's main group.
entry_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/{s/^'"$1"'=//p}' "$entry"
}
[[ $(entry_value Type) == Application ]] || fail "desktop entry: Type is '$(entry_value Type)'"
[[ $(entry_value Name) == "Quenby Color Picker" ]] || fail "desktop entry: Name is '$(entry_value Name)'"
[[ -n $(entry_value Comment) ]] || fail "desktop entry: no Comment"
[[ $(entry_value Terminal) == false ]] || fail "desktop entry: Terminal is '$(entry_value Terminal)'"
[[ -e $prefix/bin/$(entry_value Exec) ]] || fail "desktop entry: Exec '$(entry_value Exec)' is not in bin"
[[ -f $icons/32x32/apps/$(entry_value Icon).png ]] || fail "desktop entry: no icon named '$(entry_value Icon)'"
[[ ";$(entry_value Categories)" == *";Graphics;"* && ";$(entry_value Categories)" == *";Development;"* ]] ||
    fail "desktop entry: Categories are '$(entry_value Categories)'"
if command -v desktop-file-validate >/dev/null; then
    problems=$(desktop-file-validate "$entry" | grep -v ': hint: ' || true)
    [[ -z $problems ]] || fail "desktop-file-validate: $problems"
fi
[[ -f $prefix/share/metainfo/$id.metainfo.xml ]] || fail "no metadata in share/metainfo"

start_xvfb
start_program "$link"
wait_for 300 find_window '^Quenby Color Picker' || fail "the installed program did not show its window"
window=$(find_window '^Quenby Color Picker')

press_help() {
    timeout 10 xdotool mousemove --window "$window" 494 484 click 1
}

press_help
wait_for 100 find_window '^Help for TVK$' || fail "Help showed no viewer"
! wait_for 20 find_window '^Error reading file$' || fail "Help could not read the installed help file"

# Without the file the same steps must end in the error box, or the check above proves nothing.
rm "$folder/tvk_help.txt"
timeout 10 xdotool windowfocus --sync "$window"
press_help
wait_for 100 find_window '^Error reading file$' || fail "no error box once the help file was gone"

echo "PASS"
