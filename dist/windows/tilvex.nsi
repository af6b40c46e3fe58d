; The Tilvex setup program for 64-bit Windows (NSIS 3).  Made by
; scripts/windows-desktop.sh, which lays the files out and passes:
;   VERSION   the program's version (CMake's PROJECT_VERSION)
;   OUTFILE   the setup program to write
;   FILES     an include file of SetOutPath / File lines: what is installed
;   UNFILES   an include file of Delete / RMDir lines: exactly those files
;   ICON      the program's icon (.ico)
; Installs into "Program Files\Tilvex": bin\ with tilvex.exe, tilvex-cli.exe,
; the DLLs and Qt's plugins, share\tilvex\ with the shipped data and the
; translations; a Start menu entry; .wrk files open in Tilvex; an
; uninstaller, listed among the installed programs.  The user's settings and
; data (%APPDATA%\Tilvex) are never touched by either.

Unicode true
; A 64-bit setup program for the 64-bit program (and Wine needs no 32-bit
; part to run it).
Target amd64-unicode
!ifndef VERSION
  !error "VERSION is not defined (scripts/windows-desktop.sh defines it)"
!endif
!ifndef OUTFILE
  !error "OUTFILE is not defined (scripts/windows-desktop.sh defines it)"
!endif
!ifndef FILES
  !error "FILES is not defined (scripts/windows-desktop.sh defines it)"
!endif
!ifndef UNFILES
  !error "UNFILES is not defined (scripts/windows-desktop.sh defines it)"
!endif
!ifndef ICON
  !error "ICON is not defined (scripts/windows-desktop.sh defines it)"
!endif

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "x64.nsh"

!define APP "Tilvex"
!define PROGID "Tilvex.Workspace"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Tilvex"

Name "${APP} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP}"
InstallDirRegKey HKLM "Software\${APP}" "InstallDir"
RequestExecutionLevel admin
SetCompressor /SOLID lzma
BrandingText "${APP} ${VERSION}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_FINISHPAGE_RUN "$INSTDIR\bin\tilvex.exe"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP} setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright 2026 Tilvex Developers"

Function .onInit
  ${IfNot} ${RunningX64}
    MessageBox MB_ICONSTOP "${APP} needs 64-bit Windows." /SD IDOK
    Abort
  ${EndIf}
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Function un.onInit
  SetRegView 64
  SetShellVarContext all
FunctionEnd

Section "Tilvex"
  !include "${FILES}"
  SetOutPath "$INSTDIR"
  File "/oname=bin\tilvex.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${APP}"
  CreateShortcut "$SMPROGRAMS\${APP}\${APP}.lnk" "$INSTDIR\bin\tilvex.exe" "" "$INSTDIR\bin\tilvex.ico"

  ; .wrk files open in Tilvex.
  WriteRegStr HKLM "Software\Classes\.wrk" "" "${PROGID}"
  WriteRegStr HKLM "Software\Classes\${PROGID}" "" "Tilvex Workspace"
  WriteRegStr HKLM "Software\Classes\${PROGID}\DefaultIcon" "" "$INSTDIR\bin\tilvex.ico"
  WriteRegStr HKLM "Software\Classes\${PROGID}\shell\open\command" "" '"$INSTDIR\bin\tilvex.exe" "%1"'
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  WriteRegStr HKLM "Software\${APP}" "InstallDir" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "Tilvex Developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\bin\tilvex.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only what the setup program put there: a file the user added to the
  ; folder keeps it (RMDir leaves a folder that is not empty).
  !include "${UNFILES}"
  Delete "$INSTDIR\bin\tilvex.ico"
  RMDir "$INSTDIR\bin"
  Delete "$INSTDIR\Uninstall.exe"
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${APP}\${APP}.lnk"
  RMDir "$SMPROGRAMS\${APP}"

  ; The file type only while it is still ours.
  ReadRegStr $0 HKLM "Software\Classes\.wrk" ""
  ${If} $0 == "${PROGID}"
    DeleteRegKey HKLM "Software\Classes\.wrk"
  ${EndIf}
  DeleteRegKey HKLM "Software\Classes\${PROGID}"
  System::Call 'shell32::SHChangeNotify(i 0x08000000, i 0, p 0, p 0)'

  DeleteRegKey HKLM "Software\${APP}"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
