#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs the Windows installer and its uninstaller silently (/S) under Wine and checks what they did, not
# their exit codes: the program and its help file in the user's own programs folder with nothing written
# for all users, a Start-menu shortcut, the uninstaller listed under HKEY_CURRENT_USER; then every file and
# entry gone again, and the saved colours kept.
# Usage: installer.sh <setup.exe>
set -euo pipefail
setup=$1
source "$(dirname "$0")/wine.sh"
work=$(mktemp -d)
trap 'wine_stop; rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
wine_prefix "$work/prefix"

uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuenbyColorPicker'
colours_key='HKCU\Software\Quenby Systems\TVK'
"$wine" reg add "$colours_key" /v Params /t REG_SZ /d 1,2,3,4,5,6 /f >/dev/null

timeout 120 "$wine" "$setup" /S || true
timeout 60 "$wineserver" -w || true
profile=$(find "$WINEPREFIX/drive_c/users" -mindepth 1 -maxdepth 1 ! -name Public | head -n1)
folder="$profile/AppData/Local/Programs/Quenby Color Picker"
shortcut="$profile/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Quenby Color Picker.lnk"
installed=$(cd "$folder" 2>/dev/null && ls | tr '\n' ' ')
[[ $installed == "quenby-color-picker.exe tvk_help.txt uninstall.exe " ]] ||
    fail "the installer left '$installed' in $folder"
cmp -s "$folder/tvk_help.txt" "$(dirname "$0")/../../resources/tvk_help.txt" || fail "the help file differs"
[ -f "$shortcut" ] || fail "no Start-menu shortcut"
[[ $(reg_value "$uninstall_key" DisplayName) == "REG_SZ Quenby Color Picker" ]] ||
    fail "the uninstaller is not listed: $(reg_value "$uninstall_key" DisplayName)"
[[ $(reg_value "$uninstall_key" UninstallString) == *'uninstall.exe"' ]] || fail "no UninstallString"
# Nothing for all users, which would need an administrator.
"$wine" reg query 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\QuenbyColorPicker' >/dev/null 2>&1 &&
    fail "the installer wrote under HKEY_LOCAL_MACHINE"
[ ! -e "$WINEPREFIX/drive_c/Program Files/Quenby Color Picker" ] || fail "the installer wrote to Program Files"
version=$("$wine" "$folder/quenby-color-picker.exe" --version 2>&1 | tr -d '\r')
[[ $version == "Quenby Color Picker 5.00" ]] || fail "the installed program printed '$version'"
echo "Installed: $installed, a Start-menu shortcut and an entry among the installed programs"

# The uninstaller runs from a copy of itself in the temporary folder, so its own exit says nothing.
timeout 60 "$wine" "$folder/uninstall.exe" /S || true
for ((i = 0; i < 300; i++)); do [ -e "$folder" ] || break; sleep 0.1; done
timeout 60 "$wineserver" -w || true
[ ! -e "$folder" ] || fail "the uninstaller left $(ls "$folder" | tr '\n' ' ')in $folder"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
"$wine" reg query "$uninstall_key" >/dev/null 2>&1 && fail "the uninstaller left its entry"
[[ $(reg_value "$colours_key" Params) == 'REG_SZ 1,2,3,4,5,6' ]] ||
    fail "the saved colours are now '$(reg_value "$colours_key" Params)'"
echo "Uninstalled: no file, shortcut or entry left; the saved colours kept"
echo "PASS"
