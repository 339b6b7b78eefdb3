#!/usr/bin/env bash
# Starts one small Windows test program many times through the test runner (build/win64's
# wine-run, in the test prefix, with a warm wineserver, as the test command does) and counts
# the starts in which none of the program's own code ran. Not part of the test command: it
# hunts for a failure that shows once in thousands of starts.
#
#   scripts/wine-start-stress.sh [--starts N] [--beside] [--debug] [PROGRAM [ARGS...]]
#
#   --starts N   how many starts (default 2000)
#   --beside     another Wine program starts and ends over and over while the loop runs, as
#                the end-to-end tests' programs do beside the next test
#   --debug      Wine's error lines on (WINEDEBUG=err+all) instead of WINEDEBUG=-all
#   PROGRAM      default: a test program that lists its tests and ends
#
# Needs the win64 build (scripts/test.sh, or cmake --build --preset win64). Prints a line per
# failed start with what Wine printed, then the count. Exits 1 when a start failed.
set -uo pipefail
cd "$(dirname "$0")/.."

starts=2000
beside=0
while [ $# -gt 0 ]; do
  case $1 in
  --starts) starts=$2; shift 2 ;;
  --beside) beside=1; shift ;;
  --debug) export QUILLOT_WINEDEBUG=err+all; shift ;;
  *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  set -- build/win64/tests/win/file_refs_test.exe --gtest_list_tests
fi
runner=build/win64/wine-run
if [ ! -x "$runner" ] || [ ! -f "$1" ]; then
  echo "wine-start-stress: build the win64 preset first ($runner, $1)" >&2
  exit 2
fi

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
beside_pid=""
stop() {
  if [ -n "$beside_pid" ]; then
    kill "$beside_pid" 2>/dev/null
    wait "$beside_pid" 2>/dev/null
  fi
  wine_session_stop
}
trap stop EXIT
wine_session_start build/win64 || exit 1

if [ "$beside" -eq 1 ]; then
  (
    while :; do
      timeout 60 "$WINE64" "$@" >/dev/null 2>&1
    done
  ) &
  beside_pid=$!
fi

failed=0
other=0
output=$(mktemp)
started=$(date +%s)
for ((i = 1; i <= starts; i++)); do
  if ! timeout 120 "$runner" "$@" >"$output" 2>&1; then
    if grep -q 'never started' "$output"; then
      failed=$((failed + 1))
      echo "start $i of $starts failed:"
    else
      other=$((other + 1))
      echo "start $i of $starts: the program failed after it had started:"
    fi
    grep '^wine-run:\|^wine\|err:\|preloader' "$output" | sed 's/^/  /'
  fi
  if ((i % 500 == 0)); then
    echo "$i starts, $failed failed to start, $((($(date +%s) - started))) s"
  fi
done
rm -f "$output"
echo "$starts starts$([ "$beside" -eq 1 ] && echo ' with another Wine program beside')," \
  "WINEDEBUG=${QUILLOT_WINEDEBUG:--all}: $failed never started, $other failed after starting"
[ "$failed" -eq 0 ] && [ "$other" -eq 0 ]
