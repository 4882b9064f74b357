; The installer of the Windows build (cmake/WindowsPackaging.cmake runs makensis on it with
; VERSION, STAGE (the folder of the files to install) and OUTFILE defined). It installs the two
; programs, the factory quoran.ini, the README and the licence under Program Files, with a Start
; menu entry and an uninstaller. The uninstaller is named uninstall.exe: an installed wizard
; knows by it that its folder is not its own and keeps its files in the user's folder
; (platform/windows/ProgramFolder.h), which the uninstaller leaves in place.
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin
ManifestDPIAware true

!define PRODUCT "QUORAN Configuration Wizard"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${PRODUCT}"

Name "${PRODUCT} ${VERSION}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${PRODUCT}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
Icon "${STAGE}\quoran-wizard.ico"
UninstallIcon "${STAGE}\quoran-wizard.ico"
LicenseData "${STAGE}\LICENSE.txt"
ShowInstDetails show
ShowUninstDetails show

Page license
Page directory
Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section "Install"
    SetShellVarContext all
    SetOutPath "$INSTDIR"
    File "${STAGE}\quoran-wizard.exe"
    File "${STAGE}\quoran-wizard-script.exe"
    File "${STAGE}\quoran.ini"
    File "${STAGE}\README.txt"
    File "${STAGE}\LICENSE.txt"
    WriteUninstaller "$INSTDIR\uninstall.exe"
    CreateShortcut "$SMPROGRAMS\${PRODUCT}.lnk" "$INSTDIR\quoran-wizard.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "QUORAN Configuration Wizard developers"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\quoran-wizard.exe"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
    WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
    WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
    WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
SectionEnd

; The user's configurations (%APPDATA%\QUORAN Configuration Wizard) stay.
Section "Uninstall"
    SetShellVarContext all
    Delete "$SMPROGRAMS\${PRODUCT}.lnk"
    Delete "$INSTDIR\quoran-wizard.exe"
    Delete "$INSTDIR\quoran-wizard-script.exe"
    Delete "$INSTDIR\quoran.ini"
    Delete "$INSTDIR\README.txt"
    Delete "$INSTDIR\LICENSE.txt"
    Delete "$INSTDIR\uninstall.exe"
    RMDir "$INSTDIR"
    DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
