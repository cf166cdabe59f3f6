#!/usr/bin/env bash
# Measures the formatter: Google Benchmark timings, and callgrind's
# instruction count per call of FormatClockText with the default format.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench

build/bench/bin/bench_format --benchmark_min_time=0.5

ir() {
  local out
  out=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$out" build/bench/bin/count_format "$1" >/dev/null 2>&1
  callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'
  rm -f "$out"
}
small=$(ir 1000)
large=$(ir 101000)
echo "FormatClockText, default format: $(( (large - small) / 100000 )) instructions per call (callgrind)"
build/bench/bin/count_format 1000
