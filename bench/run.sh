#!/bin/sh
# make bench: every benchmark of the three windows, on an X server of its own
# (xvfb-run) for the Qt and Win32 ones. With BEFORE=COMMIT, the same programs
# built from that commit (bench/before.sh, into build-before/) run beside
# these, each pair one after the other and twice, before and now in turn, so
# that both see the machine alike: the figures of a change side by side.
#
#   run.sh BUILD WIN_BUILD WEB_PAGE PYTHON [BEFORE_DIR]
set -eu
build=$1 win_build=$2 page=$3 python=$4 before=${5:-}
here=$(dirname "$0")
xvfb() { xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"; }
repeat="--benchmark_repetitions=15 --benchmark_report_aggregates_only=true"
window_repeat="--benchmark_repetitions=5 --benchmark_report_aggregates_only=true"
wine_prefix=$win_build/wineprefix

# NAME COMMAND...: the benchmark, and beside it the same from before.
side_by_side() {
  name=$1
  shift
  if [ -z "$before" ]; then
    "$@"
    return
  fi
  for round in 1 2; do
    echo "== $name, before (round $round)"
    run_before "$@"
    echo "== $name, now (round $round)"
    "$@"
  done
}
# The command with this tree's build folders put for the earlier commit's.
run_before() {
  set -- $(echo "$*" | sed "s#$build/#$before/native/#g; s#$win_build/#$before/windows/#g;
                             s#$page#$before/web/distinct-digits.html#g")
  "$@"
}

side_by_side "compute in memory" "$build/logic_bench" $repeat
side_by_side "click in the Qt window" xvfb "$build/window_bench" $window_repeat
side_by_side "click in the Qt window, accessibility bridge on" \
  xvfb "$here/with-accessibility.sh" "$build/window_bench" $window_repeat
side_by_side "start-up of the Qt program" xvfb "$build/startup_bench"
# The Win32 window's figures under Wine.
side_by_side "click in the Win32 window under Wine" \
  xvfb sh "$here/../tests/win32/run-under-wine.sh" run "$wine_prefix" "$win_build/win32_bench.exe"
# The web page in headless Chromium.
side_by_side "the web page" "$python" "$here/web_bench.py" "$page"
