#!/usr/bin/env bash
# Runs a Windows program under Wine (the clock for scripts/run.sh, the test
# programs for CTest) in the prefix for the current locale (code page 1252, or 932 under ja_JP; ZENTIK_LOCALE, when set, is
# the locale), making the prefix on first use.
# ZENTIK_WINE_ROOT says where the prefixes live; the test script gives each
# run a fresh one.
set -euo pipefail

root=${ZENTIK_WINE_ROOT:-/tmp/zentik-wine}
if [ -n "${ZENTIK_LOCALE:-}" ]; then
  export LANG=$ZENTIK_LOCALE LC_ALL=$ZENTIK_LOCALE
fi
case "${LC_ALL:-${LANG:-}}" in
  ja_JP*) prefix=$root/ja ;;
  *) prefix=$root/en ;;
esac

# Where the kernel runs no 32-bit programs, Wine's 64-bit loader is called
# directly: the `wine` script would pick the 32-bit one, which cannot start.
wine=wine
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  export WINELOADER=/usr/lib/wine/wine64
  wine=$WINELOADER
fi

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$root"
(
  flock 9
  if [ ! -f "$prefix/.zentik-ready" ]; then
    rm -rf "$prefix"
    $wine wineboot -i >/dev/null 2>&1
    wineserver -w
    # No sound device noise, no crash dialogs waiting for a click.
    $wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
    $wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # Unmanaged windows: without a window manager Wine would wait two
    # seconds for one at every window that closes.
    $wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
    # The dialogs' faces: the templates' Japanese one (and its Latin name),
    # and MS Shell Dlg, the property sheet's, in which the pages are laid out.
    # Wine's own stand-ins for the sheet's (Liberation Sans; IPAGothic in code
    # page 932) are wider than the pages were drawn for and cut off the Format
    # page's help lines. Monapo has MS P Gothic's widths and Japanese glyphs,
    # but draws a backslash as a yen sign, as only code page 932 should: the
    # sheet takes Inter in the other.
    case $prefix in
      */ja) sheet_face=Monapo ;;
      *) sheet_face=Inter ;;
    esac
    for face in 'MS PGothic' 'ＭＳ Ｐゴシック'; do
      $wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d Monapo /f >/dev/null 2>&1
    done
    $wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 'MS Shell Dlg' /d "$sheet_face" /f >/dev/null 2>&1
    # This Wine does not load the fonts of its data folder (it reaches it as
    # /usr/lib/wine/../../share/wine), so captions would draw their buttons
    # in a text font; Marlett in the prefix's own font folder is found.
    [ -f /usr/share/wine/fonts/marlett.ttf ] && cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"
    wineserver -w
    touch "$prefix/.zentik-ready"
  fi
) 9>"$root/.lock"

# A server and system services that stay up between the test programs,
# started with none of our pipes: otherwise each program costs seconds while
# they hold its output open. The test script ends them.
if ! wineserver -k0 2>/dev/null; then
  wineserver -p </dev/null >/dev/null 2>&1
  $wine cmd /c exit 0 </dev/null >/dev/null 2>&1
fi

# Now and then, with other programs starting beside it, Wine fails to start
# a program at all and hands it to its "start" program, which only reports
# that. Such a start is tried once more; a program's own failures are not.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
set +e
$wine "$@" 2>&1 | tee "$log"
rc=${PIPESTATUS[0]}
if [ "$rc" -ne 0 ] && grep -q "Application could not be started" "$log"; then
  echo "wine-run.sh: the program did not start; trying once more" >&2
  $wine "$@"
  rc=$?
fi
exit "$rc"
