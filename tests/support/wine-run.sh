#!/usr/bin/env bash
# Runs a Windows program under Wine in the test prefix for the current
# locale (code page 1252, or 932 under ja_JP), making the prefix on first use.
# ZENTIK_WINE_ROOT says where the prefixes live; the test script gives each
# run a fresh one.
set -euo pipefail

root=${ZENTIK_WINE_ROOT:-/tmp/zentik-wine}
case "${LC_ALL:-${LANG:-}}" in
  ja_JP*) prefix=$root/ja ;;
  *) prefix=$root/en ;;
esac

export WINEPREFIX=$prefix
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

mkdir -p "$root"
(
  flock 9
  if [ ! -f "$prefix/.zentik-ready" ]; then
    rm -rf "$prefix"
    wineboot -i >/dev/null 2>&1
    wineserver -w
    # No sound device noise, no crash dialogs waiting for a click.
    wine reg add 'HKCU\Software\Wine\Drivers' /v Audio /d "" /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    # The dialogs' Japanese face, and its Latin name, map to an installed one.
    for face in 'MS PGothic' 'ＭＳ Ｐゴシック'; do
      wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d 'IPAPGothic' /f >/dev/null 2>&1
    done
    wineserver -w
    touch "$prefix/.zentik-ready"
  fi
) 9>"$root/.lock"

exec wine "$@"
