#!/usr/bin/env bash
# The real program in a real X server: started in a directory holding a Quorvane.cfg, its
# window asked to close as a window manager would. It must print the root it read, write
# the root back without a terminator and end with status 0.
# Usage: real_window_close_test.sh QUORVANE_BINARY CLOSE_REQUEST_TOOL  (run under with_xvfb.sh)
set -euo pipefail
program=$(realpath "$1")
close_request=$(realpath "$2")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
printf '/docs/api  \r\nsecond line\r\n' > Quorvane.cfg

"$program" --ignored -style fusion > out.txt 2> err.txt &
pid=$!
"$close_request" "Quorvane" 20 >/dev/null || { kill "$pid"; echo "FAIL: no window"; exit 1; }
status=0
wait "$pid" || status=$?

fail=0
[ "$status" -eq 0 ] || { echo "FAIL: exit status $status"; fail=1; }
[ "$(od -c out.txt)" = "$(printf 'Doc Path :  /docs/api  \n' | od -c)" ] || { echo "FAIL: stdout"; od -c out.txt; fail=1; }
[ "$(od -c Quorvane.cfg)" = "$(printf '/docs/api  ' | od -c)" ] || { echo "FAIL: file"; od -c Quorvane.cfg; fail=1; }
[ ! -e Quorvane.cfg.tmp ] || { echo "FAIL: temporary file left"; fail=1; }
[ "$fail" -eq 0 ] && echo "real window: exit 0, console line and file as expected"
exit "$fail"
