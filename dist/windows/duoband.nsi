; The Windows installer: the program folder, a Start-menu entry with the icon, an uninstaller
; and its entry in "Apps & features". The shipped Program.ini and Default.dat go in
; share\duoband, so that the program keeps each user's settings and data in %LOCALAPPDATA% and
; %APPDATA%. makensis -DVERSION=x.y.z -DSOURCE=<laid out folder> -DOUTFILE=<setup.exe>
Unicode true
Target amd64-unicode ; a 64-bit program gets a 64-bit installer
!include "MUI2.nsh"

Name "Duoband"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\Duoband"
InstallDirRegKey HKLM "Software\Duoband" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma

!define MUI_ICON "${SOURCE}\duoband.ico"
!define MUI_UNICON "${SOURCE}\duoband.ico"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Duoband"

Section "Duoband"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File /r /x "Program.ini" /x "Default.dat" "${SOURCE}\*.*"
    SetOutPath "$INSTDIR\share\duoband"
    File "${SOURCE}\Program.ini"
    File "${SOURCE}\Default.dat"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortCut "$SMPROGRAMS\Duoband.lnk" "$INSTDIR\duoband.exe" "" "$INSTDIR\duoband.ico"
    WriteRegStr HKLM "Software\Duoband" "InstallDir" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "Duoband"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\duoband.ico"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The users' own settings and data files stay: they are theirs.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\Duoband.lnk"
    RMDir /r "$INSTDIR\platforms"
    RMDir /r "$INSTDIR\styles"
    RMDir /r "$INSTDIR\translations"
    RMDir /r "$INSTDIR\share"
    RMDir /r "$INSTDIR\help"
    Delete "$INSTDIR\*.exe"
    Delete "$INSTDIR\*.dll"
    Delete "$INSTDIR\*.ico"
    Delete "$INSTDIR\*.txt"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
    DeleteRegKey HKLM "Software\Duoband"
SectionEnd
