; The Windows installer, made by scripts/build-windows with Debian's NSIS:
;   makensis -DVERSION=<version> -DSTAGE=<folder to install> -DOUTFILE=<setup.exe>
; It installs the game under Program Files with an uninstaller (Windows' list of
; programs names it), and a Start-menu entry. The game finds its uninstaller
; beside it and so keeps the save in the player's %APPDATA%\Vizovid\Data, which
; uninstalling leaves in place.
; A 64-bit installer: it runs where the game does, also on a 64-bit-only Wine.
Target amd64-unicode
!include "MUI2.nsh"

Name "Vizovid"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Vizovid"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=1033 "ProductName" "Vizovid"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "Vizovid ${VERSION} setup"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "LegalCopyright" "2026 Vizovid maintainers"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Vizovid"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Function .onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Function un.onInit
    SetRegView 64
    SetShellVarContext all
FunctionEnd

Section "Vizovid"
    SetOutPath "$INSTDIR"
    File /r "${STAGE}/*"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\Vizovid.lnk" "$INSTDIR\vizovid.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Vizovid"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Vizovid maintainers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\vizovid.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; Only what the installer put there goes; the player's save is not in this folder.
Section "Uninstall"
    Delete "$SMPROGRAMS\Vizovid.lnk"
    RMDir /r "$INSTDIR\Assets"
    RMDir /r "$INSTDIR\licences"
    Delete "$INSTDIR\vizovid.exe"
    Delete "$INSTDIR\read-me.txt"
    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
