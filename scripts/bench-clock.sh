#!/usr/bin/env bash
# Measures the running clock under Wine on a virtual display:
#  - clock_bench.exe: one rebuild in microseconds; ticks without a rebuild
#    (heap allocations and CPU per tick) in the real clock window; how often
#    that window wakes with seconds shown (goal: at most 1.1 a second) and
#    without (over a minute; goal: at most 0.05 a second);
#  - Zentik.exe beside lean_clock.exe (the same font, colour and format, a
#    100 ms timer and a new window region each second, nothing else), both
#    running at once for SECONDS_RUN s with seconds shown: resident memory
#    after start-up and at the end, and the CPU time each used (goal: Zentik
#    at most 0.75 times the lean one);
#  - then each alone, watched by second_watch.exe from another process: how
#    late each new second shows, by the time its region changes (goal for
#    Zentik: 20 ms on average, 40 ms at worst, over SECONDS_RUN s).
# The i686 build where this kernel runs 32-bit programs, else the x86_64 one.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_RUN=${SECONDS_RUN:-60}

scripts/setup.sh
. scripts/session.sh
preset=$runnable_preset
echo "Measuring the $preset build."
[ -f build/$preset/CMakeCache.txt ] || cmake --preset $preset >/dev/null
cmake --build --preset $preset --target Zentik clock_bench lean_clock seed_settings second_watch >/dev/null

export ZENTIK_WINE_ROOT
ZENTIK_WINE_ROOT=$(mktemp -d /tmp/zentik-bench.XXXXXX)
start_virtual_display
trap 'WINEPREFIX=$ZENTIK_WINE_ROOT/en wineserver -k 2>/dev/null; kill $xvfb_pid 2>/dev/null; rm -rf "$ZENTIK_WINE_ROOT"' EXIT

run=scripts/wine-run.sh
bin=build/$preset/bin
$run $bin/clock_bench.exe 5 60 | tr -d '\r'

# CPU seconds (user + system) and resident KiB of a process, from /proc.
cpu_of() { awk -v hz="$(getconf CLK_TCK)" '{ printf "%.2f", ($14 + $15) / hz }' "/proc/$1/stat"; }
rss_of() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }

$run $bin/seed_settings.exe
$run $bin/Zentik.exe >/dev/null 2>&1 &
$run $bin/lean_clock.exe >/dev/null 2>&1 &
sleep 5
clock=$(pgrep -n -f 'Zentik\.exe')
lean=$(pgrep -n -f 'lean_clock\.exe')
c0=$(cpu_of "$clock") l0=$(cpu_of "$lean") crss0=$(rss_of "$clock") lrss0=$(rss_of "$lean")
sleep "$SECONDS_RUN"
c1=$(cpu_of "$clock") l1=$(cpu_of "$lean") crss1=$(rss_of "$clock") lrss1=$(rss_of "$lean")
kill "$clock" "$lean" 2>/dev/null || true

awk -v t="$SECONDS_RUN" -v c0="$c0" -v c1="$c1" -v l0="$l0" -v l1="$l1" \
    -v cr0="$crss0" -v cr1="$crss1" -v lr0="$lrss0" -v lr1="$lrss1" 'BEGIN {
  printf "Zentik.exe: %.2f s CPU in %d s, resident %d KiB after start-up, %d KiB at the end\n", c1 - c0, t, cr0, cr1
  printf "lean_clock: %.2f s CPU in %d s, resident %d KiB after start-up, %d KiB at the end\n", l1 - l0, t, lr0, lr1
  if (l1 > l0) printf "CPU ratio %.2f, resident difference %d KiB\n", (c1 - c0) / (l1 - l0), cr1 - lr1
}'

# How late each new second shows, each clock alone (the lean one for a third
# of the time: its fixed phase shows soon enough).
$run $bin/Zentik.exe >/dev/null 2>&1 &
$run $bin/second_watch.exe Zentik "$SECONDS_RUN" | tr -d '\r'
pkill -f 'Zentik\.exe' 2>/dev/null || true
$run $bin/lean_clock.exe >/dev/null 2>&1 &
$run $bin/second_watch.exe lean $((SECONDS_RUN / 3)) | tr -d '\r'
pkill -f 'lean_clock\.exe' 2>/dev/null || true
