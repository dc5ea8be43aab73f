#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop needs
# there: the program, its menu entry, icon and metadata, all valid.
set -eu
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.example.DistinctDigits
desktop=$prefix/share/applications/$id.desktop
icon=$prefix/share/icons/hicolor/32x32/apps/$id.png
metainfo=$prefix/share/metainfo/$id.metainfo.xml

[ -x "$prefix/bin/distinct-digits" ] || fail "bin/distinct-digits is missing or not executable"
for file in "$desktop" "$icon" "$metainfo" "$prefix/share/man/man1/distinct-digits.1.gz" \
  "$prefix/share/doc/distinct-digits/copyright" "$prefix/share/doc/distinct-digits/changelog.gz"; do
  [ -f "$file" ] || fail "${file#"$prefix"/} is missing"
done

# The icon: a PNG of 32 x 32 pixels with a colour palette (at most 256 colours).
header=$(od -An -tx1 -j0 -N26 "$icon" | tr -d ' \n')
[ "$(echo "$header" | cut -c1-16)" = 89504e470d0a1a0a ] || fail "the icon is not a PNG"
[ "$(echo "$header" | cut -c33-48)" = 0000002000000020 ] || fail "the icon is not 32 x 32"
[ "$(echo "$header" | cut -c51-52)" = 03 ] || fail "the icon has no colour palette"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Exec=distinct-digits' "$desktop" || fail "the desktop entry does not start the program"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon"
grep -qx 'Terminal=false' "$desktop" || fail "the desktop entry asks for a terminal"
grep -q '^Categories=Education;' "$desktop" || fail "the desktop entry is not in Education"

report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate failed"
if echo "$report" | grep -qE '^(E|W):'; then
  fail "appstreamcli reports errors or warnings:"
  echo "$report"
fi
grep -q '<release version="1.00"' "$metainfo" || fail "the metadata has no release 1.00"

if [ "$failures" -eq 0 ]; then
  echo "install layout: all checks passed"
fi
[ "$failures" -eq 0 ]
