; SPDX-License-Identifier: MIT
; The Windows installer: per user, without administrator rights, into the user's own programs folder, with
; a Start-menu shortcut and an uninstaller listed among the installed programs. The uninstaller removes
; every file it installed and leaves the saved colours (HKCU\Software\Quenby Systems\TVK) alone.
; makensis -DVERSION=5.0 -DPROGRAM=<exe> -DHELP=<tvk_help.txt> -DICON=<ico> -DOUTFILE=<setup.exe> installer.nsi

Unicode true
; 64-bit stubs: the program is 64-bit, and so is Debian's Wine, under which a 32-bit installer does nothing.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define NAME "Quenby Color Picker"
!define PUBLISHER "Quenby Systems"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\QuenbyColorPicker"

Name "${NAME} ${VERSION}"
OutFile "${OUTFILE}"
Icon "${ICON}"
UninstallIcon "${ICON}"
InstallDir "$LOCALAPPDATA\Programs\${NAME}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails show

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Program"
    SetOutPath "$INSTDIR"
    File "/oname=quenby-color-picker.exe" "${PROGRAM}"
    File "/oname=tvk_help.txt" "${HELP}"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${NAME}.lnk" "$INSTDIR\quenby-color-picker.exe"

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${NAME}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quenby-color-picker.exe"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
    ; Only what this installer put there, so that nothing of the user's in the folder is lost.
    Delete "$INSTDIR\quenby-color-picker.exe"
    Delete "$INSTDIR\tvk_help.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${NAME}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"
SectionEnd
