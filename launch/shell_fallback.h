// Which failed launches the shell gets a second try at. Free of the C runtime, like the
// launcher.
#pragma once

// True when WinExec's result (with the thread's last error right after it) is one that the
// shell may still turn into a start: a file that is no program (11), which the shell opens in
// the program associated with its type, and a program that requires elevation, for which the
// shell asks the user. Every other result stands as WinExec reported it.
bool GoesToShell(unsigned launchResult, unsigned long lastError);
