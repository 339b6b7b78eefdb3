#!/usr/bin/env bash
# Long fuzz runs: builds the fuzz preset and runs each libFuzzer target in turn (one process at
# a time) for the given number of seconds (default 1800). Each target keeps its corpus in
# build/fuzz-long/<target>/corpus, seeded like its bounded run, so that a later run goes on
# from there; what it finds lands in build/fuzz-long/<target>/findings and its output in
# build/fuzz-long/<target>/log. Prints executions, coverage, corpus size and findings per
# target; exits 1 when anything was found.
#   scripts/fuzz-long.sh [seconds [target...]]   (all targets unless named)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
seconds=${1:-1800}
shift $(($# > 0 ? 1 : 0))
wanted=("$@")

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j2 --target ini_roundtrip_fuzzer reference_rules_fuzzer

# target, longest input, seed directories
targets=(
  "ini_roundtrip_fuzzer 4096 $root/tests/corpus $root/tests/fuzz/ini_roundtrip_seeds"
  "reference_rules_fuzzer 1024 $root/tests/fuzz/reference_rules_seeds"
)

found=0
for entry in "${targets[@]}"; do
  read -r target max_len seeds <<<"$entry"
  if [ ${#wanted[@]} -gt 0 ] && [[ " ${wanted[*]} " != *" $target "* ]]; then
    continue
  fi
  work=$root/build/fuzz-long/$target
  mkdir -p "$work/corpus" "$work/findings"
  echo "== $target: $seconds s"
  # libFuzzer stops at its first finding and exits non-zero; the figures are read either way.
  set +e
  "$root/build/fuzz/tests/fuzz/$target" -max_total_time="$seconds" -max_len="$max_len" \
    -rss_limit_mb=2048 -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$work/findings/" "$work/corpus" $seeds >"$work/log" 2>&1
  status=$?
  set -e

  last=$(grep -E '^#[0-9]+' "$work/log" | tail -n1 || true)
  executions=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
  per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$work/log")
  coverage=$(sed -n 's/.* cov: \([0-9]*\) ft: \([0-9]*\).*/\1 edges, \2 features/p' <<<"$last")
  corpus_files=$(find "$work/corpus" -type f | wc -l)
  corpus_bytes=$(du -sb "$work/corpus" | cut -f1)
  findings=$(find "$work/findings" -type f | wc -l)
  echo "executions: ${executions:-?} (${per_second:-?}/s)"
  echo "coverage:   ${coverage:-?}"
  echo "corpus:     $corpus_files inputs, $corpus_bytes bytes in $work/corpus"
  echo "findings:   $findings (exit code $status)"
  find "$work/findings" -type f -printf '            %p\n'
  if [ "$findings" -ne 0 ] || [ "$status" -ne 0 ]; then
    found=1
    grep -E 'ERROR|promise broken|round trip broken|SUMMARY' "$work/log" | head -n5 || true
  fi
done
exit "$found"
