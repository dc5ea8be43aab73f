#!/bin/sh
# Runs the Windows installer silently under Wine, once for the current user
# and once for all users; checks each time the installed program, the
# Start-menu shortcut and the uninstall entry, then uninstalls silently and
# checks that all three are gone.
#
#   installer_test.sh RUN_UNDER_WINE PREFIX SETUP_EXE
set -eu
run_under_wine=$1
prefix=$2
setup=$3

wine_do() {
  sh "$run_under_wine" "$@"
}
fail() {
  echo "FAILED: $*" >&2
  exit 1
}
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\distinct-digits'

# MODE HIVE PROGRAM_FOLDER START_MENU_FOLDER, folders relative to drive_c
try_mode() {
  mode=$1 hive=$2 folder=$prefix/drive_c/$3 menu=$prefix/drive_c/$4
  echo "Installing for $mode"
  wine_do run "$prefix" "$setup" /S "/$mode" || fail "the installer failed ($mode)"
  wine_do wait "$prefix"
  [ -f "$folder/distinct-digits.exe" ] || fail "no $folder/distinct-digits.exe"
  cmp -s "$folder/distinct-digits.exe" "$(dirname "$setup")/distinct-digits.exe" ||
    fail "the installed program differs from the built one"
  [ -f "$folder/uninstall.exe" ] || fail "no uninstaller in $folder"
  [ -f "$menu/Различни цифри.lnk" ] || fail "no shortcut in $menu"
  version=$(wine_do run "$prefix" reg query "$hive\\$uninstall_key" /v DisplayVersion) ||
    fail "no uninstall entry under $hive"
  echo "$version" | grep -q 'DisplayVersion.*1\.00' || fail "uninstall entry: $version"

  echo "Uninstalling for $mode"
  # The uninstaller runs a copy of itself from the temporary folder and
  # returns at once; waiting for Wine to be idle waits for the copy.
  wine_do run "$prefix" "$folder/uninstall.exe" /S "/$mode" || fail "the uninstaller failed"
  wine_do wait "$prefix"
  [ ! -e "$folder" ] || fail "$folder is left after uninstalling"
  [ ! -e "$menu/Различни цифри.lnk" ] || fail "the shortcut is left after uninstalling"
  if wine_do run "$prefix" reg query "$hive\\$uninstall_key" >/dev/null 2>&1; then
    fail "the uninstall entry is left under $hive"
  fi
}

user_folder=$(cd "$prefix/drive_c/users" && ls -d */AppData | grep -v '^Public/' | head -n 1)
user_folder=${user_folder%/AppData}
try_mode CurrentUser HKCU "users/$user_folder/AppData/Local/Programs/distinct-digits" \
  "users/$user_folder/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
# Wine's user is an administrator, who may install for everybody.
try_mode AllUsers HKLM "Program Files/distinct-digits" \
  "ProgramData/Microsoft/Windows/Start Menu/Programs"
echo "The installer installs and uninstalls for the current user and for all users."
