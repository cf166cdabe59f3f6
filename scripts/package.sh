#!/usr/bin/env bash
# Makes the release: dist/Zentik-<version>-i686.zip with the shipped exe, a
# read-me for Windows users and the licence (both with CRLF line ends). The
# version is the exe's own, from the version resource.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
[ -f build/mingw32/CMakeCache.txt ] || cmake --preset mingw32 >/dev/null
cmake --build --preset mingw32 --target Zentik

version=$(sed -n 's/^FILEVERSION *\([0-9]*\), *\([0-9]*\), *\([0-9]*\), *\([0-9]*\).*/\1.\2.\3.\4/p' res/Zentik.rc)
[ -n "$version" ] || { echo "no FILEVERSION in res/Zentik.rc" >&2; exit 1; }

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
cp build/mingw32/bin/Zentik.exe "$stage/"
sed 's/\r*$/\r/' res/dist/ReadMe.txt >"$stage/ReadMe.txt"
sed 's/\r*$/\r/' LICENSE >"$stage/License.txt"

mkdir -p dist
zip="dist/Zentik-$version-i686.zip"
rm -f "$zip"
(cd "$stage" && zip -q -X "$OLDPWD/$zip" Zentik.exe ReadMe.txt License.txt)
echo "$zip: $(stat -c %s "$zip") bytes"
unzip -l "$zip"
