#!/bin/sh
# The MSI package under Wine, as an administrator deploys it:
#
# 1. msiexec /i ... /qn installs the program, the shortcut and the uninstall
#    entry (name, publisher, version); the program starts from where it is
#    installed; the same package again leaves one product;
# 2. a later version (made here, 1.01) replaces it; the earlier one is then
#    refused;
# 3. msiexec /x ... /qn removes every file, the shortcut and every registry
#    entry of either version.
#
# 4. the NSIS installer and the MSI package refuse to install beside each
#    other's copy.
#
#   msi_test.sh RUN_UNDER_WINE PREFIX MSI SETUP PROGRAM ICON LICENSE MAKE_MSI...
# (MAKE_MSI...: the build's make-msi.sh command up to its version argument)
set -eu
run_under_wine=$1 prefix=$2 msi=$3 setup=$4 built_program=$5 icon=$6 license=$7
shift 7
. "$(dirname "$0")/wine_checks.sh"
folder="$drive_c/Program Files/distinct-digits"
shortcut="Различни цифри.lnk"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

product_code() {
  msiinfo export "$1" Property | tr -d '\r' | sed -n 's/^ProductCode\t//p'
}
# Windows Installer's registry keys name a product by its code written
# backwards in parts ("packed").
packed() {
  python3 -c 'import sys
h = sys.argv[1].strip("{}").replace("-", "")
print(h[7::-1] + h[11:7:-1] + h[15:11:-1] + "".join(h[i + 1] + h[i] for i in range(16, 32, 2)))' "$1"
}
# The Start menu of all users on Windows; Wine's Windows Installer puts an
# all-users shortcut into the user's own.
shortcut_file() {
  for menu in "$common_menu" "$user_menu"; do
    [ -f "$menu/$shortcut" ] && { echo "$menu/$shortcut"; return; }
  done
  return 1
}
# VERSION CODE: that version is the one installed.
check_installed() {
  cmp -s "$folder/distinct-digits.exe" "$built_program" ||
    fail "$folder/distinct-digits.exe is missing or differs from the built one"
  [ -f "$folder/LICENSE.txt" ] || fail "no LICENSE.txt in $folder"
  shortcut_file >/dev/null || fail "no shortcut in the Start menu"
  entry=$(reg_key "HKLM\\$uninstall_key\\$2") || fail "no uninstall entry $2"
  for expected in '"DisplayName"="Различни цифри"' "\"DisplayVersion\"=\"$1\"" \
                  '"Publisher"="Разработчиците на distinct-digits"' "\"URLInfoAbout\"=\"$DD_HOME\""; do
    printf '%s\n' "$entry" | grep -qxF "$expected" || fail "the uninstall entry lacks $expected"
  done
  entries=$(reg_key "HKLM\\$uninstall_key" | grep -cxF '"DisplayName"="Различни цифри"' || true)
  [ "$entries" -eq 1 ] || fail "$entries uninstall entries of Различни цифри"
}
# msiexec ARGUMENT...: its exit code.
msiexec() {
  status=0
  wine_do run "$prefix" msiexec "$@" || status=$?
  return $status
}

code_100=$(product_code "$msi")
echo "Installing $msi"
msiexec /i "$msi" /qn || fail "msiexec /i failed"
check_installed 1.00 "$code_100"
start_program 'C:\Program Files\distinct-digits\distinct-digits.exe'
close_program
msiexec /i "$msi" /qn || fail "msiexec /i of the installed package failed"
check_installed 1.00 "$code_100"
status=0
wine_do run "$prefix" "$setup" /S || status=$?
[ $status -eq 2 ] || fail "the NSIS installer beside the MSI package: exit code $status, not 2"
check_installed 1.00 "$code_100"

echo "Upgrading to 1.01"
"$@" 1.01 "$built_program" "$icon" "$license" "$work/1.01.msi" ||
  fail "the package of version 1.01 was not made"
code_101=$(product_code "$work/1.01.msi")
[ "$code_101" != "$code_100" ] || fail "versions 1.00 and 1.01 have one product code"
msiexec /i "$work/1.01.msi" /qn || fail "the upgrade to 1.01 failed"
check_installed 1.01 "$code_101"
! reg_key "HKLM\\$uninstall_key\\$code_100" >/dev/null || fail "1.00 is still registered"
if msiexec /i "$msi" /qn; then
  fail "1.00 was installed over 1.01"
fi
check_installed 1.01 "$code_101"

echo "Uninstalling"
msiexec /x "$work/1.01.msi" /qn || fail "msiexec /x failed"
wine_do wait "$prefix"
[ ! -e "$folder" ] || fail "$folder is left"
! shortcut_file >/dev/null || fail "the shortcut is left: $(shortcut_file)"
for code in "$code_100" "$code_101"; do
  for name in "$code" "$(packed "$code")"; do
    if grep -lF "$name" "$prefix"/*.reg; then
      fail "the registry still names $name"
    fi
  done
done
[ ! -e "$drive_c/windows/Installer/$code_101" ] || fail "Windows Installer's copy of the icon is left"
echo "Installing the MSI package beside the NSIS installer's copy"
wine_do run "$prefix" "$setup" /S || fail "the NSIS installer failed"
if msiexec /i "$msi" /qn; then
  fail "the MSI package was installed beside the NSIS installer's copy"
fi
! reg_key "HKLM\\$uninstall_key\\$code_100" >/dev/null || fail "the refused MSI package is registered"
run_quietly "$(reg_value "HKLM\\$uninstall_key\\distinct-digits" QuietUninstallString)" ||
  fail "the NSIS installer's copy could not be uninstalled"
echo "The MSI package installs, upgrades, refuses a downgrade and uninstalls leaving nothing; it and the NSIS installer do not share the computer."
