#!/usr/bin/env bash
# Mutation check: draws mutants at random from the product code (see
# scripts/mutate-sample.py for the operators), applies each alone in a
# scratch worktree, rebuilds the test programs that build the file and runs
# them, cheap ones first, until one fails.
#   scripts/mutate.sh --sample N [--seed S]   N mutants drawn with seed S (default 1)
#   scripts/mutate.sh --retry REPORT          the survivors of an earlier run's output again
#   scripts/mutate.sh --recheck-equivalents   each entry of scripts/mutants-equivalent.tsv as a mutant
#   scripts/mutate.sh --list                  every mutation site
# Prints KILLED, SURVIVED, NO-BUILD or EQUIVALENT (scripts/mutants-equivalent.tsv,
# an entry a mutant at its line; entries whose line moved are printed as
# STALE and count for nothing) for each, then the score, killed / (killed + survived). The survivors go
# to build/mutate/survivors.txt. A test has two minutes: one that hangs fails.
# The Windows tests run in a virtual display and Wine prefixes of its own,
# unless ZENTIK_WINE_ROOT (and DISPLAY) name a session already up.
# ZENTIK_MUTATE_DIR names another scratch folder, for a second run beside one.
set -uo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
count= seed=1 retry= recheck=
while [ $# -gt 0 ]; do
  case $1 in
    --sample) count=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --retry) retry=$(realpath "$2") count=0; shift 2 ;;
    --recheck-equivalents) recheck=--recheck count=0; shift ;;
    --list) exec python3 "$repo/scripts/mutate-sample.py" list "$repo" ;;
    *) echo "usage: scripts/mutate.sh --sample N [--seed S] | --retry REPORT | --recheck-equivalents | --list" >&2; exit 2 ;;
  esac
done
[[ "$count" =~ ^[0-9]+$ && "$seed" =~ ^[0-9]+$ ]] || {
  echo "usage: scripts/mutate.sh --sample N [--seed S] | --retry REPORT | --recheck-equivalents | --list" >&2; exit 2; }

dir=$(realpath -m "${ZENTIK_MUTATE_DIR:-$repo/build/mutate}")
tree=$dir/tree
mkdir -p "$dir"
if [ ! -e "$tree/.git" ]; then
  git -C "$repo" worktree add --detach "$tree" HEAD >/dev/null 2>&1 || {
    echo "mutate.sh: cannot make the scratch worktree $tree" >&2; exit 2; }
fi
python3 "$repo/scripts/mutate-sync.py" "$repo" "$tree"
# Leaves the scratch tree as the working tree, whatever stopped the run.
trap 'python3 "$repo/scripts/mutate-sync.py" "$repo" "$tree"' EXIT
cd "$tree" || exit 2

# Everything built once: which programs a file feeds is read from the
# compilers' dependency files. Later builds are incremental.
for p in host mingw64 mingw32; do
  [ -f "build/$p/CMakeCache.txt" ] || cmake --preset $p >/dev/null || exit 2
done
cmake --build --preset mingw32 --target Zentik >"$dir/build.log" 2>&1 &&
  cmake --build --preset host >>"$dir/build.log" 2>&1 &&
  cmake --build --preset mingw64 >>"$dir/build.log" 2>&1 || {
    echo "mutate.sh: the unmutated tree does not build; see $dir/build.log" >&2; exit 2; }

if [ -z "${ZENTIK_WINE_ROOT:-}" ]; then
  export ZENTIK_WINE_ROOT
  ZENTIK_WINE_ROOT=$(mktemp -d /tmp/zentik-wine.XXXXXX)
  xvfb_pid=
  . scripts/session.sh
  trap 'end_wine_session; python3 "$repo/scripts/mutate-sync.py" "$repo" "$tree"' EXIT
  start_virtual_display
  for lang in C.UTF-8 ja_JP.UTF-8; do
    LANG=$lang LC_ALL=$lang WINEARCH=win64 scripts/wine-run.sh cmd /c exit 0 >/dev/null 2>&1 || true
  done
fi

# The unmutated tree must pass, or every mutant would count as caught.
for p in host mingw64; do
  ctest --preset $p --timeout 120 >"$dir/baseline-$p.log" 2>&1 || {
    echo "mutate.sh: the unmutated tests fail ($p); see $dir/baseline-$p.log" >&2; exit 2; }
done

python3 "$repo/scripts/mutate-sample.py" run "$tree" "$count" "$seed" "$dir/survivors.txt" ${retry:+"$retry"} $recheck
