#!/usr/bin/env bash
# The mutation check: what the tests that need no desktop catch. Each mutant of
# tests/mutation/mutants.txt is applied alone to a copy of the sources, the Release build of that
# copy is rebuilt incrementally, `ctest -LE desktop --stop-on-failure` runs, and the file is put
# back. A mutant is killed when a test fails (or the run times out), survives when all pass.
#   scripts/mutation.sh                  every mutant (slow: about a minute each on two cores)
#   scripts/mutation.sh --only REGEX     the mutants whose description or file matches REGEX
#   scripts/mutation.sh --check          only check that every mutant applies exactly once
#   scripts/mutation.sh --every N [--from K]  every Nth mutant from the Kth (0-based), a sample
#   scripts/mutation.sh --no-sync        use the copy as it is (to measure an earlier state)
# Environment: JOYVANE_MUTATION_DIR (default build-mutation), JOYVANE_JOBS (default 2),
# JOYVANE_MUTATION_TIMEOUT (seconds per test, default 60).
set -uo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
list=$root/tests/mutation/mutants.txt
only=
check_only=0
sync=1
every=1
from=0
while [ $# -gt 0 ]; do
  case "$1" in
    --only) only=$2; shift 2 ;;
    --check) check_only=1; shift ;;
    --no-sync) sync=0; shift ;;
    --every) every=$2; shift 2 ;;
    --from) from=$2; shift 2 ;;
    --list) list=$(realpath "$2"); shift 2 ;;
    *)
      echo "usage: $0 [--only REGEX] [--check] [--every N] [--from K] [--no-sync]" \
        "[--list FILE]" >&2
      exit 2
      ;;
  esac
done

work=${JOYVANE_MUTATION_DIR:-$root/build-mutation}
jobs=${JOYVANE_JOBS:-2}
per_test=${JOYVANE_MUTATION_TIMEOUT:-60}
tool=$root/scripts/mutation_tool.py

if [ "$check_only" = 1 ]; then
  exec python3 "$tool" check "$list" "$root"
fi

# The sources are copied so the working tree can change while the check runs. The build sits at
# source/build, where its paths match an ordinary build/ and ccache can share the objects.
src=$work/source
bld=$src/build
mkdir -p "$src"
if [ "$sync" = 1 ]; then
  python3 "$tool" sync "$root" "$src" || exit 1
fi
python3 "$tool" check "$list" "$src" || echo "(mutants reported above are skipped)" >&2

linker=()
command -v ld.lld >/dev/null && linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
cmake -S "$src" -B "$bld" -G Ninja -DCMAKE_BUILD_TYPE=Release -DJOYVANE_BENCH=OFF \
  -DCMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE=PRE_TEST "${linker[@]}" >/dev/null || exit 1

targets=(all)
build() { cmake --build "$bld" -j "$jobs" --target "${targets[@]}" >"$work/build.log" 2>&1; }
run_tests() {
  # The whole run is bounded too: a mutant that hangs a test with a long timeout counts as
  # caught, as a hang would be in real use. The contact sheets only put pictures side by side.
  timeout -k 10 "$suite_limit" ctest --test-dir "$bld" -LE desktop \
    -E "^(mutation[.]|ui_contact_sheets$)" \
    --stop-on-failure -j "$jobs" --timeout "$per_test" >"$work/ctest.log" 2>&1
}

echo "Building the unmutated copy in $bld ..."
build || { echo "The unmutated sources do not build; see $work/build.log" >&2; exit 1; }
suite_limit=3600
start=$(date +%s)
run_tests || { echo "The tests fail without any mutant; see $work/ctest.log" >&2; exit 1; }
baseline=$(( $(date +%s) - start ))
suite_limit=$(( baseline * 4 + 60 ))
echo "Tests pass without mutants in ${baseline}s."
# Each mutant rebuilds only what those tests run.
read -r -a targets < <(ctest --test-dir "$bld" -LE desktop -N --show-only=json-v1 |
  python3 "$tool" targets "$bld")
[ "${#targets[@]}" -gt 0 ] || targets=(all)

mutated=
restore() {
  if [ -n "$mutated" ]; then
    # Written back, not moved, so the file is newer than its mutated object and rebuilds.
    cat "$work/original" >"$src/$mutated"
    mutated=
  fi
}
trap 'restore; exit 130' INT TERM
trap restore EXIT

count=$(python3 "$tool" count "$list")
results=$work/results.txt
: >"$results"
killed=0 survived=0 unbuilt=0 errors=0 tried=0
for ((i = from; i < count; i += every)); do
  IFS=$'\t' read -r file description < <(python3 "$tool" describe "$list" "$i")
  if [ -n "$only" ] && ! [[ "$description $file" =~ $only ]]; then
    continue
  fi
  tried=$((tried + 1))
  cp "$src/$file" "$work/original"
  mutated=$file
  if ! python3 "$tool" apply "$list" "$i" "$src" 2>>"$work/errors.log"; then
    restore
    verdict=ERROR errors=$((errors + 1))
  elif ! build; then
    verdict=UNBUILT unbuilt=$((unbuilt + 1))
  elif run_tests; then
    verdict=SURVIVED survived=$((survived + 1))
  else
    verdict=KILLED killed=$((killed + 1))
  fi
  restore
  printf '%-8s %s  (%s)\n' "$verdict" "$description" "$file" | tee -a "$results"
done
targets=(all)
build >/dev/null 2>&1  # leave the copy built from the unmutated sources

scored=$((killed + survived))
echo
echo "killed $killed / survived $survived / did not build $unbuilt / errors $errors" \
  "(of $tried mutants; score $killed/$scored)"
if [ "$survived" -gt 0 ]; then
  echo "Survivors:"
  grep '^SURVIVED' "$results" | sed 's/^SURVIVED /  /'
fi
if [ "$errors" -gt 0 ]; then
  echo "Mutants whose original text is not found exactly once:"
  grep '^ERROR' "$results" | sed 's/^ERROR    /  /'
fi
[ "$errors" -eq 0 ]
