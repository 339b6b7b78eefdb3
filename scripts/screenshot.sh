#!/usr/bin/env bash
# Takes screenshots of the editor's main window under Wine on a virtual display, for the
# documentation. Needs a built win64 preset (scripts/test.sh or scripts/run.sh builds it).
#
#   docs/quillot.png      the dialog on a new AutoRun.INF
#   docs/quillot-cd.png   the dialog on a finished CD: starter, icon preview, context menu
#   docs/quillot-cd-144dpi.png  the same at a display scale of 150 % (144 DPI)
#   docs/quillot-menu.png the main window with its menu "CD" open
#   docs/cd-name.png      the dialog of the CD's name, with a name longer than Explorer shows
#   docs/cd-pruefen.png   the findings of "CD > Prüfen" on a CD with mistakes
#   docs/vorschau.png     what each Windows does with a CD that has an [AutoRun.Amd64] section
#   docs/hilfe.png        the help window with its contents
#   docs/kopieren.png     the window of a long copy into the CD, over the dialog
set -euo pipefail
cd "$(dirname "$0")/.."
root=$(pwd)
build=$root/build/win64
[ -x "$build/editor/quillot.exe" ] || { echo "build the win64 preset first" >&2; exit 1; }

# shellcheck source=wine-session.sh
source scripts/wine-session.sh
unset QUILLOT_USE_DISPLAY
trap wine_session_stop EXIT
wine_session_start "$build"
mkdir -p docs

windows_path() { echo "Z:$1" | tr / '\\'; }

# shot OUTPUT CD-DIR INF-NAME [menu|label|check|preview|OUTSIDE-FILE]: opens the editor lying in
# CD-DIR on INF-NAME, and with a fourth argument its menu, the dialog of the CD's name, the
# findings of the CD's check, what each Windows does with the CD, or the copy of OUTSIDE-FILE (a
# Windows path) into the CD, and saves OUTPUT.
shot() {
  local output=$1 cd_dir=$2 inf=$3 mode=${4:-}
  cp "$build/editor/quillot.exe" "$cd_dir/quillot.exe"
  rm -f "$cd_dir/stop" "$cd_dir/geometry"
  timeout 120 "$WINE64" "$build/tests/e2e/show_editor.exe" "$(windows_path "$cd_dir/quillot.exe")" \
    "$inf" "$(windows_path "$cd_dir/stop")" ${mode:+"$mode"} >"$cd_dir/geometry" &
  local driver=$!
  for _ in $(seq 300); do
    [ -s "$cd_dir/geometry" ] && break
    sleep 0.1
  done
  local x y width height menu_x menu_y menu_width menu_height
  # The driver is a Windows program: its line ends in a carriage return.
  read -r x y width height menu_x menu_y menu_width menu_height < <(tr -d '\r' <"$cd_dir/geometry")
  # The screen as it is shown: ImageMagick's usual reading of the root window leaves dialogs
  # that Wine opens over another window black.
  /usr/bin/import -silent -window root -screen png:- |
    /usr/bin/convert png:- -crop "${width}x${height}+${x}+${y}" +repage "$output"
  if [ -n "$menu_x" ]; then
    # Wine gives an open menu a window of another depth than the screen's, which a picture of
    # the whole screen shows black: the menu's window is taken alone and laid over it.
    local menu_window
    menu_window=$(xwininfo -root -children |
      awk -v g="${menu_width}x${menu_height}+${menu_x}+${menu_y}" 'index($0, " " g " ") {print $1; exit}')
    [ -n "$menu_window" ] || { echo "the menu's window was not found" >&2; return 1; }
    /usr/bin/convert "$output" "x:$menu_window" -geometry "+$((menu_x - x))+$((menu_y - y))" \
      -composite "$output"
  fi
  touch "$cd_dir/stop"
  wait "$driver"
  echo "wrote $output"
}

demo=$build/screenshot-cd
rm -rf "$demo"
mkdir -p "$demo"
shot docs/quillot.png "$demo" AutoRun.INF

rm -rf "$demo"
mkdir -p "$demo/Programm"
cp "$build/tests/e2e/marker.exe" "$demo/Programm/Start.exe"
printf 'Liesmich\r\n' >"$demo/Liesmich.txt"
printf '%s\r\n' '[AutoRun]' 'Open=Orbilan.EXE' 'Icon=Orbilan.EXE,0' 'label=Beispiel-CD' \
  'Shell\Liesmich=Liesmich &anzeigen' 'Shell\Liesmich\Command=notepad.exe Liesmich.txt' \
  'Shell\Start=Programm &starten' 'Shell\Start\Command=Programm\Start.exe' '' \
  '[Orbilan]' 'Headline=Beispiel-CD' 'Text=Soll das Programm gestartet werden?' \
  'Exec=Programm\Start.exe' >"$demo/AutoRun.INF"
shot docs/quillot-cd.png "$demo" AutoRun.INF
shot docs/quillot-menu.png "$demo" AutoRun.INF menu
shot docs/cd-name.png "$demo" AutoRun.INF label

# A CD with mistakes for the check: a program that is missing, an icon in a program that has
# none, a name longer than Explorer shows, an entry without its command.
mistakes=$build/screenshot-check
rm -rf "$mistakes"
mkdir -p "$mistakes"
cp "$build/tests/e2e/marker.exe" "$mistakes/Start.exe"
printf '%s\r\n' '[AutoRun]' 'Open=Setup.exe' 'Icon=Start.exe,3' \
  'label=Beispiel-CD mit einem langen Namen' 'Shell\Liesmich=Liesmich &anzeigen' \
  >"$mistakes/AutoRun.INF"
shot docs/cd-pruefen.png "$mistakes" AutoRun.INF check

# A CD for 32- and 64-bit Windows, as Microsoft's install media are made: each Windows starts
# the program of its own section.
platforms=$build/screenshot-platforms
rm -rf "$platforms"
mkdir -p "$platforms/sources"
cp "$build/tests/e2e/marker.exe" "$platforms/sources/setup64.exe"
cp "$build/tests/e2e/marker.exe" "$platforms/sources/setup32.exe"
printf '%s\r\n' '[AutoRun.Amd64]' 'open=sources\setup64.exe' 'icon=sources\setup64.exe,0' \
  'label=Beispiel-DVD' '' '[AutoRun]' 'open=sources\setup32.exe' 'icon=sources\setup32.exe,0' \
  'label=Beispiel-DVD' 'action=Beispiel installieren' >"$platforms/AutoRun.INF"
shot docs/vorschau.png "$platforms" AutoRun.INF preview

# The display scale is the user's setting, read when a program starts.
set_dpi() {
  "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null
}
set_dpi 144
trap 'set_dpi 96; wine_session_stop' EXIT
shot docs/quillot-cd-144dpi.png "$demo" AutoRun.INF
set_dpi 96
trap wine_session_stop EXIT

# A large file from outside the CD, copied into it: the progress window, a moment after it came.
# The file (C:\Downloads\Setup.exe) is sparse, 8 GB of which none lies on the disk; the copy is
# cancelled after the picture.
downloads=$WINEPREFIX/drive_c/Downloads
rm -rf "$downloads" "$demo"
mkdir -p "$downloads" "$demo"
truncate -s 8G "$downloads/Setup.exe"
printf '[AutoRun]\r\n' >"$demo/AutoRun.INF"
shot docs/kopieren.png "$demo" AutoRun.INF 'C:\Downloads\Setup.exe'
rm -rf "$downloads"
# The help window with its contents, as Wine's viewer shows it: the browser engine that
# would fill the page pane is not installed here, so the pane stays empty.
help_dir=$build/screenshot-help
rm -rf "$help_dir"
mkdir -p "$help_dir"
cp "$build/help/Hovenac.chm" "$help_dir/"
timeout 60 "$WINE64" hh.exe "$(windows_path "$help_dir/Hovenac.chm")" &
viewer=$!
geometry=""
for _ in $(seq 100); do
  geometry=$(xwininfo -name "Marlisk V1.0 Hilfe" 2>/dev/null || true)
  [ -n "$geometry" ] && break
  sleep 0.1
done
[ -n "$geometry" ] || { echo "the help window did not come" >&2; kill "$viewer"; exit 1; }
sleep 1
x=$(awk '/Absolute upper-left X/ {print $4}' <<<"$geometry")
y=$(awk '/Absolute upper-left Y/ {print $4}' <<<"$geometry")
width=$(awk '/Width:/ {print $2}' <<<"$geometry")
height=$(awk '/Height:/ {print $2}' <<<"$geometry")
/usr/bin/convert x:root -crop "${width}x${height}+${x}+${y}" +repage docs/hilfe.png
kill "$viewer" 2>/dev/null || true
wait "$viewer" 2>/dev/null || true
echo "wrote docs/hilfe.png"
