#!/bin/sh
# The NSIS installer under Wine, silent, as an administrator (Wine's user is
# one) would run it:
#
# 1. for the current user: the program, the shortcut and the uninstall entry
#    (version, publisher, size of the installed files);
# 2. with that copy running, an install for all users and the uninstall are
#    refused and change nothing;
# 3. a plain /S installs for all users and replaces the per-user copy;
# 4. an install for the current user is then refused;
# 5. the uninstall entry's QuietUninstallString has removed everything when
#    it returns, and leaves nothing in the temporary folder;
# 6. neither does the uninstaller started alone (NSIS runs a copy of it).
#
#   installer_test.sh RUN_UNDER_WINE PREFIX SETUP_EXE
set -eu
run_under_wine=$1 prefix=$2 setup=$3
. "$(dirname "$0")/wine_checks.sh"
built_program=$(dirname "$setup")/distinct-digits.exe
user_copy=$user_programs/distinct-digits
common_copy="$drive_c/Program Files/distinct-digits"
shortcut="Различни цифри.lnk"

# HIVE FOLDER MENU: the copy in FOLDER is complete and registered under HIVE.
check_copy() {
  hive=$1 folder=$2 menu=$3
  cmp -s "$folder/distinct-digits.exe" "$built_program" ||
    fail "$folder/distinct-digits.exe is missing or differs from the built one"
  [ -f "$folder/uninstall.exe" ] || fail "no uninstaller in $folder"
  [ -f "$menu/$shortcut" ] || fail "no shortcut in $menu"
  key="$hive\\$uninstall_key\\distinct-digits"
  entry=$(reg_key "$key") || fail "no uninstall entry under $hive"
  for expected in '"DisplayName"="Различни цифри"' '"DisplayVersion"="1.00"' \
                  '"Publisher"="Разработчиците на distinct-digits"' "\"URLInfoAbout\"=\"$DD_HOME\""; do
    printf '%s\n' "$entry" | grep -qxF "$expected" || fail "uninstall entry under $hive lacks $expected"
  done
  bytes=0
  for file in "$folder"/*; do
    bytes=$((bytes + $(stat -c %s "$file")))
  done
  size=$(reg_value "$key" EstimatedSize)
  [ "$size" -eq $((bytes / 1024)) ] ||
    fail "EstimatedSize is $size KiB, the installed files take $((bytes / 1024)) KiB"
}
# HIVE: there is no copy registered under HIVE.
check_no_entry() {
  ! reg_key "$1\\$uninstall_key\\distinct-digits" >/dev/null || fail "an uninstall entry under $1"
}

echo "Installing for the current user"
wine_do run "$prefix" "$setup" /S /CurrentUser || fail "the install for the current user failed"
check_copy HKCU "$user_copy" "$user_menu"
check_no_entry HKLM

echo "Installing for all users and uninstalling while the program runs"
start_program "$user_copy/distinct-digits.exe"
status=0
wine_do run "$prefix" "$setup" /S /AllUsers || status=$?
[ $status -eq 2 ] || fail "the install while the program runs ended with $status, not 2"
status=0
run_quietly "$(reg_value "HKCU\\$uninstall_key\\distinct-digits" QuietUninstallString)" || status=$?
[ $status -eq 2 ] || fail "the uninstall while the program runs ended with $status, not 2"
close_program
check_copy HKCU "$user_copy" "$user_menu"
check_no_entry HKLM
[ ! -e "$common_copy" ] || fail "the refused install left $common_copy"

echo "Installing silently as an administrator: for all users, replacing the own copy"
wine_do run "$prefix" "$setup" /S || fail "the install for all users failed"
check_copy HKLM "$common_copy" "$common_menu"
check_no_entry HKCU
[ ! -e "$user_copy" ] || fail "the per-user copy's folder is left"
[ ! -e "$user_menu/$shortcut" ] || fail "the per-user copy's shortcut is left"

echo "Installing for the current user beside the copy for all users"
status=0
wine_do run "$prefix" "$setup" /S /CurrentUser || status=$?
[ $status -eq 2 ] || fail "a second copy for the current user: exit code $status, not 2"
[ ! -e "$user_copy" ] || fail "a second copy in $user_copy"
check_no_entry HKCU

echo "Uninstalling with the entry's QuietUninstallString"
wine_do wait "$prefix"
temp_before=$(ls -A "$temp_folder")
quiet=$(reg_value "HKLM\\$uninstall_key\\distinct-digits" QuietUninstallString)
run_quietly "$quiet" || fail "$quiet failed"
# At once, without waiting for Wine to be idle.
[ ! -e "$common_copy" ] || fail "$common_copy is left when the uninstaller returns"
[ ! -e "$common_menu/$shortcut" ] || fail "the shortcut is left when the uninstaller returns"
check_no_entry HKLM
wine_do wait "$prefix"
temp_after=$(ls -A "$temp_folder")
[ "$temp_after" = "$temp_before" ] ||
  fail "the uninstaller left in the temporary folder: $(printf '%s\n' "$temp_after" | grep -vxF "$temp_before")"

echo "Uninstalling with the uninstaller alone, which NSIS runs from a copy in the temporary folder"
wine_do run "$prefix" "$setup" /S /CurrentUser || fail "the install for the current user failed"
wine_do run "$prefix" "$user_copy/uninstall.exe" /S || fail "the uninstaller failed"
wine_do wait "$prefix"
[ ! -e "$user_copy" ] || fail "$user_copy is left after uninstalling"
check_no_entry HKCU
# Its copy is deleted once it has ended. (Under Wine the copy's folder stays:
# NSIS makes it readable by administrators only, and Wine then refuses to
# remove it even to them.)
leftover=$(find "$temp_folder" -type f -name '*.exe')
[ -z "$leftover" ] || fail "NSIS's copy of the uninstaller is left: $leftover"
echo "One copy per computer; the installer and its uninstaller change nothing while the program runs."
