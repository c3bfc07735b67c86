#!/usr/bin/env bash
# Builds the libFuzzer targets with clang, ASan and UBSan in build-fuzz/ and runs each in
# turn for the given time, starting from its seed corpus.
#
#   fuzz/run.sh [SECONDS_PER_TARGET] [TARGET...]
#
# Findings (crash-*, leak-*, timeout-*) land in fuzz/findings/TARGET/; the corpus grown
# while running stays in fuzz/corpus-work/TARGET/ (not kept in git). Executions and
# findings are summarised at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"
shift || true
targets=("$@")
((${#targets[@]})) || targets=(class_file_fuzzer runtime_image_fuzzer zip_archive_fuzzer)

need=()
command -v clang++ >/dev/null 2>&1 || need+=(clang)
dpkg-query -W -f='${Status}' libclang-rt-14-dev 2>/dev/null | grep -q "install ok installed" || need+=(libclang-rt-14-dev)
if ((${#need[@]})); then
  as_root=()
  [ "$(id -u)" -eq 0 ] || as_root=(sudo)
  "${as_root[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${need[@]}"
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQUORVANE_FUZZ=ON -DQUORVANE_BUILD_UI=OFF \
  -DQUORVANE_BUILD_TESTS=OFF -DQUORVANE_BUILD_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}"

summary=()
for target in "${targets[@]}"; do
  work="fuzz/corpus-work/$target"
  findings="fuzz/findings/$target"
  mkdir -p "$work" "$findings"
  log="$work/run.log"
  echo "fuzz: $target for ${seconds}s"
  nice -n 10 "build-fuzz/fuzz/platform/$target" "$work" "fuzz/platform/seeds/$target" \
    -max_total_time="$seconds" -rss_limit_mb=2048 -max_len=65536 -timeout=10 \
    -artifact_prefix="$findings/" -print_final_stats=1 >"$log" 2>&1 || true
  runs=$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  found=$(find "$findings" -type f | wc -l)
  summary+=("$target: $runs executions, $found findings")
done
printf '%s\n' "${summary[@]}"
