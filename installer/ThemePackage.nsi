; A theme package: one theme's files in a folder of their own, its installed-theme store entry
; naming the theme file and, as "UninstallFile", the package's own uninstaller, which the
; program's Uninstall button runs with " /SILENT". Built by installer/build-theme-package.sh,
; which passes SOURCE_DIR, THEME_NAME (the theme's folder name), THEME_FILE (its .vlr file),
; THEME_COPYRIGHT, FILES (the folder of the generated file lists) and OUT_FILE.
Unicode true
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!include MUI2.nsh
!include "${SOURCE_DIR}/installer/ThemeStore.nsh"

Name "${THEME_NAME} Theme" "${THEME_NAME} Theme"
BrandingText "${PRODUCT} theme package"
OutFile "${OUT_FILE}"
InstallDir "$PROGRAMFILES\${COMPANY}\${PRODUCT} Themes\${THEME_NAME}"
AutoCloseWindow true

VIProductVersion "1.0.0.0"
VIAddVersionKey /LANG=1033 "ProductName" "${THEME_NAME} Theme"
VIAddVersionKey /LANG=1033 "FileDescription" "${THEME_NAME} theme for ${PRODUCT}"
VIAddVersionKey /LANG=1033 "FileVersion" "1.0"
VIAddVersionKey /LANG=1033 "LegalCopyright" "${THEME_COPYRIGHT}"

!define MUI_ICON "${SOURCE_DIR}/app/win32/VelmoraTheme.ico"
!define MUI_UNICON "${SOURCE_DIR}/app/win32/VelmoraTheme.ico"
!define MUI_WELCOMEFINISHPAGE_BITMAP "${SOURCE_DIR}/installer/wizard.bmp"
!define MUI_WELCOMEPAGE_TEXT "Setup will install the theme ${THEME_NAME} for ${PRODUCT} and \
then open it in ${PRODUCT}, which asks before it applies the theme.$\r$\n$\r$\nThe theme can \
be removed again with the Uninstall button of ${PRODUCT}'s Installed Themes window.\
$\r$\n$\r$\nClick Next to continue."
!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Section "${THEME_NAME}"
  !include "${FILES}/install.nsh"
  SetOutPath "$INSTDIR"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  !insertmacro THEME_TITLE $R0 "$INSTDIR\${THEME_FILE}"
  WriteRegStr HKLM "${STORE_ROOT}\$R0" "" "$INSTDIR\${THEME_FILE}"
  WriteRegStr HKLM "${STORE_ROOT}\$R0" "UninstallFile" "$INSTDIR\uninstall.exe"
SectionEnd

; The theme opens in the program as a double-click on it would, unless the setup runs silently.
Function .onInstSuccess
  ${If} ${Silent}
    Return
  ${EndIf}
  ReadRegStr $R0 HKCR ".vlr" ""
  ${If} $R0 == ""
    MessageBox MB_OK|MB_ICONINFORMATION "The theme ${THEME_NAME} is installed. Install \
${PRODUCT} to apply it."
  ${Else}
    ExecShell "open" "$INSTDIR\${THEME_FILE}"
  ${EndIf}
FunctionEnd

Function un.onInit
  !insertmacro ACCEPT_SILENT_WORD
FunctionEnd

Section "Uninstall"
  ; The entry that names this uninstaller, whatever its title; a newer package of the same
  ; title has its own uninstaller and keeps its entry.
  !insertmacro STORE_REMOVE_ENTRIES "UninstallFile" "$INSTDIR\uninstall.exe"
  !insertmacro STORE_REMOVE_EMPTY_KEYS HKLM
  Delete "$INSTDIR\uninstall.exe"
  !include "${FILES}/uninstall.nsh"
  ${un.GetParent} "$INSTDIR" $R5
  !insertmacro REMOVE_EMPTY_FOLDER_NAMED "$R5" "${PRODUCT} Themes"
  ${un.GetParent} "$R5" $R5
  !insertmacro REMOVE_EMPTY_FOLDER_NAMED "$R5" "${COMPANY}"
SectionEnd
