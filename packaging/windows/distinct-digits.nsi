; The Windows installer of distinct-digits: installs distinct-digits.exe for
; all users of the computer or for the current user only, adds a Start-menu
; shortcut and an uninstaller listed in Windows' installed apps. One copy per
; computer: installing for all users removes the current user's own copy
; first; installing for one user where a copy for all users is installed,
; or installing at all where the MSI package is, is refused.
;
; Command line: /S silent; /AllUsers or /CurrentUser choose without asking
; (an administrator gets /AllUsers unless told otherwise). Exit codes: 0
; installed, 1 cancelled by the user, 2 stopped before any change (the
; program is running, or another copy is in the way).
;
; makensis gets from the build, with -D: VERSION ("1.00"), VERSION_QUAD
; ("1.0.0.0"), PUBLISHER, HOME_URL (its home page, for the
; uninstall entry), PROGRAM (the .exe to install), ICON (the program's
; .ico), LICENSE_FILE, WIZARD_DIR (the finish page's pictures),
; MSI_UPGRADE_CODE (the MSI package's upgrade code), SIGN_SCRIPT (signs a
; file in place when the build has a certificate) and OUTFILE.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all

!define APP_ID "distinct-digits"
!define APP_NAME "Различни цифри"
!define PROGRAM_FILE "${APP_ID}.exe"
!define UNINSTALLER_FILE "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define SHORTCUT "$SMPROGRAMS\${APP_NAME}.lnk"

; The installer and the uninstaller it writes are signed as they are made.
!finalize 'sh "${SIGN_SCRIPT}" "%1"' = 0
!uninstfinalize 'sh "${SIGN_SCRIPT}" "%1"' = 0

Name "${APP_NAME}"
OutFile "${OUTFILE}"
BrandingText "${APP_NAME} ${VERSION}"

VIProductVersion "${VERSION_QUAD}"
VIFileVersion "${VERSION_QUAD}"
VIAddVersionKey /LANG=1026 "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=1026 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=1026 "FileDescription" "Инсталиране на ${APP_NAME} ${VERSION}"
VIAddVersionKey /LANG=1026 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=1026 "LegalCopyright" "© 2026 ${PUBLISHER}, лиценз MIT"

; For all users when the user is an administrator, for the current user
; otherwise; the page between the licence and the folder lets an
; administrator choose, preselecting the mode of an earlier install.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "${APP_ID}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INIT_TEXT_ADMINREQUIRED "$(^Caption) изисква права на администратор."
!define MULTIUSER_INIT_TEXT_POWERREQUIRED "$(^Caption) изисква права на администратор."
!define MULTIUSER_INIT_TEXT_ALLUSERSNOTPOSSIBLE \
  "Инсталиране за всички потребители изисква права на администратор."
!include MultiUser.nsh
!include MUI2.nsh
!include LogicLib.nsh
!include FileFunc.nsh

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_CUSTOMFUNCTION_GUIINIT WidenButtons
!define MUI_CUSTOMFUNCTION_UNGUIINIT un.WidenButtons
; The finish page's picture, drawn for the screen's scale (see
; ShowSharpPicture); the one for 100 % until then.
!define MUI_WELCOMEFINISHPAGE_BITMAP "${WIZARD_DIR}/wizard-100.bmp"
!define MUI_WELCOMEFINISHPAGE_BITMAP_STRETCH NoStretchNoCropNoAlign

; NSIS's Bulgarian licence texts miss a word ("запознайте се Лицензионното")
; and are too long for their line at 100 and 150 %.
!define MUI_PAGE_HEADER_SUBTEXT \
  "Моля, запознайте се с лицензионното споразумение, преди да продължите."
!define MUI_LICENSEPAGE_TEXT_BOTTOM "Ако приемате условията на споразумението, натиснете „Съгласен“."
!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!define MUI_PAGE_CUSTOMFUNCTION_LEAVE DirectoryLeave
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\${PROGRAM_FILE}"
!define MUI_PAGE_CUSTOMFUNCTION_SHOW ShowSharpPicture
!insertmacro MUI_PAGE_FINISH
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
; NSIS's Bulgarian texts lack the page that chooses the users; a text
; defined before the language is taken instead of the English fallback.
!define MULTIUSER_TEXT_INSTALLMODE_TITLE "Избор на потребители"
!define MULTIUSER_TEXT_INSTALLMODE_SUBTITLE "Изберете за кои потребители да се инсталира $(^NameDA)."
!define MULTIUSER_INNERTEXT_INSTALLMODE_TOP \
  "Изберете дали да инсталирате $(^NameDA) само за себе си или за всички потребители на този компютър. $(^ClickNext)"
!define MULTIUSER_INNERTEXT_INSTALLMODE_ALLUSERS "За всички потребители на този компютър"
!define MULTIUSER_INNERTEXT_INSTALLMODE_CURRENTUSER "Само за мен"
!insertmacro MUI_LANGUAGE "Bulgarian"

LangString ProgramRunning ${LANG_BULGARIAN} "Програмата $(^NameDA) е отворена ($0).$\r$\nЗатворете я и опитайте отново."
LangString AllUsersCopyExists ${LANG_BULGARIAN} "Програмата $(^NameDA) вече е инсталирана за всички потребители на този компютър, включително за вас.$\r$\nВторо копие само за вас не е нужно. Нова версия за всички потребители може да инсталира администратор."
LangString MsiCopyExists ${LANG_BULGARIAN} "Програмата $(^NameDA) е инсталирана на този компютър с пакет MSI (от администратор).$\r$\nНова версия се инсталира и премахва със същия вид пакет."
LangString OwnCopyNotRemoved ${LANG_BULGARIAN} "Копието на $(^NameDA), инсталирано само за вас в „$0“, не можа да бъде премахнато.$\r$\nИнсталирането е прекратено."

Var OwnCopy ; the current user's own copy, which an install for all users replaces
Var RemoveAfterExit ; NSIS's copy of the uninstaller, deleted once it has ended,
Var RemoveFolderAfterExit ; and its folder

; Functions both the installer and the uninstaller use, once with "un.".
!macro SHARED_FUNCTIONS un
  ; Each of the three buttons a fifth wider, their right edges kept in
  ; line, so that "Инсталирай" has room inside its border at every scale.
  Function ${un}WidenButtons
    System::Call "*(i, i, i, i) p .r9"
    StrCpy $8 0 ; how far each button moves left
    ${ForEach} $7 2 0 - 1
      ${If} $7 == 2
        GetDlgItem $6 $HWNDPARENT 2 ; Cancel
      ${ElseIf} $7 == 1
        GetDlgItem $6 $HWNDPARENT 1 ; Next, Install
      ${Else}
        GetDlgItem $6 $HWNDPARENT 3 ; Back
      ${EndIf}
      System::Call "user32::GetWindowRect(p r6, p r9)"
      System::Call "user32::MapWindowPoints(p 0, p $HWNDPARENT, p r9, i 2)"
      System::Call "*$9(i .r1, i .r2, i .r3, i .r4)"
      IntOp $3 $3 - $1 ; width
      IntOp $4 $4 - $2 ; height
      IntOp $5 $3 / 5
      IntOp $8 $8 + $5
      IntOp $1 $1 - $8
      IntOp $3 $3 + $5
      System::Call "user32::SetWindowPos(p r6, p 0, i r1, i r2, i r3, i r4, i 0x14)" ; no z-order, no activation
    ${Next}
    System::Free $9
  FunctionEnd

  ; $0: a program file. Sets $R9 to 1 when it is not running (or not
  ; there), 0 when it runs and the user gave up (at once when silent). A
  ; running program's file cannot be opened for writing.
  Function ${un}CheckProgramClosed
    StrCpy $R9 1
    ${Do}
      ${IfNot} ${FileExists} $0
        Return
      ${EndIf}
      ClearErrors
      FileOpen $1 $0 a
      ${IfNot} ${Errors}
        FileClose $1
        Return
      ${EndIf}
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(ProgramRunning)" /SD IDCANCEL IDRETRY retry
      StrCpy $R9 0
      Return
      retry:
    ${Loop}
  FunctionEnd
!macroend
!insertmacro SHARED_FUNCTIONS ""
!insertmacro SHARED_FUNCTIONS "un."

Function .onInit
  !insertmacro MULTIUSER_INIT
  ; A silent install by an administrator is for all users unless the
  ; command line asks for the current user.
  ${GetParameters} $0
  ClearErrors
  ${GetOptions} $0 "/CurrentUser" $1
  ${If} ${Errors}
  ${AndIf} ${Silent}
  ${AndIf} $MultiUser.Privileges == "Admin"
    Call MultiUser.InstallMode.AllUsers
  ${EndIf}
FunctionEnd

; Whatever would stop the install is found before anything changes. Sets
; $R9 to 1 when the install may go on; otherwise the user has been told why
; (unless silent).
Function CheckBeforeInstall
  StrCpy $R9 0
  ; An MSI package and this installer would share the folder.
  System::Call "msi::MsiEnumRelatedProductsW(w '${MSI_UPGRADE_CODE}', i 0, i 0, w .r1) i .r0"
  ${If} $0 == 0
    MessageBox MB_OK|MB_ICONSTOP "$(MsiCopyExists)" /SD IDOK
    Return
  ${EndIf}
  StrCpy $OwnCopy ""
  ${If} $MultiUser.InstallMode == "CurrentUser"
    ReadRegStr $0 HKLM "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $0 != ""
      MessageBox MB_OK|MB_ICONSTOP "$(AllUsersCopyExists)" /SD IDOK
      Return
    ${EndIf}
  ${Else}
    ReadRegStr $OwnCopy HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${EndIf}
  StrCpy $0 "$INSTDIR\${PROGRAM_FILE}"
  Call CheckProgramClosed
  ${If} $R9 == 1
  ${AndIf} $OwnCopy != ""
    StrCpy $0 "$OwnCopy\${PROGRAM_FILE}"
    Call CheckProgramClosed
  ${EndIf}
FunctionEnd

Function DirectoryLeave
  Call CheckBeforeInstall
  ${If} $R9 != 1
    Abort ; stays on the page
  ${EndIf}
FunctionEnd

; Picks, of the pictures drawn for 100 % to 300 %, the smallest one that
; fills the picture's place on the finish page (109 by 193 dialog units), so
; that no picture is scaled up, and shows it unscaled in that place; the part
; beyond it is plain background.
Function ShowSharpPicture
  System::Call "*(i 0, i 0, i 109, i 193) p .r9"
  System::Call "user32::MapDialogRect(p $mui.FinishPage, p r9)"
  System::Call "*$9(i, i, i .r1, i .r2)"
  System::Free $9
  InitPluginsDir
  !macro PICTURE_IF_IT_FITS percent width height
    ${If} $5 == ""
    ${AndIf} $1 <= ${width}
    ${AndIf} $2 <= ${height}
      File "/oname=$PLUGINSDIR\wizard-${percent}.bmp" "${WIZARD_DIR}/wizard-${percent}.bmp"
      StrCpy $5 "$PLUGINSDIR\wizard-${percent}.bmp"
    ${EndIf}
  !macroend
  StrCpy $5 ""
  !include "${WIZARD_DIR}/pictures.nsh"
  ${If} $5 != ""
    ${NSD_FreeImage} $mui.FinishPage.Image.Bitmap
    ${NSD_SetImage} $mui.FinishPage.Image $5 $mui.FinishPage.Image.Bitmap
    ; The control took the picture's size; it is cut back to the place.
    System::Call "user32::SetWindowPos(p $mui.FinishPage.Image, p 0, i 0, i 0, i r1, i r2, i 0x16)"
  ${EndIf}
FunctionEnd

Section "${APP_NAME}"
  SectionIn RO
  Call CheckBeforeInstall
  ${If} $R9 != 1
    Abort
  ${EndIf}

  ; The current user's own copy goes first: its uninstaller runs from a
  ; copy outside its folder (with _?=, which also makes ExecWait wait for
  ; it), so that it can remove the whole folder.
  ${If} $OwnCopy != ""
    InitPluginsDir
    StrCpy $0 $OwnCopy
    ClearErrors
    CopyFiles /SILENT "$OwnCopy\${UNINSTALLER_FILE}" "$PLUGINSDIR\own-copy-uninstall.exe"
    ExecWait '"$PLUGINSDIR\own-copy-uninstall.exe" /S /CurrentUser _?=$OwnCopy' $1
    Delete "$PLUGINSDIR\own-copy-uninstall.exe"
    ReadRegStr $2 HKCU "${UNINSTALL_KEY}" "InstallLocation"
    ${If} $1 != 0
    ${OrIf} $2 != ""
      MessageBox MB_OK|MB_ICONSTOP "$(OwnCopyNotRemoved)" /SD IDOK
      Abort
    ${EndIf}
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "/oname=${PROGRAM_FILE}" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE_FILE}"
  WriteUninstaller "$INSTDIR\${UNINSTALLER_FILE}"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${PROGRAM_FILE}" "" "$INSTDIR\${PROGRAM_FILE}" 0 \
    SW_SHOWNORMAL "" "Четирицифрени числа с различни цифри в интервал"

  ; SHCTX: HKCU for the current user, HKLM for all users.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "${HOME_URL}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM_FILE},0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\${UNINSTALLER_FILE}" /$MultiUser.InstallMode'
  ; The silent uninstall for scripts and deployment tools, which wait for
  ; the program they start: a program cannot delete its own file, so the
  ; system's command prompt runs the uninstaller in place (_?=) and, once it
  ; has ended well, deletes it and the folder; then it returns, with the
  ; uninstaller's exit code.
  StrCpy $0 "$INSTDIR\${UNINSTALLER_FILE}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$SYSDIR\cmd.exe" /d /c ""$0" /$MultiUser.InstallMode /S _?=$INSTDIR& if errorlevel 2 (exit 2) else if errorlevel 1 (exit 1) else (del /f /q "$0" 2>nul & rmdir "$INSTDIR" 2>nul & if exist "$0" (exit 1) else exit 0)"'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  ; In KiB, as the installed files take them.
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "Uninstall"
  StrCpy $0 "$INSTDIR\${PROGRAM_FILE}"
  Call un.CheckProgramClosed
  ${If} $R9 != 1
    Abort
  ${EndIf}
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\${PROGRAM_FILE}"
  Delete "$INSTDIR\LICENSE.txt"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"

  ; The uninstaller cannot delete its own file while it runs. Run in place
  ; (_?=, by the QuietUninstallString), it leaves it to the command prompt
  ; that runs it. Run from a copy (by the installer that replaces it, or by
  ; NSIS itself, which copies the uninstaller into the temporary folder
  ; and starts the copy), it deletes the original once the program that
  ; started it has ended; NSIS's copy and its folder go once it has ended
  ; itself.
  StrCpy $RemoveAfterExit ""
  StrCpy $RemoveFolderAfterExit ""
  ${If} $EXEDIR != $INSTDIR
    ${For} $1 1 50
      ClearErrors
      Delete "$INSTDIR\${UNINSTALLER_FILE}"
      ${IfNot} ${Errors}
        ${Break}
      ${EndIf}
      Sleep 100
    ${Next}
    StrLen $1 "$TEMP\~nsu"
    StrCpy $2 $EXEDIR $1
    ${If} $2 == "$TEMP\~nsu"
      StrCpy $RemoveAfterExit $EXEPATH
      StrCpy $RemoveFolderAfterExit $EXEDIR
    ${EndIf}
  ${EndIf}
  RMDir "$INSTDIR"
SectionEnd

; Right before NSIS's copy of the uninstaller ends: a hidden command prompt
; deletes it and its folder as soon as it has ended.
Function un.onUninstSuccess
  ${If} $RemoveAfterExit == ""
    Return
  ${EndIf}
  SetOutPath $TEMP ; the command prompt's working folder, not the one it deletes
  ExecShell "open" "$SYSDIR\cmd.exe" '/d /q /c for /l %i in (1,1,60) do @(del /f /q "$RemoveAfterExit" 2>nul & if not exist "$RemoveAfterExit" (rmdir "$RemoveFolderAfterExit" 2>nul & exit) else ping -n 2 127.0.0.1 >nul )' SW_HIDE
FunctionEnd
