#!/usr/bin/env bash
# Mutation check: applies each mutant of scripts/mutants*.tsv alone in a
# scratch worktree, rebuilds, runs the named suites and says whether the
# tests caught it. Usage: scripts/mutate.sh [name-regex]
# A mutant line: name<TAB>path<TAB>search<TAB>replace<TAB>suites, where
# search occurs exactly once in path, "\n" and "\t" stand for newline and
# tab, and suites is a list of host:REGEX / win:REGEX (ctest -R).
# Windows suites need DISPLAY and ZENTIK_WINE_ROOT as for the tests. Each
# suite run has two minutes: a mutant that hangs a test counts as caught.
# ZENTIK_MUTATE_DIR names another scratch worktree, for a second run beside one.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
filter=${1:-.}
scratch=${ZENTIK_MUTATE_DIR:-$repo/build/mutate}

if [ ! -d "$scratch/.git" ] && [ ! -f "$scratch/.git" ]; then
  git -C "$repo" worktree add --detach "$scratch" HEAD >/dev/null 2>&1 || {
    echo "mutate.sh: cannot make the scratch worktree $scratch" >&2; exit 2; }
fi
sync_tree() { python3 "$repo/scripts/mutate-sync.py" "$repo" "$scratch"; }

configured=()
build_preset() {
  local p=$1
  if [[ " ${configured[*]} " != *" $p "* ]]; then
    [ -f "$scratch/build/$p/CMakeCache.txt" ] || cmake --preset "$p" >/dev/null 2>&1 || return 1
    configured+=("$p")
  fi
  cmake --build --preset "$p" -j2 >"$scratch/build/$p.log" 2>&1
}

killed=0 survived=0 refused=0
cd "$scratch" || exit 2
shopt -s nullglob
for list in "$repo"/scripts/mutants*.tsv; do
  while IFS= read -r -u 3 line || [ -n "$line" ]; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    # Split on each tab: an empty field (a deletion) stays a field.
    IFS=$'\x01' read -r name path search replace suites <<<"${line//$'\t'/$'\x01'}"
    [[ "$name" =~ $filter ]] || continue
    if [ -z "$suites" ]; then
      echo "REFUSED $name (no suites to run)"; refused=$((refused + 1)); continue
    fi
    sync_tree
    if ! MUT_S="$search" MUT_R="$replace" python3 - "$scratch/$path" <<'PY'
import os, sys
p = sys.argv[1]
try:
    text = open(p, encoding='latin-1').read()
except OSError:
    sys.exit(1)
def decode(field):
    return field.replace('\\n', '\n').replace('\\t', '\t')
s, r = decode(os.environ['MUT_S']), decode(os.environ['MUT_R'])
if text.count(s) != 1:
    sys.exit(1)
open(p, 'w', encoding='latin-1').write(text.replace(s, r))
PY
    then
      echo "REFUSED $name (search text not found exactly once in $path)"
      refused=$((refused + 1)); continue
    fi
    verdict=SURVIVED
    for suite in $suites; do
      preset=${suite%%:*} regex=${suite#*:}
      case $preset in host) preset=host ;; win) preset=mingw64 ;; *) echo "mutate.sh: bad suite $suite" >&2; exit 2 ;; esac
      mkdir -p build
      if ! build_preset "$preset"; then verdict="KILLED (build)"; break; fi
      # The host test of the shipped exe reads the i686 build of it.
      if [ "$preset" = host ] && [[ "$regex" == *shipped_exe* ]]; then
        { [ -f build/mingw32/CMakeCache.txt ] || cmake --preset mingw32 >/dev/null 2>&1; } &&
          cmake --build --preset mingw32 --target Zentik >build/mingw32.log 2>&1 || { verdict="KILLED (build)"; break; }
      fi
      if ! ctest --preset "$preset" -R "$regex" --no-tests=error --timeout 120 >"build/$preset.test.log" 2>&1; then
        verdict=KILLED; break
      fi
    done
    if [ "$verdict" = SURVIVED ]; then survived=$((survived + 1)); else killed=$((killed + 1)); fi
    echo "$verdict $name"
  done 3<"$list"
done
# Leaves the scratch tree as the working tree, so the build dirs stay current.
sync_tree
summary="$killed killed, $survived survived"
[ "$refused" -gt 0 ] && summary="$summary, $refused refused"
echo "$summary"
[ "$survived" -eq 0 ] && [ "$refused" -eq 0 ]
