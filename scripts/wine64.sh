#!/bin/bash
# Wine's 64-bit loader, started with Linux's address randomisation off for it and for every
# Windows program it starts (the setting passes to child processes).
#
# Debian's Wine has no preloader to reserve Windows' fixed addresses before Linux lays out the
# process. The loader sits at 0x7d000000 and Linux puts its heap at a random place in the
# gigabyte after it; now and then (1 start in a few hundred to a few thousand) the heap covers
# the page at 0x7ffe0000 that every Wine process maps for Windows' shared user data, and the
# program never starts ("failed to map the shared user data: c0000018", shown only with
# WINEDEBUG=err+all). Without randomisation the heap starts right after the loader, far below
# that page.
#
# QUILLOT_WINE_LAYOUT tells the programs which of the two they got: fixed, or random where
# this machine refuses the setting (a container's system-call filter may).
# QUILLOT_WINE_UNIX_PID is the Linux process that becomes Wine (exec keeps it), so that a test
# can read its settings: the wineserver, not the program, opens the files a program opens.
#
# Wine reads and writes Linux file names in the character set of LC_CTYPE. In the C locale (a
# session that sets none) that is ASCII: the "Ü" of a name in UTF-8 arrives as "C" and a
# control character, and a name in Windows-1252 cannot be made at all. The programs get UTF-8
# whatever the caller's locale; its other categories stay.
if [ "$(locale charmap 2>/dev/null)" != "UTF-8" ]; then
  if [ -n "${LC_ALL:-}" ]; then
    export LANG="$LC_ALL"
    unset LC_ALL
  fi
  export LC_CTYPE=C.UTF-8
fi
loader=/usr/lib/wine/wine64
export QUILLOT_WINE_UNIX_PID=$$
if setarch -R true 2>/dev/null; then
  export QUILLOT_WINE_LAYOUT=fixed
  exec setarch -R "$loader" "$@"
fi
export QUILLOT_WINE_LAYOUT=random
exec "$loader" "$@"
