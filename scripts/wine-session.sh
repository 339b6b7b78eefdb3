# Sourced by the run and test commands: a display and a Wine prefix of the build's own.
#
#   wine_session_start BUILD_DIR   starts Xvfb (unless told to use the caller's display),
#                                  makes the prefix BUILD_DIR/wineprefix if it is missing and
#                                  keeps a wineserver running
#   wine_session_stop              stops what wine_session_start started
#   wine_map_drive LETTER DIR      maps DIR as the CD-ROM drive LETTER: of the prefix
#
# The 64-bit loader is called directly (through wine64.sh, which turns address randomisation
# off); it hands the shipped 32-bit programs to 32-bit Wine (wine32:i386), which runs them in
# the same WoW64 prefix as the x86_64 test programs.

WINE64="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/wine64.sh"
WINESERVER=/usr/lib/wine/wineserver
XVFB_PID=""

_wine() { timeout 120 "$WINE64" "$@"; }

_start_xvfb() {
  local fd_file
  fd_file=$(mktemp)
  # -displayfd picks a free display number, so parallel runs never collide.
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$fd_file" 2>/dev/null &
  XVFB_PID=$!
  for _ in $(seq 100); do
    [ -s "$fd_file" ] && break
    sleep 0.1
  done
  if [ ! -s "$fd_file" ]; then
    echo "Xvfb did not start" >&2
    rm -f "$fd_file"
    return 1
  fi
  export DISPLAY=":$(head -n1 "$fd_file")"
  rm -f "$fd_file"
}

_make_prefix() {
  echo "Making the Wine prefix $WINEPREFIX (once)"
  rm -rf "$WINEPREFIX"
  _wine wineboot -i >/dev/null 2>&1
  # Without a window manager Wine waits on every window close and focus changes misbehave.
  _wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null
  # A crashing test program must fail its test, not open a debugger window.
  _wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null
  _wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /d 1 /f >/dev/null
  _wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /d 'false' /f >/dev/null
  # Captions and close boxes render only with these fonts.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  "$WINESERVER" -w
  touch "$WINEPREFIX/.quillot-ready"
  if wine32_runs; then touch "$WINEPREFIX/.quillot-wow64"; fi
}

# Whether 32-bit Wine runs here: installed, and a kernel that executes 32-bit Linux programs.
wine32_runs() { /usr/lib/wine/wine --version >/dev/null 2>&1; }

# Windows opens a .txt file in Notepad; a fresh prefix knows no program for it, and the shell
# would then fail (or, asked with its user interface, block for a long time). A step of its
# own, so that a prefix made before it gets it too.
_associate_documents() {
  _wine reg add 'HKCR\.txt' /ve /d txtfile /f >/dev/null || return 1
  "$WINESERVER" -w
  touch "$WINEPREFIX/.quillot-documents"
}

wine_session_start() {
  local build_dir
  build_dir=$(cd "$1" && pwd)
  export WINEPREFIX="$build_dir/wineprefix"
  export WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml="
  export WINEARCH=win64
  if ! setarch -R true 2>/dev/null; then
    echo "This machine refuses to turn address randomisation off for Wine (setarch -R):" \
      "now and then a Wine program may fail to start (scripts/wine64.sh says why)" >&2
  fi
  if [ -z "${QUILLOT_USE_DISPLAY:-}" ] || [ -z "${DISPLAY:-}" ]; then
    _start_xvfb || return 1
  fi
  # A prefix made while 32-bit Wine could not run has no 32-bit half: made anew once it can.
  if [ ! -f "$WINEPREFIX/.quillot-ready" ] ||
    { [ ! -f "$WINEPREFIX/.quillot-wow64" ] && wine32_runs; }; then
    _make_prefix
  fi
  [ -f "$WINEPREFIX/.quillot-documents" ] || _associate_documents
  # A warm wineserver makes every Wine process start in a tenth of a second.
  "$WINESERVER" -p
  # Wine's own services (services.exe, winedevice.exe, rpcss.exe...) start with the first
  # program and then live as long as the server, holding that program's standard output and
  # error. Started by a test, they would keep its runner waiting for the end of its output
  # until the runner's timeout: they start here, with nothing to hold.
  _wine cmd /c exit </dev/null >/dev/null 2>&1
}

wine_session_stop() {
  if [ -n "${WINEPREFIX:-}" ]; then
    "$WINESERVER" -k 2>/dev/null || true
    "$WINESERVER" -w 2>/dev/null || true
  fi
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  fi
}

wine_map_drive() {
  local letter=$1 dir=$2
  mkdir -p "$dir"
  ln -sfn "$(cd "$dir" && pwd)" "$WINEPREFIX/dosdevices/$letter:"
  _wine reg add 'HKLM\Software\Wine\Drives' /v "$letter:" /d cdrom /f >/dev/null
}
