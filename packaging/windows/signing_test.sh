#!/bin/sh
# Signing with a throw-away certificate (no network): sign.sh signs a copy of
# the program and of the MSI package, makensis makes the installer again,
# signing it and the uninstaller it writes; osslsigncode verifies each, and
# a signature no longer verifies once its file is changed; the signed program
# and package compare with the unsigned ones as docs/release.md says. The uninstaller
# is checked as the installer writes it, installed under Wine.
#
#   signing_test.sh RUN_UNDER_WINE PREFIX PROGRAM MSI SCRIPT MAKENSIS...
# (MAKENSIS...: the build's makensis command but the output file and SCRIPT)
set -eu
run_under_wine=$1 prefix=$2 program=$3 msi=$4 script=$5
shift 5
. "$(dirname "$0")/wine_checks.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A self-signed code-signing certificate, valid for a day.
openssl req -x509 -newkey rsa:2048 -nodes -days 1 -subj "/CN=distinct-digits test signing" \
  -addext "keyUsage=critical,digitalSignature" -addext "extendedKeyUsage=codeSigning" \
  -keyout "$work/key.pem" -out "$work/certificate.pem" 2>/dev/null
DD_SIGN_PASSWORD=$(od -An -N12 -tx1 /dev/urandom | tr -d ' \n')
openssl pkcs12 -export -inkey "$work/key.pem" -in "$work/certificate.pem" \
  -passout "pass:$DD_SIGN_PASSWORD" -out "$work/test.pfx"
DD_SIGN_PFX=$work/test.pfx
export DD_SIGN_PFX DD_SIGN_PASSWORD
unset DD_SIGN_TIMESTAMP_URL

verify() {
  osslsigncode verify -CAfile "$work/certificate.pem" -in "$1" > "$work/verify.txt" 2>&1 ||
    { cat "$work/verify.txt" >&2; fail "the signature of $1 does not verify"; }
  grep -q "distinct-digits test signing" "$work/verify.txt" || fail "$1 is not signed by the test certificate"
}

cp "$program" "$work/distinct-digits.exe"
cp "$msi" "$work/distinct-digits.msi"
sh "$(dirname "$0")/sign.sh" "$work/distinct-digits.exe" "$work/distinct-digits.msi"
"$@" -DOUTFILE="$work/setup.exe" "$script" >/dev/null
for file in distinct-digits.exe distinct-digits.msi setup.exe; do
  verify "$work/$file"
done

# What docs/release.md tells to compare a signed release with an unsigned
# build by: the program with its signature removed is the unsigned program
# byte for byte; the signed package holds what the unsigned one holds.
osslsigncode remove-signature -in "$work/distinct-digits.exe" -out "$work/stripped.exe" >/dev/null
cmp -s "$work/stripped.exe" "$program" || fail "the program with its signature removed is not the unsigned one"
content() { "${DD_PYTHON:-python3}" "$(dirname "$0")/msi_content.py" "$1" | cut -d' ' -f1; }
[ "$(content "$work/distinct-digits.msi")" = "$(content "$msi")" ] ||
  fail "the signed MSI package holds other than the unsigned one"
cp "$msi" "$work/changed.msi"
"${DD_PYTHON:-python3}" "$(dirname "$0")/msi_summary.py" "$work/changed.msi" \
  00000000-0000-0000-0000-000000000000
[ "$(content "$work/changed.msi")" != "$(content "$msi")" ] ||
  fail "an MSI package with another package code holds the same as the build's"
# A changed byte in the program's code breaks its signature.
cp "$work/distinct-digits.exe" "$work/changed.exe"
printf 'X' | dd of="$work/changed.exe" bs=1 seek=4096 conv=notrunc 2>/dev/null
if osslsigncode verify -CAfile "$work/certificate.pem" -in "$work/changed.exe" >/dev/null 2>&1; then
  fail "a changed program still verifies"
fi

unset DD_SIGN_PFX DD_SIGN_PASSWORD
wine_do run "$prefix" "$work/setup.exe" /S /CurrentUser || fail "the signed installer failed"
verify "$user_programs/distinct-digits/uninstall.exe"
wine_do run "$prefix" "$user_programs/distinct-digits/uninstall.exe" /S || fail "the uninstaller failed"
wine_do wait "$prefix"
echo "The program, the installer, its uninstaller and the MSI package are signed and verify."
