#!/usr/bin/env bash
# The release's test: makes the release twice from the same sources, here and in a copy at
# another path (built afresh there, so minutes later), and checks the two archives with
# check_release.py. The copy holds the files git knows or would add, as a fresh clone with
# this working tree's changes would; both runs give their members the time of this checkout's
# last commit. Prints unittest's report; exits non-zero when a run or a check fails.
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
root=$(pwd)

SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
work=$(mktemp -d "${TMPDIR:-/tmp}/quillot-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
copy="$work/elsewhere/quillot"
mkdir -p "$copy"
git ls-files -z --cached --others --exclude-standard |
  tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$copy"

release() {
  local dir=$1 log=$2
  (cd "$dir" && scripts/release.sh) >"$log" 2>&1 || { cat "$log" >&2; return 1; }
  echo "$dir/$(tail -n 1 "$log")"
}

first=$(release "$root" build/release-first.log) || exit 1
second=$(release "$copy" build/release-second.log) || exit 1
python3 tests/release/check_release.py "$first" "$second" "$root" "$copy"
