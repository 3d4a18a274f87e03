# SPDX-FileCopyrightText: 2026 Merovant developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows installer: puts the game into Program Files for every user of
# the machine, with a Start-menu entry, an entry in Add/Remove Programs and an
# uninstaller that takes all of it away again.
#
#   makensis -V2 -DVERSION=1.0.0 -DSTAGE=DIR -DOUTFILE=merovant-1.0.0-setup.exe merovant.nsi
#
# STAGE and OUTFILE are absolute paths, and OUTFILE's folder exists.
# DIR holds merovant.exe, index.html (the home page, which the program looks
# for beside itself) and licenses/ with GPL-3.0-or-later.txt and the licences
# of Qt and the libraries built into the program. Both the installer and the
# uninstaller run without a word with /S.

!macro Require NAME
  !ifndef ${NAME}
    !error "${NAME} is not defined: makensis -DVERSION=x.y.z -DSTAGE=DIR -DOUTFILE=FILE.exe merovant.nsi"
  !endif
!macroend
!insertmacro Require VERSION
!insertmacro Require STAGE
!insertmacro Require OUTFILE

!define APP_NAME "Merovant"
!define PUBLISHER "Merovant developers"
!define EXE "merovant.exe"
!define UNINSTALLER "uninstall.exe"
!define UNINSTALL_KEY "Software\Microsoft\Windows\CurrentVersion\Uninstall\Merovant"

# The program is a 64-bit one, so the installer is too: it then runs where the
# program can, and sees the 64-bit Program Files and registry without
# redirection.
Target amd64-unicode
Unicode true
ManifestSupportedOS all
ManifestDPIAware true
SetCompressor /SOLID lzma
RequestExecutionLevel admin

# makensis works in the script's folder, so a relative STAGE or OUTFILE would
# be taken from there rather than from where it was called.
!ifndef NSIS_WIN32_MAKENSIS
  !system 'for path in "${STAGE}" "${OUTFILE}"; do case $path in /*) ;; \
    *) echo "STAGE and OUTFILE must be absolute paths, not $path"; exit 1 ;; esac; done' = 0
!endif

# Only what the uninstaller knows how to remove gets installed, so a file
# added to the stage must be added here too; stop rather than leave it out.
!if /FileExists "${STAGE}/${EXE}"
!else
  !error "${STAGE}/${EXE} is missing"
!endif
!if /FileExists "${STAGE}/index.html"
!else
  !error "${STAGE}/index.html is missing"
!endif
!if /FileExists "${STAGE}/licenses/GPL-3.0-or-later.txt"
!else
  !error "${STAGE}/licenses/GPL-3.0-or-later.txt is missing"
!endif
!ifndef NSIS_WIN32_MAKENSIS
  !system 'unexpected=$(ls -A "${STAGE}" | grep -v -x -e "${EXE}" -e index.html -e licenses); \
    [ -z "$unexpected" ] || { echo "${STAGE} holds what the installer does not install: $unexpected"; exit 1; }' = 0
!endif

Name "${APP_NAME}"
OutFile "${OUTFILE}"
InstallDir "$PROGRAMFILES64\${APP_NAME}"
InstallDirRegKey HKLM "${UNINSTALL_KEY}" "InstallLocation"
BrandingText "${APP_NAME} ${VERSION}"

!include "MUI2.nsh"
!include "FileFunc.nsh"
!include "LogicLib.nsh"

# makensis works in the script's folder unless given /NOCD, and the script's
# path may be relative to where it was called from: one of the two finds it.
!if /FileExists "${__FILEDIR__}/../../resources/merovant.ico"
  !define ICON "${__FILEDIR__}/../../resources/merovant.ico"
!else
  !define ICON "../../resources/merovant.ico"
!endif
!define MUI_ICON "${ICON}"
!define MUI_UNICON "${ICON}"
!define MUI_ABORTWARNING

!insertmacro MUI_PAGE_WELCOME
!insertmacro MUI_PAGE_LICENSE "${STAGE}/licenses/GPL-3.0-or-later.txt"
!insertmacro MUI_PAGE_DIRECTORY
!insertmacro MUI_PAGE_INSTFILES
!insertmacro MUI_PAGE_FINISH

!insertmacro MUI_UNPAGE_CONFIRM
!insertmacro MUI_UNPAGE_INSTFILES

# The game's own languages; Windows' display language picks one, English
# when none fits.
!insertmacro MUI_LANGUAGE "English"
!insertmacro MUI_LANGUAGE "French"
!insertmacro MUI_LANGUAGE "German"
!insertmacro MUI_LANGUAGE "Spanish"
!insertmacro MUI_LANGUAGE "SimpChinese"

VIProductVersion "${VERSION}.0"
VIFileVersion "${VERSION}.0"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductName" "${APP_NAME}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "ProductVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileVersion" "${VERSION}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "FileDescription" "${APP_NAME} ${VERSION} Setup"
VIAddVersionKey /LANG=${LANG_ENGLISH} "CompanyName" "${PUBLISHER}"
VIAddVersionKey /LANG=${LANG_ENGLISH} "LegalCopyright" "2026 ${PUBLISHER}, GPL-3.0-or-later"

LangString NEEDS_ADMIN ${LANG_ENGLISH} "Installing or removing ${APP_NAME} for all users of this computer takes an administrator."
LangString NEEDS_ADMIN ${LANG_FRENCH} "Installer ou supprimer ${APP_NAME} pour tous les utilisateurs de cet ordinateur demande les droits d’administrateur."
LangString NEEDS_ADMIN ${LANG_GERMAN} "Zum Installieren oder Entfernen von ${APP_NAME} für alle Benutzer dieses Computers sind Administratorrechte nötig."
LangString NEEDS_ADMIN ${LANG_SPANISH} "Instalar o quitar ${APP_NAME} para todos los usuarios de este equipo requiere permisos de administrador."
LangString NEEDS_ADMIN ${LANG_SIMPCHINESE} "为此计算机的所有用户安装或删除 ${APP_NAME} 需要管理员权限。"

!macro RequireAdmin
  UserInfo::GetAccountType
  Pop $0
  ${If} $0 != "admin"
    MessageBox MB_ICONSTOP|MB_OK "$(NEEDS_ADMIN)" /SD IDOK
    SetErrorLevel 740 # ERROR_ELEVATION_REQUIRED
    Quit
  ${EndIf}
!macroend

Function .onInit
  SetShellVarContext all
  SetRegView 64
  !insertmacro RequireAdmin
FunctionEnd

Section "Install"
  SetOutPath "$INSTDIR"
  File "${STAGE}/${EXE}"
  File "${STAGE}/index.html"
  # The folder holds nothing but this release's licences, so that an update
  # keeps none that no longer apply.
  RMDir /r "$INSTDIR\licenses"
  SetOutPath "$INSTDIR\licenses"
  File /r "${STAGE}/licenses/*"

  WriteUninstaller "$INSTDIR\${UNINSTALLER}"

  # The shortcut starts the program in its own folder.
  SetOutPath "$INSTDIR"
  CreateShortCut "$SMPROGRAMS\${APP_NAME}.lnk" "$INSTDIR\${EXE}" "" "$INSTDIR\${EXE}" 0

  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayName" "${APP_NAME}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayVersion" "${VERSION}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "Publisher" "${PUBLISHER}"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "DisplayIcon" "$INSTDIR\${EXE},0"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "InstallLocation" "$INSTDIR"
  WriteRegStr HKLM "${UNINSTALL_KEY}" "UninstallString" '"$INSTDIR\${UNINSTALLER}"'
  WriteRegStr HKLM "${UNINSTALL_KEY}" "QuietUninstallString" '"$INSTDIR\${UNINSTALLER}" /S'
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoModify" 1
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "NoRepair" 1
  ${GetSize} "$INSTDIR" "/S=0K" $0 $1 $2
  WriteRegDWORD HKLM "${UNINSTALL_KEY}" "EstimatedSize" $0
SectionEnd

Function un.onInit
  SetShellVarContext all
  SetRegView 64
  !insertmacro RequireAdmin
FunctionEnd

# Takes away exactly what the installer put there, and the folder only when
# that leaves it empty, so nothing else that happens to be in it is lost.
Section "Uninstall"
  Delete "$SMPROGRAMS\${APP_NAME}.lnk"
  DeleteRegKey HKLM "${UNINSTALL_KEY}"

  Delete "$INSTDIR\${EXE}"
  Delete "$INSTDIR\index.html"
  RMDir /r "$INSTDIR\licenses"
  Delete "$INSTDIR\${UNINSTALLER}"
  RMDir "$INSTDIR"
SectionEnd
