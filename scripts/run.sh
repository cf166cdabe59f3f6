#!/usr/bin/env bash
# Runs the clock: installs what is missing, builds Zentik.exe if needed and
# starts it under Wine on your display. Without a display it runs it in a
# prefix of its own on a virtual one, answers the first-run options sheet as
# a user would (a TrueType font, OK) and saves pictures of the sheet and the
# clock to build/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! { [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; }; then
  exec scripts/screenshots.sh build/screenshots
fi

scripts/setup.sh
. scripts/session.sh
preset=$runnable_preset
[ -f build/$preset/CMakeCache.txt ] || cmake --preset $preset >/dev/null
cmake --build --preset $preset --target Zentik

# A prefix of its own, kept between runs, so the settings stay.
export ZENTIK_WINE_ROOT=${ZENTIK_WINE_ROOT:-$HOME/.zentik-wine}
exec scripts/wine-run.sh build/$preset/bin/Zentik.exe
