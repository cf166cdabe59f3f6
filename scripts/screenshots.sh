#!/usr/bin/env bash
# Takes the README's pictures (into docs/screenshots, or the folder given):
# Zentik's first run in a prefix of its own on a virtual display, its sheet
# answered as a user would (a TrueType font chosen in the font dialog, OK,
# OK), the clock, then the options sheet's three pages opened from its menu.
# In code page 932 with ZENTIK_LOCALE=ja_JP.UTF-8.
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshots}

scripts/setup.sh
# The shipped i686 build where this kernel runs 32-bit programs, else x86_64.
. scripts/session.sh
preset=$runnable_preset
[ -f build/$preset/CMakeCache.txt ] || cmake --preset $preset >/dev/null
cmake --build --preset $preset --target Zentik first_run >/dev/null
bin=build/$preset/bin

export ZENTIK_WINE_ROOT
ZENTIK_WINE_ROOT=$(mktemp -d /tmp/zentik-shots.XXXXXX)
start_virtual_display
trap end_wine_session EXIT
run=scripts/wine-run.sh
$run cmd /c exit 0 >/dev/null 2>&1

# A window as it is on the screen, found by its title.
shoot() {  # title, file
  local WIDTH HEIGHT X Y WINDOW SCREEN
  eval "$(xdotool getwindowgeometry --shell "$(xdotool search --sync --name "^$1\$" | head -n 1)")"
  import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$2"
}

mkdir -p "$out"
$run $bin/Zentik.exe >/dev/null 2>&1 &
$run $bin/first_run.exe answer || { echo "The first-run sheet could not be answered." >&2; exit 1; }
sleep 2  # let the clock paint
shoot Zentik "$out/clock.png"
$run $bin/first_run.exe options
page=0
for name in display format chimes; do
  $run $bin/first_run.exe page $page
  sleep 1  # let the page paint
  shoot "Propaties of Zentik" "$out/options-$name.png"
  page=$((page + 1))
done
$run $bin/first_run.exe cancel
echo "The first-run sheet was answered as a user would (DejaVu Sans 36 in the font dialog, OK, OK);"
echo "pictures of the clock and of the options sheet opened from its menu are in $out/"
