#!/usr/bin/env bash
# Runs every test: installs what is missing, builds the host logic (with
# sanitizers), the i686 and x86_64 Windows programs, runs the Windows tests
# under Wine in fresh prefixes on a virtual display, and fuzzes for a
# bounded time.
set -euo pipefail
cd "$(dirname "$0")/.."

FUZZ_SECONDS=${FUZZ_SECONDS:-10}

scripts/setup.sh

export ZENTIK_WINE_ROOT
ZENTIK_WINE_ROOT=$(mktemp -d /tmp/zentik-wine.XXXXXX)
xvfb_pid=
cleanup() {
  for p in "$ZENTIK_WINE_ROOT"/en "$ZENTIK_WINE_ROOT"/ja; do
    [ -d "$p" ] && WINEPREFIX=$p wineserver -k 2>/dev/null || true
  done
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$ZENTIK_WINE_ROOT"
}
trap cleanup EXIT

# A virtual display of our own, on the first free number.
for n in $(seq 90 120); do
  if [ ! -e /tmp/.X11-unix/X$n ] && [ ! -e /tmp/.X$n-lock ]; then
    Xvfb :$n -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=:$n
    break
  fi
done
until xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; do sleep 0.1; done

# The Windows tests run once, on the shipped i686 build where this kernel
# runs 32-bit programs (Wine's 32-bit loader is one), else on the x86_64
# build of the same sources and flags. Both builds are always made.
if /usr/lib/wine/wine --version >/dev/null 2>&1; then
  run_preset=mingw32 other_preset=mingw64
else
  run_preset=mingw64 other_preset=mingw32
  echo "This kernel runs no 32-bit programs: the Windows tests run on the x86_64 build."
fi

# Make both prefixes while the host build runs.
prefixes=()
for lang in C.UTF-8 ja_JP.UTF-8; do
  (LANG=$lang LC_ALL=$lang WINEARCH=win64 tests/support/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 || true) &
  prefixes+=($!)
done

# The host tests read the shipped i686 exe, so it is built first.
[ -f build/mingw32/CMakeCache.txt ] || cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target Zentik
cmake --workflow --preset host
wait "${prefixes[@]}"

[ -f build/$other_preset/CMakeCache.txt ] || cmake --preset $other_preset >/dev/null
cmake --build --preset $other_preset --target Zentik
cmake --workflow --preset $run_preset

# Short fuzzing runs from the kept seeds; new finds go to a scratch folder.
for target in formatter settings pathsplit; do
  scratch=$(mktemp -d)
  build/host/bin/fuzz_$target -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
    "$scratch" fuzz/corpus/$target >"$scratch.log" 2>&1 || { tail -n 40 "$scratch.log"; exit 1; }
  echo "fuzz_$target: $(grep -o 'number_of_executed_units: *[0-9]*' "$scratch.log" | grep -o '[0-9]*$') runs, no failure"
  rm -rf "$scratch" "$scratch.log"
done

echo "All test suites passed."
