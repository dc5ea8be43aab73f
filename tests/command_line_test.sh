#!/bin/sh
# The program's command line as a user meets it, on the program itself: it is
# answered before Qt starts, so with no display at all.
set -u
program=$1
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}
no_display() {
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$program" "$@"
}

out=$(no_display --version 2>&1)
status=$?
[ "$status" -eq 0 ] && [ "$out" = "distinct-digits 1.00" ] || fail "--version: status $status: $out"

out=$(no_display --help 2>&1)
status=$?
[ "$status" -eq 0 ] && echo "$out" | grep -q -- '--version' || fail "--help: status $status: $out"

err=$(no_display --bogus 2>&1 >/dev/null)
status=$?
[ "$status" -eq 2 ] && [ "$(echo "$err" | wc -l)" -eq 1 ] && echo "$err" | grep -q -- '--bogus' ||
  fail "an unknown option: status $status: $err"

err=$(no_display 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] && [ "$(echo "$err" | wc -l)" -eq 1 ] ||
  fail "without a display: status $status: $err"

# Qt's -display reaches Qt; a display that cannot be opened ends the program
# with status 1 and the same line last, after Qt's warnings, not with an abort.
last=$(echo "$err" | tail -n 1)
err=$(no_display -display :65534 2>&1 >/dev/null)
status=$?
[ "$status" -eq 1 ] && [ "$(echo "$err" | tail -n 1)" = "$last" ] ||
  fail "an unreachable display: status $status: $err"

if [ "$failures" -eq 0 ]; then
  echo "command line: all checks passed"
fi
[ "$failures" -eq 0 ]
