// Text handling of a command line, free of the C runtime so that the starter can use it.
#pragma once

// Copies at most capacity - 1 characters of source and terminates; returns the length copied.
unsigned CopyText(char* target, const char* source, unsigned capacity);

// Splits a command line in place into the program (quoted, or up to the first blank) and its
// arguments: program points at the program, the result at the arguments ("" when none).
char* SplitCommandLine(char* commandLine, char*& program);
