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
. scripts/session.sh
trap end_wine_session EXIT
start_virtual_display

# Every program is built for both Windows targets (warnings are errors), so
# a fault that shows on one alone fails the run on any machine; the Windows
# tests then run on the one this kernel can run (the x86_64 build has the
# same sources and flags, all but -march=i486).
if [ "$runnable_preset" = mingw64 ]; then
  echo "This kernel runs no 32-bit programs: the Windows tests run on the x86_64 build (the i686 one is built, not run)."
else
  echo "The Windows tests run on the i686 build, the one that ships (the x86_64 one is built, not run)."
fi

# Make both prefixes while the host build runs.
prefixes=()
for lang in C.UTF-8 ja_JP.UTF-8; do
  (LANG=$lang LC_ALL=$lang WINEARCH=win64 scripts/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 || true) &
  prefixes+=($!)
done

for preset in mingw32 mingw64; do
  cmake --preset $preset >/dev/null
done
# The host tests read the shipped i686 exe, so it is built first.
cmake --build --preset mingw32 --target Zentik
cmake --workflow --preset host
cmake --build --preset mingw32
cmake --build --preset mingw64
wait "${prefixes[@]}"
ctest --preset "$runnable_preset"

# Short fuzzing runs from the kept seeds; new finds go to a scratch folder.
for target in formatter settings pathsplit; do
  scratch=$(mktemp -d)
  build/host/bin/fuzz_$target -max_total_time="$FUZZ_SECONDS" -print_final_stats=1 \
    "$scratch" fuzz/corpus/$target >"$scratch.log" 2>&1 || { tail -n 40 "$scratch.log"; exit 1; }
  echo "fuzz_$target: $(grep -o 'number_of_executed_units: *[0-9]*' "$scratch.log" | grep -o '[0-9]*$') runs, no failure"
  rm -rf "$scratch" "$scratch.log"
done

echo "All test suites passed."
