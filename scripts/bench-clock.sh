#!/usr/bin/env bash
# Measures the running clock under Wine on a virtual display:
#  - clock_bench.exe: one rebuild in microseconds; ticks without a rebuild
#    (heap allocations and CPU per tick) in the real clock window;
#  - the CPU time of Zentik.exe over 60 s with seconds shown, beside a
#    minimal program that only runs a 100 ms timer.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_RUN=${SECONDS_RUN:-60}

scripts/setup.sh
[ -f build/mingw32/CMakeCache.txt ] || cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target Zentik clock_bench timer_baseline seed_settings >/dev/null

export ZENTIK_WINE_ROOT
ZENTIK_WINE_ROOT=$(mktemp -d /tmp/zentik-bench.XXXXXX)
Xvfb :98 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'WINEPREFIX=$ZENTIK_WINE_ROOT/en wineserver -k 2>/dev/null; kill $xvfb 2>/dev/null; rm -rf "$ZENTIK_WINE_ROOT"' EXIT
export DISPLAY=:98
until xdpyinfo >/dev/null 2>&1; do sleep 0.1; done

run=tests/support/wine-run.sh
bin=build/mingw32/bin
$run $bin/clock_bench.exe 5 | tr -d '\r'

# CPU seconds (user + system) a process has used, from /proc.
cpu_of() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' "/proc/$1/stat"; }

measure() {  # name, exe
  $run "$2" >/dev/null 2>&1 &
  sleep 2
  local pid server
  pid=$(pgrep -n -f "$(basename "$2")")
  server=$(pgrep -n wineserver)
  local c0 s0
  c0=$(cpu_of "$pid"); s0=$(cpu_of "$server")
  sleep "$SECONDS_RUN"
  awk -v name="$1" -v c="$(cpu_of "$pid")" -v c0="$c0" -v s="$(cpu_of "$server")" -v s0="$s0" -v t="$SECONDS_RUN" \
    'BEGIN { printf "%s: %.2f s CPU in %d s (wineserver %.2f s)\n", name, c - c0, t, s - s0 }'
  kill "$pid" 2>/dev/null || true
  sleep 1
}

$run $bin/seed_settings.exe
measure "Zentik.exe, seconds shown" "$bin/Zentik.exe"
measure "100 ms timer baseline" "$bin/timer_baseline.exe"
