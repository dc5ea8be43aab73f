; The Windows installer of distinct-digits: installs distinct-digits.exe for
; the current user or for all users of the computer, adds a Start-menu
; shortcut and an uninstaller listed in Windows' installed apps. Silent with
; /S; /CurrentUser or /AllUsers choose the mode without asking.
;
; makensis gets from the build, with -D: VERSION ("1.00"), VERSION_QUAD
; ("1.0.0.0"), PROGRAM (the .exe to install), ICON (the program's .ico),
; LICENSE_FILE and OUTFILE.

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
ManifestDPIAware true
ManifestSupportedOS all

!define APP_ID "distinct-digits"
!define APP_NAME "Различни цифри"
!define PUBLISHER "The distinct-digits developers"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${APP_ID}"
!define SHORTCUT "$SMPROGRAMS\${APP_NAME}.lnk"

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
VIAddVersionKey /LANG=1026 "LegalCopyright" "© 2026 ${PUBLISHER}, MIT License"

; Per user by default (no administrator needed), for all users when an
; administrator chooses it; a later install or the uninstaller finds the mode
; and the folder of the earlier one in the registry.
!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_INSTALLMODE_DEFAULT_CURRENTUSER
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

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\${APP_ID}.exe"

!insertmacro MUI_PAGE_LICENSE "${LICENSE_FILE}"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
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

Function .onInit
  !insertmacro MULTIUSER_INIT
FunctionEnd

Function un.onInit
  !insertmacro MULTIUSER_UNINIT
FunctionEnd

Section "${APP_NAME}"
  SectionIn RO
  SetOutPath "$INSTDIR"
  File "/oname=${APP_ID}.exe" "${PROGRAM}"
  File "/oname=LICENSE.txt" "${LICENSE_FILE}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  CreateShortcut "${SHORTCUT}" "$INSTDIR\${APP_ID}.exe" "" "$INSTDIR\${APP_ID}.exe" 0 \
    SW_SHOWNORMAL "" "Четирицифрени числа с различни цифри в интервал"

  ; SHCTX: HKCU for the current user, HKLM for all users.
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${APP_ID}.exe,0"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
  WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" \
    '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
  WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" 1024
SectionEnd

Section "Uninstall"
  Delete "${SHORTCUT}"
  Delete "$INSTDIR\${APP_ID}.exe"
  Delete "$INSTDIR\LICENSE.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey SHCTX "${UNINSTALL_KEY}"
SectionEnd
