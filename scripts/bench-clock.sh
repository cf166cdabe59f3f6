#!/usr/bin/env bash
# Measures the running clock under Wine on a virtual display:
#  - clock_bench.exe: one rebuild in microseconds; ticks without a rebuild
#    (heap allocations and CPU per tick) in the real clock window; how often
#    that window wakes with seconds shown (goal: at most 1.1 a second) and
#    without (over a minute; goal: at most 0.05 a second);
#  - Zentik.exe, then lean_clock.exe (the same font, colour and format, a
#    100 ms timer and a new window region each second, nothing else), each
#    alone for SECONDS_RUN s with seconds shown: resident memory after
#    start-up and at the end, and the CPU time of all the work each causes,
#    its Wine server and services included (goal: Zentik at most 0.75 times
#    the lean one);
#  - then each alone, watched by second_watch.exe from another process: how
#    late each new second shows, by the time its region changes (goal for
#    Zentik: 20 ms on average, 40 ms at worst, over SECONDS_RUN s);
#  - Zentik.exe beside a program holding 300 hidden top-level windows, and
#    beside none, three runs of AMONG_SECONDS s each: the CPU of the clock,
#    its Wine server and services, not the holder's (goal: the median with
#    the windows at most 1.10 times the median without).
# The i686 build where this kernel runs 32-bit programs, else the x86_64 one.
# Only the processes it started are ended, by their ids.
set -euo pipefail
cd "$(dirname "$0")/.."
SECONDS_RUN=${SECONDS_RUN:-60}
AMONG_SECONDS=${AMONG_SECONDS:-30}

scripts/setup.sh
. scripts/session.sh
preset=$runnable_preset
echo "Measuring the $preset build."
[ -f build/$preset/CMakeCache.txt ] || cmake --preset $preset >/dev/null
cmake --build --preset $preset --target Zentik clock_bench lean_clock seed_settings second_watch hidden_windows >/dev/null

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
# The CPU seconds of every process of this run's prefix: the program, the
# Wine server that does its window work, and Wine's own services.
prefix_cpu() {
  local p total=0
  for p in /proc/[0-9]*; do
    grep -qz "^WINEPREFIX=$ZENTIK_WINE_ROOT/en\$" "$p/environ" 2>/dev/null || continue
    total=$(awk -v t="$total" -v c="$(cpu_of "${p#/proc/}" 2>/dev/null || echo 0)" 'BEGIN { printf "%.2f", t + c }')
  done
  echo "$total"
}
# The process of Windows program $2 among the descendants of the wrapper
# this script started with id $1 (the deepest: the shells above it name
# the program too), never another copy of the program.
program_of() {
  local queue=$1 pid found=
  while [ -n "$queue" ]; do
    pid=${queue%% *}
    queue=$(echo "${queue#"$pid"} $(pgrep -P "$pid" | tr '\n' ' ')" | xargs)
    tr '\0' ' ' <"/proc/$pid/cmdline" 2>/dev/null | grep -q "$2" && found=$pid
  done
  echo "$found"
}

$run $bin/seed_settings.exe
# Each clock alone for SECONDS_RUN s: its CPU and all the prefix's, and its
# resident memory after start-up and at the end.
measure() {  # name, exe
  local wrapper pid p0 p1 c0 c1 r0 r1 own all
  $run "$2" >/dev/null 2>&1 &
  wrapper=$!
  sleep 5
  pid=$(program_of "$wrapper" "$(basename "$2")")
  c0=$(cpu_of "$pid") p0=$(prefix_cpu) r0=$(rss_of "$pid")
  sleep "$SECONDS_RUN"
  c1=$(cpu_of "$pid") p1=$(prefix_cpu) r1=$(rss_of "$pid")
  kill "$pid" 2>/dev/null || true
  wait "$wrapper" 2>/dev/null || true
  own=$(awk -v a="$c0" -v b="$c1" 'BEGIN { printf "%.2f", b - a }')
  all=$(awk -v a="$p0" -v b="$p1" 'BEGIN { printf "%.2f", b - a }')
  echo "$1: $own s CPU in $SECONDS_RUN s, $all s with the Wine server and services; resident $r0 KiB after start-up, $r1 KiB at the end"
  echo "$all" >"$ZENTIK_WINE_ROOT/$1.cpu"
}
measure Zentik.exe $bin/Zentik.exe
measure lean_clock $bin/lean_clock.exe
awk -v c="$(cat "$ZENTIK_WINE_ROOT/Zentik.exe.cpu")" -v l="$(cat "$ZENTIK_WINE_ROOT/lean_clock.cpu")" \
  'BEGIN { if (l > 0) printf "CPU ratio, all the work each causes: %.2f\n", c / l }'

# How late each new second shows, each clock alone (the lean one for a third
# of the time: its fixed phase shows soon enough).
watch_late() {  # exe, name, seconds
  local wrapper
  $run "$1" >/dev/null 2>&1 &
  wrapper=$!
  $run $bin/second_watch.exe "$2" "$3" | tr -d '\r'
  kill "$(program_of "$wrapper" "$(basename "$1")")" 2>/dev/null || true
  wait "$wrapper" 2>/dev/null || true
}
watch_late $bin/Zentik.exe Zentik "$SECONDS_RUN"
watch_late $bin/lean_clock.exe lean $((SECONDS_RUN / 3))

# The clock among many windows: all the work it causes in AMONG_SECONDS s
# beside a program holding that many hidden windows (0: none), three runs;
# prints the runs, sorted.
among() {  # windows
  local i holder hpid wrapper pid p0 p1 h0 h1 runs=()
  for i in 1 2 3; do
    holder= hpid=
    if [ "$1" -gt 0 ]; then
      $run $bin/hidden_windows.exe "$1" >/dev/null 2>&1 &
      holder=$!
      sleep 2
      hpid=$(program_of "$holder" hidden_windows.exe)
    fi
    $run $bin/Zentik.exe >/dev/null 2>&1 &
    wrapper=$!
    sleep 5
    pid=$(program_of "$wrapper" Zentik.exe)
    p0=$(prefix_cpu) h0=$([ -n "$hpid" ] && cpu_of "$hpid" || echo 0)
    sleep "$AMONG_SECONDS"
    p1=$(prefix_cpu) h1=$([ -n "$hpid" ] && cpu_of "$hpid" || echo 0)
    kill "$pid" 2>/dev/null || true
    wait "$wrapper" 2>/dev/null || true
    [ -n "$hpid" ] && kill "$hpid" 2>/dev/null
    [ -n "$holder" ] && { wait "$holder" 2>/dev/null || true; }
    runs+=("$(awk -v a="$p0" -v b="$p1" -v c="$h0" -v d="$h1" 'BEGIN { printf "%.2f", (b - a) - (d - c) }')")
  done
  printf '%s\n' "${runs[@]}" | sort -n | xargs
}
none=$(among 0)
many=$(among 300)
echo "Zentik.exe for $AMONG_SECONDS s, CPU of all the work it causes (three runs): beside no other windows $none s; beside 300 hidden windows $many s"
awk -v n="$(echo "$none" | cut -d' ' -f2)" -v m="$(echo "$many" | cut -d' ' -f2)" \
  'BEGIN { if (n > 0) printf "Median with 300 hidden windows against none: %.2f\n", m / n }'
