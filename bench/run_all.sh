#!/usr/bin/env bash
# Every benchmark of the project, one after the other in one run, so that their figures
# are taken side by side on the same machine state. Builds first (tools/setup.sh) and
# installs hyperfine and GNU time when missing (root or sudo).
#
#     bench/run_all.sh            # writes the report to build/bench-report.txt as well
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh >/dev/null
report=build/bench-report.txt
{
  echo "# Quorvane benchmarks, $(date -u +%Y-%m-%dT%H:%MZ), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
  echo; echo "## Class library reader (bench/platform)"; bench/platform/run.sh
  echo; echo "## Stripping and sorting (bench/signatures)"
  build/bench/signatures/signatures_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
  echo; echo "## Member model (bench/members)"; bench/members/run.sh build
  echo; echo "## Documentation extraction (bench/docs)"; bench/docs/run.sh build
  echo; echo "## Window in a real X server (bench/app)"; bench/app/run.sh build
} 2>&1 | tee "$report"
