#!/usr/bin/env bash
# The release command: builds the shipped 32-bit programs (preset win32, in build/win32),
# checks them as the win32 test tier does, and writes dist/quillot-<version>-win32.zip with
# the editor, the starter, the help, the German read-me, the licence and, in werkzeuge\, the
# console tools quillot-check and quillot-image.
#
# The same commit gives the same bytes, wherever and whenever it is built: the programs carry
# no build path and no link time, and the archive's members have fixed times (the time of
# the last commit, or SOURCE_DATE_EPOCH where it is set) in a fixed order.
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

version=$(cat build/win32/quillot-version.txt)
zip="dist/quillot-$version-win32.zip"
rm -f "$zip"
python3 scripts/release_zip.py "$zip" "$SOURCE_DATE_EPOCH" \
  quillot.exe=build/win32/editor/quillot.exe \
  Orbilan.EXE=build/win32/starter/orbilan.exe \
  Hovenac.chm=build/win32/help/Hovenac.chm \
  LIESMICH.TXT=release/LIESMICH.TXT \
  LICENSE=LICENSE:crlf \
  werkzeuge/quillot-check.exe=build/win32/check/quillot-check.exe \
  werkzeuge/quillot-image.exe=build/win32/image/quillot-image.exe
echo "$zip"
