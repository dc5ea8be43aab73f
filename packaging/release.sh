#!/bin/sh
# Makes the release files into DIST: the .deb, the portable Windows program,
# its NSIS installer and MSI package, the web page and the folder to publish
# it from as a .zip, the licence texts and SHA256SUMS. Each part is built
# afresh in BUILD/<part> by its release preset, so that two runs of one
# commit give the same bytes (make check-reproducible compares two).
#
#   release.sh BUILD DIST [PART...]
#
# PART is linux, windows or web, all three by default. Every file inside the
# packages carries the time SOURCE_DATE_EPOCH, by default that of the
# source's last commit. The Windows files are signed when DD_SIGN_PFX names
# a certificate (packaging/windows/sign.sh); a signature differs from one
# run to the next, so only an unsigned release reproduces.
set -eu
[ $# -ge 2 ] || { sed -n '2,14p' "$0" >&2; exit 2; }
source=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "$1") dist=$(realpath -m "$2")
shift 2
parts=${*:-linux windows web}
# What is packed gets the same modes whatever the caller's umask (CPack
# takes the .deb's members' from the files it writes), and the tools' texts
# and orders do not depend on the caller's locale.
umask 022
export LC_ALL=C.UTF-8
if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git -C "$source" log -1 --format=%ct) ||
    { echo "release.sh: no commit to take the time from; set SOURCE_DATE_EPOCH" >&2; exit 1; }
fi
export SOURCE_DATE_EPOCH

# The files are gathered beside DIST and put in its place only when every
# part has been made: a build that fails (an address refused, say) leaves
# the last release as it was.
final=$dist
dist=$final.new
rm -rf "$dist"
mkdir -p "$dist" "$build"
version=
for part in $parts; do
  case $part in linux | windows | web) ;; *) echo "release.sh: no part $part" >&2; exit 2 ;; esac
  rm -rf "${build:?}/$part"
  (cd "$source" && cmake --preset "release-$part" -B "$build/$part" > /dev/null)
  cmake --build "$build/$part"
  version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/$part/CMakeCache.txt")
  case $part in
    linux)
      (cd "$build/$part" && cpack -G DEB -B "$build/$part/package" > /dev/null)
      cp "$build/$part/package/distinct-digits_${version}_"*.deb "$dist/" ;;
    windows)
      cp "$build/$part/distinct-digits.exe" "$dist/distinct-digits-$version.exe"
      cp "$build/$part/distinct-digits-$version-setup.exe" "$build/$part/distinct-digits-$version.msi" \
         "$dist/" ;;
    web)
      cp "$build/$part/distinct-digits.html" "$dist/distinct-digits-$version.html"
      python3 "$source/packaging/zip_folder.py" "$dist/distinct-digits-$version-web.zip" \
        "$build/$part/app" "distinct-digits-$version-web" ;;
  esac
done

# The licence texts: the program's, and those of what the files carry of
# others' work, each with what carries it (the .deb only links to Debian's
# libraries, which come with their own).
cp "$source/LICENSE" "$dist/LICENSE.txt"
{
  echo "Licences of other people's work that the release files of distinct-digits"
  echo "$version carry. The program's own licence is in LICENSE.txt."
  while IFS='|' read -r part what file; do
    case " $parts " in *" $part "*) ;; *) continue ;; esac
    [ -f "$file" ] || file="$build/$part/$file"
    printf '\n\n%s\n%s\n\n' "$what" "$(echo "$what" | sed 's/./=/g')"
    cat "$file"
  done <<LIST
windows|GCC's runtime libraries (libgcc, libstdc++), in distinct-digits-$version.exe and the installers|/usr/share/doc/gcc-mingw-w64-base/copyright
windows|MinGW-w64's runtime and winpthreads, in distinct-digits-$version.exe and the installers|/usr/share/doc/mingw-w64-common/copyright
windows|NSIS, whose installer program distinct-digits-$version-setup.exe is|/usr/share/doc/nsis-common/copyright
web|Emscripten's runtime and its C and C++ libraries, in the web page|/usr/share/doc/emscripten/copyright
web|Liberation Serif, cut down to the page's characters, in the web page|LiberationSerif-LICENSE.txt
LIST
} > "$dist/THIRD-PARTY-LICENSES.txt"

# What made the files, for whoever builds them again to compare: the commit,
# its time, the Debian release and the versions of the packages that shape
# the bytes. The same commit built with the same packages gives the same
# files.
{
  echo "distinct-digits $version"
  echo "commit: $(git -C "$source" rev-parse HEAD 2>/dev/null || echo unknown)"
  echo "SOURCE_DATE_EPOCH: $SOURCE_DATE_EPOCH ($(date -u -d "@$SOURCE_DATE_EPOCH" +%Y-%m-%dT%H:%M:%SZ))"
  echo "built on: $(. /etc/os-release && echo "$PRETTY_NAME"), $(dpkg --print-architecture)"
  # The publisher the files name (make's HOME_URL and CONTACT): the same
  # commit made for another publisher gives other files.
  for part in $parts; do
    cat "$build/$part/publisher.txt"
    break
  done
  echo "with:"
  dpkg-query -W -f='${db:Status-Abbrev}${Package} ${Version}\n' cmake g++ qt6-base-dev \
    g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev binutils-mingw-w64-x86-64 nsis wixl \
    libmsi0 python3-olefile emscripten binaryen python3-fonttools fonts-liberation \
    fonts-liberation2 librsvg2-bin pngquant icoutils netpbm strip-nondeterminism dpkg-dev \
    xz-utils python3 2>/dev/null | sed -n 's/^ii *//p' | sed 's/^/  /'
} > "$dist/distinct-digits-$version.buildinfo"

(cd "$dist" && find . -maxdepth 1 -type f ! -name SHA256SUMS -printf '%P\n' | sort |
  xargs sha256sum -- > SHA256SUMS)
rm -rf "$final"
mv "$dist" "$final"
echo "The release files of distinct-digits $version are in $final:"
cat "$final/SHA256SUMS"
