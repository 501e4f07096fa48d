; The per-user setup program: build/ombrel-<version>-setup.exe, made by scripts/package.
;   makensis -INPUTCHARSET UTF8 -DVERSION=7.1.0 -DBUILD_DIR=<folder of ombrel.exe>
;            -DOUTFILE=<setup.exe> packaging/ombrel.nsi
; Installs into %LOCALAPPDATA%\Programs\Ombrel without administrator rights, keeps a
; config.txt that the user edited, and refuses to run while the gadget runs.
; Exit codes: 0 done, 1 cancelled by the user, 2 refused because the gadget runs.

!ifndef VERSION | BUILD_DIR | OUTFILE
  !error "pass -DVERSION=, -DBUILD_DIR= and -DOUTFILE= to makensis"
!endif

Unicode true
Target amd64-unicode
SetCompressor /SOLID lzma
RequestExecutionLevel user
ManifestDPIAware true

!define PRODUCT "Ombrel"
!define PUBLISHER "Fenwold"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Ombrel"
!define SETTINGS_KEY "Software\Fenwold\ombrel"
; The gadget's main window title, by which a second start finds the running one too.
!define GADGET_WINDOW "OmbrelMainWindow3"
!define SHORTCUT "Ombrel.lnk"

Name "${PRODUCT}"
OutFile "${OUTFILE}"
InstallDir "$LOCALAPPDATA\Programs\Ombrel"
; An upgrade goes where the previous install went.
InstallDirRegKey HKCU "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${PRODUCT} ${VERSION}"

VIProductVersion "${VERSION}.0"
VIAddVersionKey /LANG=0 "ProductName" "${PRODUCT}"
VIAddVersionKey /LANG=0 "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=0 "FileDescription" "${PRODUCT} Setup"
VIAddVersionKey /LANG=0 "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=0 "LegalCopyright" "${PUBLISHER}"

!include "MUI2.nsh"
!include "LogicLib.nsh"
!include "FileFunc.nsh"

!define MUI_ICON "${__FILEDIR__}\..\resources\ombrel.ico"
!define MUI_UNICON "${__FILEDIR__}\..\resources\ombrel.ico"
!define MUI_ABORTWARNING

; The last page's text: it also says where an edited config.txt was kept.
Var FinishText

!insertmacro MUI_PAGE_WELCOME
!define MUI_COMPONENTSPAGE_NODESC
!define MUI_COMPONENTSPAGE_TEXT_TOP "$(OptionsText)"
!insertmacro MUI_PAGE_COMPONENTS
!insertmacro MUI_PAGE_INSTFILES
!define MUI_FINISHPAGE_TEXT "$FinishText"
!define MUI_FINISHPAGE_TEXT_LARGE
!define MUI_FINISHPAGE_RUN "$INSTDIR\ombrel.exe"
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

; The first language is the one used when the system's is neither.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "Japanese"

LangString ProgramName ${LANG_ENGLISH} "Ombrel (required)"
LangString ProgramName ${LANG_JAPANESE} "Ombrel (必須)"
LangString StartupName ${LANG_ENGLISH} "Start at sign-in"
LangString StartupName ${LANG_JAPANESE} "サインイン時に起動する"
LangString OptionsText ${LANG_ENGLISH} "With $\"Start at sign-in$\", Ombrel starts each time you sign in to Windows."
LangString OptionsText ${LANG_JAPANESE} "「サインイン時に起動する」を選ぶと、Windows にサインインするたびに Ombrel が起動します。"
LangString ShortcutText ${LANG_ENGLISH} "Clock, calendar and system meters"
LangString ShortcutText ${LANG_JAPANESE} "時計・カレンダー・システム メーター"
LangString GadgetRunning ${LANG_ENGLISH} "Ombrel is running and its files cannot be replaced.$\r$\nClose Ombrel (the cross at its top right), then click Retry."
LangString GadgetRunning ${LANG_JAPANESE} "Ombrel が起動しているため、ファイルを置き換えられません。$\r$\nOmbrel を終了してから (右上の ×)、[再試行] を押してください。"
LangString ConfigKept ${LANG_ENGLISH} "Ombrel has been installed.$\r$\n$\r$\nYour edited config.txt was kept. The new version's file is beside it as config.txt.new, in:$\r$\n$INSTDIR"
LangString ConfigKept ${LANG_JAPANESE} "Ombrel をインストールしました。$\r$\n$\r$\n編集された config.txt はそのまま残し、新しい版は config.txt.new として同じフォルダーに置きました:$\r$\n$INSTDIR"
LangString UnConfigKept ${LANG_ENGLISH} "Your edited config.txt was not removed. It is still here:$\r$\n$INSTDIR\config.txt"
LangString UnConfigKept ${LANG_JAPANESE} "編集された config.txt は削除せずに残しました:$\r$\n$INSTDIR\config.txt"

; Both halves need the same two helpers; NSIS wants the uninstaller's copies named un.*.
!macro HELPERS un
  ; Asks until the gadget is closed. Silent, or when the user cancels: exits with
  ; code 2 and changes nothing. The gadget is never ended from here.
  Function ${un}WaitForGadgetClosed
    retry:
      FindWindow $0 "" "${GADGET_WINDOW}"
      StrCmp $0 0 closed
      MessageBox MB_RETRYCANCEL|MB_ICONEXCLAMATION "$(GadgetRunning)" /SD IDCANCEL IDRETRY retry
      SetErrorLevel 2
      Quit
    closed:
  FunctionEnd

  ; config.txt counts as edited when it differs from config.txt.shipped, the copy
  ; of the one that was installed. Without that copy nobody knows what it was, so
  ; it is kept. Leaves "1" in $R0 when edited, "" otherwise (or when it is missing).
  Function ${un}IsConfigEdited
    StrCpy $R0 ""
    IfFileExists "$INSTDIR\config.txt" 0 done
    StrCpy $R0 1
    ClearErrors
    FileOpen $R1 "$INSTDIR\config.txt" r
    FileOpen $R2 "$INSTDIR\config.txt.shipped" r
    IfErrors close
    FileSeek $R1 0 END $R3
    FileSeek $R2 0 END $R4
    StrCmp $R3 $R4 0 close
    FileSeek $R1 0 SET
    FileSeek $R2 0 SET
    compare:
      ClearErrors
      FileReadByte $R1 $R3
      FileReadByte $R2 $R4
      IfErrors same
      StrCmp $R3 $R4 compare close
    same:
      StrCpy $R0 ""
    close:
      FileClose $R1
      FileClose $R2
    done:
  FunctionEnd
!macroend
!insertmacro HELPERS ""
!insertmacro HELPERS "un."

Section "!$(ProgramName)" SecProgram
  SectionIn RO
  ; The gadget may have been started while the pages were shown.
  Call WaitForGadgetClosed
  SetOutPath "$INSTDIR"
  File "${BUILD_DIR}\ombrel.exe"
  File "${BUILD_DIR}\ombrel-holidays.exe"
  File "${__FILEDIR__}\README.txt"

  ; Compare with what shipped before, then record what ships now.
  StrCpy $FinishText "$(MUI_TEXT_FINISH_INFO_TEXT)"
  Call IsConfigEdited
  File "/oname=config.txt.shipped" "${BUILD_DIR}\config.txt"
  ${If} $R0 == 1
    File "/oname=config.txt.new" "${BUILD_DIR}\config.txt"
    StrCpy $FinishText "$(ConfigKept)"
  ${Else}
    File "${BUILD_DIR}\config.txt"
    Delete "$INSTDIR\config.txt.new"
  ${EndIf}

  CreateShortCut "$SMPROGRAMS\${SHORTCUT}" "$INSTDIR\ombrel.exe" "" "$INSTDIR\ombrel.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutText)"

  WriteUninstaller "$INSTDIR\uninstall.exe"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayName" "${PRODUCT}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "UninstallString" "$\"$INSTDIR\uninstall.exe$\""
  WriteRegStr HKCU "${UNINSTALL_KEY}" "QuietUninstallString" "$\"$INSTDIR\uninstall.exe$\" /S"
  WriteRegStr HKCU "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\ombrel.exe"
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKCU "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Section "$(StartupName)" SecStartup
  CreateShortCut "$SMSTARTUP\${SHORTCUT}" "$INSTDIR\ombrel.exe" "" "$INSTDIR\ombrel.exe" 0 \
    SW_SHOWNORMAL "" "$(ShortcutText)"
SectionEnd

; Turning the option off on an upgrade removes the earlier shortcut.
Section "-StartupOff"
  ${IfNot} ${SectionIsSelected} ${SecStartup}
    Delete "$SMSTARTUP\${SHORTCUT}"
  ${EndIf}
SectionEnd

Function .onInit
  ; An upgrade keeps the earlier choice about starting at sign-in.
  ReadRegStr $0 HKCU "${UNINSTALL_KEY}" "InstallLocation"
  ${If} $0 != ""
  ${AndIfNot} ${FileExists} "$SMSTARTUP\${SHORTCUT}"
    !insertmacro UnselectSection ${SecStartup}
  ${EndIf}
  Call WaitForGadgetClosed
FunctionEnd

Function un.onInit
  Call un.WaitForGadgetClosed
FunctionEnd

Section "Uninstall"
  Call un.WaitForGadgetClosed
  Call un.IsConfigEdited
  Delete "$INSTDIR\ombrel.exe"
  Delete "$INSTDIR\ombrel-holidays.exe"
  Delete "$INSTDIR\README.txt"
  Delete "$INSTDIR\config.txt.new"
  Delete "$INSTDIR\config.txt.shipped"
  ${If} $R0 == 1
    DetailPrint "$(UnConfigKept)"
    MessageBox MB_OK|MB_ICONINFORMATION "$(UnConfigKept)" /SD IDOK
  ${Else}
    Delete "$INSTDIR\config.txt"
  ${EndIf}
  Delete "$INSTDIR\uninstall.exe"
  ; Only when empty: a kept config.txt, or anything else of the user's, stays.
  RMDir "$INSTDIR"

  Delete "$SMPROGRAMS\${SHORTCUT}"
  Delete "$SMSTARTUP\${SHORTCUT}"
  DeleteRegKey HKCU "${UNINSTALL_KEY}"
  DeleteRegKey HKCU "${SETTINGS_KEY}"
  DeleteRegKey /ifempty HKCU "Software\Fenwold"
SectionEnd
