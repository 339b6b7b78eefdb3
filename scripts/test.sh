#!/usr/bin/env bash
# The test command: installs what is missing, builds every preset and runs every tier:
#   native   the portable core on Linux, with AddressSanitizer and UndefinedBehaviorSanitizer
#   fuzz     bounded libFuzzer runs of the portable core (clang)
#   win32    the shipped 32-bit build, checked without running it (imports, size, header)
#   release  the release archive, made twice in two places and compared byte for byte, and
#            the programs in it checked (tests/release)
#   win64    under Wine on its own Xvfb display: the in-process Windows tests (x86_64 build),
#            and end-to-end tests whose x86_64 drivers start the shipped i686 programs of
#            build/win32 (the release's bytes) under 32-bit Wine
# Exits non-zero when anything fails to build or any test fails.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)

scripts/install-deps.sh || exit 1
# shellcheck source=wine-session.sh
source scripts/wine-session.sh
trap wine_session_stop EXIT

jobs=$(nproc 2>/dev/null || echo 2)
total_passed=0
total_failed=0
broken=()
never_started=0

# Adds the counts of a ctest log to the totals.
count_results() {
  local summary
  summary=$(grep -E '^[0-9]+% tests passed, [0-9]+ tests? failed out of [0-9]+' "$1" | tail -n1)
  if [ -z "$summary" ]; then
    return 1
  fi
  local failed all
  failed=$(sed -E 's/.* ([0-9]+) tests? failed.*/\1/' <<<"$summary")
  all=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$summary")
  total_failed=$((total_failed + failed))
  total_passed=$((total_passed + all - failed))
}

# Adds the counts of a Python unittest report to the totals: a test fails once, however many
# of its cases fail.
count_unittest_results() {
  local ran failed
  ran=$(sed -nE 's/^Ran ([0-9]+) tests? in .*/\1/p' "$1" | tail -n1)
  if [ -z "$ran" ]; then
    return 1
  fi
  failed=$(sed -nE 's/^(FAIL|ERROR): ([^ ]+) .*/\2/p' "$1" | sort -u | wc -l)
  total_failed=$((total_failed + failed))
  total_passed=$((total_passed + ran - failed))
}

build() {
  local preset=$1
  echo "== Building $preset"
  cmake --preset "$preset" >"build/configure-$preset.log" 2>&1 ||
    { cat "build/configure-$preset.log"; return 1; }
  cmake --build --preset "$preset" -j "$jobs" >"build/build-$preset.log" 2>&1 ||
    { tail -n 60 "build/build-$preset.log"; return 1; }
}

run_tier() {
  local name=$1 build_dir=$2
  echo "== Testing $name"
  local log="build/ctest-$name.log"
  ctest --test-dir "$build_dir" --output-on-failure --timeout 300 2>&1 | tee "$log"
  count_results "$log" || broken+=("$name (no test ran)")
  grep -q ' 0 tests failed' "$log" || broken+=("$name")
  # A parameterised case must have a name a person can read and ctest -R can select: a byte
  # dump of its value changes with every build. Listed after the run, when the tests that are
  # discovered only as they run are known too.
  local unreadable
  unreadable=$(ctest --test-dir "$build_dir" -N | grep -c 'byte object <')
  if [ "$unreadable" -gt 0 ]; then
    ctest --test-dir "$build_dir" -N | grep 'byte object <' | head -n 5
    broken+=("$name ($unreadable test names are byte dumps)")
  fi
}

mkdir -p build

if build native; then run_tier native build/native; else broken+=("native build"); fi

if [ -d tests/fuzz ]; then
  if build fuzz; then run_tier fuzz build/fuzz; else broken+=("fuzz build"); fi
fi

if build win32; then
  run_tier win32 build/win32
  echo "== Figures of the shipped starter"
  build/native/bench/starter_figures build/win32/starter/orbilan.exe || broken+=("starter figures")
  echo "== Testing release"
  tests/release/release_test.sh 2>&1 | tee build/test-release.log
  count_unittest_results build/test-release.log || broken+=("release (no test ran)")
  grep -qx 'OK' build/test-release.log || broken+=("release")
else
  broken+=("win32 build")
fi

if build win64; then
  # Which programs the end-to-end tests start: the shipped i686 ones where 32-bit Wine runs.
  grep -h -A2 -E "End-to-end tests start|32-bit Wine does not run" build/configure-win64.log |
    sed 's/^ */   /'
  if wine_session_start build/win64; then
    rm -rf build/win64/e2e-cd build/win64/wine-run-never-started
    wine_map_drive o build/win64/e2e-cd
    run_tier win64 build/win64
    # Starts in which Wine failed before any code of the test program ran (cmake/wine-run.in
    # keeps what Wine said in build/win64/wine-run-logs); none is repeated.
    [ -f build/win64/wine-run-never-started ] &&
      never_started=$(wc -l <build/win64/wine-run-never-started)
  else
    broken+=("Wine session")
  fi
  wine_session_stop
else
  broken+=("win64 build")
fi

echo
echo "Test programs that Wine failed to start: $never_started (none repeated)"
if [ ${#broken[@]} -gt 0 ]; then
  echo "Failed: ${broken[*]}"
fi
echo "$total_passed passed, $total_failed failed"
[ ${#broken[@]} -eq 0 ] && [ "$total_failed" -eq 0 ]
