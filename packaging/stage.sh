#!/bin/sh
# Copies files into a folder for a package to take them from, each with the
# time of SOURCE_DATE_EPOCH when that is set (a release sets it to the
# commit's time), so that the times the package records are the same in
# every build of one commit; without it each copy keeps its file's time.
# NAME=FILE gives the copy another name.
#
#   stage.sh DIR [NAME=]FILE...
set -eu
[ $# -ge 1 ] || { sed -n '2,9p' "$0" >&2; exit 2; }
dir=$1
shift
mkdir -p "$dir"
for file in "$@"; do
  case $file in
    *=*) copy="$dir/${file%%=*}" file=${file#*=} ;;
    *) copy="$dir/$(basename "$file")" ;;
  esac
  cp -p "$file" "$copy"
  [ -z "${SOURCE_DATE_EPOCH:-}" ] || touch -d "@$SOURCE_DATE_EPOCH" "$copy"
done
