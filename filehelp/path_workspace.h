// Splitting and merging of path strings, without any file access. FileHelp keeps one
// PathWorkspace: the parts of the last split path and the one work path that every path result
// points into.
#pragma once

#include "path_limits.h"

#include <cstddef>

namespace filehelp {

class PathWorkspace {
public:
    PathWorkspace();

    // Fills drive, directory, name and extension from path (nullptr counts as empty).
    void SplitPath(const char* path);
    // Builds the work path from the parts and returns it.
    const char* MergePath();

    // The directory of a file path, ending in a separator; a path without any dot is taken
    // for a directory and returned unchanged.
    const char* DirectoryOf(const char* path);
    // Name and extension of path.
    const char* FileNameOf(const char* path);

    // Forgets name and extension, so that a merge gives drive and directory only.
    void ClearFileName();
    // Makes the work path empty.
    const char* ClearWorkPath();
    // The work path for changes in place; it holds kPathBufferSize characters.
    char* WorkPath() { return workPath_; }

    const char* Drive() const { return drive_; }
    const char* Directory() const { return directory_; }
    const char* Name() const { return name_; }
    const char* Extension() const { return extension_; }

private:
    char workPath_[kPathBufferSize];
    char drive_[kMaxDriveLength + 1];
    char directory_[kMaxPartLength + 1];
    char name_[kMaxPartLength + 1];
    char extension_[kMaxPartLength + 1];
};

// Makes the path in buffer end in a backslash, in place: a single character is taken for a
// drive letter and gets ":\". Nothing is appended when the result would not fit into capacity
// characters (terminator included), nor to an empty string. Returns buffer.
char* AddBackslash(char* buffer, std::size_t capacity = kPathBufferSize);

} // namespace filehelp
