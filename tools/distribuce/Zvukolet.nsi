; The Zvukolet installer: a per-user installation that needs no administrator rights.
; Built by tools/distribuce/zabalit.sh, which passes VERZE, PROGRAM (Zvukolet.exe to install)
; and VYSTUP (the installer to write); read as UTF-8 (makensis -INPUTCHARSET UTF8).
;
; The installer and the uninstaller touch only the files they install themselves: the program's
; folder may hold the user's station list and recordings, which must survive an upgrade and an
; uninstallation alike.

!ifndef VERZE | PROGRAM | VYSTUP
    !error "VERZE, PROGRAM and VYSTUP must be defined"
!endif

Unicode true
Target amd64-unicode
ManifestDPIAware true
RequestExecutionLevel user
SetCompressor /SOLID lzma

!include MUI2.nsh
!include LogicLib.nsh
!include Sections.nsh
!include Win\COM.nsh
!include Win\Propkey.nsh

!define NAZEV "Zvukolet"
!define VYDAVATEL "Vrbatec"
!define KLIC_ODINSTALACE "Software\Microsoft\Windows\CurrentVersion\Uninstall\Zvukolet"
!define KLIC_NASTAVENI "Software\Vrbatec\Zvukolet"
!define ODINSTALATOR "Odinstalovat.exe"
; The main window's class and its exit command, as the program defines them.
!define TRIDA_OKNA "ZvukoletHlavni"
!define PRIKAZ_KONEC 40001
; The same identity the program gives its windows, so that the taskbar groups them with the
; shortcut.
!define ID_MODELU_APLIKACE "Vrbatec.Zvukolet.Aplikace"

Name "${NAZEV}"
OutFile "${VYSTUP}"
InstallDir "$LOCALAPPDATA\Programs\${NAZEV}"
; An upgrade goes where the previous installation went.
InstallDirRegKey HKCU "${KLIC_ODINSTALACE}" "InstallLocation"
BrandingText "${NAZEV} ${VERZE}"

VIProductVersion "${VERZE}"
VIFileVersion "${VERZE}"
VIAddVersionKey /LANG=1029 "ProductName" "${NAZEV}"
VIAddVersionKey /LANG=1029 "CompanyName" "${VYDAVATEL}"
VIAddVersionKey /LANG=1029 "FileDescription" "Instalace programu ${NAZEV}"
VIAddVersionKey /LANG=1029 "FileVersion" "${VERZE}"
VIAddVersionKey /LANG=1029 "ProductVersion" "${VERZE}"
VIAddVersionKey /LANG=1029 "LegalCopyright" "${VYDAVATEL}"

!define MUI_ABORTWARNING
!define MUI_ICON "${NSISDIR}\Contrib\Graphics\Icons\modern-install.ico"
!define MUI_UNICON "${NSISDIR}\Contrib\Graphics\Icons\modern-uninstall.ico"
!define MUI_COMPONENTSPAGE_NODESC

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_RUN "$INSTDIR\Zvukolet.exe"
!define MUI_FINISHPAGE_RUN_TEXT "Spustit ${NAZEV}"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_COMPONENTS
!insertmacro MUI_UNPAGE_INSTFILES

!insertmacro MUI_LANGUAGE "Czech"

; Asks the running copy to end and waits (10 s at most) until its process is gone, so that
; the executable is no longer locked. Sets $R0 to 1 when a copy still runs afterwards.
!macro ZAVRIT_BEZICI_KOPII un
Function ${un}ZavritBeziciKopii
    Push $0
    Push $1
    Push $2
    StrCpy $R0 0
    FindWindow $0 "${TRIDA_OKNA}"
    ${If} $0 P<> 0
        DetailPrint "Ukončuji spuštěný ${NAZEV}…"
        System::Call 'user32::GetWindowThreadProcessId(p r0, *i 0 r1)'
        ; SYNCHRONIZE is all the wait needs.
        System::Call 'kernel32::OpenProcess(i 0x00100000, i 0, i r1) p .r2'
        SendMessage $0 ${WM_COMMAND} ${PRIKAZ_KONEC} 0 /TIMEOUT=5000
        ${If} $2 P<> 0
            System::Call 'kernel32::WaitForSingleObject(p r2, i 10000) i .r1'
            System::Call 'kernel32::CloseHandle(p r2)'
        ${Else}
            ; Without a handle, the window's going is the best sign there is.
            StrCpy $1 0
            ${DoWhile} $1 < 100
                FindWindow $0 "${TRIDA_OKNA}"
                ${IfThen} $0 P= 0 ${|} ${ExitDo} ${|}
                Sleep 100
                IntOp $1 $1 + 1
            ${Loop}
        ${EndIf}
        FindWindow $0 "${TRIDA_OKNA}"
        ${IfThen} $0 P<> 0 ${|} StrCpy $R0 1 ${|}
    ${EndIf}
    Pop $2
    Pop $1
    Pop $0
FunctionEnd
!macroend
!insertmacro ZAVRIT_BEZICI_KOPII ""
!insertmacro ZAVRIT_BEZICI_KOPII "un."

; Ends a running copy, asking the user to do it when the program does not end by itself;
; a silent run gives up.
!macro UKONCIT_PROGRAM un
    ${Do}
        Call ${un}ZavritBeziciKopii
        ${IfThen} $R0 = 0 ${|} ${ExitDo} ${|}
        MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION \
            "${NAZEV} stále běží. Ukončete ho a zvolte Opakovat." /SD IDCANCEL IDRETRY +2
        Abort "${NAZEV} stále běží."
    ${Loop}
!macroend

; Gives the shortcut the program's application user model ID.
Function NastavitIdModelu
    Exch $0 ; the shortcut
    Push $1
    Push $2
    Push $3
    Push $4
    Push $5
    !insertmacro ComHlpr_CreateInProcInstance ${CLSID_ShellLink} ${IID_IShellLink} r1 ""
    ${If} $1 P<> 0
        ${IUnknown::QueryInterface} $1 '("${IID_IPersistFile}",.r2)'
        ${If} $2 P<> 0
            ${IPersistFile::Load} $2 '("$0",${STGM_READWRITE}).r5'
            ${IUnknown::QueryInterface} $1 '("${IID_IPropertyStore}",.r3)'
            ${If} $5 = 0
            ${AndIf} $3 P<> 0
                System::Call 'shlwapi::SHStrDupW(w "${ID_MODELU_APLIKACE}", *p .r4) i .r5'
                ${If} $5 = 0
                    System::Call '*${SYSSTRUCT_PROPERTYKEY}(${PKEY_AppUserModel_ID})p.r5'
                    System::Call '*${SYSSTRUCT_PROPVARIANT}(${VT_LPWSTR},,p r4)p.r4'
                    ${IPropertyStore::SetValue} $3 '(r5,r4)'
                    ${IPropertyStore::Commit} $3 ""
                    System::Call 'ole32::PropVariantClear(p r4)'
                    System::Free $4
                    System::Free $5
                    ${IPersistFile::Save} $2 '("$0",1)'
                ${EndIf}
            ${EndIf}
            !insertmacro ComHlpr_SafeRelease $3
            ${IUnknown::Release} $2 ""
        ${EndIf}
        ${IUnknown::Release} $1 ""
    ${EndIf}
    Pop $5
    Pop $4
    Pop $3
    Pop $2
    Pop $1
    Pop $0
FunctionEnd

!macro ZASTUPCE cesta
    CreateShortCut "${cesta}" "$INSTDIR\Zvukolet.exe" "" "$INSTDIR\Zvukolet.exe" 0 \
        SW_SHOWNORMAL "" "Přehrávač internetového rádia"
    Push "${cesta}"
    Call NastavitIdModelu
!macroend

Function .onInit
    SetShellVarContext current
FunctionEnd

Section "${NAZEV}" SEKCE_PROGRAM
    SectionIn RO
    SetOutPath "$INSTDIR"
    !insertmacro UKONCIT_PROGRAM ""
    ; Only these two files are written; everything else in the folder is the user's.
    File "/oname=Zvukolet.exe" "${PROGRAM}"
    WriteUninstaller "$INSTDIR\${ODINSTALATOR}"
    !insertmacro ZASTUPCE "$SMPROGRAMS\${NAZEV}.lnk"

    WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayName" "${NAZEV}"
    WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayVersion" "${VERZE}"
    WriteRegStr HKCU "${KLIC_ODINSTALACE}" "Publisher" "${VYDAVATEL}"
    WriteRegStr HKCU "${KLIC_ODINSTALACE}" "DisplayIcon" "$INSTDIR\Zvukolet.exe,0"
    WriteRegStr HKCU "${KLIC_ODINSTALACE}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${KLIC_ODINSTALACE}" "UninstallString" '"$INSTDIR\${ODINSTALATOR}"'
    WriteRegStr HKCU "${KLIC_ODINSTALACE}" "QuietUninstallString" '"$INSTDIR\${ODINSTALATOR}" /S'
    WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "NoModify" 1
    WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "NoRepair" 1
    SectionGetSize ${SEKCE_PROGRAM} $0
    WriteRegDWORD HKCU "${KLIC_ODINSTALACE}" "EstimatedSize" $0
SectionEnd

Section /o "Zástupce na ploše" SEKCE_PLOCHA
    !insertmacro ZASTUPCE "$DESKTOP\${NAZEV}.lnk"
SectionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "un.${NAZEV}" SEKCE_UN_PROGRAM
    SectionIn RO
    !insertmacro UKONCIT_PROGRAM "un."
    Delete "$INSTDIR\Zvukolet.exe"
    Delete "$INSTDIR\${ODINSTALATOR}"
    Delete "$SMPROGRAMS\${NAZEV}.lnk"
    Delete "$DESKTOP\${NAZEV}.lnk"
    DeleteRegKey HKCU "${KLIC_ODINSTALACE}"
    ; Not /r: a folder that still holds the station list or recordings stays.
    RMDir "$INSTDIR"
SectionEnd

; Unticked, and so never chosen by a silent uninstallation.
Section /o "un.Odebrat nastavení programu" SEKCE_UN_NASTAVENI
    DeleteRegKey HKCU "${KLIC_NASTAVENI}"
    DeleteRegKey /ifempty HKCU "Software\${VYDAVATEL}"
SectionEnd
