#!/usr/bin/env bash
# The release's test: makes the release twice from the same sources, here and in a copy at
# another path (built afresh there, so minutes later), then twice more, signed with a
# certificate made here for the test, and checks the four archives with check_release.py. The
# copy holds the files git knows or would add, as a fresh clone with this working tree's
# changes would; both unsigned runs give their members the time of this checkout's last
# commit, both signed runs a time after the certificate's start. Prints unittest's report;
# exits non-zero when a run or a check fails.
set -uo pipefail
cd "$(dirname "$0")/../.." || exit 1
root=$(pwd)

# Signed only where this test asks for it, and never with a timestamp server: no network.
unset QUILLOT_SIGN_PKCS12 QUILLOT_SIGN_PASSWORD QUILLOT_SIGN_TIMESTAMP_URL
SOURCE_DATE_EPOCH=${SOURCE_DATE_EPOCH:-$(git log -1 --format=%ct)}
export SOURCE_DATE_EPOCH
work=$(mktemp -d "${TMPDIR:-/tmp}/quillot-release.XXXXXX")
trap 'rm -rf "$work"' EXIT
copy="$work/elsewhere/quillot"
mkdir -p "$copy"
git ls-files -z --cached --others --exclude-standard |
  tar --null --files-from=- --ignore-failed-read -cf - | tar -xf - -C "$copy"

# release DIR NAME: the release made in DIR, kept as $work/NAME/<the archive's name>.
release() {
  local dir=$1 log="build/release-$2.log"
  (cd "$dir" && scripts/release.sh) >"$log" 2>&1 || { cat "$log" >&2; return 1; }
  mkdir -p "$work/$2"
  cp "$dir/$(tail -n 1 "$log")" "$work/$2/" && echo "$work/$2/$(basename "$(tail -n 1 "$log")")"
}

first=$(release "$root" first) || exit 1
second=$(release "$copy" second) || exit 1

mkdir -p "$work/certificate"
# A certificate made for the test; its password has a blank, which a command line would split.
export QUILLOT_SIGN_PASSWORD="ein Test-Passwort" QUILLOT_SIGN_PKCS12="$work/certificate/certificate.p12"
tests/support/test_certificate.sh "$work/certificate" || exit 1
start=$(openssl x509 -noout -startdate -in "$work/certificate/certificate.pem" | cut -d= -f2)
SOURCE_DATE_EPOCH=$(($(date -u -d "$start" +%s) + 1))
signed_first=$(release "$root" signed-first) || exit 1
signed_second=$(release "$copy" signed-second) || exit 1

python3 tests/release/check_release.py "$first" "$second" "$signed_first" "$signed_second" \
  "$root" "$copy" "$work/certificate/certificate.pem"
