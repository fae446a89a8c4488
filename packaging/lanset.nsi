; The Windows installer of lanset, lanset-cli and plugset: the programs per machine under Program
; Files, Start-menu shortcuts, an entry in "Apps & features" and inbound firewall rules that let
; the boards' replies reach lanset and lanset-cli. packaging/CMakeLists.txt runs makensis with
; these defined:
;   TARGET           x86-unicode (the shipped installer) or amd64-unicode (the one tests run)
;   BIN_DIR          the folder with lanset.exe, lanset-cli.exe and plugset.exe of that build
;   README           the plain-text read-me
;   ICON             the installer's icon (lanset's)
;   OUT_FILE         the installer to write
;   PACKAGE_NAME, PUBLISHER, LANSET_PRODUCT, PLUGSET_PRODUCT, LANSET_VERSION, VERSION_QUAD
;
; Exit codes beyond NSIS's own (0 done, 1 cancelled, 2 stopped by an error), documented in the
; README and the read-me:
;   3  installed, but a firewall rule could not be added (install.log beside uninstall.exe)
;   4  a program of the installation is running: nothing was changed
Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma
ManifestDPIAware true

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${LANSET_PRODUCT}"
!define FIREWALL_RULE "${LANSET_PRODUCT}"
!define CLI_FIREWALL_RULE "${LANSET_PRODUCT} (lanset-cli)"
!define BOARD_PORT 21210
!define NETSH '"$SYSDIR\netsh.exe" advfirewall firewall'
!define LOG_NAME "install.log"
!define EXIT_FIREWALL 3
!define EXIT_RUNNING 4

Name "${PACKAGE_NAME} ${LANSET_VERSION}"
OutFile "${OUT_FILE}"
RequestExecutionLevel admin
!if "${TARGET}" == "amd64-unicode"
InstallDir "$PROGRAMFILES64\${LANSET_PRODUCT}"
!else
InstallDir "$PROGRAMFILES\${LANSET_PRODUCT}"
!endif
; An upgrade goes where the first installation went (unless /D= names another folder).
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PACKAGE_NAME}"
VIAddVersionKey "ProductVersion" "${LANSET_VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PACKAGE_NAME} Setup"
VIAddVersionKey "FileVersion" "${LANSET_VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

Var Log
Var Earlier

!macro ForThisMachine
  SetShellVarContext all
  !if "${TARGET}" == "amd64-unicode"
    ${IfNot} ${RunningX64}
      MessageBox MB_OK|MB_ICONSTOP "This installer is for 64-bit Windows."
      Abort
    ${EndIf}
    SetRegView 64
  !endif
!macroend

; A running program's file cannot be opened for writing: replacing or removing the folder then
; would leave it half done. Interactively the user closes the program and retries; silently, or
; on Cancel, the installer or uninstaller ends with EXIT_RUNNING having changed nothing.
!macro WaitForProgramsToClose un
Function ${un}WaitForProgramToClose
  Exch $R0  ; the program's path
  Push $R1
  ${If} ${FileExists} "$R0"
    ${Do}
      ClearErrors
      FileOpen $R1 "$R0" a
      ${IfNot} ${Errors}
        FileClose $R1
        ${Break}
      ${EndIf}
      ${If} ${Cmd} `MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$R0 is running.$\r$\n$\r$\nClose it, then choose Retry." /SD IDCANCEL IDCANCEL`
        SetErrorLevel ${EXIT_RUNNING}
        Quit
      ${EndIf}
    ${Loop}
  ${EndIf}
  Pop $R1
  Pop $R0
FunctionEnd

Function ${un}WaitForProgramsToClose
  Exch $R2  ; the folder
  Push "$R2\lanset.exe"
  Call ${un}WaitForProgramToClose
  Push "$R2\lanset-cli.exe"
  Call ${un}WaitForProgramToClose
  Push "$R2\plugset.exe"
  Call ${un}WaitForProgramToClose
  Pop $R2
FunctionEnd
!macroend
!insertmacro WaitForProgramsToClose ""
!insertmacro WaitForProgramsToClose "un."

Function LogLine
  Exch $R0
  FileWrite $Log "$R0$\r$\n"
  DetailPrint "$R0"
  Pop $R0
FunctionEnd

; The rule lets the boards' broadcast replies (UDP port BOARD_PORT) reach the program: without it
; the firewall's default inbound rules drop them and a find lists nothing. A rule left by an
; earlier installation goes first. A rule that cannot be added (the firewall service stopped, a
; policy, another firewall) is said, logged and ends the installation with EXIT_FIREWALL.
Function AddFirewallRule
  Exch $R0  ; rule name
  Exch
  Exch $R1  ; program
  nsExec::ExecToLog '${NETSH} delete rule name="$R0"'
  Pop $R2
  nsExec::ExecToLog '${NETSH} add rule name="$R0" dir=in action=allow program="$R1" enable=yes profile=any protocol=UDP localport=${BOARD_PORT}'
  Pop $R2
  ${If} $R2 == 0
    Push 'Firewall rule "$R0" added for $R1.'
    Call LogLine
  ${Else}
    Push 'Firewall rule "$R0" could not be added (netsh: $R2): allow $R1 to receive UDP port ${BOARD_PORT} (see readme.txt).'
    Call LogLine
    MessageBox MB_OK|MB_ICONEXCLAMATION "Windows Firewall did not take the rule that lets the \
      boards' replies reach $R1.$\r$\n$\r$\nAllow $R1 to receive UDP port ${BOARD_PORT} (any \
      profile), or it finds no boards. The read-me gives the commands." /SD IDOK
    SetErrorLevel ${EXIT_FIREWALL}
  ${EndIf}
  Pop $R1
  Pop $R0
FunctionEnd

Function .onInit
  !insertmacro ForThisMachine
FunctionEnd

Function un.onInit
  !insertmacro ForThisMachine
  Push $INSTDIR
  Call un.WaitForProgramsToClose
FunctionEnd

Section "Install"
  ; An earlier installation elsewhere (a new /D=) is removed first: one copy, one entry.
  ReadRegStr $Earlier HKLM "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $Earlier != ""
  ${AndIf} $Earlier != $INSTDIR
  ${AndIf} ${FileExists} "$Earlier\uninstall.exe"
    Push $Earlier
    Call WaitForProgramsToClose
  ${Else}
    StrCpy $Earlier ""
  ${EndIf}
  Push $INSTDIR
  Call WaitForProgramsToClose
  ${If} $Earlier != ""
    ExecWait '"$Earlier\uninstall.exe" /S _?=$Earlier'
    Delete "$Earlier\uninstall.exe"
    RMDir "$Earlier"
  ${EndIf}

  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/lanset.exe"
  File "${BIN_DIR}/lanset-cli.exe"
  File "${BIN_DIR}/plugset.exe"
  File "/oname=readme.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"
  FileOpen $Log "$INSTDIR\${LOG_NAME}" w
  Push "${PACKAGE_NAME} ${LANSET_VERSION} installed in $INSTDIR."
  Call LogLine

  CreateShortcut "$SMPROGRAMS\${LANSET_PRODUCT}.lnk" "$INSTDIR\lanset.exe" "" "$INSTDIR\lanset.exe" 0
  CreateShortcut "$SMPROGRAMS\${PLUGSET_PRODUCT}.lnk" "$INSTDIR\plugset.exe" "" "$INSTDIR\plugset.exe" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${PACKAGE_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${LANSET_VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\lanset.exe"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\uninstall.exe"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\uninstall.exe" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0

  Push "$INSTDIR\lanset.exe"
  Push "${FIREWALL_RULE}"
  Call AddFirewallRule
  Push "$INSTDIR\lanset-cli.exe"
  Push "${CLI_FIREWALL_RULE}"
  Call AddFirewallRule
  FileClose $Log
SectionEnd

Section "Uninstall"
  nsExec::ExecToLog '${NETSH} delete rule name="${FIREWALL_RULE}" program="$INSTDIR\lanset.exe"'
  Pop $0
  nsExec::ExecToLog '${NETSH} delete rule name="${CLI_FIREWALL_RULE}" program="$INSTDIR\lanset-cli.exe"'
  Pop $0
  Delete "$SMPROGRAMS\${LANSET_PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PLUGSET_PRODUCT}.lnk"
  Delete "$INSTDIR\lanset.exe"
  Delete "$INSTDIR\lanset-cli.exe"
  Delete "$INSTDIR\plugset.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\${LOG_NAME}"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
