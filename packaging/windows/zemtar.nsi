; The Windows installer of «Zemtar - Прогноз», made by scripts/windows.sh with
; Debian's makensis:
;   makensis -INPUTCHARSET UTF8 -DVERSION=1.4 -DSTAGE=<folder> -DLISTS=<folder>
;            -DOUTFILE=<setup.exe> zemtar.nsi
; STAGE holds the program as it runs from a folder; LISTS holds files.nsh and
; unfiles.nsh, the script's lists of exactly those files, so that the
; uninstaller removes what was installed and nothing else: the client book,
; the settings and the practitioner's texts live in the user's local
; application data, which the uninstaller never touches.
;
; Per user (no administrator needed, into the user's own programs folder) or
; for all users (into Program Files): the first page asks; silently, /S with
; /CurrentUser or /AllUsers.

Unicode true
; A 64-bit installer: the program is one, and Wine without its 32-bit half
; runs only these.
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!define PRODUCT "Zemtar - Прогноз"
!define PUBLISHER "Земтар"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\ZemtarPrognoz"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
BrandingText "${PRODUCT} ${VERSION}"

!define MULTIUSER_EXECUTIONLEVEL Highest
!define MULTIUSER_MUI
!define MULTIUSER_INSTALLMODE_COMMANDLINE
!define MULTIUSER_USE_PROGRAMFILES64
!define MULTIUSER_INSTALLMODE_INSTDIR "Zemtar Prognoz"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_INSTDIR_REGISTRY_VALUENAME "InstallLocation"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_KEY "${UNINSTALL_KEY}"
!define MULTIUSER_INSTALLMODE_DEFAULT_REGISTRY_VALUENAME "InstallLocation"
!include MultiUser.nsh
!include MUI2.nsh

!define MUI_ICON "${STAGE}/zemtar.ico"
!define MUI_UNICON "${STAGE}/zemtar.ico"
!define MUI_ABORTWARNING
!define MUI_FINISHPAGE_RUN "$INSTDIR\zemtar.exe"

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/LICENSE.txt"
!insertmacro MULTIUSER_PAGE_INSTALLMODE
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when Windows speaks none of the three.
!insertmacro MUI_LANGUAGE "Russian"
!insertmacro MUI_LANGUAGE "Ukrainian"
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_RESERVEFILE_LANGDLL

LangString KeepsData ${LANG_RUSSIAN} "Картотека клиентов, настройки и ваши тексты остаются в папке $LOCALAPPDATA\zemtar."
LangString KeepsData ${LANG_UKRAINIAN} "Картотека клієнтів, налаштування та ваші тексти лишаються в теці $LOCALAPPDATA\zemtar."
LangString KeepsData ${LANG_ENGLISH} "The client book, the settings and your texts stay in the folder $LOCALAPPDATA\zemtar."

VIProductVersion "${VERSION}.0.0"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileDescription" "${PRODUCT}: установка"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_RUSSIAN} "LegalCopyright" "© 2026 Земтар, лицензия MIT"

Function .onInit
    !insertmacro MULTIUSER_INIT
    !insertmacro MUI_LANGDLL_DISPLAY
FunctionEnd

Function un.onInit
    !insertmacro MULTIUSER_UNINIT
    !insertmacro MUI_UNGETLANGUAGE
FunctionEnd

Section "!${PRODUCT}" SecProgram
    SectionIn RO
    !include "${LISTS}/files.nsh"
    SetOutPath "$INSTDIR"
    WriteUninstaller "$INSTDIR\uninstall.exe"

    CreateShortCut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\zemtar.exe" "" "$INSTDIR\zemtar.exe" 0

    ; «Программы и компоненты»: for this user or for all, as installed.
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\zemtar.exe,0"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /$MultiUser.InstallMode /S'
    WriteRegStr SHCTX "${UNINSTALL_KEY}" "URLInfoAbout" "http://zemtar.narod.ru/prognoz.html"
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "NoRepair" 1
    WriteRegDWORD SHCTX "${UNINSTALL_KEY}" "EstimatedSize" ${SIZE_KB}
SectionEnd

Section "Uninstall"
    !include "${LISTS}/unfiles.nsh"
    Delete "$INSTDIR\uninstall.exe"
    ; Only an empty folder goes: whatever else the user put there stays.
    RMDir "$INSTDIR"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey SHCTX "${UNINSTALL_KEY}"
    DetailPrint "$(KeepsData)"
SectionEnd
