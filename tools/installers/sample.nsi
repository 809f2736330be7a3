; A small program installed by a real NSIS installer, for the demo machine and the tests. Built with
;   makensis -DNAME=... -DKEY=... -DFOLDER=... -DSTYLE=quoted|unquoted|expand -DSWITCH=... -DOUTFILE=...
; STYLE says how the installer writes its uninstall command, as installers in the wild do: a quoted
; path, an unquoted path with spaces, or an expandable text with %ProgramFiles%. SWITCH is added to
; the command (/S makes the uninstaller run without questions).
Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel admin

Name "${NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${FOLDER}"

!define ENTRY "Software\Microsoft\Windows\CurrentVersion\Uninstall\${KEY}"

Page instfiles
UninstPage uninstConfirm
UninstPage instfiles

Section
  SetRegView 64
  SetOutPath "$INSTDIR"
  FileOpen $0 "$INSTDIR\readme.txt" w
  FileWrite $0 "${NAME}, installed for Orvendale's demo machine and tests.$\r$\n"
  FileClose $0
  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKLM "${ENTRY}" "DisplayName" "${NAME}"
  WriteRegStr HKLM "${ENTRY}" "Publisher" "Orvendale demo machine"
  !if "${STYLE}" == "quoted"
    WriteRegStr HKLM "${ENTRY}" "UninstallString" '"$INSTDIR\uninstall.exe"${SWITCH}'
  !else if "${STYLE}" == "unquoted"
    WriteRegStr HKLM "${ENTRY}" "UninstallString" '$INSTDIR\uninstall.exe${SWITCH}'
  !else
    WriteRegExpandStr HKLM "${ENTRY}" "UninstallString" '%ProgramFiles%\${FOLDER}\uninstall.exe${SWITCH}'
  !endif
SectionEnd

Section "Uninstall"
  SetRegView 64
  Delete "$INSTDIR\readme.txt"
  Delete "$INSTDIR\uninstall.exe"
  RMDir "$INSTDIR"
  DeleteRegKey HKLM "${ENTRY}"
SectionEnd
