// Whether two paths lead to one file, as the copy must know before it empties its target.
#pragma once

// True when source and target are the same file: their full paths are equal once "." and ".."
// are resolved and letter case is ignored, or both exist and the file system reports one file
// (another spelling such as a short 8.3 name).
bool IsSameFile(const char* source, const char* target);
