#!/usr/bin/env bash
# Member documentation extraction on the real JDK 17 API docs, as whole processes of
# `quorvane-cli doc`, side by side with `grep -c public` over the same page in the same
# run. Prints the median of each command and the ratio to grep's median.
#
#     bench/docs/run.sh [BUILD_DIR] [RUNS]
#
# BUILD_DIR defaults to ./build (configured and built as tools/setup.sh does); the docs
# root can be set with QV_JDK_API_DOCS. Needs hyperfine and python3. Run it on a
# machine doing nothing else.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
runs=${2:-300}
api=${QV_JDK_API_DOCS:-/usr/share/doc/openjdk-17-jre-headless/api}
cli=$build/src/cli/quorvane-cli
string_page=$api/java.base/java/lang/String.html
jtable_page=$api/java.desktop/javax/swing/JTable.html

for f in "$cli" "$string_page" "$jtable_page"; do
  [ -e "$f" ] || { echo "bench: missing $f" >&2; exit 1; }
done
command -v hyperfine >/dev/null || { echo "bench: hyperfine is not installed" >&2; exit 1; }

# Each case must do what it is meant to: a found entry, or the whole page read in vain.
"$cli" doc --docpath "$api" java.lang.String indexOf 1 >/dev/null
# doLayout is the last entry of JTable's page that can be reached: its own description
# holds an "Overview" heading, which closes the detail sections for the rest of the page.
"$cli" doc --docpath "$api" javax.swing.JTable doLayout 0 >/dev/null
if "$cli" doc --docpath "$api" javax.swing.JTable noSuchMember 0 >/dev/null; then
  echo "bench: the absent member was found" >&2; exit 1
fi

results=$(mktemp)
log=$(mktemp)
trap 'rm -f "$results" "$log"' EXIT
hyperfine -N --warmup 20 --runs "$runs" --style none --export-json "$results" \
  -n "grep -c public String.html" "grep -c public $string_page" \
  -n "doc String indexOf 1" "$cli doc --docpath $api java.lang.String indexOf 1" \
  -n "grep -c public JTable.html" "grep -c public $jtable_page" \
  -n "doc JTable doLayout 0 (late entry)" "$cli doc --docpath $api javax.swing.JTable doLayout 0" \
  -n "doc JTable noSuchMember 0 (whole page)" "$cli doc --docpath $api javax.swing.JTable noSuchMember 0" \
  -i >/dev/null 2>"$log" || { cat "$log" >&2; exit 1; }

python3 - "$results" "$string_page" "$jtable_page" <<'PY'
import json, os, sys
data = json.load(open(sys.argv[1]))["results"]
median = {r["command"]: r["median"] * 1000 for r in data}
print(f"String.html {os.path.getsize(sys.argv[2])} bytes, JTable.html {os.path.getsize(sys.argv[3])} bytes; "
      f"median of {len(data[0]['times'])} runs each")
for name, ms in median.items():
    grep = median["grep -c public String.html" if "String" in name else "grep -c public JTable.html"]
    print(f"  {name:40s} {ms:7.3f} ms   {ms / grep:5.2f} x grep")
whole = median["doc JTable noSuchMember 0 (whole page)"] / median["grep -c public JTable.html"]
print(f"whole-page scan: {whole:.2f} x grep (goal: at most 2)")
PY
