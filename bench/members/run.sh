#!/usr/bin/env bash
# The member model of java.lang.String as a fresh process: `quorvane-cli members
# java.lang.String` side by side, in one hyperfine run, with a small Java program doing
# the same work (tests/members/ModelReference.java: the JDK's reflection and the model's
# rules, run with `java -Xshare:auto`). Goal: quorvane-cli at least 30 times faster. Then
# the rebuild from a warm library (members_bench, Google Benchmark). Goal: under 1 ms.
#
#     bench/members/run.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to ./build (configured and built as tools/setup.sh does). Needs
# hyperfine, python3 and a JDK (java and javac on PATH, or JAVA and JAVAC set). Run it
# on a machine doing nothing else.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
runs=${2:-100}
java=${JAVA:-java}
javac=${JAVAC:-javac}
cli=$build/src/cli/quorvane-cli
bench=$build/bench/members/members_bench

for f in "$cli" "$bench"; do
  [ -x "$f" ] || { echo "bench: missing $f (build it first)" >&2; exit 1; }
done
for tool in hyperfine python3 "$java" "$javac"; do
  command -v "$tool" >/dev/null || { echo "bench: $tool is not installed" >&2; exit 1; }
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
classes=$work/classes
"$javac" -d "$classes" tests/members/ModelReference.java tests/platform/ReflectionDump.java \
  tests/signatures/StripReference.java
jvm=("$java" -Xshare:auto -cp "$classes" ModelReference java.lang.String)

# Both must build the same model. Members with equal sort keys come in the order the library
# lists them, which differs between the JVM and the class-file reader: compare the lines
# without their row numbers, as multisets.
"$cli" members java.lang.String >"$work/cli.txt"
"${jvm[@]}" >"$work/jvm.txt"
if ! diff <(cut -f1,3- "$work/cli.txt" | sort) <(cut -f1,3- "$work/jvm.txt" | sort) >"$work/diff.txt"; then
  echo "bench: quorvane-cli and the Java program build different models:" >&2
  head -20 "$work/diff.txt" >&2
  exit 1
fi
echo "java.lang.String: $(grep -c '^E' "$work/cli.txt") entries in $(grep -c '^G' "$work/cli.txt") groups, the same from both"

hyperfine -N --warmup 10 --runs "$runs" --style none --export-json "$work/results.json" \
  -n "quorvane-cli members java.lang.String" "$cli members java.lang.String" \
  -n "java -Xshare:auto ModelReference java.lang.String" "${jvm[*]}" \
  >/dev/null 2>"$work/log" || { cat "$work/log" >&2; exit 1; }

python3 - "$work/results.json" <<'PY'
import json, sys
results = json.load(open(sys.argv[1]))["results"]
median = {r["command"]: r["median"] * 1000 for r in results}
print(f"fresh process, median of {len(results[0]['times'])} runs each:")
for name, ms in median.items():
    print(f"  {name:52s} {ms:8.2f} ms")
cli, jvm = median.values()
print(f"quorvane-cli is {jvm / cli:.1f} times faster (goal: at least 30)")
PY

echo
echo "rebuild from a warm library (goal: under 1 ms):"
"$bench" --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
