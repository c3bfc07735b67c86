#!/usr/bin/env bash
# Runs a command with DISPLAY set to a fresh Xvfb server, which is stopped afterwards.
# Usage: with_xvfb.sh COMMAND [ARGS...]
set -euo pipefail
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -f "$fdfile"' EXIT
for _ in $(seq 100); do
  [ -s "$fdfile" ] && break
  sleep 0.05
done
[ -s "$fdfile" ] || { echo "with_xvfb: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$(head -n1 "$fdfile")"
export QT_QPA_PLATFORM=xcb
"$@"
