#!/usr/bin/env bash
# The class library reader's figures, each side by side with the JVM doing the same, in
# one run: a fresh process printing java.lang.String's signatures (hyperfine), a warm
# look-up of javax.swing.JTable, and every class of the JDK listed in one process
# (/usr/bin/time -v for time and peak resident size). Uses ./build (tools/setup.sh).
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${BUILD_DIR:-build}"

need=()
command -v hyperfine >/dev/null 2>&1 || need+=(hyperfine)
[ -x /usr/bin/time ] || need+=(time)
if ((${#need[@]})); then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

cmake --build "$build" -j2 --target quorvane-cli class_library_bench >/dev/null
cli="$build/src/cli/quorvane-cli"
bench="$build/bench/platform/class_library_bench"
java_classes="$(mktemp -d)"
trap 'rm -rf "$java_classes"' EXIT
javac -d "$java_classes" bench/platform/PrintSignatures.java bench/platform/AllClasses.java

echo "== same output?"
if diff <("$cli" signatures java.lang.String | sort) \
        <(java -Xshare:auto -cp "$java_classes" PrintSignatures java.lang.String | sort) >/dev/null; then
  echo "yes: quorvane-cli and the JVM print the same signatures of java.lang.String"
else
  echo "NO: the outputs differ" >&2
fi

echo "== fresh process: signatures of java.lang.String (goal: at least 30x faster)"
hyperfine -N --warmup 3 --min-runs 20 \
  -n quorvane-cli "$cli signatures java.lang.String" \
  -n java "java -Xshare:auto -cp $java_classes PrintSignatures java.lang.String"

echo "== warm: javax.swing.JTable in an open library (goal: under 1 ms)"
"$bench" warm javax.swing.JTable 1000

measure() {
  local label="$1"; shift
  local out
  out=$( { /usr/bin/time -v "$@" >/tmp/qv-bench-out.$$ ; } 2>&1 )
  echo "$label: $(cat /tmp/qv-bench-out.$$)"
  echo "$out" | grep -E "Elapsed \(wall clock\)|Maximum resident set size" | sed 's/^\s*/    /'
  rm -f /tmp/qv-bench-out.$$
}
echo "== every class of the JDK in one process (goal: under 0.5 s and 100 MB resident)"
measure "quorvane" "$bench" all
measure "java" java -Xshare:auto -cp "$java_classes" AllClasses
