// The editor's path and file services. One object serves the whole editor; every path it
// returns points into its one work path and is valid until the next call, so callers copy it
// at once into a path buffer of their own (every result fits one). Nothing here shows a
// message: failures are returned as 0 and the caller chooses what to tell the user.
#pragma once

#include "copy_progress.h"
#include "path_workspace.h"

#include <windows.h>

class FileHelp {
public:
    explicit FileHelp(HINSTANCE module) : module_(module) {}
    FileHelp(const FileHelp&) = delete;
    FileHelp& operator=(const FileHelp&) = delete;

    // The directory of a file path, ending in a separator; a path without any dot is taken
    // for a directory and returned as it is.
    const char* DirectoryOf(const char* path) { return paths_.DirectoryOf(path); }
    // Name and extension of path.
    const char* FileNameOf(const char* path) { return paths_.FileNameOf(path); }
    // 1 when a file or directory of that name exists (read-only files too), else 0.
    int FileExists(const char* path) const;
    // Makes the caller's path buffer (260 characters) end in a backslash; a single letter
    // becomes a drive root. Returns buffer.
    static char* AddBackslash(char* buffer) { return filehelp::AddBackslash(buffer); }
    // The directory of the editor's own executable, ending in a backslash; empty without a
    // module instance.
    const char* ProgramDirectory();
    // Copies source to target, expanding a file compressed with the LZ expansion library's
    // format; an existing target is replaced once the copy is complete. A target that names
    // the source file itself is left untouched and counts as copied. 1 on success, 0 on
    // failure, and then a target that was there is as it was and no partial file is left
    // behind. Shows the wait cursor meanwhile.
    int CopyFileTo(const char* source, const char* target);
    // The same copy without the cursor, for a thread other than the windows' own: it reports
    // its bytes to progress and stops, removing what it wrote and leaving the target as it was,
    // once progress is cancelled (0).
    // Touches no other state of the object, so it may run beside the other operations.
    int CopyFileTo(const char* source, const char* target, CopyProgress& progress);
    // Writes the resource of the given type (as Windows names types: RT_RCDATA) and numeric id
    // of the module into target. 1 when all of it was written, else 0, and then no file is
    // left behind.
    int WriteResourceToFile(const char* type, unsigned id, const char* target);

private:
    void SplitPath(const char* path) { paths_.SplitPath(path); }
    const char* MergePath() { return paths_.MergePath(); }

    filehelp::PathWorkspace paths_;
    HINSTANCE module_;
};
