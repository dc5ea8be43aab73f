#!/bin/sh
# Makes the release twice and compares the two byte for byte: the second time
# in another, deeper folder, in another time zone, with another umask and
# locale, and later. Any difference fails the check, and diffoscope, where
# it is installed, shows what differs.
#
#   check_reproducible.sh [--clone] WORK [PART...] [-- NAME=FILE...]
#
# With --clone each release is made in a fresh clone of the source's last
# commit (make check-reproducible), so that the sources' folder differs too;
# without, both from the source tree as it is, into two build folders (the
# tests). WORK is made afresh and removed afterwards unless KEEP is set.
# PART is as release.sh has it. Each NAME=FILE after -- names a release file
# that must also be the same bytes as FILE, as another build made it.
set -eu
clone=false
[ "${1:-}" != --clone ] || { clone=true; shift; }
[ $# -ge 1 ] || { sed -n '2,15p' "$0" >&2; exit 2; }
source=$(cd "$(dirname "$0")/.." && pwd)
work=$(realpath -m "$1")
shift
parts= same=
while [ $# -gt 0 ] && [ "$1" != -- ]; do parts="$parts $1"; shift; done
[ $# -eq 0 ] || { shift; same=$*; }
rm -rf "$work"
mkdir -p "$work"
[ -n "${KEEP:-}" ] || trap 'rm -rf "$work"' EXIT
# Signatures differ between runs; only an unsigned release reproduces.
unset DD_SIGN_PFX DD_SIGN_PASSWORD
export SOURCE_DATE_EPOCH="${SOURCE_DATE_EPOCH:-$(git -C "$source" log -1 --format=%ct)}"

# release NAME FOLDER TZ UMASK LANG: one release, its files in WORK/NAME.
release() {
  name=$1 folder=$work/$2 zone=$3 mask=$4 language=$5
  shift 5
  tree=$source
  if $clone; then
    tree=$folder/source
    git clone -q --no-hardlinks "$source" "$tree"
  fi
  (cd "$tree" && umask "$mask" && TZ=$zone LANG=$language LC_ALL='' sh packaging/release.sh \
    "$folder/build" "$work/$name" "$@") > "$work/$name.log" 2>&1 ||
    { tail -40 "$work/$name.log" >&2; echo "check_reproducible.sh: the $name release failed" >&2; exit 1; }
}
# The second time zone as a rule of its own, which needs no time zone data.
release first one UTC 022 C.UTF-8 $parts
release second "two/a folder/further down" KIR-14 077 bg_BG.UTF-8 $parts

status=0
for file in $( (ls "$work/first"; ls "$work/second") | sort -u); do
  cmp -s "$work/first/$file" "$work/second/$file" && continue
  status=1
  echo "check_reproducible.sh: $file differs between the two releases" >&2
  if command -v diffoscope > /dev/null; then
    diffoscope --text - "$work/first/$file" "$work/second/$file" | head -200 >&2 || true
  fi
done
for pair in $same; do
  cmp -s "$work/first/${pair%%=*}" "${pair#*=}" && continue
  status=1
  echo "check_reproducible.sh: ${pair%%=*} differs from ${pair#*=}" >&2
done
[ $status -ne 0 ] || { echo "Both releases are the same bytes:"; cat "$work/first/SHA256SUMS"; }
exit $status
