#!/bin/sh
# Runs the conversion sample built for this machine and the one built for the
# web on the same inputs; fails showing the first lines where they differ.
# Usage: compare_conversions.sh NATIVE NODE WEB.js [FILE...]
set -e
native=$1 node=$2 web=$3
shift 3
"$native" "$@" > conversions-native.txt
"$node" "$web" "$@" > conversions-web.txt
if ! cmp -s conversions-native.txt conversions-web.txt; then
  diff conversions-native.txt conversions-web.txt | head -n 20
  exit 1
fi
echo "$(wc -l < conversions-native.txt) conversions agree"
