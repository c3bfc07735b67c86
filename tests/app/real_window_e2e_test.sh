#!/usr/bin/env bash
# The whole program in a real X server, driven as a user would with xdotool: look up
# String, pick a member, read its documentation; look up an unknown name; close the
# window with the window manager's close request.
# Usage (under with_xvfb.sh): real_window_e2e_test.sh QUORVANE CLOSE_REQUEST PROBE DOCS_ROOT SHOT_DIR
set -euo pipefail
program=$(realpath "$1") close_request=$(realpath "$2") probe=$(realpath "$3") docs=$4 shots=$(realpath -m "$5")
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT
mkdir -p "$shots"
cd "$work"
printf '%s' "$docs" > Quorvane.cfg

fail() { echo "FAIL: $*"; exit 1; }
shot() { import -window root "$shots/$1.png"; echo "$shots/$1.png"; }
# Waits until the screenshot shows the colour, or gives up after about 5 seconds.
wait_for_colour() {
  local name=$1 colour=$2 region=${3:-}
  for _ in $(seq 50); do
    if "$probe" "$(shot "$name")" "$colour" $region >/dev/null; then return 0; fi
    sleep 0.1
  done
  return 1
}
centre() { awk '{ printf "%d %d\n", $2 + $4 / 2, $3 + $5 / 2 }'; }

"$program" > out.txt 2> err.txt &
pid=$!
window=$(xdotool search --sync --onlyvisible --name '^Quorvane' | head -n1)
[ -n "$window" ] || fail "no window"
read -r wx wy < <(xdotool getwindowgeometry "$window" | awk '/Position/ { split($2, p, ","); print p[1], p[2] }')
top_region="$wx,$wy,475,40"

# Type the class name into the white class field and press the red SEARCH button.
wait_for_colour start "255,255,255" "$top_region" || fail "class field not drawn"
# The class field is the top-left white in the rows of controls.
read -r fx fy < <("$probe" "$shots/start.png" "255,255,255" "$top_region" | awk '{ print $2 + 20, $3 + 8 }')
xdotool mousemove "$fx" "$fy" click 1
xdotool type --delay 20 "String"
read -r sx sy < <("$probe" "$shots/start.png" "255,0,0" | centre)
xdotool mousemove "$sx" "$sy" click 1

# The member list is cyan; pick its first member.
wait_for_colour list "0,255,255" || fail "member list did not appear"
read -r lx ly lw lh _ < <("$probe" "$shots/list.png" "0,255,255" | cut -d' ' -f2-)
xdotool mousemove $((lx + 40)) $((ly + 8)) click 1
sleep 0.5
# The text area (red 240, green 210, blue 255) holds text: dark pixels on its face.
for _ in $(seq 50); do
  read -r _ tx ty tw th _ text < <("$probe" "$(shot member)" "240,210,255")
  [ "${text:-0}" -gt 200 ] && break
  sleep 0.1
done
[ "${text:-0}" -gt 200 ] || fail "no documentation text in the text area"
grep -q "Doc Path :  $docs" out.txt || fail "the root was not read"

# An unknown name: the console line and an empty centre.
xdotool mousemove "$fx" "$fy" click 1 key ctrl+a type --delay 20 "NoSuchClass"
xdotool mousemove "$sx" "$sy" click 1
for _ in $(seq 50); do grep -q "Class not found : NoSuchClass" out.txt && break; sleep 0.1; done
grep -q "^Class not found : NoSuchClass$" out.txt || fail "no console line for the unknown name"
sleep 0.3
if "$probe" "$(shot unknown)" "0,255,255" >/dev/null; then fail "the centre was not emptied"; fi

# Close as a window manager would.
"$close_request" "Quorvane" 10 >/dev/null || fail "close request"
status=0
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
[ "$(cat Quorvane.cfg)" = "$docs" ] || fail "the root was not written back"
[ "$(tail -c1 Quorvane.cfg | od -An -c | tr -d ' ')" != '\n' ] || fail "the file ends with a line feed"
echo "real window: String looked up, member text shown ($text text pixels), unknown name reported, closed with 0"
