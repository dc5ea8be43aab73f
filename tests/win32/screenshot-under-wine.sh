#!/bin/sh
# Shows the program under Wine on an X server of its own and saves a picture
# of the screen, cut to what the program drew, as a PNG: for looking at the
# window as Windows users would see it, at 100 % or (DPI 192) at 200 %.
#
#   screenshot-under-wine.sh PREFIX PROGRAM OUTPUT.png [DPI]
set -eu
[ $# -ge 3 ] || { sed -n '2,7p' "$0" >&2; exit 2; }
here=$(dirname "$0")
prefix=$1 program=$2 output=$3
DD_WINE_DPI=${4:-96}
export DD_WINE_DPI
xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" sh -c '
  sh "$1/run-under-wine.sh" run "$2" "$3" & program=$!
  # Time for Wine to start and the window to paint.
  sleep 6
  xwd -root -silent > "$4.xwd"
  sh "$1/run-under-wine.sh" stop "$2"
  wait $program || true
' screenshot "$here" "$prefix" "$program" "$output"
# Cut to the smallest rectangle that holds everything not black (the bare X
# screen), with netpbm.
xwdtopnm -quiet "$output.xwd" | pnmcrop -quiet -black | pnmtopng -quiet > "$output"
rm -f "$output.xwd"
