; The installed-theme store as the setup programs write it, and what they share: one
; machine-wide key per theme named after its title, whose default value is the theme file's full
; path and whose "UninstallFile", for a theme package, is the package's own uninstaller.
!include LogicLib.nsh
!include FileFunc.nsh

!define STORE_ROOT "Software\Tolvane\Quenmark\Velmoras"
!define STORE_MARK "${STORE_ROOT}\.Current"

; The product's name and maker from the program's version resource, so that every setup says
; what the program's own message boxes say.
!searchparse /file "${SOURCE_DIR}/app/win32/version.h" \
  '#define VELMORA_PRODUCT_NAME "' PRODUCT '"'
!searchparse /file "${SOURCE_DIR}/app/win32/version.h" \
  '#define VELMORA_COMPANY_NAME "' COMPANY '"'

; OUT = the key name the program gives the theme file FILE: its "ThemeTitle", read the way the
; program reads it (the system's profile reading), "[Untitled]" when there is none.
!macro THEME_TITLE OUT FILE
  ReadINIStr ${OUT} "${FILE}" "Velmora" "ThemeTitle"
  ${If} ${OUT} == ""
    StrCpy ${OUT} "[Untitled]"
  ${EndIf}
!macroend

; Deletes every store entry whose value NAME equals TEXT, letter case aside as in Windows paths
; (the default value "" names the theme file, "UninstallFile" a package's uninstaller).
; Uses $R0 to $R2.
!macro STORE_REMOVE_ENTRIES NAME TEXT
  StrCpy $R0 0
  ${Do}
    ClearErrors
    EnumRegKey $R1 HKLM "${STORE_ROOT}" $R0
    ${If} ${Errors}
    ${OrIf} $R1 == ""
      ${ExitDo}
    ${EndIf}
    ReadRegStr $R2 HKLM "${STORE_ROOT}\$R1" "${NAME}"
    ${If} $R2 == "${TEXT}"
      DeleteRegKey HKLM "${STORE_ROOT}\$R1"
    ${Else}
      IntOp $R0 $R0 + 1
    ${EndIf}
  ${Loop}
!macroend

; Deletes the store's keys from the root up to the maker's key, each only while it holds no
; values and no subkeys: other themes and other products of the maker keep theirs.
!macro STORE_REMOVE_EMPTY_KEYS ROOT
  DeleteRegKey /ifnosubkeys /ifnovalues ${ROOT} "${STORE_ROOT}"
  DeleteRegKey /ifnosubkeys /ifnovalues ${ROOT} "Software\Tolvane\Quenmark"
  DeleteRegKey /ifnosubkeys /ifnovalues ${ROOT} "Software\Tolvane"
!macroend

; For uninstallers: removes FOLDER when it is empty and named NAME (a folder the setup made for
; the maker or its themes, not one the user chose, such as C:\Apps). Uses $R0.
!macro REMOVE_EMPTY_FOLDER_NAMED FOLDER NAME
  ${un.GetFileName} "${FOLDER}" $R0
  ${If} $R0 == "${NAME}"
    RMDir "${FOLDER}"
  ${EndIf}
!macroend

; The program runs a theme's uninstaller with " /SILENT" after its command; that word makes an
; uninstaller as silent as /S does. For un.onInit.
!macro ACCEPT_SILENT_WORD
  ${un.GetParameters} $R0
  ClearErrors
  ${un.GetOptions} $R0 "/SILENT" $R1
  ${IfNot} ${Errors}
    SetSilent silent
  ${EndIf}
!macroend
