#!/bin/sh
# Makes the MSI package with wixl (msitools) and signs it with sign.sh.
#
#   make-msi.sh WXS VERSION PROGRAM ICON LICENSE OUTPUT
#
# WXS is distinct-digits.wxs as CMake configured it. The product code is
# derived from the upgrade code and the version, so that one version has one
# product code (Windows Installer installs it once) and each version another
# (a later one replaces an earlier one).
set -eu
[ $# -eq 6 ] || { sed -n '2,9p' "$0" >&2; exit 2; }
wxs=$(realpath "$1") version=$2 output=$(realpath -m "$6")
here=$(dirname "$(realpath "$0")")
upgrade_code=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$wxs")
product_code=$(python3 -c 'import sys, uuid
print(str(uuid.uuid5(uuid.UUID(sys.argv[1]), "distinct-digits " + sys.argv[2])).upper())' \
  "$upgrade_code" "$version")

# wixl finds the files by name in the folder it runs in.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
ln -s "$(realpath "$3")" "$stage/distinct-digits.exe"
ln -s "$(realpath "$4")" "$stage/distinct-digits.ico"
ln -s "$(realpath "$5")" "$stage/LICENSE.txt"
# The package's texts are Cyrillic: the database's code page is 1251
# (Windows' Cyrillic one), which libmsi takes from WINDOWS_LANGUAGE while
# writing and records through the _ForceCodepage table, so that Windows of
# any language reads them right.
printf '\r\n\r\n1251\t_ForceCodepage\r\n' > "$stage/_ForceCodepage.idt"
(
  cd "$stage"
  export WINDOWS_LANGUAGE=bg
  # wixl and msibuild read their arguments and texts through the locale, as
  # glib's programs do: UTF-8, whatever locale the caller has or lacks.
  export LC_ALL=C.UTF-8
  # wixl warns that it makes the shortcut without advertising it, which is meant.
  wixl --arch x64 -D "Version=$version" -D "ProductCode=$product_code" -o "$output" "$wxs" 2>&1 |
    { grep -v 'unimplemented' || true; } >&2
  msibuild "$output" -i _ForceCodepage.idt
)
sh "$here/sign.sh" "$output"
