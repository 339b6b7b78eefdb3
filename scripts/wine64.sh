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
loader=/usr/lib/wine/wine64
export QUILLOT_WINE_UNIX_PID=$$
if setarch -R true 2>/dev/null; then
  export QUILLOT_WINE_LAYOUT=fixed
  exec setarch -R "$loader" "$@"
fi
export QUILLOT_WINE_LAYOUT=random
exec "$loader" "$@"
