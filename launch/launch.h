// Starts a command line the way the starter and the editor's test launch do. Free of the C
// runtime so that the starter can use it.
#pragma once

// Starts commandLine with the window shown normally and returns WinExec's result: 32 or more
// on success, else its error value. A program that requires elevation (Vista and later) makes
// WinExec fail; it is then started through the shell, which asks the user for elevation. Its
// result is reported as success when the shell started it or the user declined the elevation,
// and as WinExec's error value otherwise.
unsigned LaunchCommand(const char* commandLine);
