; The setup program of Lumoscope32 for one architecture. The build runs it
; (installer/CMakeLists.txt) as
;   makensis -DVERSION=1.1 -DARCH=x64|x86 -DSTAGE=DIR -DPROGRAM_FILES=FILE.nsh
;            -DLICENCE_PAGE=FILE -DICON=FILE -DOUTFILE=FILE Lumoscope32.nsi
; STAGE holds the shipped files; PROGRAM_FILES names those of the program
; folder and the setup's log. The setup installs the files and the program
; group of all users, writes its log UNINST.LOG and has the installed
; program write the registration for every user ("LUMSC32.EXE -REGISTER":
; the same entries the program refreshes at each start, where a standard
; user's start cannot write them). The program's uninstall
; ("LUMSC32.EXE -U") removes the registration, deletes the group named in
; the log and has LMUNINST.EXE from the Windows directory delete the files.

; The 32-bit stub for both: the 64-bit setup must still start on a 32-bit
; Windows, to say why it cannot install there.
Target x86-unicode
RequestExecutionLevel admin
ManifestDPIAware true
SetCompressor /SOLID lzma
AllowSkipFiles off

!include MUI2.nsh
!include LogicLib.nsh
!include x64.nsh
!include WinVer.nsh

!define PRODUCT "Lumoscope32"
!define GROUP "Lumoscope32"
!include "${PROGRAM_FILES}"
!define LOG "$INSTDIR\${INSTALLER_LOG}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION} (${ARCH})"
!if "${ARCH}" == "x64"
  InstallDir "$PROGRAMFILES64\${PRODUCT}"
!else
  InstallDir "$PROGRAMFILES\${PRODUCT}"
!endif

VIProductVersion "${VERSION}.0.0"
VIFileVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=1033 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1033 "FileDescription" "${PRODUCT} ${VERSION} setup (${ARCH})"
VIAddVersionKey /LANG=1033 "LegalCopyright" "Copyright (c) 2026 the Lumoscope32 authors, MIT licence"

!define MUI_ICON "${ICON}"
!define MUI_LICENSEPAGE_TEXT_TOP "Lumoscope32 and the libraries it contains are free software under these licences."
!define MUI_LICENSEPAGE_BUTTON "$(^NextBtn)"
!define MUI_LICENSEPAGE_TEXT_BOTTOM "They ask nothing of you for using the program; press Next to go on."
!define MUI_FINISHPAGE_RUN
!define MUI_FINISHPAGE_RUN_TEXT "&Start Lumoscope32 now"
!define MUI_FINISHPAGE_RUN_FUNCTION StartViewerAsUser
!define MUI_FINISHPAGE_RUN_NOTCHECKED
; The page's second tick box.
!define MUI_FINISHPAGE_SHOWREADME
!define MUI_FINISHPAGE_SHOWREADME_TEXT "&Choose Lumoscope32 as the default picture viewer"
!define MUI_FINISHPAGE_SHOWREADME_FUNCTION OpenDefaultApps
!define MUI_FINISHPAGE_SHOWREADME_NOTCHECKED
!insertmacro MUI_PAGE_LICENSE "${LICENCE_PAGE}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_LANGUAGE "English"

Function .onInit
!if "${ARCH}" == "x64"
  ${IfNot} ${RunningX64}
    MessageBox MB_OK|MB_ICONSTOP "This is the setup of the 64-bit Lumoscope32, and this Windows runs only \
        32-bit programs.$\r$\n$\r$\nPlease install Lumoscope32-${VERSION}-setup-x86.exe instead." /SD IDOK
    SetErrorLevel 2
    Quit
  ${EndIf}
!endif
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_OK|MB_ICONSTOP "Lumoscope32 is installed for all users of this computer: please run the setup \
        as an administrator." /SD IDOK
    SetErrorLevel 740 ; ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
FunctionEnd

; One file of the program folder, noted in the log.
!macro ProgramFile NAME
  File "${STAGE}/${NAME}"
  WriteINIStr "${LOG}" "Files" "${NAME}" "$INSTDIR\${NAME}"
!macroend

; A shortcut in the program group, noted in the log.
!macro GroupShortcut NAME ARGUMENTS ICON
  CreateShortCut "$SMPROGRAMS\${GROUP}\${NAME}.lnk" "$INSTDIR\LUMSC32.EXE" "${ARGUMENTS}" "${ICON}" 0
  WriteINIStr "${LOG}" "Group" "${NAME}.lnk" "$SMPROGRAMS\${GROUP}\${NAME}.lnk"
!macroend

; Sets a shortcut's "run as administrator" flag (SLDF_RUNAS_USER, bit 13 of
; the link flags at offset 0x14): the uninstall changes the machine's
; registration and the program folder.
Function RunShortcutAsAdministrator
  Exch $0
  Push $1
  FileOpen $1 $0 a
  FileSeek $1 0x15
  FileReadByte $1 $0
  IntOp $0 $0 | 0x20
  FileSeek $1 0x15
  FileWriteByte $1 $0
  FileClose $1
  Pop $1
  Pop $0
FunctionEnd

; The setup runs elevated; the shell (Explorer, which runs as the signed-in
; user) starts what it is handed with that user's own rights.
!macro RunAsSignedInUser WHAT
  Exec '"$WINDIR\explorer.exe" "${WHAT}"'
!macroend

Function StartViewerAsUser
  !insertmacro RunAsSignedInUser "$INSTDIR\LUMSC32.EXE"
FunctionEnd

; Windows lets no program make itself the default: the user chooses it on
; the Default apps page, which Windows 11 opens on the program's own entry.
Function OpenDefaultApps
  ${If} ${AtLeastBuild} 22000
    !insertmacro RunAsSignedInUser "ms-settings:defaultapps?registeredAppMachine=${PRODUCT}"
  ${ElseIf} ${AtLeastWin10}
    !insertmacro RunAsSignedInUser "ms-settings:defaultapps"
  ${Else}
    Exec '"$SYSDIR\control.exe" /name Microsoft.DefaultPrograms /page pageDefaultProgram'
  ${EndIf}
FunctionEnd

Section "Lumoscope32"
  SetOutPath "$INSTDIR"
  Delete "${LOG}"
  WriteINIStr "${LOG}" "Setup" "Title" "${PRODUCT} ${VERSION} (${ARCH})"
  WriteINIStr "${LOG}" "Setup" "Product" "${INSTALLER_LOG_PRODUCT}"
  !insertmacro InstallProgramFiles

  ; The program's uninstall starts the uninstaller from the Windows directory.
  SetOutPath "$WINDIR"
  File "${STAGE}/LMUNINST.EXE"
  WriteINIStr "${LOG}" "Windows" "LMUNINST.EXE" "$WINDIR\LMUNINST.EXE"

  ; The group in the Start menu of all users, as the program is installed
  ; for all of them; the program's uninstall removes it.
  SetShellVarContext all
  SetOutPath "$INSTDIR"
  CreateDirectory "$SMPROGRAMS\${GROUP}"
  WriteINIStr "${LOG}" "Group" "Name" "${GROUP}"
  !insertmacro GroupShortcut "${PRODUCT}" "" "$INSTDIR\LUMSC32.EXE"
  !insertmacro GroupShortcut "Uninstall ${PRODUCT}" "-U" "$INSTDIR\UNINST.ICO"
  Push "$SMPROGRAMS\${GROUP}\Uninstall ${PRODUCT}.lnk"
  Call RunShortcutAsAdministrator

  ; The registration of every user, written by the program's own code.
  ExecWait '"$INSTDIR\LUMSC32.EXE" -REGISTER'
SectionEnd
