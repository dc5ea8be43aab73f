#!/bin/sh
# Runs a command with an assistive-technology bus attached, as on a desktop
# with a screen reader: a private D-Bus session, the AT-SPI bus launcher, and
# Qt's accessibility bridge forced on.
set -e
runtime_dir=$(mktemp -d)
trap 'rm -rf "$runtime_dir"' EXIT
export XDG_RUNTIME_DIR="$runtime_dir"
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
exec dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
      >/dev/null 2>&1 && break
    sleep 0.1
  done
  status=0
  "$@" || status=$?
  kill $launcher 2>/dev/null || true
  exit $status' sh "$@"
