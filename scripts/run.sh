#!/usr/bin/env bash
# The run command: builds the 64-bit Windows programs and starts the editor under Wine.
#
# The editor opens on a sample CD directory, build/demo-cd (also drive R: of the Wine
# prefix), which holds a read-me and a small program; its open-file dialog proposes
# "AutoStart.INF" there. Your own directories are under drive Z: (the Linux root).
# Without a display (no DISPLAY set) it runs on a virtual one and saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
mkdir -p build
cmake --preset win64 >build/configure-win64.log 2>&1 || { cat build/configure-win64.log; exit 1; }
cmake --build --preset win64 -j "$(nproc)" --target quillot marker >build/build-run.log 2>&1 ||
  { tail -n 40 build/build-run.log; exit 1; }

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
headless=1
if [ -n "${DISPLAY:-}" ]; then
  export QUILLOT_USE_DISPLAY=1
  headless=0
fi
trap wine_session_stop EXIT
wine_session_start build/win64

cd_dir=build/demo-cd
rm -rf "$cd_dir"
mkdir -p "$cd_dir/Programm"
cp build/win64/editor/quillot.exe "$cd_dir/quillot.exe"
# The help beside the editor, where "Hilfe" and F1 look for it.
cp build/win64/editor/Hovenac.chm "$cd_dir/Hovenac.chm"
cp build/win64/tests/e2e/marker.exe "$cd_dir/Programm/Start.exe"
printf 'Diese Datei liegt im Wurzelverzeichnis der Beispiel-CD.\r\n' >"$cd_dir/Liesmich.txt"
wine_map_drive r "$cd_dir"

echo "Starting the editor on the sample CD in $cd_dir (drive R:)"
if [ "$headless" -eq 0 ]; then
  (cd "$cd_dir" && "$WINE64" 'R:\quillot.exe')
else
  (cd "$cd_dir" && "$WINE64" 'R:\quillot.exe') &
  sleep 4
  /usr/bin/convert x:root -trim +repage build/run-screenshot.png
  echo "No display: what the editor shows first is in build/run-screenshot.png"
fi
