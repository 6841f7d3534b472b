; The per-user installer of Nevra Auto Clicker (NSIS 3.08 or later, Unicode, 64-bit).
; scripts/package.sh compiles it and passes what describes the build with -D:
;   PRODUCT_NAME, COMPANY_NAME, VERSION ("2.5"), VERSION_QUAD ("2.5.0.0"), WEBSITE_URL,
;   EXE_NAME (the program's file name), STAGE_DIR (the program and transl.dt, ready to ship),
;   ICON, OUT_DIR and OUT_NAME (where the installer goes), and SIGN_SCRIPT when the installer
;   and its uninstaller are to be signed.
; No elevation: everything goes to the user's own folders and HKCU.

!macro NEVRA_REQUIRE NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: build the installer with scripts/package.sh"
  !endif
!macroend
!insertmacro NEVRA_REQUIRE PRODUCT_NAME
!insertmacro NEVRA_REQUIRE COMPANY_NAME
!insertmacro NEVRA_REQUIRE VERSION
!insertmacro NEVRA_REQUIRE VERSION_QUAD
!insertmacro NEVRA_REQUIRE WEBSITE_URL
!insertmacro NEVRA_REQUIRE EXE_NAME
!insertmacro NEVRA_REQUIRE STAGE_DIR
!insertmacro NEVRA_REQUIRE ICON
!insertmacro NEVRA_REQUIRE OUT_DIR
!insertmacro NEVRA_REQUIRE OUT_NAME

; The uninstall entry's key: it must never change, or an upgrade would leave a second entry behind.
!define UNINST_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\NevraAutoClicker"
; The program's main window, asked to close before its files are replaced or removed.
!define MAIN_WINDOW_CLASS "NevraAutoClickerMainWindow"
!define UNINSTALLER "Uninstall.exe"
; Reserved for an error the installer cannot get past, such as a program that will not close.
!define EXIT_PROGRAM_RUNNING 3

Unicode true
; The program is 64-bit only, so is its installer.
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
RequestExecutionLevel user

Name "${PRODUCT_NAME}"
Caption "${PRODUCT_NAME} ${VERSION} Setup"
UninstallCaption "${PRODUCT_NAME} ${VERSION} Uninstall"
BrandingText "${PRODUCT_NAME} ${VERSION}"
OutFile "${OUT_DIR}/${OUT_NAME}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT_NAME}"
; An earlier installation is upgraded where it is.
InstallDirRegKey HKCU "${UNINST_KEY}" "InstallLocation"
ShowInstDetails show
ShowUninstDetails show

!ifdef SIGN_SCRIPT
  ; Signed while makensis writes them: the uninstaller before it is packed into the installer.
  !uninstfinalize '"${SIGN_SCRIPT}" --sign-file "%1"'
  !finalize '"${SIGN_SCRIPT}" --sign-file "%1"'
!endif

!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh
!include WinMessages.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${EXE_NAME}"
!define MUI_FINISHPAGE_RUN_TEXT "Start ${PRODUCT_NAME}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${PRODUCT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${COMPANY_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${PRODUCT_NAME} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "OriginalFilename" "${OUT_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "Copyright (C) ${COMPANY_NAME}"

; Asks every running copy of the program to close, as a user would: it writes its settings when
; it ends. Silent runs do the same without asking. Gives up (aborting) if one does not end.
!macro NEVRA_CLOSE_RUNNING_FUNCTION PREFIX
Function ${PREFIX}CloseRunningProgram
  FindWindow $0 "${MAIN_WINDOW_CLASS}"
  ${If} $0 = 0
    Return
  ${EndIf}
  MessageBox MB_OKCANCEL|MB_ICONINFORMATION \
    "${PRODUCT_NAME} is running. Choose OK to close it and continue." /SD IDOK IDOK close
  Abort "${PRODUCT_NAME} is still running."
close:
  StrCpy $3 0
  ${Do}
    FindWindow $0 "${MAIN_WINDOW_CLASS}"
    ${If} $0 = 0
      Return
    ${EndIf}
    ${If} $3 >= 3
      ${Break}
    ${EndIf}
    DetailPrint "Closing ${PRODUCT_NAME}..."
    ; Wait for the process, not only its window: its files stay locked until it has ended.
    System::Call 'user32::GetWindowThreadProcessId(p r0, *i .r1)'
    System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
    SendMessage $0 ${WM_CLOSE} 0 0 /TIMEOUT=5000
    ${If} $2 P<> 0
      System::Call 'kernel32::WaitForSingleObject(p r2, i 15000)'
      System::Call 'kernel32::CloseHandle(p r2)'
    ${Else}
      Sleep 2000
    ${EndIf}
    IntOp $3 $3 + 1
  ${Loop}
  MessageBox MB_OK|MB_ICONSTOP "${PRODUCT_NAME} did not close. Please close it and try again." /SD IDOK
  SetErrorLevel ${EXIT_PROGRAM_RUNNING}
  Quit
FunctionEnd
!macroend
!insertmacro NEVRA_CLOSE_RUNNING_FUNCTION ""
!insertmacro NEVRA_CLOSE_RUNNING_FUNCTION "un."

Section "-Program"
  Call CloseRunningProgram
  SetOutPath "$INSTDIR"
  File "${STAGE_DIR}/${EXE_NAME}"
  File "${STAGE_DIR}/transl.dt"
  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  SetShellVarContext current
  CreateShortcut "$SMPROGRAMS\${PRODUCT_NAME}.lnk" "$INSTDIR\${EXE_NAME}" "" "$INSTDIR\${EXE_NAME}" 0

  WriteRegStr HKCU "${UNINST_KEY}" "DisplayName" "${PRODUCT_NAME}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINST_KEY}" "Publisher" "${COMPANY_NAME}"
  WriteRegStr HKCU "${UNINST_KEY}" "DisplayIcon" "$INSTDIR\${EXE_NAME},0"
  WriteRegStr HKCU "${UNINST_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINST_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKCU "${UNINST_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegStr HKCU "${UNINST_KEY}" "URLInfoAbout" "${WEBSITE_URL}"
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINST_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINST_KEY}" "EstimatedSize" $0
SectionEnd

; Removes exactly what the installer put there. The user's settings and macros
; (%APPDATA%\Nevra Auto Clicker) and the language choice (HKCU\Software\Nevra Auto Clicker) stay.
Section "Uninstall"
  Call un.CloseRunningProgram
  Delete "$INSTDIR\${EXE_NAME}"
  Delete "$INSTDIR\transl.dt"
  Delete "$INSTDIR\${UNINSTALLER}"
  ; Only if empty: anything the user keeps there stays.
  RMDir "$INSTDIR"

  SetShellVarContext current
  Delete "$SMPROGRAMS\${PRODUCT_NAME}.lnk"
  DeleteRegKey HKCU "${UNINST_KEY}"
SectionEnd
