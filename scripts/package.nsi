; The setup program of Quindle 98, built by scripts/package with makensis.
;
; It installs for the user who runs it, without administrator rights, into a folder that user can
; write: the program keeps its settings (QUINX.INI) and, by default, its macro file beside
; QUINDL.EXE. The uninstaller removes the program and its entries and leaves everything the user
; made there: settings, macro files and their remap and sync files, captures and icons.
;
; makensis -DSTAGE=<folder with QUINDL.EXE, QNLHOOK.DLL, QUINDL.CHM, SAMPLE.QNL and HOOK32\ with
;          the 32-bit QNLHOOK.DLL and QNLHOOK32.EXE>
;          -DICON=<program icon> -DOUTFILE=<setup program> package.nsi
; "/S" installs silently, "/D=<folder>" (last on its command line) picks another folder;
; "Uninstall.exe /S" uninstalls silently.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma

!ifndef STAGE
  !error "scripts/package passes STAGE, ICON and OUTFILE"
!endif
!ifndef ICON
  !error "scripts/package passes STAGE, ICON and OUTFILE"
!endif
!ifndef OUTFILE
  !error "scripts/package passes STAGE, ICON and OUTFILE"
!endif

!define PRODUCT "Quindle 98"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"
; The marker the running program holds for its whole life (its single-instance test).
!define RUNNING_MARKER "QNLQX321Z"
!define FILE_MAP_READ 4

Name "${PRODUCT}"
OutFile "${OUTFILE}"
RequestExecutionLevel user
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT}"

!include "MUI2.nsh"
!include "LogicLib.nsh"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\QUINDL.EXE"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT}"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

; Files in use by a running copy can be neither replaced nor removed: both sides stop before
; they touch anything, rather than leave half a program behind.
!macro StopWhileRunning un
  Function ${un}StopWhileRunning
    System::Call 'kernel32::OpenFileMappingW(i ${FILE_MAP_READ}, i 0, w "${RUNNING_MARKER}") p.r0'
    ${If} $0 P<> 0
      System::Call 'kernel32::CloseHandle(p r0)'
      MessageBox MB_OK|MB_ICONSTOP "${PRODUCT} is running.  Please close it with $\"Terminate \
          Quindle 98$\" in its File menu and start this program again." /SD IDOK
      SetErrorLevel 2
      Quit
    ${EndIf}
  FunctionEnd
!macroend
!insertmacro StopWhileRunning ""
!insertmacro StopWhileRunning "un."

; The programs that the hooks ran in let go of a hook library only when they next look at their
; messages after the program has ended. A library still loaded somewhere cannot be deleted, but
; it can be moved: it waits in the temporary folder, out of the program's way, for the system to
; clear that folder.
!macro RemoveHookLibrary path
  StrCpy $0 0
  ${Do}
    Delete "${path}"
    ${IfNot} ${FileExists} "${path}"
    ${OrIf} $0 >= 8
      ${Break}
    ${EndIf}
    Sleep 250
    IntOp $0 $0 + 1
  ${Loop}
  ${If} ${FileExists} "${path}"
    GetTempFileName $1 "$TEMP"
    Delete $1
    Rename "${path}" "$1"
  ${EndIf}
!macroend

Function .onInit
  SetShellVarContext current
  Call StopWhileRunning
FunctionEnd

Function un.onInit
  SetShellVarContext current
  Call un.StopWhileRunning
FunctionEnd

Section "Program"
  SetOutPath "$INSTDIR"
  File "${STAGE}/QUINDL.EXE"
  File "${STAGE}/QNLHOOK.DLL"
  File "${STAGE}/QUINDL.CHM"
  ; The 32-bit programs' hooks, which QUINDL.EXE starts and stops with itself: their library
  ; has the 64-bit one's name, so it lives in a folder of its own.
  SetOutPath "$INSTDIR\HOOK32"
  File "${STAGE}/HOOK32/QNLHOOK.DLL"
  File "${STAGE}/HOOK32/QNLHOOK32.EXE"
  SetOutPath "$INSTDIR"
  ; The sample is the user's to change: installing again keeps the copy that is there.
  SetOverwrite off
  File "${STAGE}/SAMPLE.QNL"
  SetOverwrite on
  WriteUninstaller "$INSTDIR\Uninstall.exe"

  CreateDirectory "$SMPROGRAMS\${PRODUCT}"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk" "$INSTDIR\QUINDL.EXE" "" \
      "$INSTDIR\QUINDL.EXE" 0
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk" "$INSTDIR\QUINDL.CHM"
  CreateShortcut "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk" "$INSTDIR\Uninstall.exe"

  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\QUINDL.EXE,0"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

Section "Uninstall"
  ; Only what setup put here. QUINX.INI, the macro files (*.QNL, the sample among them, which the
  ; user may have changed) with their *.QNS and *.MAS files, TempCap.Txt and the Icons folder
  ; stay; the folder goes only when nothing of the user's is left in it.
  Delete "$INSTDIR\QUINDL.EXE"
  Delete "$INSTDIR\QUINDL.CHM"
  ; The host ends with the program, which is not running (StopWhileRunning).
  Delete "$INSTDIR\HOOK32\QNLHOOK32.EXE"
  !insertmacro RemoveHookLibrary "$INSTDIR\QNLHOOK.DLL"
  !insertmacro RemoveHookLibrary "$INSTDIR\HOOK32\QNLHOOK.DLL"
  RMDir "$INSTDIR\HOOK32"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\${PRODUCT} Help.lnk"
  Delete "$SMPROGRAMS\${PRODUCT}\Uninstall ${PRODUCT}.lnk"
  RMDir "$SMPROGRAMS\${PRODUCT}"

  ${If} ${FileExists} "$INSTDIR\QUINDL.EXE"
  ${OrIf} ${FileExists} "$INSTDIR\QNLHOOK.DLL"
  ${OrIf} ${FileExists} "$INSTDIR\HOOK32\QNLHOOK.DLL"
  ${OrIf} ${FileExists} "$INSTDIR\HOOK32\QNLHOOK32.EXE"
    ; Another program still has the hook library loaded; the entry stays so that uninstalling
    ; can be repeated, and the user is told instead of being shown success.
    MessageBox MB_OK|MB_ICONEXCLAMATION "Some files of ${PRODUCT} in $INSTDIR are still in use \
        by other programs and could not be removed.  Please close those programs, or restart \
        Windows, and uninstall again." /SD IDOK
    SetErrorLevel 2
    Return
  ${EndIf}
  Delete "$INSTDIR\Uninstall.exe"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  RMDir "$INSTDIR"
SectionEnd
