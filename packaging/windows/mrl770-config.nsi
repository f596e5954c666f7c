; SPDX-License-Identifier: Apache-2.0
; The Windows installer, built by scripts/package-windows, which defines:
;   VERSION    the version the installer names
;   FILES      the folder of the files to install, the same as the zip's
;   FILE_LIST  a file naming each of them, one "!insertmacro PackageFile NAME" a line
;   ICON       the .ico file of the installer and the Start-menu shortcut
;   OUTFILE    the installer to write

Unicode true
; The programs are 64-bit only, so the installer may be too: it then runs on Wine without its
; 32-bit side.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "Zel MRL 770 Printer Configuration Utility"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\mrl770-config"
!define SHORTCUT "$SMPROGRAMS\${PRODUCT}.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
; An update goes where the last install went.
InstallDirRegKey HKLM "${UNINSTALL_KEY}" InstallLocation

!include MUI2.nsh
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE English

; One file of the download: the installer copies it, the uninstaller deletes it, so that the
; uninstaller removes no file it did not install.
!macro PackageFile NAME
  !ifdef __UNINSTALL__
    Delete "$INSTDIR\${NAME}"
  !else
    File "${FILES}/${NAME}"
  !endif
!macroend

; The registry's 64-bit view, that of the programs, and the Start menu of every user, since
; the programs go to Program Files for everyone.
!macro UseMachineWide
  SetRegView 64
  SetShellVarContext all
!macroend

Function .onInit
  !insertmacro UseMachineWide
FunctionEnd

Function un.onInit
  !insertmacro UseMachineWide
FunctionEnd

Section
  SetOutPath "$INSTDIR"
  !include "${FILE_LIST}"
  File "/oname=mrl770-config.ico" "${ICON}"
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateShortcut "${SHORTCUT}" "$INSTDIR\mrl770-config.exe" "" "$INSTDIR\mrl770-config.ico"

  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayName "${PRODUCT}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayVersion "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" DisplayIcon "$INSTDIR\mrl770-config.ico"
  WriteRegStr HKLM "${UNINSTALL_KEY}" Publisher "The mrl770-config developers"
  WriteRegStr HKLM "${UNINSTALL_KEY}" InstallLocation "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" UninstallString '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" QuietUninstallString '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoModify 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" NoRepair 1
SectionEnd

Section Uninstall
  Delete "${SHORTCUT}"
  !include "${FILE_LIST}"
  Delete "$INSTDIR\mrl770-config.ico"
  Delete "$INSTDIR\Uninstall.exe"
  ; Only if empty: files of the user's own stay, and so does their folder.
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
