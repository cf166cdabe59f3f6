#!/usr/bin/env bash
# The clock window for 48 simulated hours (172,800 rebuilds, 96 chimes) in
# the x86_64 build under Wine; prints wall time, chimes, and the working set
# at start and end, and fails when a region is kept or freed twice or the
# working set grows. Not part of the regular test run. HOURS overrides 48.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
[ -f build/mingw64/CMakeCache.txt ] || cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --target clock_tests >/dev/null
export ZENTIK_WINE_ROOT=${ZENTIK_WINE_ROOT:-$(mktemp -d /tmp/zentik-longrun.XXXXXX)}
. scripts/session.sh
if [ -z "${DISPLAY:-}" ]; then
  start_virtual_display
  trap 'kill $xvfb_pid 2>/dev/null' EXIT
fi
ZENTIK_CLOCK_HOURS=${HOURS:-48} scripts/wine-run.sh build/mingw64/bin/clock_tests.exe \
  --gtest_filter=ClockWindow.RunsForHoursWithoutGrowing
