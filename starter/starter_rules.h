// The decisions of the starter that need no Windows: which directory is the CD's root (where
// its AutoRun.INF lies). Free of the C runtime, like the starter itself.
#pragma once

// Capacity of a text read from the INF, terminator included.
constexpr unsigned kTextCapacity = 512;

// Writes the root directory of the medium the starter runs from, with its trailing backslash:
// "E:\" for a drive path (the letter as the module path spells it), "\\server\share\" for a
// network path. Any other path is read as Windows' old rule has it: its first character is
// taken for the drive letter. Returns the root's length (0 for an empty path). root may be
// modulePath itself.
unsigned CdRootOf(const char* modulePath, char* root, unsigned capacity);
