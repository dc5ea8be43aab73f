#!/bin/sh
# Makes the MSI package with wixl (msitools) and signs it with sign.sh.
#
#   make-msi.sh WXS VERSION PROGRAM ICON LICENSE OUTPUT
#
# WXS is distinct-digits.wxs as CMake configured it. The product code is
# derived from the upgrade code and the version, so that one version has one
# product code (Windows Installer installs it once) and each version another
# (a later one replaces an earlier one). The package code, which Windows
# Installer takes to name these very bytes, is derived from what goes in, so
# that two builds of one commit make the same package; with
# SOURCE_DATE_EPOCH set, the times inside it are that time (see stage.sh and
# msi_summary.py). DD_PYTHON is a Python with olefile (python3 by default).
set -eu
[ $# -eq 6 ] || { sed -n '2,9p' "$0" >&2; exit 2; }
wxs=$(realpath "$1") version=$2 output=$(realpath -m "$6")
here=$(dirname "$(realpath "$0")")
python=${DD_PYTHON:-python3}

# wixl finds the files by name in the folder it runs in; the cabinet keeps
# their times.
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
sh "$here/../stage.sh" "$stage" "distinct-digits.exe=$3" "distinct-digits.ico=$4" "LICENSE.txt=$5"

upgrade_code=$(sed -n 's/.*UpgradeCode="\([^"]*\)".*/\1/p' "$wxs")
codes=$("$python" -c 'import hashlib, sys, uuid
upgrade, version, *inputs = sys.argv[1:]
digest = hashlib.sha256(version.encode())
for name in inputs:
    digest.update(open(name, "rb").read())
for name in ("distinct-digits " + version, "package " + digest.hexdigest()):
    print(str(uuid.uuid5(uuid.UUID(upgrade), name)).upper())' \
  "$upgrade_code" "$version" "$wxs" "$stage/distinct-digits.exe" "$stage/distinct-digits.ico" \
  "$stage/LICENSE.txt")
product_code=$(echo "$codes" | sed -n 1p) package_code=$(echo "$codes" | sed -n 2p)
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
"$python" "$here/msi_summary.py" "$output" "$package_code"
sh "$here/sign.sh" "$output"
