#!/usr/bin/env bash
# The run command: builds the 64-bit Windows programs and starts them under Wine.
#
# For now it demonstrates the starter: a sample CD directory (build/demo-cd) with an
# AutoRun.INF and Orbilan.EXE is mapped as drive R: and R:\Orbilan.EXE is started, as AutoPlay
# would start it. Answer its question with Yes to see it open the CD's read-me in Notepad.
# Without a display (no DISPLAY set) it runs on a virtual one and saves a screenshot instead.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
mkdir -p build
cmake --preset win64 >build/configure-win64.log 2>&1 || { cat build/configure-win64.log; exit 1; }
cmake --build --preset win64 -j "$(nproc)" --target orbilan >build/build-run.log 2>&1 ||
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
mkdir -p "$cd_dir"
cp build/win64/starter/orbilan.exe "$cd_dir/Orbilan.EXE"
printf '[AutoRun]\r\nOpen=Orbilan.EXE\r\n\r\n[Orbilan]\r\nHeadline=Beispiel-CD\r\nText=Soll die Liesmich-Datei der CD angezeigt werden?\r\nExec=notepad.exe Liesmich.txt\r\n' \
  >"$cd_dir/AutoRun.INF"
printf 'Diese Datei liegt im Wurzelverzeichnis der Beispiel-CD.\r\n' >"$cd_dir/Liesmich.txt"
wine_map_drive r "$cd_dir"

echo "Starting R:\\Orbilan.EXE from the sample CD in $cd_dir"
if [ "$headless" -eq 0 ]; then
  "$WINE64" 'R:\Orbilan.EXE'
else
  "$WINE64" 'R:\Orbilan.EXE' &
  sleep 3
  /usr/bin/convert x:root build/run-screenshot.png 2>/dev/null ||
    /usr/bin/import -window root build/run-screenshot.png
  echo "No display: the question the starter asks is in build/run-screenshot.png"
fi
