#pragma once

// Cuts white space (HT, LF, VT, FF, CR, blank, Ctrl+Z) from both ends of text, in place: trailing
// white space is overwritten with NULs, and the result points at the first other byte.
char* Trim(char* text);
