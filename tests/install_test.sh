#!/bin/sh
# Installs the build into a temporary prefix and checks what a desktop needs
# there: the program, its menu entry, icon and metadata, all valid, named
# by the publisher's app id and linking to its home page; and the manual
# page in English and in Bulgarian, each naming every option --help names.
#
#   install_test.sh BUILD APP_ID HOME_URL PROGRAM
set -eu
build=$1 id=$2 home=$3 program=$4
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

cmake --install "$build" --prefix "$prefix" >/dev/null

desktop=$prefix/share/applications/$id.desktop
icons=$prefix/share/icons/hicolor
metainfo=$prefix/share/metainfo/$id.metainfo.xml

[ -x "$prefix/bin/distinct-digits" ] || fail "bin/distinct-digits is missing or not executable"
for file in "$desktop" "$icons/scalable/apps/$id.svg" "$metainfo" "$prefix/share/man/man1/distinct-digits.1.gz" \
  "$prefix/share/man/bg/man1/distinct-digits.1.gz" "$prefix/share/doc/distinct-digits/copyright" \
  "$prefix/share/doc/distinct-digits/changelog.gz"; do
  [ -f "$file" ] || fail "${file#"$prefix"/} is missing"
done

# The icons: a PNG of the named size in each size's directory, each with a
# transparent background: the 32 x 32 one with a colour palette (at most 256
# colours) and a transparency chunk, the larger ones with an alpha channel.
for size in 32 48 64 128 256; do
  icon=$icons/${size}x$size/apps/$id.png
  [ -f "$icon" ] || { fail "the ${size}x$size icon is missing"; continue; }
  header=$(od -An -tx1 -j0 -N26 "$icon" | tr -d ' \n')
  [ "$(echo "$header" | cut -c1-16)" = 89504e470d0a1a0a ] || fail "the $size icon is not a PNG"
  [ "$(echo "$header" | cut -c33-48)" = "$(printf '%08x%08x' "$size" "$size")" ] ||
    fail "the $size icon is not $size x $size"
  colour_type=$(echo "$header" | cut -c51-52)
  if [ "$size" -eq 32 ]; then
    [ "$colour_type" = 03 ] || fail "the 32 x 32 icon has no colour palette"
    grep -q tRNS "$icon" || fail "the 32 x 32 icon has no transparent colours"
  else
    [ "$colour_type" = 06 ] || fail "the $size icon has no alpha channel"
  fi
done
grep -q 'viewBox=' "$icons/scalable/apps/$id.svg" || fail "the scalable icon is not a scalable SVG"

desktop-file-validate "$desktop" || fail "desktop-file-validate rejects the desktop entry"
grep -qx 'Exec=distinct-digits' "$desktop" || fail "the desktop entry does not start the program"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry does not name the icon"
grep -qx 'Terminal=false' "$desktop" || fail "the desktop entry asks for a terminal"
grep -q '^Categories=Education;' "$desktop" || fail "the desktop entry is not in Education"
# On X11 the window's class is the program's name; desktops tie the window to
# its entry by it.
grep -qx 'StartupWMClass=distinct-digits' "$desktop" ||
  fail "the desktop entry does not name the window's class"

report=$(appstreamcli validate --no-net "$metainfo" 2>&1) || fail "appstreamcli validate failed"
if echo "$report" | grep -qE '^(E|W):'; then
  fail "appstreamcli reports errors or warnings:"
  echo "$report"
fi
grep -q '<release version="1.00"' "$metainfo" || fail "the metadata has no release 1.00"
grep -qF "<id>$id</id>" "$metainfo" || fail "the metadata's id is not $id"
grep -qF "<url type=\"homepage\">$home</url>" "$metainfo" || fail "the metadata's home page is not $home"
grep -qxF "Source: $home" "$prefix/share/doc/distinct-digits/copyright" ||
  fail "the copyright file's source is not $home"

# Each manual page names every option that --help names; the Bulgarian one
# is in Bulgarian.
for page in man1 bg/man1; do
  text=$(gzip -dc "$prefix/share/man/$page/distinct-digits.1.gz")
  for option in $("$program" --help | grep -o -- '--[a-z]*' | sort -u); do
    printf '%s\n' "$text" | grep -qF -- "\\-\\${option#-}" || fail "$page's page does not name $option"
  done
done
gzip -dc "$prefix/share/man/bg/man1/distinct-digits.1.gz" | grep -q '^\.SH ОПИСАНИЕ' ||
  fail "the Bulgarian manual page has no ОПИСАНИЕ"

if [ "$failures" -eq 0 ]; then
  echo "install layout: all checks passed"
fi
[ "$failures" -eq 0 ]
