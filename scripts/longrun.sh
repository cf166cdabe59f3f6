#!/usr/bin/env bash
# The clock window for 48 simulated hours (172,800 rebuilds, 96 chimes) in
# the x86_64 build under Wine; prints wall time, regions kept and the
# working set at start and end. Not part of the regular test run.
# DISPLAY and ZENTIK_WINE_ROOT as for the tests; HOURS overrides 48.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --preset mingw64 >/dev/null
cmake --build --preset mingw64 --target clock_tests
ZENTIK_CLOCK_HOURS=${HOURS:-48} tests/support/wine-run.sh build/mingw64/bin/clock_tests.exe \
  --gtest_filter=ClockWindow.RunsForHoursWithoutGrowing
