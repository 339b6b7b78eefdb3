// Starts a command line the way the starter and the editor's test launch do. Free of the C
// runtime so that the starter can use it.
#pragma once

// Starts commandLine with the window shown normally and returns WinExec's result: 32 or more
// on success, else its error value. Where WinExec fails for a file that is no program (a
// document) or for a program that requires elevation (Vista and later), the shell opens the
// file instead: a document in the program associated with its type, a program after asking
// the user for elevation. That is reported as success when the shell started something or
// the user declined the elevation, and as WinExec's error value otherwise (a document without
// an associated program, a damaged program).
unsigned LaunchCommand(const char* commandLine);
