#!/bin/sh
# Builds the benchmarked programs of an earlier commit into OUT, each part by
# that commit's own presets (the Qt window's benchmarks, the Win32 one, the
# web page), for make bench BEFORE=COMMIT to run beside this tree's.
#
#   before.sh COMMIT OUT
set -eu
[ $# -eq 2 ] || { sed -n '2,6p' "$0" >&2; exit 2; }
commit=$1 out=$(realpath -m "$2")
source=$out/source
git rev-parse --verify --quiet "$commit^{commit}" >/dev/null ||
  { echo "before.sh: no commit $commit" >&2; exit 2; }
if [ "$(cat "$out/commit" 2>/dev/null)" = "$(git rev-parse "$commit")" ]; then
  exit 0  # built already
fi
rm -rf "$out"
mkdir -p "$source"
git archive "$commit" | tar -x -C "$source"
cd "$source"
cmake --preset default -B "$out/native" -DDD_TESTS=OFF > /dev/null
cmake --build "$out/native" --target logic_bench window_bench startup_bench startup_probe
cmake --preset windows -B "$out/windows" -DDD_TESTS=OFF > /dev/null
cmake --build "$out/windows" --target win32_bench
cmake --preset web -B "$out/web" -DDD_TESTS=OFF > /dev/null
cmake --build "$out/web" --target distinct-digits
git -C "$OLDPWD" rev-parse "$commit" > "$out/commit"
