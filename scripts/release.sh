#!/usr/bin/env bash
# The release command: builds the shipped 32-bit programs (preset win32, in build/win32),
# checks them as the win32 test tier does, and writes dist/quillot-<version>-win32.zip with
# the editor, the starter, the help, the German read-me, the licence and, in werkzeuge\, the
# console tools quillot-check and quillot-image.
#
# The same commit gives the same bytes, wherever and whenever it is built: the programs carry
# no build path and no link time, and the archive's members have fixed times (the time of
# the last commit, or SOURCE_DATE_EPOCH where it is set) in a fixed order.
#
# Given a code-signing certificate (QUILLOT_SIGN_PKCS12, see release_signing.sh), the programs
# are signed, the signature made at SOURCE_DATE_EPOCH: first the starter, then an editor linked
# with that signed starter inside it, then the console tools. Without one, the programs are
# shipped as built.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
mkdir -p build dist
# Configured afresh: the release follows the preset alone, never options left in the cache.
cmake --preset win32 --fresh >build/configure-win32.log 2>&1 || { cat build/configure-win32.log; exit 1; }
cmake --build --preset win32 -j "$(nproc)" --target quillot quillot-check quillot-image \
  >build/build-release.log 2>&1 ||
  { tail -n 60 build/build-release.log; exit 1; }
# Imports, sizes, no debugging sections, the manifest.
ctest --test-dir build/win32 --output-on-failure >build/ctest-release.log 2>&1 ||
  { cat build/ctest-release.log; exit 1; }

if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
  SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null) || {
    echo "release.sh: not in a git checkout; set SOURCE_DATE_EPOCH to the time the files get" >&2
    exit 1
  }
fi

built=build/win32
starter=$built/starter/orbilan.exe
editor=$built/editor/quillot.exe
check=$built/check/quillot-check.exe
image=$built/image/quillot-image.exe
if [ -n "${QUILLOT_SIGN_PKCS12:-}" ]; then
  # shellcheck source=scripts/release_signing.sh
  source scripts/release_signing.sh
  signing_start
  signed=$built/signed
  mkdir -p "$signed"
  : >build/sign-release.log
  sign_program "$starter" "$signed/orbilan.exe"
  # The editor that carries the signed starter is linked on its own, into signed/editor/: the
  # tested editor of this build stays as it is.
  cmake --build --preset win32 --target quillot_signed_release >>build/build-release.log 2>&1 ||
    { tail -n 60 build/build-release.log; exit 1; }
  sign_program "$signed/editor/quillot.exe" "$signed/quillot.exe"
  sign_program "$check" "$signed/quillot-check.exe"
  sign_program "$image" "$signed/quillot-image.exe"
  starter=$signed/orbilan.exe
  editor=$signed/quillot.exe
  check=$signed/quillot-check.exe
  image=$signed/quillot-image.exe
fi

version=$(cat "$built/quillot-version.txt")
zip="dist/quillot-$version-win32.zip"
rm -f "$zip"
python3 scripts/release_zip.py "$zip" "$SOURCE_DATE_EPOCH" \
  quillot.exe="$editor" \
  Orbilan.EXE="$starter" \
  Hovenac.chm="$built/help/Hovenac.chm" \
  LIESMICH.TXT=release/LIESMICH.TXT \
  LICENSE=LICENSE:crlf \
  werkzeuge/quillot-check.exe="$check" \
  werkzeuge/quillot-image.exe="$image"
echo "$zip"
