#!/bin/sh
# Runs Windows programs under Wine, in a prefix of their own.
#
#   run-under-wine.sh init PREFIX          create PREFIX afresh (any old one is removed)
#   run-under-wine.sh run PREFIX PROGRAM [ARGUMENT...]
#                                          run PROGRAM in PREFIX, creating it if missing,
#                                          and exit with PROGRAM's exit code
#   run-under-wine.sh wait PREFIX          wait until every program in PREFIX has ended
#   run-under-wine.sh stop PREFIX          end PREFIX's Wine server and its processes
#
# The prefix maps Times New Roman, which Wine lacks, to Liberation Serif, which
# has its metrics, as fontconfig does on Linux. `run` sets the screen's dots per
# inch to DD_WINE_DPI (96, 144 or 192, as Windows' scaling of 100, 150 or
# 200 % does; 96 when unset). Windows need an X server: make test runs ctest under
# Xvfb.
set -eu

usage() {
  sed -n '2,15p' "$0" >&2
  exit 2
}
[ $# -ge 2 ] || usage
command=$1
WINEPREFIX=$(realpath -m "$2")
shift 2
export WINEPREFIX
# Wine names Unix files in the locale's character set: the Start-menu
# shortcut's Cyrillic name needs UTF-8, which a clean environment lacks.
case "$(locale charmap 2>/dev/null)" in
  UTF-8) ;;
  *) export LC_ALL=C.UTF-8 ;;
esac
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono and no Gecko (Wine would offer to download them); no desktop
# entries for the shortcuts an installer makes; and no debugger for a program
# that crashes, which then ends with an error instead of waiting for ever.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe,winedbg.exe=d"
# Debian 12 keeps the 64-bit loader and the server outside PATH; its `wine`
# wrapper would also warn on every start that 32-bit Wine is missing, which
# these 64-bit programs do not need.
PATH=$PATH:/usr/lib/wine
export PATH
if [ -x /usr/lib/wine/wine64 ]; then
  wine() { /usr/lib/wine/wine64 "$@"; }
fi

wine_reg() {
  wine reg "$@" >/dev/null
}

init() {
  rm -rf "$WINEPREFIX"
  mkdir -p "$(dirname "$WINEPREFIX")"
  wine wineboot --init >/dev/null 2>&1
  wine_reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'Times New Roman' /t REG_SZ \
    /d 'Liberation Serif' /f
  # Xvfb runs no window manager; a window Wine leaves to one would make every
  # DestroyWindow wait two seconds for it.
  wine_reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  wineserver -w
}

case $command in
  init)
    init
    ;;
  run)
    [ $# -ge 1 ] || usage
    [ -f "$WINEPREFIX/system.reg" ] || init
    # Set on every run, as the prefix keeps the last one.
    wine_reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "${DD_WINE_DPI:-96}" /f
    status=0
    wine "$@" || status=$?
    exit $status
    ;;
  wait)
    wineserver -w
    ;;
  stop)
    wineserver -k 2>/dev/null || true
    ;;
  *)
    usage
    ;;
esac
