; The Windows installer of lanset and plugset: both programs per machine under Program Files,
; Start-menu shortcuts, an entry in "Apps & features" and an inbound firewall rule that lets the
; boards' replies reach lanset. packaging/CMakeLists.txt runs makensis with these defined:
;   TARGET           x86-unicode (the shipped installer) or amd64-unicode (the one tests run)
;   BIN_DIR          the folder with lanset.exe and plugset.exe of that build
;   README           the plain-text read-me
;   OUT_FILE         the installer to write
;   PACKAGE_NAME, PUBLISHER, LANSET_PRODUCT, PLUGSET_PRODUCT, LANSET_VERSION, VERSION_QUAD
Unicode true
Target ${TARGET}
SetCompressor /SOLID lzma

!include MUI2.nsh
!include FileFunc.nsh
!include LogicLib.nsh
!include x64.nsh

!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${LANSET_PRODUCT}"
!define FIREWALL_RULE "${LANSET_PRODUCT}"
!define BOARD_PORT 21210
!define NETSH '"$SYSDIR\netsh.exe" advfirewall firewall'

Name "${PACKAGE_NAME} ${LANSET_VERSION}"
OutFile "${OUT_FILE}"
RequestExecutionLevel admin
!if "${TARGET}" == "amd64-unicode"
InstallDir "$PROGRAMFILES64\${LANSET_PRODUCT}"
!else
InstallDir "$PROGRAMFILES\${LANSET_PRODUCT}"
!endif

VIProductVersion "${VERSION_QUAD}"
VIAddVersionKey "ProductName" "${PACKAGE_NAME}"
VIAddVersionKey "ProductVersion" "${LANSET_VERSION}"
VIAddVersionKey "CompanyName" "${PUBLISHER}"
VIAddVersionKey "FileDescription" "${PACKAGE_NAME} Setup"
VIAddVersionKey "FileVersion" "${LANSET_VERSION}"
VIAddVersionKey "LegalCopyright" "${PUBLISHER}"

!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES
!insertmacro MUI_LANGUAGE "English"

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

Function .onInit
  !insertmacro ForThisMachine
FunctionEnd

Function un.onInit
  !insertmacro ForThisMachine
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${BIN_DIR}/lanset.exe"
  File "${BIN_DIR}/plugset.exe"
  File "/oname=readme.txt" "${README}"
  WriteUninstaller "$INSTDIR\uninstall.exe"

  CreateShortcut "$SMPROGRAMS\${LANSET_PRODUCT}.lnk" "$INSTDIR\lanset.exe"
  CreateShortcut "$SMPROGRAMS\${PLUGSET_PRODUCT}.lnk" "$INSTDIR\plugset.exe"

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

  ; The boards answer by broadcast: without this rule the firewall's default inbound rules drop
  ; their replies and a find lists nothing. A rule left by an earlier installation goes first.
  ; Without a firewall (or netsh) the installation still succeeds and says what to allow.
  nsExec::ExecToLog '${NETSH} delete rule name="${FIREWALL_RULE}"'
  Pop $0
  nsExec::ExecToLog '${NETSH} add rule name="${FIREWALL_RULE}" dir=in action=allow program="$INSTDIR\lanset.exe" enable=yes profile=any protocol=UDP localport=${BOARD_PORT}'
  Pop $0
  ${If} $0 != 0
    DetailPrint "The firewall rule could not be added ($0): allow lanset.exe to receive UDP port ${BOARD_PORT}."
  ${EndIf}
SectionEnd

Section "Uninstall"
  nsExec::ExecToLog '${NETSH} delete rule name="${FIREWALL_RULE}" program="$INSTDIR\lanset.exe"'
  Pop $0
  Delete "$SMPROGRAMS\${LANSET_PRODUCT}.lnk"
  Delete "$SMPROGRAMS\${PLUGSET_PRODUCT}.lnk"
  Delete "$INSTDIR\lanset.exe"
  Delete "$INSTDIR\plugset.exe"
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"
SectionEnd
