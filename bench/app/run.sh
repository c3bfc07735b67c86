#!/usr/bin/env bash
# The window's speed in a real X server (a fresh Xvfb, QT_QPA_PLATFORM=xcb), with a
# Quorvane.cfg whose root is the real JDK 17 API docs:
#   1. start to visible window: start_to_visible spawns the real `quorvane` binary and
#      watches the server until the window is mapped and its first frame, with both rows
#      of controls, can be read back from the server;
#   2. search to painted list (java.lang.String, javax.swing.JTable, and String completed
#      through the page table) and
#   3. member pick to text (String's indexOf and charAt, JTable's getValueAt and doLayout):
#      window_bench clicks inside the window and times the click to the result's frame on
#      the server; the first look-up of a class in a fresh process is timed apart, in
#      several processes, because later look-ups find the classes already parsed.
# Prints medians (and spread) against the goals: 150 ms, 30 ms and 10 ms.
#
#     bench/app/run.sh [BUILD_DIR] [RUNS] [FRESH_PROCESSES]
#
# BUILD_DIR defaults to ./build (configured and built with the window, as tools/setup.sh
# does); RUNS (default 30) is the repeats of each measurement, FRESH_PROCESSES (default 9)
# the processes for the first look-ups. The docs root can be set with QV_JDK_API_DOCS.
# Needs Xvfb and python3. Run it on a machine doing nothing else.
set -euo pipefail
cd "$(dirname "$0")/../.."
repo=$PWD

build=$(realpath "${1:-build}")
runs=${2:-30}
fresh=${3:-9}
api=${QV_JDK_API_DOCS:-/usr/share/doc/openjdk-17-jre-headless/api}
program=$build/src/app/quorvane
watcher=$build/bench/app/start_to_visible
bench=$build/bench/app/window_bench
with_xvfb=$repo/tests/tools/with_xvfb.sh

for f in "$program" "$watcher" "$bench" "$api/java.base/java/lang/String.html"; do
  [ -e "$f" ] || { echo "bench: missing $f" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "bench: Xvfb is not installed" >&2; exit 1; }

# The program reads its docs root from Quorvane.cfg in its working directory.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf '%s' "$api" > "$work/Quorvane.cfg"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
cd "$work"

echo "== 1. Start to visible window"
"$with_xvfb" "$watcher" "$runs" "$program"

echo
echo "== 2, 3. Search to painted list, member pick to text (repeated in one process)"
"$with_xvfb" "$bench" "$runs" | grep -v '^Doc Path'

echo
echo "== 2. First look-up in a fresh process (class library opened, classes parsed), $fresh processes each"
for name in java.lang.String javax.swing.JTable String; do
  for _ in $(seq "$fresh"); do
    "$with_xvfb" "$bench" --first "$name" | grep '^first-search'
  done
done | python3 <(cat <<'SUMMARY'
import collections, statistics, sys
times = collections.defaultdict(list)
for line in sys.stdin:
    _, name, total, handler, paint = line.split("\t")
    times[name].append((float(total), float(handler), float(paint)))
for name, samples in times.items():
    total, handler, paint = ([s[i] for s in samples] for i in range(3))
    print(f"  {name} (goal < 30 ms)")
    print(f"    click to the frame on the server  median {statistics.median(total):7.2f} ms"
          f"   min {min(total):7.2f}  max {max(total):7.2f}  (n={len(total)})")
    print(f"      the click's own handling        median {statistics.median(handler):7.2f} ms")
    print(f"      click to the paint event        median {statistics.median(paint):7.2f} ms")
SUMMARY
)
