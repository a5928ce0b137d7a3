; The installer of Velmar Ravix Driver, built by makensis on Linux from the Windows build's dist/.
;   makensis -DVERSION=1.0.0 -DDIST=build/windows/dist -DOUTFILE=Setup.exe VelmarRavix.nsi
;
; The program keeps its profiles and macros beside itself, so it is installed per user, into the
; user's local application folder, where Save can write without elevation.
;
; Silent use, for tests and deployment:
;   Setup.exe /S [/D=FOLDER]                install (FOLDER last on the line, unquoted)
;   Uninstall.exe /S [/REMOVEPROFILES]      uninstall; profiles and macros stay unless asked

; A 64-bit installer for a 64-bit program (and one that runs where only 64-bit Wine is installed).
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user

!include "FileFunc.nsh"
!include "LogicLib.nsh"

!define PRODUCT "Velmar Ravix Driver"
!define PROGRAM "Velmar Ravix Driver.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\VelmarRavixDriver"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\${PRODUCT}"
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
ShowInstDetails nevershow
ShowUninstDetails nevershow

VIProductVersion "${VERSION}.0"
VIAddVersionKey "ProductName" "${PRODUCT}"
VIAddVersionKey "ProductVersion" "${VERSION}"
VIAddVersionKey "FileVersion" "${VERSION}"
VIAddVersionKey "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey "CompanyName" "Velmar"
VIAddVersionKey "LegalCopyright" "Velmar"

Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Function .onInit
    SetShellVarContext current
FunctionEnd

Function un.onInit
    SetShellVarContext current
FunctionEnd

Section "Install"
    ; A running copy would keep its files open and write its profiles back over the new ones.
    FindWindow $0 "RK204-VelmarGMClass"
    ${If} $0 <> 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "Please close ${PRODUCT} (its icon in the notification area: Exit) and run the setup again." /SD IDOK
        Abort
    ${EndIf}

    SetOutPath "$INSTDIR"
    SetOverwrite on
    File "${DIST}/${PROGRAM}"
    File "${DIST}/KBHook.dll"
    File /r "${DIST}/Update"
    SetOutPath "$INSTDIR\Skins"
    File /r "${DIST}/Skins/Default"

    ; The factory profiles and the macro library are the user's once installed: an update keeps them.
    SetOutPath "$INSTDIR"
    SetOverwrite off
    File "${DIST}/*.bin"
    File "${DIST}/*.ini"
    SetOverwrite on

    WriteUninstaller "$INSTDIR\Uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\${PROGRAM}" "" "$INSTDIR\${PROGRAM}" 0

    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "Velmar"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${PROGRAM},0"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\Uninstall.exe"'
    WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\Uninstall.exe" /S'
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
    ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
    WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "Uninstall"
    FindWindow $0 "RK204-VelmarGMClass"
    ${If} $0 <> 0
        MessageBox MB_OK|MB_ICONEXCLAMATION "Please close ${PRODUCT} (its icon in the notification area: Exit) and run the uninstall again." /SD IDOK
        Abort
    ${EndIf}

    Delete "$INSTDIR\${PROGRAM}"
    Delete "$INSTDIR\KBHook.dll"
    RMDir /r "$INSTDIR\Update"
    ; Only the skin we installed: skins the user added stay.
    RMDir /r "$INSTDIR\Skins\Default"
    RMDir "$INSTDIR\Skins"
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    DeleteRegKey HKCU "${UNINSTALL_KEY}"

    ; Profiles ("config*.bin", "str*.ini", exported copies) and macros ("record.ini") are the
    ; user's work: they go only when the user says so. Silently they stay, unless /REMOVEPROFILES.
    ${GetParameters} $1
    ClearErrors
    ${GetOptions} $1 "/REMOVEPROFILES" $2
    ${If} ${Errors}
        MessageBox MB_YESNO|MB_ICONQUESTION|MB_DEFBUTTON2 \
            "Also remove your profiles and macros from $INSTDIR?$\r$\n$\r$\nChoose No to keep them for a later installation." \
            /SD IDNO IDNO keep
    ${EndIf}
    Delete "$INSTDIR\*.bin"
    Delete "$INSTDIR\*.ini"
    keep:

    Delete "$INSTDIR\Uninstall.exe"
    RMDir "$INSTDIR"
SectionEnd
