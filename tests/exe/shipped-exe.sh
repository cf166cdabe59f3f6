#!/usr/bin/env bash
# Reads the shipped i686 exe as Windows 98 / NT 4.0 would see it, through
# objdump: every import on the allowlist, the header of an old GUI program,
# no newer CRT or API-set DLL, its size, and no instruction an i486 lacks.
# (Its manifest, from the same resource script, is read by the resource test.)
# Arguments: the exe, the allowlist, objdump. A missing exe is a failure.
set -u
exe=$1 list=$2 objdump=$3 failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
[ -f "$exe" ] || { echo "FAIL: no $exe (build the mingw32 target Zentik first)"; exit 1; }
size=$(stat -c %s "$exe")
[ "$size" -le $((150 * 1024)) ] || fail "size $size bytes, over 150 KiB"
headers=$("$objdump" -p "$exe") && [ -n "$headers" ] || fail "cannot read the exe with $objdump"

# Each import as DLL!NAME under its "DLL Name:", against the allowlist's
# "DLL 9x NT: Function ..." lines.
imports=$(awk '/DLL Name:/ { dll = toupper($3); sub(/\.DLL$/, "", dll); next } /^$/ { dll = "" }
  dll != "" && $1 ~ /^[0-9a-f]+$/ && NF >= 3 { print dll "!" toupper($3) }' <<<"$headers" | sort -u)
allowed=$(awk '!/^#/ { for (i = 4; i <= NF; i++) print toupper($1 "!" $i) }' "$list" | sort -u)
[ -n "$imports" ] || fail "no imports read"
for f in $(comm -23 <(echo "$imports") <(echo "$allowed")); do fail "imports $f, which is not on the allowlist"; done
newer=$(grep -ioE 'DLL Name: (api-ms-win-|ucrtbase|vcruntime)[^ ]*' <<<"$headers") && fail "imports the newer runtime: $newer"

header=$(awk '/file format/ { h = $NF } $1 == "Magic" || $1 ~ /ystem/ { h = h " " $1 " " $2 } END { print h }' <<<"$headers")
old="pei-i386 Magic 010b MajorOSystemVersion 4 MinorOSystemVersion 0 MajorSubsystemVersion 4 MinorSubsystemVersion 0 Subsystem 00000002"
[ "$header" = "$old" ] || fail "header \"$header\": not a PE32 i386 GUI program for OS and subsystem 4.0"

# Instructions an i486 lacks, as objdump spells them: the P6's conditional
# moves, FPU compares and long NOPs, the Pentium's cpuid, rdtsc and
# cmpxchg8b, and anything on MMX or SSE registers; each with its function
# when the exe still has its symbols.
late='^(cmov|fcmov|fcomi|fucomi|nopw|nopl|cpuid|rdtsc|rdpmc|cmpxchg8b|sysenter|fxsave|fxrstor|emms)|%x?mm'
newer=$("$objdump" -d "$exe" | awk -F'\t' -v late="$late" '
  />:$/ { fn = $0; sub(/.* </, "", fn); sub(/>:$/, "", fn); if (fn ~ /^\./) fn = "unknown" }
  NF >= 3 { n++; k = split($3, w, " ")
    for (i = 1; i <= k; i++) if (w[i] ~ late) { print $3 " in " fn; break } }
  END { if (!n) print "no instructions read" }')
[ -z "$newer" ] || fail "newer than the i486: $newer"
echo "$exe: $size bytes, $failures failure(s)"
[ "$failures" -eq 0 ]
